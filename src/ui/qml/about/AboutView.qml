import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The About window's content: icon, name, version, description, beta badge, copyright and
// the two links. Fixed width; as tall as its content.
FocusScope {
    id: root

    // Computed once, when the view is created.
    readonly property string appVersion: App.versionLine
    readonly property bool showBetaBadge: App.isBeta

    implicitWidth: 340
    width: 340
    implicitHeight: layout.implicitHeight + 64

    ColumnLayout {
        id: layout
        x: 40
        y: 32
        width: parent.width - 80
        spacing: 20

        SymbolIcon {
            objectName: "appIcon"
            Layout.alignment: Qt.AlignHCenter
            symbol: "antenna.radiowaves.left.and.right.circle.fill"
            size: 80
            // The drawing carries its own blue gradient.
            color: "transparent"
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 6
            Label {
                Layout.alignment: Qt.AlignHCenter
                text: "Zeffira"
                font.pixelSize: Theme.title
                font.weight: Font.DemiBold
                color: Theme.primary
            }
            Label {
                objectName: "versionLabel"
                Layout.alignment: Qt.AlignHCenter
                text: root.appVersion
                font.pixelSize: Theme.caption
                color: Theme.secondary
            }
        }

        Divider {
            Layout.fillWidth: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 8
            Label {
                Layout.fillWidth: true
                text: qsTr("Eenvoudige internetradio voor Linux")
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                font.pixelSize: Theme.callout
                color: Theme.secondary
            }
            Label {
                id: betaBadge
                objectName: "betaBadge"
                Layout.alignment: Qt.AlignHCenter
                visible: root.showBetaBadge
                text: qsTr("BETA VERSIE")
                leftPadding: 8
                rightPadding: 8
                topPadding: 3
                bottomPadding: 3
                font.pixelSize: Theme.caption2
                font.weight: Font.DemiBold
                color: "white"
                background: Rectangle {
                    radius: 4
                    color: Theme.badgeOrange
                }
            }
        }

        Divider {
            Layout.fillWidth: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 4
            Label {
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("© 2025 De makers van Zeffira")
                font.pixelSize: Theme.caption
                color: Theme.secondary
            }
            Label {
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Licentie: GNU GPL versie 3 of later")
                font.pixelSize: Theme.caption2
                color: Theme.secondary
            }
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 12
            LinkLabel {
                objectName: "privacyLink"
                text: qsTr("Privacy")
                url: App.privacyUrl
            }
            Label {
                text: "•"
                font.pixelSize: Theme.caption
                color: Theme.secondary
            }
            LinkLabel {
                objectName: "supportLink"
                text: qsTr("Support")
                url: App.supportUrl
            }
        }
    }

    // A link the keyboard reaches too: Tab, then Return or Space opens it.
    component LinkLabel: Label {
        id: link
        property string url
        font.pixelSize: Theme.caption
        font.underline: linkArea.containsMouse || link.activeFocus
        color: Theme.link
        activeFocusOnTab: true
        Accessible.role: Accessible.Link
        Accessible.name: link.text
        Accessible.onPressAction: Qt.openUrlExternally(link.url)
        Keys.onReturnPressed: Qt.openUrlExternally(link.url)
        Keys.onEnterPressed: Qt.openUrlExternally(link.url)
        Keys.onSpacePressed: Qt.openUrlExternally(link.url)
        FocusRing {
            anchors.margins: -3
            radius: 4
            shown: link.activeFocus
        }
        MouseArea {
            id: linkArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: Qt.openUrlExternally(link.url)
        }
    }
}
