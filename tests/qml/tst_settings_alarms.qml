import QtQuick
import QtQuick.Controls
import QtTest
import Zeffira
import ZeffiraTest

// The settings window's Wekker tab on the real alarm clock and settings store: an alarm added
// from the keyboard, changed, switched off and removed, each stored at once.
TestCase {
    id: testCase
    name: "SettingsAlarms"
    visible: true
    width: 550
    height: 420
    when: windowShown

    Component { id: viewComponent; SettingsView { width: 550; height: 420 } }

    function init() {
        TestRig.reset()
    }

    function control(parent, name) {
        const item = findChild(parent, name)
        verify(item, name)
        return item
    }

    function typeText(text) {
        for (const character of text)
            keyClick(character)
    }

    function test_addChangeSwitchOffRemove() {
        const view = createTemporaryObject(viewComponent, testCase)
        view.showAlarms()
        compare(view.currentTab, 2)
        const tab = view.alarmsTab
        waitForRendering(tab)
        verify(control(tab, "noAlarmsLabel").visible)
        compare(control(tab, "nextAlarmLabel").text, "Geen wekker gezet")

        // The add button has the keyboard; the sheet opens on the time, selected.
        view.forceActiveFocus()
        verify(control(tab, "addAlarmButton").activeFocus)
        keyClick(Qt.Key_Space)
        const sheet = tab.sheet
        tryCompare(sheet, "opened", true)
        typeText("6:45")
        verify(sheet.acceptEnabled)
        mouseClick(control(sheet.contentItem, "alarmDay3")) // Wednesday off: Mon, Tue, Thu, Fri
        keyClick(Qt.Key_Return)
        tryCompare(sheet, "visible", false)
        compare(TestRig.setting("alarms"), [{ time: "06:45", days: [1, 2, 4, 5], station: "", fadeSeconds: 60,
                                              volume: 50, enabled: true }])
        compare(control(tab, "alarmTime0").text, "06:45")
        compare(control(tab, "nextAlarmLabel").text, "Wekker: 06:45")

        // A time that is not one keeps "Bewaar" off; Escape leaves the alarm as it was.
        mouseClick(control(tab, "editAlarmButton0"))
        tryCompare(sheet, "opened", true)
        compare(sheet.days, [1, 2, 4, 5])
        keyClick(Qt.Key_A, Qt.ControlModifier)
        typeText("25:00")
        verify(!sheet.acceptEnabled)
        keyClick(Qt.Key_Return)
        verify(sheet.visible)
        keyClick(Qt.Key_Escape)
        tryCompare(sheet, "visible", false)
        compare(TestRig.setting("alarms")[0].time, "06:45")

        mouseClick(control(tab, "alarmSwitch0"))
        compare(TestRig.setting("alarms")[0].enabled, false)
        compare(control(tab, "nextAlarmLabel").text, "Geen wekker gezet")

        // Removing asks first; Return keeps it, the red button removes it.
        mouseClick(control(tab, "removeAlarmButton0"))
        const alert = control(tab, "removeAlarmAlert")
        tryCompare(alert, "opened", true)
        keyClick(Qt.Key_Return)
        tryCompare(alert, "visible", false)
        compare(TestRig.setting("alarms").length, 1)
        mouseClick(control(tab, "removeAlarmButton0"))
        tryCompare(alert, "opened", true)
        mouseClick(control(alert.contentItem, "alertConfirm"))
        compare(TestRig.setting("alarms"), [])
        verify(control(tab, "noAlarmsLabel").visible)
    }
}
