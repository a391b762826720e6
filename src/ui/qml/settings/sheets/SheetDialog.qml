import QtQuick
import QtQuick.Controls
import Zeffira

// A modal sheet over the window: Escape asks to cancel, Return (or Enter) asks to accept while
// `acceptEnabled`. What either does, closing included, is up to the presenter.
Popup {
    id: sheet

    property bool acceptEnabled: true
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

    background: Rectangle {
        color: Theme.background
        radius: 10
        border.color: Qt.rgba(0, 0, 0, 0.25)
        border.width: 1
    }

    contentItem: FocusScope {
        focus: true
        Keys.onEscapePressed: event => { event.accepted = true; sheet.cancelRequested() }
        Keys.onReturnPressed: event => { event.accepted = true; if (sheet.acceptEnabled) sheet.acceptRequested() }
        Keys.onEnterPressed: event => { event.accepted = true; if (sheet.acceptEnabled) sheet.acceptRequested() }
    }
}
