import QtQuick
import QtQuick.Controls
import Zeffira

// The Stations tab's stations of the selected category (CategoryStationsModel), moved by dragging
// (onto a category, or within the list to reorder). Keyboard: Up/Down move, Alt+Up/Down moves
// the station within its category, the Menu key or Shift+F10 opens its menu, Return or F2 edits,
// Delete deletes. What a request does is up to the tab.
ListView {
    id: list

    required property CategoryStationsModel stations
    required property StationDrop stationDrop
    required property StationDragProxy dragProxy
    // `row` is where a menu asked for by the keyboard opens; null for the pointer's place.
    signal menuRequested(string name, string url, Item row)
    signal editRequested(string name, string url)
    signal deleteRequested(string name, string url)

    visible: stations.categoryExists
    clip: true
    model: stations
    activeFocusOnTab: true
    currentIndex: -1
    boundsBehavior: Flickable.StopAtBounds
    highlightMoveDuration: 0
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Stations van %1").arg(stations.category)
    ScrollIndicator.vertical: ScrollIndicator { Accessible.ignored: true }
    onActiveFocusChanged: if (activeFocus && currentIndex < 0 && count > 0) currentIndex = 0

    Keys.onDeletePressed: {
        const row = list.currentItem
        if (row)
            list.deleteRequested(row.name, row.url)
    }
    Keys.onPressed: event => {
        const row = list.currentItem
        if (!row)
            return
        const menuKey = event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))
        if ((event.modifiers & Qt.AltModifier) && (event.key === Qt.Key_Up || event.key === Qt.Key_Down)) {
            const to = row.index + (event.key === Qt.Key_Down ? 1 : -1)
            if (to >= 0 && to < list.count) {
                list.stations.moveRow(row.index, to)
                list.currentIndex = to
            }
            event.accepted = true
        } else if (menuKey) {
            list.menuRequested(row.name, row.url, row)
            event.accepted = true
        } else if (event.key === Qt.Key_F2 || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            list.editRequested(row.name, row.url)
            event.accepted = true
        }
    }
    Connections {
        target: list.stations
        function onCategoryChanged() { list.currentIndex = -1 }
    }

    delegate: CategoryStationRow {
        id: row
        objectName: "stationRow_" + index
        width: ListView.view.width
        isCurrent: ListView.isCurrentItem
        listHasFocus: list.activeFocus
        dragProxy: list.dragProxy
        onPressed: {
            list.currentIndex = row.index
            list.forceActiveFocus()
        }
        onMenuRequested: list.menuRequested(row.name, row.url, null)
        onDeleteRequested: list.deleteRequested(row.name, row.url)
        onDragStarted: list.stationDrop.startDrag(row.name, row.url)
        onMoveRequested: (from, to) => list.stations.moveStations([from], to)
    }
}
