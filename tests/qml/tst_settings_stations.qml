import QtQuick
import QtQuick.Controls
import QtTest
import Zeffira
import ZeffiraTest

// The Stations tab and its sheets on the real station store of the rig's temporary folder:
// every case checks the view and what was saved to "stations.json". The rig's catalogue is
// Publiek (NPO Radio 1, NPO Klassiek), Leeg (empty), Jazz (Sublime, Jazz Radio Één).
TestCase {
    id: testCase
    name: "SettingsStations"
    visible: true
    width: 550
    height: 420
    when: windowShown

    Component { id: viewComponent; SettingsView { width: 550; height: 420 } }

    property var view: null
    property var tab: null

    function init() {
        TestRig.reset()
        view = createTemporaryObject(viewComponent, testCase)
        verify(view, "SettingsView")
        view.showTab(1)
        tab = view.stationsTab
        waitForRendering(view)
    }

    function child(name) {
        const item = findChild(view, name)
        verify(item, name)
        return item
    }

    // [{name, stations: [names]}] as saved.
    function saved() {
        return TestRig.savedCatalogue().map(c => ({ name: c.name, stations: c.stations.map(s => s.name) }))
    }
    function savedCategory(name) {
        const found = TestRig.savedCatalogue().find(c => c.name === name)
        return found ? found.stations : null
    }

    function stationRow(index) {
        const list = child("stationList")
        waitForItemPolished(list)
        const row = list.itemAtIndex(index)
        verify(row, "station row " + index)
        return row
    }
    function categoryRow(name) {
        const list = child("categoryList")
        waitForItemPolished(list)
        return child("categoryRow_" + name)
    }
    function visibleStationNames() {
        const list = child("stationList")
        waitForItemPolished(list)
        const names = []
        for (let i = 0; i < list.count; ++i)
            names.push(list.itemAtIndex(i).name)
        return names
    }

    // A press on the station row, steps past the drag threshold, a release over `target`.
    function dragStation(index, target, targetY) {
        const row = stationRow(index)
        const start = row.mapToItem(view, 40, row.height / 2)
        const end = target.mapToItem(view, target.width / 2, targetY === undefined ? target.height / 2 : targetY)
        mousePress(view, start.x, start.y)
        for (let step = 1; step <= 8; ++step)
            mouseMove(view, start.x + (end.x - start.x) * step / 8, start.y + (end.y - start.y) * step / 8)
        mouseMove(view, end.x, end.y)
        mouseRelease(view, end.x, end.y)
    }

    function typeText(text) {
        for (const character of text)
            keyClick(character)
    }

    function openAddSheet() {
        mouseClick(child("addStationButton"))
        const sheet = child("addStationSheet")
        tryCompare(sheet, "opened", true)
        return sheet
    }

    function test_firstCategorySelectedWithItsStations() {
        compare(tab.selectedCategory, "Publiek")
        verify(categoryRow("Publiek").isSelected)
        compare(categoryRow("Publiek").stationCount, 2)
        compare(findChild(categoryRow("Leeg"), "countLabel").text, "0")
        compare(visibleStationNames(), ["NPO Radio 1", "NPO Klassiek"])
        compare(findChild(stationRow(1), "urlLabel").text, "https://icecast.example/klassiek")
        compare(child("placeholder").visible, false)
        mouseClick(categoryRow("Jazz"))
        compare(tab.selectedCategory, "Jazz")
        compare(visibleStationNames(), ["Sublime", "Jazz Radio Één"])
    }

    function test_addStation_data() {
        return [
            { tag: "spaces and a line break, selected category", name: "  Radio Zuid ",
              url: "  https://zuid.example/live.mp3\n", category: "", into: "Publiek" },
            { tag: "category with surrounding spaces, new: selected", name: "Radio Noord", url: "http://noord.example/",
              category: "  Regionaal  ", into: "Regionaal" },
            { tag: "category in other letter case joins it", name: "Radio West", url: "HTTP://west.example/",
              category: "jazz", into: "Jazz" },
        ]
    }

    function test_addStation(data) {
        const sheet = openAddSheet()
        compare(child("categoryField").placeholderText, "Publiek")
        verify(!child("addButton").enabled)
        // Typed where the keyboard can; the line break can only be pasted.
        typeText(data.name)
        sheet.urlString = data.url
        sheet.category = data.category
        verify(child("addButton").enabled)
        keyClick(Qt.Key_Return)
        tryCompare(sheet, "opened", false)
        const stations = savedCategory(data.into)
        verify(stations, data.into + " saved")
        const added = stations[stations.length - 1]
        compare(added.name, data.name.trim())
        compare(added.url, data.url.trim())
        // The tab shows the category the station went to.
        compare(tab.selectedCategory, data.into)
        compare(visibleStationNames().slice(-1)[0], data.name.trim())
    }

    function test_directorySearchFillsNameAndUrl() {
        const sheet = openAddSheet()
        mouseClick(child("directorySearchField"))
        typeText("jazz")
        // The rig's directory outlives each test: the latest search counts.
        tryVerify(() => TestRig.directorySearches.slice(-1)[0] === "jazz")
        TestRig.answerDirectory([
            { uuid: "u1", name: "Jazz FM", url: "https://jazzfm.example/live", country: "NL", codec: "MP3",
              bitrate: 128, tags: ["jazz"] },
            { uuid: "u2", name: "Smooth", url: "https://smooth.example/", country: "BE", codec: "AAC",
              bitrate: 64, tags: [], favicon: "https://smooth.example/logo.png" },
        ])
        compare(child("directoryResults").count, 2)
        compare(child("directoryStatus").visible, false)
        // Down into the results, the second one, Return takes it; the category stays the user's.
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        compare(sheet.name, "Smooth")
        compare(sheet.urlString, "https://smooth.example/")
        compare(TestRig.directoryClicks.slice(-1)[0], "u2")
        verify(child("categoryField").activeFocus)
        keyClick(Qt.Key_Return)
        tryCompare(sheet, "opened", false)
        const stations = savedCategory("Publiek")
        compare(stations[stations.length - 1].url, "https://smooth.example/")
        // The directory's logo goes with it into the catalogue file.
        compare(stations[stations.length - 1].logo, "https://smooth.example/logo.png")
    }

    function test_directorySearchFailures_data() {
        return [
            { tag: "no server", noServer: true, text: "De zendergids is niet bereikbaar. Probeer het later opnieuw." },
            { tag: "bad answer", noServer: false,
              text: "De zendergids gaf een onbruikbaar antwoord. Er is niets toegevoegd." },
        ]
    }

    function test_directorySearchFailures(data) {
        const sheet = openAddSheet()
        sheet.search.query = "x" + data.tag
        tryVerify(() => TestRig.directorySearches.indexOf("x" + data.tag) >= 0)
        TestRig.failDirectory(data.noServer)
        compare(child("directoryStatus").text, data.text)
        compare(child("directoryResults").count, 0)
        keyClick(Qt.Key_Escape)
        tryCompare(sheet, "opened", false)
    }

    function test_invalidInputKeepsAddDisabled_data() {
        return [
            { tag: "blank name", name: "   ", url: "https://a.example/", reason: "Vul een naam in." },
            { tag: "ftp", name: "A", url: "ftp://a.example/radio", reason: "De URL moet met http:// of https:// beginnen." },
            { tag: "no scheme", name: "A", url: "a.example/radio", reason: "De URL moet met http:// of https:// beginnen." },
            { tag: "no server", name: "A", url: "http:", reason: "De URL mist een servernaam." },
            { tag: "another station's URL", name: "A", url: "https://jazz.example/sublime",
              reason: "Deze URL hoort al bij 'Sublime' in 'Jazz'." },
        ]
    }

    function test_invalidInputKeepsAddDisabled(data) {
        const before = saved()
        const sheet = openAddSheet()
        sheet.name = data.name
        sheet.urlString = data.url
        verify(!child("addButton").enabled)
        compare(findChild(sheet, "reasonLabel").text, data.reason)
        keyClick(Qt.Key_Return)
        verify(sheet.opened)
        compare(saved(), before)
        keyClick(Qt.Key_Escape)
        tryCompare(sheet, "opened", false)
    }

    function test_submittingAnInvalidUrlShowsTheAlert() {
        const before = saved()
        const sheet = openAddSheet()
        sheet.name = "Zonder server"
        sheet.urlString = "http:caps.example/radio"
        sheet.submitStation()
        const alert = child("invalidUrlAlert")
        tryCompare(alert, "opened", true)
        compare(findChild(alert, "alertTitle").text, "Ongeldige URL")
        compare(findChild(alert, "alertMessage").text, "Voer een geldige stream URL in.")
        compare(saved(), before)
        keyClick(Qt.Key_Return)
        tryCompare(alert, "opened", false)
        // The sheet keeps its input.
        verify(sheet.opened)
        compare(sheet.urlString, "http:caps.example/radio")
    }

    function test_escapeClosesTheSheetWithoutStoring() {
        const before = saved()
        const sheet = openAddSheet()
        typeText("Weg")
        sheet.urlString = "https://weg.example/"
        keyClick(Qt.Key_Escape)
        tryCompare(sheet, "opened", false)
        compare(saved(), before)
        // The next opening starts empty.
        openAddSheet()
        compare(sheet.name, "")
        compare(sheet.urlString, "")
    }

    function test_dropOnTheCategoryHoldingTheUrlIsRefused() {
        const before = saved()
        dragStation(0, categoryRow("Publiek"))
        compare(tab.stationDrop.hasDraggedStation, false)
        compare(tab.stationDrop.showMoveConfirmation, false)
        compare(categoryRow("Publiek").isTargeted, false)
        compare(saved(), before)
    }

    function test_dragOntoACategory_data() {
        return [
            { tag: "confirmed", skip: false, dontAsk: false, key: Qt.Key_Return, moved: true, skipAfter: undefined },
            { tag: "confirmed, do not ask again", skip: false, dontAsk: true, key: Qt.Key_Return, moved: true, skipAfter: true },
            { tag: "cancelled, do not ask again", skip: false, dontAsk: true, key: Qt.Key_Escape, moved: false, skipAfter: undefined },
            { tag: "without confirmation", skip: true, moved: true, skipAfter: true },
        ]
    }

    function test_dragOntoACategory(data) {
        if (data.skip)
            TestRig.setSetting("skipMoveConfirmation", true)
        dragStation(1, categoryRow("Jazz"))
        const sheet = child("moveSheet")
        if (!data.skip) {
            tryCompare(sheet, "opened", true)
            compare(findChild(sheet, "messageLabel").text, "'NPO Klassiek' wordt verplaatst naar 'Jazz'.")
            // Nothing moves until the sheet says so.
            compare(savedCategory("Publiek").length, 2)
            compare(findChild(sheet, "dontAskAgainSwitch").checked, false)
            if (data.dontAsk)
                mouseClick(findChild(sheet, "dontAskAgainSwitch"))
            keyClick(data.key)
            tryCompare(sheet, "opened", false)
        } else {
            compare(sheet.opened, false)
        }
        compare(savedCategory("Publiek").map(s => s.name), data.moved ? ["NPO Radio 1"] : ["NPO Radio 1", "NPO Klassiek"])
        compare(savedCategory("Jazz").map(s => s.name).indexOf("NPO Klassiek") >= 0, data.moved)
        compare(visibleStationNames(), data.moved ? ["NPO Radio 1"] : ["NPO Radio 1", "NPO Klassiek"])
        compare(TestRig.setting("skipMoveConfirmation"), data.skipAfter)
        if (data.skipAfter) {
            // Later drops move at once.
            dragStation(0, categoryRow("Jazz"))
            compare(sheet.opened, false)
            compare(savedCategory("Jazz").map(s => s.name).indexOf("NPO Radio 1") >= 0, true)
        }
    }

    function test_confirmationButtons() {
        dragStation(0, categoryRow("Jazz"))
        const sheet = child("moveSheet")
        tryCompare(sheet, "opened", true)
        mouseClick(findChild(sheet, "cancelButton"))
        tryCompare(sheet, "opened", false)
        compare(savedCategory("Publiek").length, 2)
        // A new presentation starts with the switch off again.
        dragStation(0, categoryRow("Jazz"))
        tryCompare(sheet, "opened", true)
        compare(findChild(sheet, "dontAskAgainSwitch").checked, false)
        mouseClick(findChild(sheet, "confirmButton"))
        tryCompare(sheet, "opened", false)
        compare(savedCategory("Jazz").map(s => s.name), ["Sublime", "Jazz Radio Één", "NPO Radio 1"])
    }

    function test_reorderByDragging() {
        mouseClick(categoryRow("Jazz"))
        const first = stationRow(0)
        dragStation(1, first, 3)
        compare(savedCategory("Jazz").map(s => s.name), ["Jazz Radio Één", "Sublime"])
        compare(visibleStationNames(), ["Jazz Radio Één", "Sublime"])
        compare(tab.stationDrop.showMoveConfirmation, false)
    }

    function test_moveThroughTheSubmenu() {
        mouseClick(stationRow(0), 40, 10, Qt.RightButton)
        const menu = child("stationMenu")
        tryCompare(menu, "opened", true)
        const moveMenu = child("moveMenu")
        compare(menu.itemAt(0).text, "Wijzig...")
        mouseClick(menu.itemAt(1))
        tryCompare(moveMenu, "opened", true)
        compare(moveMenu.count, 2)
        compare(moveMenu.itemAt(0).text, "Leeg")
        compare(moveMenu.itemAt(1).text, "Jazz")
        // The submenu overlaps its parent in a narrow window; the keyboard picks reliably.
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        compare(moveMenu.currentIndex, 1)
        keyClick(Qt.Key_Return)
        compare(savedCategory("Jazz").map(s => s.name), ["Sublime", "Jazz Radio Één", "NPO Radio 1"])
        compare(visibleStationNames(), ["NPO Klassiek"])
        tryCompare(menu, "opened", false)
        compare(child("moveSheet").opened, false)
    }

    function test_deleteStation() {
        const alert = child("deleteStationAlert")
        mouseClick(findChild(stationRow(1), "trashButton"))
        tryCompare(alert, "opened", true)
        compare(findChild(alert, "alertTitle").text, "Station verwijderen?")
        compare(findChild(alert, "alertMessage").text, "Weet je zeker dat je 'NPO Klassiek' wilt verwijderen?")
        keyClick(Qt.Key_Escape)
        tryCompare(alert, "opened", false)
        compare(savedCategory("Publiek").length, 2)
        // Delete on the selected row asks the same; Return keeps it, "Verwijder" removes it.
        mouseClick(stationRow(0))
        keyClick(Qt.Key_Delete)
        tryCompare(alert, "opened", true)
        compare(findChild(alert, "alertMessage").text, "Weet je zeker dat je 'NPO Radio 1' wilt verwijderen?")
        keyClick(Qt.Key_Return)
        tryCompare(alert, "opened", false)
        compare(savedCategory("Publiek").length, 2)
        keyClick(Qt.Key_Delete)
        tryCompare(alert, "opened", true)
        mouseClick(findChild(alert, "alertConfirm"))
        tryCompare(alert, "opened", false)
        compare(savedCategory("Publiek").map(s => s.name), ["NPO Klassiek"])
        compare(visibleStationNames(), ["NPO Klassiek"])
        compare(tab.stationToDelete, null)
    }

    function test_categoryContextMenus() {
        mouseClick(categoryRow("Publiek"), 20, 10, Qt.RightButton)
        const busy = child("busyCategoryMenu")
        tryCompare(busy, "opened", true)
        compare(busy.count, 3)
        compare(busy.itemAt(0).text, "Hernoem...")
        compare(busy.itemAt(2).text, "Categorie bevat stations")
        compare(busy.itemAt(2).enabled, false)
        busy.close()
        tryCompare(busy, "opened", false)
    }

    function test_deleteTheSelectedCategory() {
        mouseClick(categoryRow("Leeg"))
        mouseClick(categoryRow("Leeg"), 20, 10, Qt.RightButton)
        const menu = child("emptyCategoryMenu")
        tryCompare(menu, "opened", true)
        compare(menu.itemAt(2).text, "Verwijder categorie")
        mouseClick(menu.itemAt(2))
        const alert = child("deleteCategoryAlert")
        tryCompare(alert, "opened", true)
        compare(findChild(alert, "alertTitle").text, "Categorie verwijderen?")
        compare(findChild(alert, "alertMessage").text, "Weet je zeker dat je de categorie 'Leeg' wilt verwijderen?")
        // Return is the safe answer of a destructive question: nothing is deleted.
        verify(findChild(alert, "alertCancel").highlighted)
        keyClick(Qt.Key_Return)
        tryCompare(alert, "opened", false)
        compare(saved().map(c => c.name), ["Publiek", "Leeg", "Jazz"])
        mouseClick(categoryRow("Leeg"), 20, 10, Qt.RightButton)
        tryCompare(menu, "opened", true)
        mouseClick(menu.itemAt(2))
        tryCompare(alert, "opened", true)
        mouseClick(findChild(alert, "alertConfirm"))
        tryCompare(alert, "opened", false)
        compare(saved().map(c => c.name), ["Publiek", "Jazz"])
        compare(tab.selectedCategory, "Publiek")
        compare(child("categoryList").count, 2)
    }

    function test_deleteTheOnlyCategory() {
        TestRig.setCatalogue('[{"name":"Enig","stations":[]}]')
        compare(saved().map(c => c.name), ["Enig"])
        mouseClick(categoryRow("Enig"))
        compare(tab.selectedCategory, "Enig")
        mouseClick(categoryRow("Enig"), 20, 10, Qt.RightButton)
        const menu = child("emptyCategoryMenu")
        tryCompare(menu, "opened", true)
        mouseClick(menu.itemAt(2))
        const alert = child("deleteCategoryAlert")
        tryCompare(alert, "opened", true)
        mouseClick(findChild(alert, "alertConfirm"))
        tryCompare(alert, "opened", false)
        compare(saved(), [])
        compare(tab.selectedCategory, "")
        compare(child("categoryList").count, 0)
        verify(child("placeholder").visible)
        compare(child("stationList").visible, false)
    }

    function test_createCategory() {
        mouseClick(child("newCategoryButton"))
        const sheet = child("newCategorySheet")
        tryCompare(sheet, "opened", true)
        const create = findChild(sheet, "createButton")
        sheet.name = "  \t "
        verify(!create.enabled)
        keyClick(Qt.Key_Return)
        verify(sheet.opened)
        child("categoryNameField").text = ""
        sheet.name = ""
        typeText("  Podcasts  ")
        verify(create.enabled)
        keyClick(Qt.Key_Return)
        tryCompare(sheet, "opened", false)
        compare(saved().map(c => c.name), ["Publiek", "Leeg", "Jazz", "Podcasts"])
        compare(tab.selectedCategory, "Podcasts")
        compare(tab.newCategoryName, "")
        verify(categoryRow("Podcasts").isSelected)
    }

    function test_escapeCancelsTheNewCategory() {
        mouseClick(child("newCategoryButton"))
        const sheet = child("newCategorySheet")
        tryCompare(sheet, "opened", true)
        typeText("Weg")
        keyClick(Qt.Key_Escape)
        tryCompare(sheet, "opened", false)
        compare(tab.newCategoryName, "")
        compare(saved().length, 3)
    }

    function openStationMenu(index) {
        mouseClick(stationRow(index), 40, 10, Qt.RightButton)
        const menu = child("stationMenu")
        tryCompare(menu, "opened", true)
        return menu
    }

    function test_editStation() {
        const menu = openStationMenu(1)
        compare(menu.itemAt(0).text, "Wijzig...")
        mouseClick(menu.itemAt(0))
        const sheet = child("editStationSheet")
        tryCompare(sheet, "opened", true)
        compare(child("editNameField").text, "NPO Klassiek")
        compare(child("editUrlField").text, "https://icecast.example/klassiek")
        // The same rules as adding: another station's URL is refused, with the reason.
        sheet.urlString = "https://jazz.example/sublime"
        verify(!child("saveButton").enabled)
        compare(findChild(sheet, "reasonLabel").text, "Deze URL hoort al bij 'Sublime' in 'Jazz'.")
        keyClick(Qt.Key_Return)
        verify(sheet.opened)
        sheet.name = " Klassiek FM "
        sheet.urlString = "HTTPS://klassiek.example/fm"
        compare(findChild(sheet, "reasonLabel").text, "")
        keyClick(Qt.Key_Return)
        tryCompare(sheet, "opened", false)
        // In place, saved.
        compare(savedCategory("Publiek").map(s => s.name + " " + s.url),
                ["NPO Radio 1 https://icecast.example/npo1", "Klassiek FM HTTPS://klassiek.example/fm"])
        compare(visibleStationNames(), ["NPO Radio 1", "Klassiek FM"])
    }

    function test_renameCategory() {
        mouseClick(categoryRow("Publiek"), 20, 10, Qt.RightButton)
        const menu = child("busyCategoryMenu")
        tryCompare(menu, "opened", true)
        mouseClick(menu.itemAt(0))
        const sheet = child("renameCategorySheet")
        tryCompare(sheet, "opened", true)
        compare(child("renameField").text, "Publiek")
        sheet.name = "jazz"
        verify(!child("renameButton").enabled)
        compare(findChild(sheet, "reasonLabel").text, "Er is al een categorie 'Jazz'.")
        sheet.name = "  Omroepen "
        keyClick(Qt.Key_Return)
        tryCompare(sheet, "opened", false)
        compare(saved().map(c => c.name), ["Omroepen", "Leeg", "Jazz"])
        // The selection follows the new name.
        compare(tab.selectedCategory, "Omroepen")
        compare(visibleStationNames(), ["NPO Radio 1", "NPO Klassiek"])
    }

    function test_emptyCategoryShowsAHint() {
        verify(!child("emptyCategoryHint").visible)
        mouseClick(categoryRow("Leeg"))
        verify(child("emptyCategoryHint").visible)
        verify(!child("placeholder").visible)
    }

    function test_listsByKeyboard() {
        const categories = child("categoryList")
        categories.forceActiveFocus()
        keyClick(Qt.Key_Down)
        compare(tab.selectedCategory, "Leeg")
        keyClick(Qt.Key_Down)
        compare(tab.selectedCategory, "Jazz")
        verify(findChild(categoryRow("Jazz"), "focusRing").visible)
        keyClick(Qt.Key_F10, Qt.ShiftModifier)
        tryCompare(child("busyCategoryMenu"), "opened", true)
        keyClick(Qt.Key_Escape)
        tryCompare(child("busyCategoryMenu"), "opened", false)

        // Into the station list: Alt+Down moves the station down, the Menu key opens its menu.
        const stations = child("stationList")
        stations.forceActiveFocus()
        compare(stations.currentIndex, 0)
        keyClick(Qt.Key_Down, Qt.AltModifier)
        compare(savedCategory("Jazz").map(s => s.name), ["Jazz Radio Één", "Sublime"])
        compare(stations.currentIndex, 1)
        keyClick(Qt.Key_Up, Qt.AltModifier)
        compare(savedCategory("Jazz").map(s => s.name), ["Sublime", "Jazz Radio Één"])
        keyClick(Qt.Key_Menu)
        const menu = child("stationMenu")
        tryCompare(menu, "opened", true)
        compare(menu.stationName, "Sublime")
        keyClick(Qt.Key_Escape)
        tryCompare(menu, "opened", false)
    }

    function test_dropTargetsWhatIsUnderThePointer() {
        TestRig.setSetting("skipMoveConfirmation", true)
        // Pressed low on the row and let go just inside the top edge of "Jazz": with the label's
        // edge deciding, the row above ("Leeg") would get it.
        const row = stationRow(0)
        const start = row.mapToItem(view, row.width / 2, row.height - 3)
        const target = categoryRow("Jazz")
        const end = target.mapToItem(view, target.width / 2, 2)
        mousePress(view, start.x, start.y)
        for (let step = 1; step <= 8; ++step)
            mouseMove(view, start.x + (end.x - start.x) * step / 8, start.y + (end.y - start.y) * step / 8)
        mouseRelease(view, end.x, end.y)
        compare(savedCategory("Jazz").map(s => s.name), ["Sublime", "Jazz Radio Één", "NPO Radio 1"])
        compare(savedCategory("Leeg"), null)
    }

    function test_longNamesShowWhole() {
        TestRig.setCatalogue('[{"name":"Een categorie met een naam die niet in de kolom past","stations":'
                             + '[{"name":"Een station met een naam die niet in de lijst past, ook niet als het venster breed is",'
                             + '"url":"https://lang.example/"}]}]')
        const row = categoryRow("Een categorie met een naam die niet in de kolom past")
        verify(findChild(row, "nameLabel").truncated)
        mouseMove(row, 30, 10)
        tryVerify(() => findChild(row, "nameLabel").ToolTip.visible)
        // The column widens by dragging the divider.
        const list = child("categoryList")
        const before = list.width
        const handleX = list.mapToItem(view, list.width + 2, 0).x
        mouseDrag(view, handleX, 100, 120, 0)
        tryVerify(() => list.width > before + 60, 1000, "column " + list.width)
    }

    function test_tabsByKeyboard() {
        compare(view.currentTab, 1)
        keyClick(Qt.Key_Tab, Qt.ControlModifier)
        compare(view.currentTab, 2)
        keyClick(Qt.Key_Tab, Qt.ControlModifier)
        compare(view.currentTab, 0)
        keyClick(Qt.Key_PageDown, Qt.ControlModifier)
        compare(view.currentTab, 1)
        keyClick(Qt.Key_PageUp, Qt.ControlModifier)
        compare(view.currentTab, 0)
        keyClick(Qt.Key_Backtab, Qt.ControlModifier | Qt.ShiftModifier)
        compare(view.currentTab, 2)
    }
}
