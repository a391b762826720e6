import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Fusion.impl as FusionImpl
import Zeffira

// The panel's sleep timer line: "Slaaptimer" with "Uit" beside it, or the time left while the
// timer runs ("Slaaptimer: 12 min"). A click (or Space/Return) opens the choices, the chosen one
// marked; the timer's rules live in SleepTimer.
MenuRowButton {
    id: root

    readonly property bool running: SleepTimer !== null && SleepTimer.active
    readonly property alias menu: choices

    label: running ? SleepTimer.statusText : qsTr("Slaaptimer")
    icon: "moon"
    shortcut: running ? "" : qsTr("Uit")

    onClicked: {
        if (choices.visible) {
            choices.close()
            return
        }
        // Above the row, at its right edge; the menu stays inside the panel.
        choices.popup(root, root.width - choices.width - 6, -choices.implicitHeight)
    }

    component Choice: MenuItem {
        id: item
        Accessible.onPressAction: if (enabled) clicked()
        property int minutes
        checkable: true
        checked: minutes === 0 ? !root.running : (root.running && SleepTimer.chosenMinutes === minutes)
        Accessible.role: Accessible.RadioButton
        indicator: FusionImpl.RadioIndicator {
            x: item.mirrored ? item.width - width - item.rightPadding : item.leftPadding
            y: item.topPadding + (item.availableHeight - height) / 2
            control: item
        }
        onTriggered: {
            if (SleepTimer)
                SleepTimer.start(minutes)
            // What is marked follows the timer, not the click.
            checked = Qt.binding(() => minutes === 0 ? !root.running
                                                     : (root.running && SleepTimer.chosenMinutes === minutes))
        }
    }

    Menu {
        id: choices
        objectName: "sleepTimerMenu"
        width: 160
        margins: 4
        // Keys go to the menu as soon as it opens.
        focus: true

        Choice { objectName: "sleep15"; minutes: 15; text: qsTr("%n minuten", "", 15) }
        Choice { objectName: "sleep30"; minutes: 30; text: qsTr("%n minuten", "", 30) }
        Choice { objectName: "sleep45"; minutes: 45; text: qsTr("%n minuten", "", 45) }
        Choice { objectName: "sleep60"; minutes: 60; text: qsTr("%n minuten", "", 60) }
        Choice { objectName: "sleep90"; minutes: 90; text: qsTr("%n minuten", "", 90) }
        Choice { objectName: "sleepOff"; minutes: 0; text: qsTr("Uit") }
    }
}
