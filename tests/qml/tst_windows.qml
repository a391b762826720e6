import QtQuick
import QtQuick.Controls
import QtTest
import Zeffira
import ZeffiraTest

// The windows the shell loads by URL.
TestCase {
    id: testCase
    name: "Windows"
    visible: true
    when: windowShown

    function init() {
        TestRig.reset()
    }

    function load(file) {
        const component = Qt.createComponent("qrc:/qt/qml/Zeffira/" + file)
        compare(component.status, Component.Ready, component.errorString())
        const window = createTemporaryObject(component, testCase)
        verify(window, file)
        return window
    }

    function test_panelFollowsItsContent() {
        const panel = load("qml/panel/PanelWindow.qml")
        panel.hideOnDeactivate = false
        compare(panel.width, 300)
        panel.show()
        tryCompare(panel, "visible", true)
        compare(panel.height, panel.menuView.implicitHeight)
        panel.hide()
        tryCompare(panel, "visible", false)
        panel.show()
        tryCompare(panel, "visible", true)
        // A station appearing grows the panel with its rows.
        const before = panel.height
        Player.playStation("NPO Radio 1", "https://icecast.example/npo1")
        tryVerify(() => panel.height > before)
        panel.hide()
    }

    // The list scrolls within the room the screen has, so that the footer stays on it.
    function test_panelFitsTheRoomItHas() {
        const many = []
        for (let i = 0; i < 40; ++i)
            many.push({ name: "Station " + i, url: "https://s.example/" + i })
        TestRig.setCatalogue(JSON.stringify([{ name: "Veel", stations: many }]))
        const panel = load("qml/panel/PanelWindow.qml")
        panel.hideOnDeactivate = false
        panel.availableHeight = 520
        panel.show()
        tryCompare(panel, "visible", true)
        const footer = findChild(panel.menuView, "footer")
        const fits = () => panel.height <= 520 && panel.height === panel.menuView.implicitHeight
                           && footer.mapToItem(panel.menuView, 0, footer.height).y <= panel.height
        tryVerify(fits, 1000, "idle " + panel.height)
        Player.playStation("Station 1", "https://s.example/1")
        tryVerify(() => findChild(panel.menuView, "nowPlayingRow").visible)
        tryVerify(fits, 1000, "playing " + panel.height)
        // A tall screen: the list stops at 800.
        panel.availableHeight = 3000
        tryCompare(panel.menuView.stationList, "height", 800)
        panel.hide()
    }

    function test_aboutWindow() {
        const window = load("qml/about/AboutWindow.qml")
        compare(window.title, "Over Zeffira")
        compare(window.width, 340)
        compare(window.maximumWidth, window.minimumWidth)
        compare(window.maximumHeight, window.minimumHeight)
        verify(window.height > 300)
    }

    function test_settingsWindow() {
        const window = load("qml/settings/SettingsWindow.qml")
        compare(window.title, "Instellingen")
        compare(window.width, 550)
        compare(window.height, 420)
        // Never smaller, but it can be made larger.
        compare(window.minimumWidth, 550)
        compare(window.minimumHeight, 420)
        verify(window.maximumWidth > 550 && window.maximumHeight > 420)
        const tabs = findChild(window.contentItem, "settingsTabs")
        verify(tabs)
        compare(tabs.count, 3)
        compare(tabs.itemAt(0).text, "Algemeen")
        compare(tabs.itemAt(1).text, "Stations")
        compare(tabs.itemAt(2).text, "Wekker")
    }
}
