import QtQuick
import Zeffira

// The station panel, top to bottom: what is playing (NowPlayingRow) and the volume with the
// output device (VolumeRow) while a station is chosen, the choice of list (ViewSwitch: the
// stations or the songs heard), the search (SearchRow), the list shown (StationList by category,
// or HeardList) and the footer rows (PanelFooter); the banner that names a skipped station floats
// over the list. Reads Player and the catalogue; calls their operations; owns no logic.
// Keyboard: typing searches the list shown, Up/Down select a row, Return plays the station (or
// the first match) or copies the song, Space pauses and resumes and Left/Right go back and forward
// 30 s in the rewind buffer while the search is empty (with text they move the cursor),
// Escape clears the search and then asks to close; Ctrl+Tab switches the list, Ctrl+C copies
// the playing title (unless text is selected in the search), Ctrl+D stars the selected song,
// Ctrl+, opens the settings and Ctrl+Q quits.
FocusScope {
    id: root

    property alias searchText: searchRow.text
    // The panel window closes on this (Escape with an empty search).
    signal closeRequested()
    // The notice after a failing station was skipped; the rule lives in SkipBanner.
    readonly property bool showSkipMessage: banner.showing
    readonly property alias stationList: stationList
    readonly property alias heardList: heardList
    // Which list shows: the stations (false) or the songs heard ("Gehoord").
    property alias showingHeard: viewSwitch.showingHeard

    implicitWidth: 300
    width: 300
    implicitHeight: content.implicitHeight
    // The list's tallest size; the panel window lowers it to what the screen has room for.
    property real maximumListHeight: 800
    // Everything but the list: the panel window takes it off the room it has.
    readonly property real chromeHeight: lists.y + 1 + footer.height
    // The keyboard's row in the station list, -1 for none.
    property alias selectedRow: stationList.currentIndex

    // What the window does on every showing: typing goes to the search, replacing what was there.
    function prepareForShowing() {
        searchRow.takeTyping()
        // Days move on ("Vandaag" becomes "Gisteren") while the panel is closed.
        if (root.showingHeard)
            heardList.songs.reload()
    }

    // Up, Down, Return, Space, Left and Right in the search field and in the list alike.
    function handleListKey(event) {
        if (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
            return
        switch (event.key) {
        case Qt.Key_Up:
        case Qt.Key_Down:
            if (root.showingHeard)
                heardList.selectRow(event.key === Qt.Key_Down ? 1 : -1)
            else
                stationList.selectStation(event.key === Qt.Key_Down ? 1 : -1)
            event.accepted = true
            break
        case Qt.Key_Return:
        case Qt.Key_Enter:
            if (root.showingHeard)
                heardList.copyRow(heardList.currentIndex)
            else
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
    Shortcut {
        sequences: ["Ctrl+Tab", "Ctrl+Shift+Tab", "Ctrl+Shift+Backtab", "Ctrl+Backtab"]
        onActivated: root.showingHeard = !root.showingHeard
    }
    // Where the search field has the keyboard, it takes Ctrl+C itself (SearchRow's copyRequested).
    Shortcut {
        sequences: [StandardKey.Copy]
        onActivated: Clipboard.copyPlayingTitle()
    }
    Shortcut {
        sequence: "Ctrl+D"
        enabled: root.showingHeard && heardList.currentIndex >= 0
        onActivated: heardList.toggleStar(heardList.currentIndex)
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
            visible: Player.hasStation && (Timeshift.available || Timeshift.liveOnly)
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

        ViewSwitch {
            id: viewSwitch
            objectName: "viewSwitch"
            width: parent.width
        }

        SearchRow {
            id: searchRow
            objectName: "searchRow"
            width: parent.width
            placeholderText: root.showingHeard ? qsTr("Zoek nummer...") : qsTr("Zoek station...")
            accessibleName: root.showingHeard ? qsTr("Zoek nummer") : qsTr("Zoek station")
            onNavigationKey: event => root.handleListKey(event)
            onCopyRequested: Clipboard.copyPlayingTitle()
        }

        Divider {}

        // Both lists take the station list's height, which holds still while the songs show:
        // switching does not move the panel's edge.
        Item {
            id: lists
            objectName: "lists"
            width: parent.width
            height: stationList.height

            StationList {
                id: stationList
                objectName: "stationList"
                width: parent.width
                visible: !root.showingHeard
                maximumHeight: root.maximumListHeight
                // Kept while the songs show, so that its height stays.
                Binding on searchText {
                    value: root.searchText
                    when: !root.showingHeard
                    restoreMode: Binding.RestoreNone
                }
                Keys.onPressed: event => root.handleListKey(event)
            }

            HeardList {
                id: heardList
                objectName: "heardList"
                anchors.fill: parent
                visible: root.showingHeard
                shown: root.showingHeard
                searchText: root.searchText
                starredOnly: viewSwitch.starredOnly
                Keys.onPressed: event => root.handleListKey(event)
            }
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
    // What a screen reader hears unasked: a skipped station and why, each new title, the sleep
    // timer set or off. Titles only while playing, so that a paused station says nothing.
    Announcement {
        id: announcer
        objectName: "announcer"
    }
    Connections {
        target: Player
        function onStreamTitleChanged() {
            if (Player.state === PlaybackState.Playing)
                announcer.say(Player.streamTitle)
        }
        function onErrorMessageChanged() { announcer.say(Player.errorMessage) }
    }
    Connections {
        target: banner
        function onShowingChanged() {
            if (banner.showing)
                announcer.say(banner.announcement)
        }
    }
    Connections {
        target: SleepTimer
        property bool wasActive: SleepTimer !== null && SleepTimer.active
        property int wasMinutes: SleepTimer !== null ? SleepTimer.chosenMinutes : 0
        function onChanged() {
            if (SleepTimer.active === wasActive && SleepTimer.chosenMinutes === wasMinutes)
                return
            wasActive = SleepTimer.active
            wasMinutes = SleepTimer.chosenMinutes
            announcer.say(SleepTimer.active ? SleepTimer.statusText : qsTr("Slaaptimer uit"))
        }
    }

    SkippedStationBanner {
        id: banner
        objectName: "skipBanner"
        z: 10
        anchors.horizontalCenter: parent.horizontalCenter
        restingY: topDivider.y
        panelWidth: root.width
    }
}
