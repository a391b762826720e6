import QtQuick
import QtQuick.Controls
import QtTest
import Zeffira
import ZeffiraTest

// The settings window's General tab on the real settings store, device manager and player,
// with a login item that can be told to fail.
TestCase {
    id: testCase
    name: "SettingsGeneral"
    visible: true
    width: 550
    height: 420
    when: windowShown

    Component { id: viewComponent; SettingsView { width: 550; height: 420 } }

    function init() {
        TestRig.reset()
    }

    function createView() {
        const view = createTemporaryObject(viewComponent, testCase)
        verify(view, "SettingsView")
        waitForRendering(view)
        return view
    }

    function control(view, name) {
        const item = findChild(view, name)
        verify(item, name)
        return item
    }

    function test_defaultsWithAnEmptyStore() {
        const view = createView()
        compare(view.currentTab, 0)
        compare(control(view, "showStationInMenuBarSwitch").checked, false)
        compare(control(view, "launchAtLoginSwitch").checked, false)
        compare(control(view, "pauseOnSleepSwitch").checked, true)
        const standby = control(view, "standbyModePicker")
        verify(standby.enabled)
        compare(control(view, "standbyMode_restart").checked, true)
        compare(control(view, "standbyMode_resume").checked, false)
        compare(control(view, "standbyMode_none").checked, false)
        compare(control(view, "standbyMode_resume").text, "Stream hervatten")
        compare(control(view, "standbyMode_restart").text, "Stream opnieuw starten")
        compare(control(view, "standbyMode_none").text, "Niet automatisch starten")
        compare(control(view, "loginErrorLabel").visible, false)
    }

    function test_togglesAreStored() {
        const view = createView()
        mouseClick(control(view, "showStationInMenuBarSwitch"))
        compare(TestRig.setting("showStationInMenuBar"), true)
        compare(control(view, "notifyOnNewTitleSwitch").checked, false) // off unless chosen
        mouseClick(control(view, "notifyOnNewTitleSwitch"))
        compare(TestRig.setting("notifyOnNewTitle"), true)
        // Below the fold of the scrolling page: chosen from the keyboard.
        control(view, "standbyMode_none").forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare(TestRig.setting("standbyMode"), "none")
        compare(control(view, "standbyMode_restart").checked, false)
    }

    // Off as installed; on, the token row opens and the status line asks for a token.
    function test_scrobblingSwitch() {
        const view = createView()
        const toggle = control(view, "scrobbleSwitch")
        compare(toggle.checked, false)
        verify(!control(view, "scrobbleTokenField").enabled)
        compare(control(view, "scrobbleStatusLabel").visible, false)
        toggle.toggle()
        toggle.toggled()
        compare(TestRig.setting("scrobbleEnabled"), true)
        verify(control(view, "scrobbleTokenField").enabled)
        compare(control(view, "scrobbleStatusLabel").text,
                "Plak je gebruikerstoken van ListenBrainz (te vinden in je profiel).")
    }

    function test_pausingOffDisablesAfterStandby() {
        const view = createView()
        mouseClick(control(view, "standbyMode_resume"))
        mouseClick(control(view, "pauseOnSleepSwitch"))
        compare(TestRig.setting("pauseOnSleep"), false)
        compare(control(view, "pauseOnSleepSwitch").checked, false)
        compare(control(view, "standbyModePicker").enabled, false)
        // The value stays stored and visible.
        compare(TestRig.setting("standbyMode"), "resume")
        compare(control(view, "standbyMode_resume").checked, true)
        mouseClick(control(view, "standbyMode_none"))
        compare(TestRig.setting("standbyMode"), "resume")
    }

    function test_failingLoginRegistrationShowsTheErrorRow() {
        const view = createView()
        const loginSwitch = control(view, "launchAtLoginSwitch")
        const errorRow = control(view, "loginErrorLabel")
        TestRig.failNextLoginCall("Map niet schrijfbaar")
        mouseClick(loginSwitch)
        compare(TestRig.loginCalls(), ["register"])
        compare(loginSwitch.checked, false)
        verify(errorRow.visible)
        compare(errorRow.text, "Fout: Map niet schrijfbaar. Installeer de app via 'make install'.")
        // A later success switches on and leaves the row as it was.
        mouseClick(loginSwitch)
        compare(loginSwitch.checked, true)
        verify(TestRig.loginItemEnabled())
        verify(errorRow.visible)
        // A new window starts without the row.
        const second = createView()
        compare(control(second, "loginErrorLabel").visible, false)
        compare(control(second, "launchAtLoginSwitch").checked, true)
    }

    function test_loginItemRegisteredElsewhereShowsOn() {
        TestRig.setLoginItemEnabled(true)
        const view = createView()
        compare(control(view, "launchAtLoginSwitch").checked, true)
        compare(TestRig.loginCalls(), [])
        // Showing the tab again reads the status afresh.
        TestRig.setLoginItemEnabled(false)
        view.showTab(1)
        view.showTab(0)
        tryCompare(control(view, "launchAtLoginSwitch"), "checked", false)
    }

    function test_devicePicker_data() {
        return [
            { tag: "no devices", devices: [], labels: ["Systeemstandaard"] },
            { tag: "two devices",
              devices: [{ id: 3, uid: "alsa.speakers", name: "Luidsprekers" }, { id: 7, uid: "bluez.phones", name: "Koptelefoon" }],
              labels: ["Systeemstandaard", "Luidsprekers", "Koptelefoon"] },
        ]
    }

    function test_devicePicker(data) {
        TestRig.setDevices(data.devices)
        const view = createView()
        const picker = control(view, "outputDevicePicker")
        compare(picker.count, data.labels.length)
        for (let i = 0; i < data.labels.length; ++i)
            compare(picker.textAt(i), data.labels[i])
        compare(picker.currentIndex, 0)
        if (data.devices.length === 0)
            return
        picker.forceActiveFocus()
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        compare(picker.currentText, "Koptelefoon")
        compare(TestRig.setting("selectedAudioDeviceUID"), "bluez.phones")
        compare(TestRig.backendCalls.slice(-1)[0], "device bluez.phones")
        // Back to the system default: no device stored.
        keyClick(Qt.Key_Up)
        keyClick(Qt.Key_Up)
        compare(picker.currentText, "Systeemstandaard")
        compare(TestRig.setting("selectedAudioDeviceUID"), undefined)
        compare(TestRig.backendCalls.slice(-1)[0], "device <default>")
    }
}
