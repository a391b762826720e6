import QtQuick
import QtQuick.Controls
import Zeffira

// The Stations tab's category column: a row per category with its station count, the selected
// one marked, each a target for a dragged station (`stationDrop` decides). Keyboard: Up/Down
// select, the Menu key or Shift+F10 opens the row's menu, Return or F2 renames, Delete deletes an
// empty category. What a request does is up to the tab.
ListView {
    id: list

    required property CategoryListModel categories
    required property StationDrop stationDrop
    property string selectedCategory
    signal selectRequested(string name)
    // `row` is where a menu asked for by the keyboard opens; null for the pointer's place.
    signal menuRequested(string name, bool hasStations, Item row)
    signal renameRequested(string name)
    signal deleteRequested(string name)

    clip: true
    activeFocusOnTab: true
    keyNavigationEnabled: false
    // Follows the selection and the rows (count is read so that the index is found again).
    currentIndex: categories.count > 0 ? categories.indexOf(selectedCategory) : -1
    highlightMoveDuration: 0
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Categorieën")
    spacing: 2
    topMargin: 4
    bottomMargin: 4
    leftMargin: 6
    rightMargin: 6
    model: categories
    boundsBehavior: Flickable.StopAtBounds
    ScrollIndicator.vertical: ScrollIndicator { Accessible.ignored: true }

    Keys.onPressed: event => {
        const row = list.currentItem
        const menuKey = event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))
        if (event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
            const next = Math.max(0, Math.min(list.categories.count - 1,
                                              list.currentIndex + (event.key === Qt.Key_Down ? 1 : -1)))
            if (next >= 0) {
                list.selectRequested(list.categories.nameAt(next))
                list.positionViewAtIndex(next, ListView.Contain)
            }
            event.accepted = true
        } else if (row && menuKey) {
            list.menuRequested(row.categoryName, row.hasStations, row)
            event.accepted = true
        } else if (row && (event.key === Qt.Key_F2 || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)) {
            list.renameRequested(row.categoryName)
            event.accepted = true
        } else if (row && event.key === Qt.Key_Delete && !row.hasStations) {
            list.deleteRequested(row.categoryName)
            event.accepted = true
        }
    }

    delegate: CategoryDropRow {
        required property string name
        required stationCount
        required property bool hasStations
        objectName: "categoryRow_" + name
        width: ListView.view.width - 12
        categoryName: name
        isSelected: list.selectedCategory === name
        isCurrent: ListView.isCurrentItem && list.activeFocus
        dropHandler: function() { return list.stationDrop.handleDrop(name) }
        // The keys follow the click (F2 renames, Delete deletes it), as in the station list.
        onClicked: {
            list.selectRequested(name)
            list.forceActiveFocus()
        }
        onContextMenuRequested: (x, y) => list.menuRequested(name, hasStations, null)
    }
}
