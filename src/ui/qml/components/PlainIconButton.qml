import QtQuick
import QtQuick.Controls
import Zeffira

// A borderless button that is only its symbol; dims while pressed or disabled.
AbstractButton {
    id: control

    property string symbol
    property real size: 22
    property color color: Theme.primary
    property string toolTipText

    implicitWidth: size
    implicitHeight: size
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.NoFocus
    opacity: !enabled ? 0.35 : (pressed ? 0.6 : 1)

    background: null
    contentItem: SymbolIcon {
        symbol: control.symbol
        size: control.size
        color: control.color
    }

    ToolTip.text: toolTipText
    ToolTip.visible: hovered && toolTipText !== ""
    ToolTip.delay: 600
}
