import QtQuick
import QtQuick.Controls
import Zeffira

// The panel's catalogue: each category's header and its stations (StationListModel, filtered by
// `searchText`), built row by row as it scrolls into view. `currentIndex` is the keyboard's row
// (a station row, -1 for none); a click and Return play through the same playRow().
ListView {
    id: list

    property alias searchText: stationModel.searchText
    // The tallest it may be; the panel lowers it to what the screen has room for.
    property real maximumHeight: 800
    readonly property bool scrolls: contentHeight > height

    // Moves the keyboard's row to the next station down (+1) or up (-1), over the headers.
    function selectStation(step) {
        const row = stationModel.stationRowAfter(currentIndex, step)
        currentIndex = row
        if (row >= 0)
            positionViewAtIndex(row, ListView.Contain)
    }

    // Plays the station of `row`; a header or -1 plays nothing. The search text stays and the
    // panel stays open.
    function playRow(row) {
        stationModel.playRow(row)
    }

    // Return: the keyboard's row, or else the first match.
    function playSelection() {
        playRow(currentIndex >= 0 ? currentIndex : stationModel.firstStationRow())
    }

    // As tall as the whole catalogue, within the room the screen has: a short list leaves no
    // empty band, and a search, whatever it finds, never resizes the panel under the typing.
    // The catalogue's height is taken while no search filters it (the model takes the search
    // text before it rebuilds the rows, so a search's rows never count); a floor keeps room for
    // the "no stations found" line.
    property real catalogueHeight: 0
    onContentHeightChanged: if (searchText === "") catalogueHeight = contentHeight
    height: Math.min(maximumHeight, Math.max(noMatches.implicitHeight + 24, catalogueHeight))
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    currentIndex: -1
    keyNavigationEnabled: false
    highlightMoveDuration: 0
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Stations")
    // Tabbing into the list selects a station to act on.
    onActiveFocusChanged: if (activeFocus && currentIndex < 0) selectStation(1)

    model: StationListModel {
        id: stationModel
        // A new search starts with its first match selected; an empty one with none. The rows
        // are rebuilt by now.
        onSearchTextChanged: list.currentIndex = searchText !== "" ? firstStationRow() : -1
    }

    // Shown whenever there is something to scroll; absent otherwise, so that it never takes
    // clicks from the rows' right margin. The rows end before it.
    ScrollBar.vertical: ScrollBar {
        id: scrollBar
        policy: list.scrolls ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        Accessible.name: qsTr("Stations")
    }

    Label {
        id: noMatches
        objectName: "noMatches"
        anchors.centerIn: parent
        visible: list.count === 0 && list.searchText !== ""
        text: qsTr("Geen stations gevonden")
        font.pixelSize: Theme.callout
        color: Theme.secondary
    }

    delegate: Item {
        id: entry
        required property int index
        required property string kind
        required property string name
        required property string rawName
        required property bool isFirstHeader
        required property bool isActive
        required property string logoUrl
        readonly property bool isHeader: kind === "header"

        width: ListView.view.width - (list.scrolls ? scrollBar.width : 0)
        height: isHeader ? headerLabel.y + headerLabel.implicitHeight + 4 : stationRow.implicitHeight
        // What the keyboard reaches is what assistive technology sees: a heading named as the
        // category is written (not spelled out in capitals), or one list item per station, named
        // after it, whose own action plays it; the chosen station is selected and says whether
        // it plays.
        Accessible.role: isHeader ? Accessible.Heading : Accessible.ListItem
        Accessible.name: isHeader ? entry.rawName : entry.name
        Accessible.description: entry.isActive ? (Player.isPlaying ? qsTr("Speelt") : qsTr("Gepauzeerd")) : ""
        Accessible.selectable: !isHeader
        Accessible.selected: entry.isActive
        Accessible.onPressAction: list.playRow(entry.index)

        Label {
            id: headerLabel
            objectName: "categoryHeader"
            visible: entry.isHeader
            x: 14
            y: entry.isFirstHeader ? 8 : 12
            width: parent.width - 28
            text: entry.name
            elide: Text.ElideRight
            font.pixelSize: Theme.caption2
            font.weight: Font.DemiBold
            color: Theme.secondary
            Accessible.ignored: true
        }

        StationRow {
            id: stationRow
            objectName: "stationRow"
            visible: !entry.isHeader
            enabled: visible
            width: parent.width
            name: entry.name
            logoSource: entry.logoUrl !== "" && StationLogos.revision >= 0 ? StationLogos.source(entry.logoUrl) : ""
            isActive: entry.isActive
            isPlaying: Player.isPlaying
            isSelected: entry.ListView.isCurrentItem
            onClicked: list.playRow(entry.index)
        }
    }
}
