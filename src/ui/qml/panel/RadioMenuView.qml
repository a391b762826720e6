import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The station panel: what is playing (with the player's error or the stream's title beneath) with
// its controls, volume and output device, the search field, the catalogue by category, the footer
// rows (the sleep timer among them), and the banner that names a skipped station and why. Reads Player and the catalogue;
// calls their operations; owns no logic.
// Keyboard: typing searches, Up/Down select a station, Return plays it (or the first match),
// Space pauses and resumes while the search is empty, Escape clears the search and then asks
// to close; Ctrl+, opens the settings and Ctrl+Q quits.
FocusScope {
    id: root

    property alias searchText: searchField.text
    // The panel window closes on this (Escape with an empty search).
    signal closeRequested()
    // The notice after a failing station was skipped; the rule lives in SkipBanner.
    readonly property bool showSkipMessage: skipBanner.visible
    readonly property alias stationModel: stationModel
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
        searchField.forceActiveFocus()
        searchField.selectAll()
    }

    function selectStation(step) {
        const row = stationModel.stationRowAfter(stationList.currentIndex, step)
        stationList.currentIndex = row
        if (row >= 0)
            stationList.positionViewAtIndex(row, ListView.Contain)
    }

    function playSelection() {
        const row = stationList.currentIndex >= 0 ? stationList.currentIndex : stationModel.firstStationRow()
        stationModel.playRow(row)
    }

    // Up, Down, Return and Space in the search field and in the list alike.
    function handleListKey(event) {
        if (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
            return
        switch (event.key) {
        case Qt.Key_Up:
        case Qt.Key_Down:
            root.selectStation(event.key === Qt.Key_Down ? 1 : -1)
            event.accepted = true
            break
        case Qt.Key_Return:
        case Qt.Key_Enter:
            root.playSelection()
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

    StationListModel {
        id: stationModel
        searchText: root.searchText
    }

    SkipBanner {
        id: skipBanner
    }

    Column {
        id: content
        objectName: "content"
        width: parent.width
        spacing: 0

        // Now playing.
        Item {
            id: nowPlayingRow
            objectName: "nowPlayingRow"
            visible: Player.hasStation
            width: parent.width
            height: nowPlayingLayout.implicitHeight + 20

            RowLayout {
                id: nowPlayingLayout
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                spacing: 8

                Item {
                    Layout.preferredWidth: 16
                    Layout.preferredHeight: 16
                    BusyIndicator {
                        objectName: "loadingIndicator"
                        anchors.centerIn: parent
                        width: 26
                        height: 26
                        padding: 0
                        scale: 0.6
                        visible: Player.state === PlaybackState.Loading
                        running: visible
                    }
                    SymbolIcon {
                        objectName: "statusIcon"
                        anchors.centerIn: parent
                        visible: Player.state !== PlaybackState.Loading
                        symbol: "antenna.radiowaves.left.and.right"
                        size: 16
                        color: Theme.accent
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 1

                    Label {
                        objectName: "currentStationLabel"
                        Layout.fillWidth: true
                        text: Player.currentStationName
                        textFormat: Text.PlainText
                        font.pixelSize: Theme.body
                        font.weight: Font.Medium
                        color: Theme.primary
                        maximumLineCount: 1
                        elide: Text.ElideRight
                    }
                    // The player's error when it has one, else what is on the air. Never markup:
                    // a title is whatever a server sent.
                    Label {
                        objectName: "nowPlayingDetail"
                        Layout.fillWidth: true
                        visible: text !== ""
                        text: Player.errorMessage !== "" ? Player.errorMessage : Player.streamTitle
                        textFormat: Text.PlainText
                        font.pixelSize: Theme.caption
                        color: Player.errorMessage !== "" ? Theme.orange : Theme.secondary
                        maximumLineCount: 1
                        elide: Text.ElideRight
                    }
                }

                PlainIconButton {
                    objectName: "playPauseButton"
                    symbol: Player.isPlaying ? "pause.circle.fill" : "play.circle.fill"
                    toolTipText: Player.isPlaying ? qsTr("Pauzeer") : qsTr("Hervat")
                    enabled: Player.state !== PlaybackState.Loading
                    onClicked: Player.togglePlayPause()
                }

                PlainIconButton {
                    objectName: "stopButton"
                    symbol: "stop.circle.fill"
                    toolTipText: qsTr("Stop")
                    onClicked: Player.stop()
                }
            }
        }

        Divider { visible: Player.hasStation }

        // Volume and output device.
        Item {
            objectName: "volumeRow"
            visible: Player.hasStation
            width: parent.width
            height: volumeLayout.implicitHeight + 20

            RowLayout {
                id: volumeLayout
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                spacing: 10

                Item {
                    Layout.preferredWidth: 16
                    Layout.preferredHeight: 14
                    SymbolIcon {
                        objectName: "volumeLowIcon"
                        anchors.centerIn: parent
                        symbol: Player.volume === 0 ? "speaker.slash.fill" : "speaker.wave.1.fill"
                        size: 13
                    }
                }
                Slider {
                    objectName: "volumeSlider"
                    Layout.fillWidth: true
                    from: 0
                    to: 1
                    padding: 0
                    focusPolicy: Qt.TabFocus
                    stepSize: 0.05
                    snapMode: Slider.NoSnap
                    Accessible.name: qsTr("Volume")
                    value: Player.volume
                    onMoved: Player.volume = value
                }
                Item {
                    Layout.preferredWidth: 16
                    Layout.preferredHeight: 14
                    SymbolIcon {
                        anchors.centerIn: parent
                        symbol: "speaker.wave.3.fill"
                        size: 13
                    }
                }
                OutputDeviceButton {
                    objectName: "outputDeviceButton"
                    Layout.preferredWidth: 18
                    Layout.preferredHeight: 18
                }
            }
        }

        // With no station selected this is the panel's first line.
        Divider { id: topDivider; objectName: "topDivider" }

        // Search.
        Item {
            id: searchRow
            objectName: "searchRow"
            width: parent.width
            height: searchLayout.implicitHeight + 20

            RowLayout {
                id: searchLayout
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                spacing: 8

                SymbolIcon {
                    symbol: "magnifyingglass"
                    size: 13
                }
                TextField {
                    id: searchField
                    objectName: "searchField"
                    Layout.fillWidth: true
                    placeholderText: qsTr("Zoek station...")
                    placeholderTextColor: Theme.secondary
                    color: Theme.primary
                    font.pixelSize: Theme.callout
                    background: null
                    padding: 0
                    selectByMouse: true
                    focus: true
                    Accessible.name: qsTr("Zoek station")
                    Keys.onPressed: event => root.handleListKey(event)
                    // A new search starts with its first match selected; an empty one with none.
                    onTextChanged: stationList.currentIndex = text !== "" ? stationModel.firstStationRow() : -1
                }
                PlainIconButton {
                    objectName: "clearButton"
                    visible: searchField.text !== ""
                    symbol: "xmark.circle.fill"
                    size: 13
                    color: Theme.secondary
                    toolTipText: qsTr("Wis zoekopdracht")
                    onClicked: {
                        root.searchText = ""
                        searchField.forceActiveFocus()
                    }
                }
            }
            // The field's ring when Tab brought the focus there (not on every opening).
            FocusRing {
                anchors.margins: 4
                shown: searchField.activeFocus && (searchField.focusReason === Qt.TabFocusReason
                                                   || searchField.focusReason === Qt.BacktabFocusReason)
            }
        }

        Divider {}

        // The catalogue, built row by row as it scrolls into view.
        ListView {
            id: stationList
            objectName: "stationList"
            width: parent.width
            // At least 300 where the screen has room for it, never more than it has.
            height: Math.min(root.maximumListHeight, Math.max(Math.min(300, root.maximumListHeight), contentHeight))
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: stationModel
            currentIndex: -1
            keyNavigationEnabled: false
            highlightMoveDuration: 0
            activeFocusOnTab: true
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Stations")
            Keys.onPressed: event => root.handleListKey(event)
            // Tabbing into the list selects a station to act on.
            onActiveFocusChanged: if (activeFocus && currentIndex < 0) root.selectStation(1)
            readonly property bool scrolls: contentHeight > height
            // Shown whenever there is something to scroll; absent otherwise, so that it never
            // takes clicks from the rows' right margin. The rows end before it.
            ScrollBar.vertical: ScrollBar {
                id: listScrollBar
                policy: stationList.scrolls ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            Label {
                objectName: "noMatches"
                anchors.centerIn: parent
                visible: stationList.count === 0 && root.searchText !== ""
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
                required property string url
                required property bool isFirstHeader
                required property bool isActive
                readonly property bool isHeader: kind === "header"

                width: ListView.view.width - (stationList.scrolls ? listScrollBar.width : 0)
                // The row the keyboard is on holds the list's focus.
                Accessible.role: isHeader ? Accessible.Heading : Accessible.ListItem
                Accessible.name: entry.name
                height: isHeader ? headerLabel.y + headerLabel.implicitHeight + 4 : stationRow.implicitHeight

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
                    Accessible.role: Accessible.Heading
                }

                StationRow {
                    id: stationRow
                    objectName: "stationRow"
                    visible: !entry.isHeader
                    enabled: visible
                    width: parent.width
                    name: entry.name
                    isActive: entry.isActive
                    isPlaying: Player.isPlaying
                    isSelected: entry.ListView.isCurrentItem
                    // The search text stays and the panel stays open.
                    onClicked: Player.playStation(entry.name, entry.url)
                }
            }
        }

        Divider {}

        Column {
            id: footer
            objectName: "footer"
            width: parent.width
            spacing: 1
            topPadding: 4
            bottomPadding: 4

            SleepTimerRow {
                objectName: "sleepTimerRow"
                width: parent.width
            }
            MenuRowButton {
                objectName: "settingsRow"
                width: parent.width
                label: qsTr("Instellingen...")
                icon: "gearshape"
                shortcut: "Ctrl+,"
                onClicked: App.openSettings()
            }
            MenuRowButton {
                objectName: "aboutRow"
                width: parent.width
                label: qsTr("Over Zeffira")
                icon: "info.circle"
                onClicked: App.openAbout()
            }
            Item {
                width: parent.width
                height: 5
                Divider { y: 2 }
            }
            MenuRowButton {
                objectName: "quitRow"
                width: parent.width
                label: qsTr("Sluit af")
                icon: "power"
                shortcut: "Ctrl+Q"
                onClicked: App.quit()
            }
        }
    }

    // Skip banner, centred over everything below the now-playing and volume rows: it must not
    // hide the name of the station that plays now.
    Item {
        id: banner
        objectName: "skipBanner"
        readonly property real bannerTop: topDivider.y
        z: 10
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(bannerLayout.implicitWidth, root.width - 48) + 24
        height: bannerLayout.implicitHeight + 16
        y: root.showSkipMessage ? bannerTop + 8 : bannerTop - 6
        opacity: root.showSkipMessage ? 1 : 0
        visible: opacity > 0

        // A spring of 0.3 s response and 0.825 damping barely overshoots; OutBack with a small
        // overshoot over the spring's settling time looks the same.
        Behavior on y { NumberAnimation { duration: 350; easing.type: Easing.OutBack; easing.overshoot: 0.8 } }
        Behavior on opacity { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }

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
            id: bannerLayout
            anchors.centerIn: parent
            spacing: 8
            width: Math.min(implicitWidth, root.width - 48)
            SymbolIcon {
                symbol: "exclamationmark.triangle.fill"
                size: 13
                color: Theme.orange
            }
            ColumnLayout {
                spacing: 1
                Layout.maximumWidth: root.width - 48 - 21
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
}
