import QtQuick
import Zeffira

// The station panel, top to bottom: what is playing (NowPlayingRow) and the volume with the
// output device (VolumeRow) while a station is chosen, the search (SearchRow), the catalogue by
// category (StationList) and the footer rows (PanelFooter); the banner that names a skipped
// station floats over the list. Reads Player and the catalogue; calls their operations; owns no
// logic. Keyboard: typing searches, Up/Down select a station, Return plays it (or the first
// match), Space pauses and resumes and Left/Right go back and forward 30 s in the rewind buffer
// while the search is empty (with text they move the cursor), Escape clears the search and then
// asks to close; Ctrl+, opens the settings and Ctrl+Q quits.
FocusScope {
    id: root

    property alias searchText: searchRow.text
    // The panel window closes on this (Escape with an empty search).
    signal closeRequested()
    // The notice after a failing station was skipped; the rule lives in SkipBanner.
    readonly property bool showSkipMessage: banner.showing
    readonly property alias stationList: stationList

    implicitWidth: 300
    width: 300
    implicitHeight: content.implicitHeight
    // The list's tallest size; the panel window lowers it to what the screen has room for.
    property real maximumListHeight: 800
    // Everything but the list: the panel window takes it off the room it has.
    readonly property real chromeHeight: stationList.y + 1 + footer.height
    // The keyboard's row in the list (a station row), -1 for none.
    property alias selectedRow: stationList.currentIndex

    // What the window does on every showing: typing goes to the search, replacing what was there.
    function prepareForShowing() {
        searchRow.takeTyping()
    }

    // Up, Down, Return, Space, Left and Right in the search field and in the list alike.
    function handleListKey(event) {
        if (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
            return
        switch (event.key) {
        case Qt.Key_Up:
        case Qt.Key_Down:
            stationList.selectStation(event.key === Qt.Key_Down ? 1 : -1)
            event.accepted = true
            break
        case Qt.Key_Return:
        case Qt.Key_Enter:
            stationList.playSelection()
            event.accepted = true
            break
        case Qt.Key_Space:
            // With search text a blank is part of it.
            if (root.searchText === "") {
                if (Player.hasStation && Player.state !== PlaybackState.Loading)
                    Player.togglePlayPause()
                event.accepted = true
            }
            break
        case Qt.Key_Left:
        case Qt.Key_Right:
            if (root.searchText === "" && Player.hasStation && Timeshift.available) {
                Timeshift.seekBy(event.key === Qt.Key_Left ? -30000 : 30000)
                event.accepted = true
            }
            break
        }
    }

    Keys.onEscapePressed: event => {
        if (root.searchText !== "")
            root.searchText = ""
        else
            root.closeRequested()
        event.accepted = true
    }

    Shortcut {
        sequence: "Ctrl+,"
        onActivated: App.openSettings()
    }
    Shortcut {
        sequence: "Ctrl+Q"
        onActivated: App.quit()
    }

    Column {
        id: content
        objectName: "content"
        width: parent.width
        spacing: 0

        NowPlayingRow {
            objectName: "nowPlayingRow"
            visible: Player.hasStation
            width: parent.width
        }
        RewindRow {
            objectName: "rewindRow"
            visible: Player.hasStation && Timeshift.available
            width: parent.width
        }
        Divider { visible: Player.hasStation }
        VolumeRow {
            objectName: "volumeRow"
            visible: Player.hasStation
            width: parent.width
        }

        // With no station chosen this is the panel's first line.
        Divider { id: topDivider; objectName: "topDivider" }

        SearchRow {
            id: searchRow
            objectName: "searchRow"
            width: parent.width
            onNavigationKey: event => root.handleListKey(event)
        }

        Divider {}

        StationList {
            id: stationList
            objectName: "stationList"
            width: parent.width
            maximumHeight: root.maximumListHeight
            searchText: root.searchText
            Keys.onPressed: event => root.handleListKey(event)
        }

        Divider {}

        PanelFooter {
            id: footer
            objectName: "footer"
            width: parent.width
        }
    }

    // Over everything below the now-playing and volume rows: it must not hide the name of the
    // station that plays now.
    SkippedStationBanner {
        id: banner
        objectName: "skipBanner"
        z: 10
        anchors.horizontalCenter: parent.horizontalCenter
        restingY: topDivider.y
        panelWidth: root.width
    }
}
