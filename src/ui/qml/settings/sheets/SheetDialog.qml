import QtQuick
import QtQuick.Controls
import Zeffira

// A modal sheet over the window: Escape asks to cancel, Return (or Enter) asks to accept while
// `acceptEnabled` (or to cancel, where `returnCancels`: a destructive question's safe default).
// What either does, closing included, is up to the presenter.
Popup {
    id: sheet

    property bool acceptEnabled: true
    property bool returnCancels: false
    signal cancelRequested()
    signal acceptRequested()

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    dim: true
    focus: true
    // The presenter decides when the sheet closes: a click beside it does nothing.
    closePolicy: Popup.NoAutoClose
    padding: 0

    function returnPressed() {
        if (sheet.returnCancels)
            sheet.cancelRequested()
        else if (sheet.acceptEnabled)
            sheet.acceptRequested()
    }

    background: Rectangle {
        color: Theme.background
        radius: 10
        border.color: Qt.rgba(0, 0, 0, 0.25)
        border.width: 1
    }

    contentItem: FocusScope {
        focus: true
        Keys.onEscapePressed: event => { event.accepted = true; sheet.cancelRequested() }
        Keys.onReturnPressed: event => { event.accepted = true; sheet.returnPressed() }
        Keys.onEnterPressed: event => { event.accepted = true; sheet.returnPressed() }
    }
}
