import QtQuick
import QtQuick.Controls
import Zeffira

// A borderless button that is only its symbol; dims while pressed or disabled. Tab reaches it
// (a ring shows), Space and Return press it; its tooltip text is also its accessible name, and
// assistive technology's Press clicks it.
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
    // Tab reaches it; a click does not take the focus from the search field.
    focusPolicy: Qt.TabFocus
    opacity: !enabled ? 0.35 : (pressed ? 0.6 : 1)

    Accessible.name: toolTipText
    // Qt 6.4's buttons list Press but do nothing on it: the handler does what a click does.
    Accessible.onPressAction: if (control.enabled) control.clicked()
    Keys.onReturnPressed: control.clicked()
    Keys.onEnterPressed: control.clicked()

    background: FocusRing {
        anchors.margins: -3
        radius: width / 2
        shown: control.visualFocus
    }
    contentItem: SymbolIcon {
        symbol: control.symbol
        size: control.size
        color: control.color
    }

    ToolTip.text: toolTipText
    ToolTip.visible: (hovered || visualFocus) && toolTipText !== ""
    ToolTip.delay: 600
}
