import QtQuick
import Zeffira

// The panel's alarm line while an alarm is set: "Wekker: 07:30". A click opens the settings on
// the alarm page.
MenuRowButton {
    label: AlarmClock !== null ? AlarmClock.nextText : ""
    icon: "alarm"
    visible: label !== ""
    onClicked: App.openAlarms()
}
