import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The panel's choice of list, as two tabs: the stations or the songs heard ("Gehoord"); beside
// them, while the songs show, the "Bewaard" filter (starred songs only). Tab reaches each, Space
// picks; a click leaves the keyboard where it was (in the search field).
Item {
    id: root

    property bool showingHeard: false
    property bool starredOnly: false

    implicitWidth: 300
    implicitHeight: layout.implicitHeight + 8

    component Pill: TabButton {
        id: pill
        focusPolicy: Qt.TabFocus
        hoverEnabled: true
        font.pixelSize: Theme.callout
        leftPadding: 10
        rightPadding: 10
        topPadding: 4
        bottomPadding: 4
        width: implicitWidth
        Accessible.name: pill.text
        // Qt 6.4's buttons list Press but do nothing on it: the handler does what a click does.
        Accessible.onPressAction: pill.choose()
        Keys.onReturnPressed: pill.choose()
        Keys.onEnterPressed: pill.choose()
        function choose() { pill.TabBar.tabBar.setCurrentIndex(pill.TabBar.index) }
        contentItem: Label {
            text: pill.text
            font: pill.font
            color: pill.checked ? Theme.accentText : Theme.primary
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: 6
            color: pill.checked ? Theme.accentFill
                                : Qt.rgba(Theme.primary.r, Theme.primary.g, Theme.primary.b,
                                          pill.hovered ? Theme.hoverOpacity : 0)
            FocusRing { shown: pill.visualFocus }
        }
    }

    RowLayout {
        id: layout
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        spacing: 4

        TabBar {
            id: tabs
            objectName: "viewTabs"
            spacing: 4
            background: null
            currentIndex: root.showingHeard ? 1 : 0
            onCurrentIndexChanged: root.showingHeard = currentIndex === 1
            Accessible.name: qsTr("Weergave")

            Pill {
                objectName: "stationsTab"
                text: qsTr("Stations")
            }
            Pill {
                objectName: "heardTab"
                text: qsTr("Gehoord")
            }
        }

        Item { Layout.fillWidth: true }

        AbstractButton {
            id: filter
            objectName: "starredFilter"
            visible: root.showingHeard
            checkable: true
            checked: root.starredOnly
            onToggled: root.starredOnly = checked
            focusPolicy: Qt.TabFocus
            hoverEnabled: true
            text: qsTr("Bewaard")
            font.pixelSize: Theme.callout
            leftPadding: 8
            rightPadding: 8
            topPadding: 4
            bottomPadding: 4
            Accessible.role: Accessible.CheckBox
            Accessible.name: filter.text
            Accessible.checkable: true
            Accessible.checked: filter.checked
            Accessible.onPressAction: root.starredOnly = !root.starredOnly
            Accessible.onToggleAction: root.starredOnly = !root.starredOnly
            Keys.onReturnPressed: root.starredOnly = !root.starredOnly
            Keys.onEnterPressed: root.starredOnly = !root.starredOnly
            contentItem: RowLayout {
                spacing: 4
                SymbolIcon {
                    symbol: filter.checked ? "star.fill" : "star"
                    size: 12
                    color: filter.checked ? Theme.accentText : Theme.secondary
                }
                Label {
                    text: filter.text
                    font: filter.font
                    color: filter.checked ? Theme.accentText : Theme.primary
                }
            }
            background: Rectangle {
                radius: 6
                color: filter.checked ? Theme.accentFill
                                      : Qt.rgba(Theme.primary.r, Theme.primary.g, Theme.primary.b,
                                                filter.hovered ? Theme.hoverOpacity : 0)
                FocusRing { shown: filter.visualFocus }
            }
        }
    }
}
