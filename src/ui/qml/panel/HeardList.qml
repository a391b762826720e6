import QtQuick
import QtQuick.Controls
import Zeffira

// The panel's "Gehoord" list: the songs heard, newest first under a heading per day, narrowed by
// `searchText` and, with `starredOnly`, to the kept ones. The history is read from the first time
// the list is `shown` on, and anew at each showing; a panel that never shows it opens no history
// file. `currentIndex` is the keyboard's row (-1 for none); Return copies it, Ctrl+D stars it.
ListView {
    id: list

    property string searchText
    property bool starredOnly: false
    property bool shown: false
    readonly property bool scrolls: contentHeight > height
    readonly property alias songs: songs
    // The row whose text was just copied, -1 for none.
    property int copiedRow: -1

    function selectRow(step) {
        if (count === 0) {
            currentIndex = -1
            return
        }
        currentIndex = Math.max(0, Math.min(count - 1, currentIndex < 0 ? (step > 0 ? 0 : count - 1)
                                                                        : currentIndex + step))
        positionViewAtIndex(currentIndex, ListView.Contain)
    }

    function copyRow(row) {
        const text = songs.copyText(row)
        if (text === "")
            return
        Clipboard.setText(text)
        copiedRow = row
        copiedTimer.restart()
    }

    function toggleStar(row) {
        songs.toggleStarred(row)
    }

    clip: true
    boundsBehavior: Flickable.StopAtBounds
    currentIndex: -1
    keyNavigationEnabled: false
    highlightMoveDuration: 0
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Gehoord")
    onActiveFocusChanged: if (activeFocus && currentIndex < 0) selectRow(1)
    onShownChanged: if (shown) songs.reload()

    model: HistoryListModel {
        id: songs
        onModelReset: {
            list.currentIndex = -1
            list.copiedRow = -1
        }
    }
    // Only while shown: each change reads the history.
    Binding {
        target: songs
        property: "searchText"
        value: list.searchText
        when: list.shown
        restoreMode: Binding.RestoreNone
    }
    Binding {
        target: songs
        property: "starredOnly"
        value: list.starredOnly
        when: list.shown
        restoreMode: Binding.RestoreNone
    }

    Timer {
        id: copiedTimer
        interval: 1500
        onTriggered: list.copiedRow = -1
    }

    ScrollBar.vertical: ScrollBar {
        id: scrollBar
        policy: list.scrolls ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        Accessible.name: qsTr("Gehoord")
    }

    Label {
        objectName: "emptyText"
        // Over the list itself, not in its (empty) content.
        parent: list
        anchors.centerIn: parent
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        visible: list.count === 0
        text: list.searchText !== "" ? qsTr("Geen nummers gevonden")
                                     : list.starredOnly ? qsTr("Nog geen bewaarde nummers")
                                                        : qsTr("Nog niets gehoord")
        font.pixelSize: Theme.callout
        color: Theme.secondary
    }

    section.property: "day"
    section.criteria: ViewSection.FullString
    // The day comes from the section delegate's context: Qt 6.4 keeps reused heading items, and a
    // required property would keep the day an item first showed after the list changed.
    section.delegate: Item {
        id: heading
        // qmllint disable unqualified
        readonly property string day: section
        // qmllint enable unqualified
        width: ListView.view.width
        height: dayLabel.implicitHeight + 12
        Accessible.role: Accessible.Heading
        Accessible.name: heading.day
        Label {
            id: dayLabel
            objectName: "dayHeader"
            x: 14
            y: 8
            width: parent.width - 28
            text: heading.day
            elide: Text.ElideRight
            font.pixelSize: Theme.caption2
            font.weight: Font.DemiBold
            color: Theme.secondary
            Accessible.ignored: true
        }
    }

    delegate: Item {
        id: entry
        required property int index
        required property string text
        required property string station
        required property string time
        required property bool starred

        width: ListView.view.width - (list.scrolls ? scrollBar.width : 0)
        height: row.implicitHeight
        // One list item per song, named after it; its own action copies it.
        Accessible.role: Accessible.ListItem
        Accessible.name: entry.text
        Accessible.description: entry.starred ? qsTr("%1, %2, bewaard").arg(entry.time).arg(entry.station)
                                              : qsTr("%1, %2").arg(entry.time).arg(entry.station)
        Accessible.selectable: true
        Accessible.selected: entry.ListView.isCurrentItem
        Accessible.onPressAction: list.copyRow(entry.index)

        HeardRow {
            id: row
            objectName: "heardRow"
            width: parent.width
            text: entry.text
            details: entry.time + " · " + entry.station
            starred: entry.starred
            isSelected: entry.ListView.isCurrentItem
            copied: list.copiedRow === entry.index
            onClicked: list.currentIndex = entry.index
            onCopyClicked: list.copyRow(entry.index)
            onStarClicked: songs.setStarred(entry.index, !entry.starred)
        }
    }
}
