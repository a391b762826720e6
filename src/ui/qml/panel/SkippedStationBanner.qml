import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The notice that a failing station was skipped, and why: it drops in just below `restingY`,
// stays a moment and fades. When it shows is SkipBanner's rule; this is only its look. It keeps
// 24 from either side of the panel (`panelWidth`), its texts cut short at the end.
Item {
    id: root

    // Where it rests when hidden; it shows a little lower.
    property real restingY: 0
    property real panelWidth: 300
    readonly property bool showing: skipBanner.visible
    readonly property string announcement: skipBanner.title + ". " + skipBanner.reason

    width: Math.min(layout.implicitWidth, panelWidth - 48) + 24
    height: layout.implicitHeight + 16
    y: showing ? restingY + 8 : restingY - 6
    opacity: showing ? 1 : 0
    visible: opacity > 0

    // A spring of 0.3 s response and 0.825 damping barely overshoots; OutBack with a small
    // overshoot over the spring's settling time looks the same.
    Behavior on y { NumberAnimation { duration: 350; easing.type: Easing.OutBack; easing.overshoot: 0.8 } }
    Behavior on opacity { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }

    SkipBanner {
        id: skipBanner
    }

    // Soft shadow (radius 4, black about a third): rings of falling opacity.
    Repeater {
        model: 4
        Rectangle {
            required property int index
            anchors.fill: parent
            anchors.margins: -(4 - index)
            radius: 8 + (4 - index)
            color: "black"
            opacity: 0.045 + index * 0.015
        }
    }
    Rectangle {
        anchors.fill: parent
        radius: 8
        color: Qt.rgba(Theme.background.r, Theme.background.g, Theme.background.b, 0.96)
        border.color: Theme.divider
        border.width: 1
    }
    RowLayout {
        id: layout
        anchors.centerIn: parent
        spacing: 8
        width: Math.min(implicitWidth, root.panelWidth - 48)
        SymbolIcon {
            symbol: "exclamationmark.triangle.fill"
            size: 13
            color: Theme.orange
        }
        ColumnLayout {
            spacing: 1
            Layout.maximumWidth: root.panelWidth - 48 - 21
            Label {
                objectName: "skipBannerTitle"
                Layout.maximumWidth: parent.Layout.maximumWidth
                text: skipBanner.title
                textFormat: Text.PlainText
                font.pixelSize: Theme.caption
                color: Theme.primary
                elide: Text.ElideRight
            }
            Label {
                objectName: "skipBannerReason"
                Layout.maximumWidth: parent.Layout.maximumWidth
                text: skipBanner.reason
                textFormat: Text.PlainText
                font.pixelSize: Theme.caption
                color: Theme.secondary
                elide: Text.ElideRight
            }
        }
    }
}
