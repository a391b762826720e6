import QtQuick
import QtQuick.Controls
import Zeffira

// The menu of a station in the Stations tab: edit, move to another category (`targets`, in the
// catalogue's order), delete.
Menu {
    id: stationMenu

    property string stationName
    property string stationUrl
    property var targets: []
    signal editRequested(string name, string url)
    signal moveRequested(string name, string url, string category)
    signal deleteRequested(string name, string url)

    MenuItem {
        Accessible.onPressAction: if (enabled) clicked()
        objectName: "editStationItem"
        text: qsTr("Wijzig...")
        onTriggered: stationMenu.editRequested(stationMenu.stationName, stationMenu.stationUrl)
    }
    Menu {
        id: moveMenu
        objectName: "moveMenu"
        title: qsTr("Verplaats naar...")
        Instantiator {
            model: stationMenu.targets
            delegate: MenuItem {
                required property string modelData
                objectName: "moveTo_" + modelData
                text: modelData
                onTriggered: {
                    // Closes the whole menu, not only the submenu.
                    stationMenu.dismiss()
                    stationMenu.moveRequested(stationMenu.stationName, stationMenu.stationUrl, modelData)
                }
            }
            onObjectAdded: (index, object) => moveMenu.insertItem(index, object)
            onObjectRemoved: (index, object) => moveMenu.removeItem(object)
        }
    }
    MenuSeparator {}
    MenuItem {
        Accessible.onPressAction: if (enabled) clicked()
        objectName: "deleteStationItem"
        text: qsTr("Verwijder")
        palette.windowText: Theme.destructive
        palette.buttonText: Theme.destructive
        onTriggered: stationMenu.deleteRequested(stationMenu.stationName, stationMenu.stationUrl)
    }
}
