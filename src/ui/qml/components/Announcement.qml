import QtQuick

// Says a short text to a screen reader without moving the focus: an alert that shows afresh with
// each text, which screen readers read out as it appears (Qt 6.4 has no live regions). It draws
// nothing.
Item {
    id: root

    property string text

    function say(message) {
        if (message === "")
            return
        visible = false
        text = message
        visible = true
    }

    width: 1
    height: 1
    visible: false
    Accessible.role: Accessible.AlertMessage
    Accessible.name: root.text
}
