import QtQuick
import QtQuick.Controls
import QtTest
import Zeffira
import ZeffiraTest

// The panel's "Gehoord" list on the real recorder and list model over an in-memory history,
// and the panel's Ctrl+C.
TestCase {
    id: testCase
    name: "HeardView"
    width: 300
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: viewComponent
        RadioMenuView {}
    }

    function init() {
        TestRig.reset()
    }

    function createView() {
        const view = createTemporaryObject(viewComponent, testCase)
        verify(view, "RadioMenuView could not be created")
        view.prepareForShowing()
        return view
    }

    // The song rows shown, in order, as "text|starred".
    function songs(view) {
        const list = view.heardList
        waitForItemPolished(list)
        const result = []
        for (let i = 0; i < list.count; ++i)
            result.push(list.itemAtIndex(i).text + (list.itemAtIndex(i).starred ? "|*" : ""))
        return result
    }

    // The day headings shown, top to bottom.
    function dayHeaders(view) {
        const found = []
        const visit = item => {
            if (item.objectName === "dayHeader" && item.visible)
                found.push({ text: item.text, y: item.mapToItem(view.heardList.contentItem, 0, 0).y })
            const children = item.children || []
            for (let i = 0; i < children.length; ++i)
                visit(children[i])
        }
        visit(view.heardList.contentItem)
        return found.sort((a, b) => a.y - b.y).map(h => h.text)
    }

    function test_historyReadOnlyOnceShownAndHeightHolds() {
        TestRig.addHeard("Doe Maar", "Smoorverliefd", 0)
        const view = createView()
        keyClick("n")
        waitForItemPolished(view.stationList)
        const height = view.implicitHeight
        compare(TestRig.historyReads, 0, "a panel showing the stations reads no history")

        keyClick(Qt.Key_Tab, Qt.ControlModifier)
        verify(view.showingHeard)
        verify(TestRig.historyReads > 0)
        compare(view.implicitHeight, height, "switching moves no edge")
        // The search applies to the list shown, and typing there keeps the size.
        keyClick(Qt.Key_Backspace)
        keyClick("x")
        compare(view.heardList.songs.searchText, "x")
        compare(view.stationList.searchText, "n")
        compare(view.implicitHeight, height)
        compare(findChild(view, "searchField").placeholderText, "Zoek nummer...")
        keyClick(Qt.Key_Tab, Qt.ControlModifier)
        verify(!view.showingHeard)
        compare(view.stationList.searchText, "x")
    }

    function test_daysCopyStarAndFilter() {
        TestRig.addHeard("Anouk", "Nobody's Wife", 1)
        TestRig.addHeard("", "Zomaar een titel", 1)
        TestRig.addHeard("Doe Maar", "Smoorverliefd", 0)
        const view = createView()
        mouseClick(findChild(view, "heardTab"))
        verify(view.showingHeard)
        compare(songs(view), ["Doe Maar - Smoorverliefd", "Zomaar een titel", "Anouk - Nobody's Wife"])
        compare(dayHeaders(view), ["Vandaag", "Gisteren"])

        const last = view.heardList.itemAtIndex(2)
        mouseClick(findChild(last, "copyButton"))
        compare(TestRig.clipboardText(), "Anouk - Nobody's Wife")
        mouseClick(findChild(last, "starButton"))
        compare(TestRig.storedHistory()[0].starred, true)
        compare(songs(view)[2], "Anouk - Nobody's Wife|*")

        mouseClick(findChild(view, "starredFilter"))
        compare(songs(view), ["Anouk - Nobody's Wife|*"])
        mouseClick(findChild(view.heardList.itemAtIndex(0), "starButton"))
        compare(songs(view), [])
        compare(findChild(view, "emptyText").text, "Nog geen bewaarde nummers")
    }

    // A song heard while the list shows comes on top, under its own day; the headings below
    // keep their days.
    function test_headingsFollowNewSongs() {
        TestRig.addHeard("Anouk", "Nobody's Wife", 1)
        const view = createView()
        Player.playStation("NPO Radio 1", "https://icecast.example/npo1")
        TestRig.reportReady()
        TestRig.reportTitle("Doe Maar - Pa")
        view.showingHeard = true
        waitForItemPolished(view.heardList)
        compare(songs(view), ["Doe Maar - Pa", "Anouk - Nobody's Wife"])
        compare(dayHeaders(view), ["Vandaag", "Gisteren"])
        TestRig.reportTitle("Golden Earring - Radar Love")
        waitForItemPolished(view.heardList)
        compare(dayHeaders(view), ["Vandaag", "Gisteren"])
    }

    // Keys as in the station list: Down selects, Return copies; Ctrl+D stars.
    function test_keyboard() {
        TestRig.addHeard("Anouk", "Nobody's Wife", 0)
        TestRig.addHeard("Doe Maar", "Smoorverliefd", 0)
        const view = createView()
        view.showingHeard = true
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        compare(view.heardList.currentIndex, 1)
        keyClick(Qt.Key_Return)
        compare(TestRig.clipboardText(), "Anouk - Nobody's Wife")
        keyClick(Qt.Key_D, Qt.ControlModifier)
        compare(TestRig.storedHistory()[0].starred, true)
    }

    // A title the station announces is recorded and shows at once; Ctrl+C copies it as the
    // history writes it, unless text is selected in the search field.
    function test_recordedTitleAndCtrlC() {
        const view = createView()
        view.showingHeard = true
        compare(songs(view), [])
        compare(findChild(view, "emptyText").text, "Nog niets gehoord")
        Player.playStation("NPO Radio 1", "https://icecast.example/npo1")
        TestRig.reportReady()
        TestRig.reportTitle("Golden Earring – Radar Love")
        compare(songs(view), ["Golden Earring - Radar Love"])

        keyClick(Qt.Key_C, Qt.ControlModifier)
        compare(TestRig.clipboardText(), "Golden Earring - Radar Love")
        typeText("ear")
        findChild(view, "searchField").selectAll()
        keyClick(Qt.Key_C, Qt.ControlModifier)
        compare(TestRig.clipboardText(), "ear")
    }

    function typeText(text) {
        for (const character of text)
            keyClick(character)
    }
}
