import QtQuick
import QtQuick.Controls
import QtTest
import Zeffira
import ZeffiraTest

// The station panel on a real player (fake stream backend) and a real store.
TestCase {
    id: testCase
    name: "RadioMenuView"
    width: 300
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: viewComponent
        RadioMenuView {}
    }

    SignalSpy { id: settingsSpy; target: App; signalName: "settingsRequested" }
    SignalSpy { id: aboutSpy; target: App; signalName: "aboutRequested" }
    SignalSpy { id: quitSpy; target: App; signalName: "quitRequested" }
    SignalSpy { id: closeSpy; signalName: "closeRequested" }

    // The player refuses a station that failed until its stream works again, so every failure
    // below uses a URL no other test plays.
    property int failures: 0
    function failingUrl() {
        failures += 1
        return "https://fail.example/" + failures
    }

    function init() {
        TestRig.reset()
        settingsSpy.clear()
        aboutSpy.clear()
        quitSpy.clear()
    }

    function createView() {
        const view = createTemporaryObject(viewComponent, testCase)
        verify(view, "RadioMenuView could not be created")
        return view
    }

    function child(view, name) {
        const item = findChild(view, name)
        verify(item, "no item named " + name)
        return item
    }

    // The list's delegates in order, as {kind, name, item}.
    function rows(view) {
        const list = view.stationList
        waitForItemPolished(list)
        const result = []
        for (let i = 0; i < list.count; ++i) {
            const item = list.itemAtIndex(i)
            verify(item, "row " + i + " was not built")
            result.push(item)
        }
        return result
    }

    function stationRow(view, name) {
        for (const entry of rows(view)) {
            if (entry.kind === "station" && entry.name === name)
                return findChild(entry, "stationRow")
        }
        fail("no station row " + name)
    }

    function rowNames(view) {
        return rows(view).map(r => (r.kind === "header" ? "H:" : "") + r.name)
    }

    // The column places rows that appear at its next polish, before any click can find them.
    function settle(view) {
        waitForItemPolished(child(view, "content"))
    }

    function playAndWait(view, name, url) {
        Player.playStation(name, url)
        TestRig.reportReady()
        compare(Player.state, PlaybackState.Playing)
        settle(view)
    }

    function typeText(text) {
        for (const character of text)
            keyClick(character)
    }

    // Every item under `item`, delegates included.
    function walk(item, visit) {
        visit(item)
        const children = item.children || []
        for (let i = 0; i < children.length; ++i)
            walk(children[i], visit)
    }

    function test_keyboard() {
        const view = createView()
        closeSpy.target = view
        closeSpy.clear()
        view.prepareForShowing()
        verify(child(view, "searchField").activeFocus)
        // Rows: 0 H:PUBLIEK 1 NPO Radio 1 2 NPO Klassiek 3 H:LEEG 4 H:JAZZ 5 Sublime 6 Jazz Radio Één
        typeText("sub")
        compare(rowNames(view), ["H:JAZZ", "Sublime"])
        compare(view.selectedRow, 1)
        keyClick(Qt.Key_Return)
        compare(Player.currentStationName, "Sublime")
        TestRig.reportReady()

        keyClick(Qt.Key_Escape)
        compare(view.searchText, "")
        compare(closeSpy.count, 0)
        compare(view.selectedRow, -1)
        keyClick(Qt.Key_Down)
        compare(view.selectedRow, 1)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        compare(view.selectedRow, 5)
        verify(findChild(view.stationList.itemAtIndex(5), "selectionRing").visible)
        keyClick(Qt.Key_Up)
        compare(view.selectedRow, 2)
        keyClick(Qt.Key_Return)
        compare(Player.currentStationName, "NPO Klassiek")
        TestRig.reportReady()

        // Space pauses and resumes while the search is empty; with text it is a blank.
        keyClick(Qt.Key_Space)
        compare(Player.isPlaying, false)
        keyClick(Qt.Key_Space)
        compare(Player.isPlaying, true)
        keyClick(Qt.Key_K)
        keyClick(Qt.Key_Space)
        compare(view.searchText, "k ")
        compare(Player.isPlaying, true)

        keyClick(Qt.Key_Escape)
        keyClick(Qt.Key_Escape)
        compare(closeSpy.count, 1)
    }

    function test_tabReachesEveryControlWithARing() {
        const view = createView()
        playAndWait(view, "NPO Radio 1", "https://icecast.example/npo1")
        view.searchText = "npo"
        view.prepareForShowing()
        const reached = []
        for (let i = 0; i < 15; ++i) {
            keyClick(Qt.Key_Tab)
            const item = view.Window.activeFocusItem
            // A list passes the focus on to its current row; footer rows to their button.
            const list = item.ListView.view && item.ListView.view.objectName !== "" ? item.ListView.view : null
            const name = list ? list.objectName
                              : item.objectName !== "button" ? item.objectName : item.parent.objectName
            if (reached.indexOf(name) >= 0)
                break
            reached.push(name)
            if (item.visualFocus !== undefined)
                verify(item.visualFocus, name + " shows that it has the focus")
            verify(item.Accessible.name !== "", name + " has an accessible name")
        }
        compare(reached.sort(), ["aboutRow", "clearButton", "heardTab", "outputDeviceButton", "playPauseButton",
                                 "quitRow", "searchField", "settingsRow", "sleepTimerRow", "stationList",
                                 "stationsTab", "stopButton", "volumeSlider"])
    }

    function test_textIsReadable() {
        const view = createView()
        playAndWait(view, "NPO Radio 1", "https://icecast.example/npo1")
        const row = stationRow(view, "NPO Radio 1")
        const name = findChild(row, "nameLabel")
        // The playing row's text on its own highlight, and the other text colours on the panel.
        verify(Theme.contrast(name.color, Theme.over(Theme.accentFill, Theme.background)) >= 4.5,
               "playing row " + Theme.contrast(name.color, Theme.over(Theme.accentFill, Theme.background)))
        for (const colour of [Theme.primary, Theme.secondary, Theme.link, Theme.destructive])
            verify(Theme.contrast(colour, Theme.background) >= 4.5, colour + " on the panel")
        // Red stays red: it is darkened, not lost.
        verify(Theme.destructive.r > 0.5 && Theme.destructive.g < 0.2, "destructive " + Theme.destructive)
        // readable() mends what does not reach the ratio, and leaves alone what does.
        const lightBlue = Qt.color("#d6e5f0")
        verify(Theme.contrast(Theme.readable("#308cc6", lightBlue), lightBlue) >= 4.5)
        compare(String(Theme.readable("#000000", "#ffffff")), "#000000")
        const small = []
        let texts = 0
        walk(view, item => {
            if (!item.visible || item.font === undefined || item.text === undefined)
                return
            ++texts
            if (item.font.pixelSize < 11)
                small.push(item.text + " " + item.font.pixelSize)
        })
        verify(texts > 10, texts + " texts")
        compare(small, [])
    }

    function test_noMatchesSaysSo() {
        const view = createView()
        verify(!child(view, "noMatches").visible)
        view.searchText = "xyz"
        verify(child(view, "noMatches").visible)
        compare(child(view, "noMatches").text, "Geen stations gevonden")
        view.searchText = "npo"
        verify(!child(view, "noMatches").visible)
    }

    function test_longHeadersEndInAnEllipsis() {
        TestRig.setCatalogue('[{"name":"Een categorie met een naam die veel te lang is voor het paneel",'
                             + '"stations":[{"name":"A","url":"https://a.example/"}]}]')
        const view = createView()
        const header = findChild(rows(view)[0], "categoryHeader")
        compare(header.elide, Text.ElideRight)
        verify(header.truncated)
        verify(header.x + header.width <= view.stationList.width - 14)
    }

    function test_noStationStartsWithDivider() {
        const view = createView()
        verify(!child(view, "nowPlayingRow").visible)
        verify(!child(view, "volumeRow").visible)
        const divider = child(view, "topDivider")
        compare(divider.mapToItem(view, 0, 0).y, 0)
        compare(child(view, "viewSwitch").mapToItem(view, 0, 0).y, 1)
    }

    function test_loadingThenPlayingThenPaused() {
        const view = createView()
        Player.playStation("NPO Radio 1", "https://icecast.example/npo1")
        verify(child(view, "nowPlayingRow").visible)
        verify(child(view, "volumeRow").visible)
        verify(child(view, "loadingIndicator").visible)
        verify(child(view, "loadingIndicator").running)
        verify(!child(view, "statusIcon").visible)
        verify(!child(view, "playPauseButton").enabled)
        verify(child(view, "stopButton").enabled)
        compare(child(view, "stopButton").toolTipText, "Stop")
        settle(view)

        TestRig.reportReady()
        verify(!child(view, "loadingIndicator").visible)
        verify(child(view, "statusIcon").visible)
        compare(child(view, "statusIcon").status, Image.Ready)
        compare(child(view, "statusIcon").color, Theme.accent)
        verify(child(view, "playPauseButton").enabled)
        compare(child(view, "playPauseButton").symbol, "pause.circle.fill")
        compare(child(view, "playPauseButton").toolTipText, "Pauzeer")
        compare(child(view, "currentStationLabel").text, "NPO Radio 1")
        verify(stationRow(view, "NPO Radio 1").isActive)

        mouseClick(child(view, "playPauseButton"))
        compare(Player.isPlaying, false)
        compare(child(view, "currentStationLabel").text, "NPO Radio 1")
        compare(child(view, "playPauseButton").symbol, "play.circle.fill")
        compare(child(view, "playPauseButton").toolTipText, "Hervat")
        // Paused, the station keeps its highlight; only the speaker goes.
        verify(stationRow(view, "NPO Radio 1").isActive, "the paused station keeps its mark")
        verify(!findChild(stationRow(view, "NPO Radio 1"), "playingIcon").visible)

        mouseClick(child(view, "stopButton"))
        compare(Player.hasStation, false)
        verify(!child(view, "nowPlayingRow").visible)
    }

    function test_volumeIconAndSlider() {
        const view = createView()
        playAndWait(view, "NPO Radio 1", "https://icecast.example/npo1")
        const icon = child(view, "volumeLowIcon")
        Player.volume = 0
        compare(icon.symbol, "speaker.slash.fill")
        Player.volume = 0.001
        compare(icon.symbol, "speaker.wave.1.fill")
        Player.volume = 1
        compare(icon.symbol, "speaker.wave.1.fill")

        // Moving the slider writes the player's volume at once.
        const slider = child(view, "volumeSlider")
        compare(slider.value, 1)
        mouseClick(slider, slider.leftPadding + slider.availableWidth * 0.25, slider.height / 2)
        verify(Math.abs(Player.volume - 0.25) < 0.05, "volume " + Player.volume)
        compare(slider.value, Player.volume)
    }

    function test_searchInCapitals() {
        const view = createView()
        const field = child(view, "searchField")
        compare(field.placeholderText, "Zoek station...")
        verify(!child(view, "clearButton").visible)
        mouseClick(field)
        for (const key of "NPO R")
            keyClick(key)
        compare(view.searchText, "NPO R")
        compare(rowNames(view), ["H:PUBLIEK", "NPO Radio 1"])
        verify(child(view, "clearButton").visible)
    }

    function test_searchMatchingNothingAndClear() {
        const view = createView()
        // The short catalogue fills the list to its last row, with no empty band below it...
        const list = view.stationList
        rows(view)
        const full = list.height
        compare(full, list.contentHeight)
        // ...and a search keeps that height, whatever it finds.
        view.searchText = "xyz"
        compare(list.count, 0)
        waitForItemPolished(list)
        compare(list.height, full)

        view.searchText = "radio"
        compare(rowNames(view), ["H:PUBLIEK", "NPO Radio 1", "H:JAZZ", "Jazz Radio Één"])
        compare(list.height, full)
        mouseClick(child(view, "clearButton"))
        compare(view.searchText, "")
        compare(rowNames(view), ["H:PUBLIEK", "NPO Radio 1", "NPO Klassiek", "H:LEEG", "H:JAZZ", "Sublime",
                                 "Jazz Radio Één"])
        verify(!child(view, "clearButton").visible)
    }

    function test_headerMargins() {
        const view = createView()
        const headers = rows(view).filter(r => r.kind === "header")
        compare(headers.length, 3)
        compare(findChild(headers[0], "categoryHeader").y, 8)
        compare(findChild(headers[1], "categoryHeader").y, 12)
        compare(findChild(headers[2], "categoryHeader").y, 12)
        // After a search the first shown category gets the small margin.
        view.searchText = "sub"
        const first = rows(view)[0]
        compare(first.name, "JAZZ")
        compare(findChild(first, "categoryHeader").y, 8)
        compare(first.height, 8 + findChild(first, "categoryHeader").implicitHeight + 4)
    }

    function test_clickIncludingOuterMarginPlays() {
        const view = createView()
        view.searchText = "i"
        let row = stationRow(view, "Sublime")
        // Inside the 6-point outer margin, outside the highlight.
        mouseClick(row, 2, row.height / 2)
        compare(Player.currentStationName, "Sublime")
        compare(Player.currentStationUrl, "https://jazz.example/sublime")
        verify(TestRig.backendCalls.indexOf("start https://jazz.example/sublime") >= 0)
        compare(view.searchText, "i")
        settle(view)

        row = stationRow(view, "NPO Radio 1")
        mouseClick(row, row.width - 2, row.height / 2)
        compare(Player.currentStationName, "NPO Radio 1")
    }

    function test_activeHighlightWinsOverHover() {
        const view = createView()
        playAndWait(view, "NPO Klassiek", "https://icecast.example/klassiek")
        const active = stationRow(view, "NPO Klassiek")
        verify(active.isActive)
        mouseMove(active, active.width / 2, active.height / 2)
        tryCompare(active, "isHovered", true)
        const activeFill = findChild(active, "activeHighlight")
        verify(activeFill.visible)
        compare(activeFill.color, Theme.accent)
        compare(activeFill.opacity, 0.15)
        compare(active.hoverTint, 0)

        const other = stationRow(view, "Sublime")
        mouseMove(other, other.width / 2, other.height / 2)
        tryCompare(other, "isHovered", true)
        verify(!findChild(other, "activeHighlight").visible)
        tryCompare(findChild(other, "hoverHighlight"), "opacity", 0.06)
        compare(findChild(other, "hoverHighlight").color, Theme.primary)
        verify(!active.isHovered)
    }

    function test_footerRows() {
        const view = createView()
        const settings = child(view, "settingsRow")
        const about = child(view, "aboutRow")
        const quit = child(view, "quitRow")
        compare(settings.label, "Instellingen...")
        compare(about.label, "Over Zeffira")
        compare(quit.label, "Sluit af")
        compare(findChild(settings, "shortcutHint").text, "Ctrl+,")
        verify(findChild(settings, "shortcutHint").visible)
        verify(!findChild(about, "shortcutHint").visible)
        compare(findChild(quit, "shortcutHint").text, "Ctrl+Q")
        verify(findChild(quit, "shortcutHint").visible)

        mouseClick(settings)
        compare(settingsSpy.count, 1)
        mouseClick(about)
        compare(aboutSpy.count, 1)
        mouseClick(quit)
        compare(quitSpy.count, 1)
        compare(settingsSpy.count, 1)

        // The keys the hints name are bound.
        mouseClick(child(view, "searchField"))
        keyClick(Qt.Key_Q, Qt.ControlModifier)
        keyClick(Qt.Key_Comma, Qt.ControlModifier)
        compare(quitSpy.count, 2)
        compare(settingsSpy.count, 2)
    }

    // The rule (entry into failed, 2.0 s after the latest one) is SkipBanner's, tested on its own.
    function test_skipBannerShowsAndHides() {
        const view = createView()
        const banner = child(view, "skipBanner")
        verify(!view.showSkipMessage)
        Player.playStation("Kapot", failingUrl())
        TestRig.reportHttpFailure(404)
        verify(view.showSkipMessage)
        tryCompare(banner, "visible", true)
        tryCompare(banner, "visible", false, 5000)
    }

    function test_bannerNamesTheStationAndKeepsTheNowPlayingRowInView() {
        const view = createView()
        Player.playStation("Kapot", failingUrl())
        TestRig.reportHttpFailure(404)
        compare(child(view, "skipBannerTitle").text, "Kapot overgeslagen")
        compare(child(view, "skipBannerReason").text, "niet gevonden (HTTP 404)")
        const banner = child(view, "skipBanner")
        const row = child(view, "nowPlayingRow")
        tryCompare(banner, "opacity", 1)
        verify(banner.y >= row.y + row.height, "the banner covers the now-playing row")
    }

    function test_nowPlayingDetailIsPlainText() {
        const view = createView()
        playAndWait(view, "NPO Radio 1", "https://icecast.example/npo1")
        const detail = child(view, "nowPlayingDetail")
        verify(!detail.visible)
        TestRig.reportTitle("<b>Artist</b> - <img src=x>")
        compare(detail.text, "<b>Artist</b> - <img src=x>")
        compare(detail.textFormat, Text.PlainText)
        verify(detail.visible)
        // An error goes before the title.
        TestRig.setErrorMessage("Geen werkende stations beschikbaar")
        compare(detail.text, "Geen werkende stations beschikbaar")
        compare(child(view, "currentStationLabel").textFormat, Text.PlainText)
    }

    // An error is never cut off: it wraps within the row, which grows to hold it, in a colour
    // as readable as the other texts.
    function test_errorWrapsReadably() {
        const view = createView()
        playAndWait(view, "NPO Radio 1", "https://icecast.example/npo1")
        const row = child(view, "nowPlayingRow")
        const oneLine = row.height
        TestRig.setErrorMessage("Geen werkende stations beschikbaar: de verbinding met het netwerk is verbroken")
        const detail = child(view, "nowPlayingDetail")
        // The row lays its labels out at its next polish.
        tryVerify(() => detail.lineCount > 1, 1000, "lines " + detail.lineCount + ", width " + detail.width)
        verify(!detail.truncated)
        verify(row.height > oneLine, "row " + row.height)
        verify(detail.mapToItem(row, 0, detail.height).y <= row.height)
        verify(detail.mapToItem(row, detail.width, 0).x <= child(view, "playPauseButton").mapToItem(row, 0, 0).x)
        verify(Theme.contrast(detail.color, Theme.background) >= 4.5, "contrast " + detail.color)
    }

    function test_stateAtCreationIsNoChange() {
        Player.playStation("Kapot", failingUrl())
        TestRig.reportHttpFailure(404)
        const view = createView()
        verify(!view.showSkipMessage)
        verify(!child(view, "skipBanner").visible)
    }

    function test_sleepTimerRow() {
        const view = createView()
        playAndWait(view, "NPO Radio 1", "https://icecast.example/npo1")
        const row = child(view, "sleepTimerRow")
        const hint = findChild(row, "shortcutHint")
        compare(row.label, "Slaaptimer")
        compare(hint.text, "Uit")

        // From the keyboard: the row opens the choices, Down and Return pick one.
        findChild(row, "button").forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Space)
        const menu = row.menu
        tryCompare(menu, "opened", true)
        const texts = []
        for (let i = 0; i < menu.count; ++i)
            texts.push(menu.itemAt(i).text)
        compare(texts, ["15 minuten", "30 minuten", "45 minuten", "60 minuten", "90 minuten", "Uit"])
        verify(menu.itemAt(5).checked)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        tryCompare(menu, "visible", false)
        compare(SleepTimer.chosenMinutes, 45)
        compare(row.label, "Slaaptimer: 45 min")
        verify(!hint.visible)
        verify(menu.itemAt(2).checked)
        verify(!menu.itemAt(5).checked)

        // It counts down as the timer runs.
        TestRig.advance((44 * 60 + 30) * 1000)
        compare(row.label, "Slaaptimer: 30 s")

        mouseClick(row)
        tryCompare(menu, "opened", true)
        mouseClick(menu.itemAt(5))
        verify(!SleepTimer.active)
        compare(row.label, "Slaaptimer")
        verify(menu.itemAt(5).checked)
        verify(!menu.itemAt(2).checked)
    }

    function test_outputDeviceButton() {
        TestRig.setDevices([{ id: 1, uid: "sink.a", name: "Luidspreker A" },
                            { id: 2, uid: "sink.b", name: "Koptelefoon" }])
        const view = createView()
        playAndWait(view, "NPO Radio 1", "https://icecast.example/npo1")
        const button = child(view, "outputDeviceButton")
        compare(button.width, 18)
        compare(button.height, 18)
        const icon = child(button, "routeIcon")
        compare(icon.color, Theme.secondary)

        mouseClick(button)
        const menu = button.menu
        tryCompare(menu, "opened", true)
        compare(menu.count, 3)
        compare(menu.itemAt(0).text, "Systeemstandaard")
        // One of many: radio markers, not check boxes.
        verify(String(menu.itemAt(1).indicator).indexOf("RadioIndicator") >= 0, String(menu.itemAt(1).indicator))
        compare(menu.itemAt(1).Accessible.role, Accessible.RadioButton)
        verify(menu.itemAt(0).checked)
        compare(menu.itemAt(1).text, "Luidspreker A")
        compare(menu.itemAt(2).text, "Koptelefoon")

        mouseClick(menu.itemAt(2))
        compare(TestRig.setting("selectedAudioDeviceUID"), "sink.b")
        verify(TestRig.backendCalls.indexOf("device sink.b") >= 0)
        compare(icon.color, Theme.accent)
        verify(menu.itemAt(2).checked)
        verify(!menu.itemAt(0).checked)

        mouseClick(button)
        tryCompare(menu, "opened", true)
        mouseClick(menu.itemAt(0))
        compare(TestRig.setting("selectedAudioDeviceUID"), undefined)
        compare(TestRig.backendCalls[TestRig.backendCalls.length - 1], "device <default>")
        compare(icon.color, Theme.secondary)
        verify(menu.itemAt(0).checked)
        menu.close()

        // The system default names the device it stands for, as soon as the sound server says so.
        TestRig.setDefaultDevice("sink.b")
        tryVerify(() => menu.itemAt(0).text === "Systeemstandaard (Koptelefoon)")
    }
}
