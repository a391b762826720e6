import QtQuick
import QtQuick.Controls
import Zeffira

// The output-device button: a menu of "Systeemstandaard" and the listed devices. Choosing
// stores the choice and routes the player. Accent colour while a device other than the
// system default is chosen.
AbstractButton {
    id: control

    readonly property bool routedElsewhere: Devices !== null && Devices.selectedDeviceUID !== ""
    readonly property alias menu: deviceMenu

    implicitWidth: 18
    implicitHeight: 18
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.NoFocus
    background: null
    opacity: pressed ? 0.6 : 1

    contentItem: SymbolIcon {
        objectName: "routeIcon"
        symbol: "airplayaudio"
        size: 16
        color: control.routedElsewhere ? Theme.accent : Theme.secondary
    }

    onClicked: deviceMenu.visible ? deviceMenu.close() : deviceMenu.popup(control, 0, control.height + 2)

    function choose(uid) {
        App.chooseOutputDevice(uid)
    }

    Menu {
        id: deviceMenu
        objectName: "deviceMenu"

        MenuItem {
            objectName: "defaultDeviceItem"
            text: "Systeemstandaard"
            checkable: true
            checked: control.routedElsewhere === false
            onTriggered: {
                control.choose("")
                checked = Qt.binding(() => !control.routedElsewhere)
            }
        }

        Instantiator {
            model: Devices ? Devices.outputDeviceEntries : []
            delegate: MenuItem {
                required property var modelData
                objectName: "deviceItem_" + modelData.uid
                text: modelData.name
                checkable: true
                checked: Devices.selectedDeviceUID === modelData.uid
                onTriggered: {
                    control.choose(modelData.uid)
                    checked = Qt.binding(() => Devices.selectedDeviceUID === modelData.uid)
                }
            }
            onObjectAdded: (index, object) => deviceMenu.insertItem(index + 1, object)
            onObjectRemoved: (index, object) => deviceMenu.removeItem(object)
        }
    }
}
