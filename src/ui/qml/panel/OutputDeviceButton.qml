import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Fusion.impl as FusionImpl
import Zeffira

// The output-device button: a loudspeaker whose menu offers the system default (named after the
// device it stands for) and the listed devices, one of them marked as chosen. Choosing stores
// the choice and routes the player. Accent colour while a device other than the system default
// is chosen.
AbstractButton {
    id: control

    readonly property bool routedElsewhere: Devices !== null && Devices.selectedDeviceUID !== ""
    readonly property alias menu: deviceMenu

    implicitWidth: 18
    implicitHeight: 18
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    opacity: pressed ? 0.6 : 1

    Accessible.name: qsTr("Uitvoerapparaat")
    Accessible.role: Accessible.ButtonMenu
    Keys.onReturnPressed: control.clicked()
    Keys.onEnterPressed: control.clicked()

    background: FocusRing {
        anchors.margins: -3
        shown: control.visualFocus
    }
    contentItem: SymbolIcon {
        objectName: "routeIcon"
        symbol: "hifispeaker"
        size: 16
        color: control.routedElsewhere ? Theme.accent : Theme.secondary
    }

    ToolTip.text: qsTr("Uitvoerapparaat")
    ToolTip.visible: (hovered || visualFocus) && !deviceMenu.visible
    ToolTip.delay: 600

    onClicked: {
        if (deviceMenu.visible) {
            deviceMenu.close()
            return
        }
        // As wide as its longest entry, within the panel; its right edge under the button's.
        let widest = 0
        for (let i = 0; i < deviceMenu.count; ++i)
            widest = Math.max(widest, deviceMenu.itemAt(i).implicitWidth)
        const room = control.Window.width > 0 ? control.Window.width - 8 : 290
        deviceMenu.width = Math.min(room, Math.max(160, widest + deviceMenu.leftPadding + deviceMenu.rightPadding))
        deviceMenu.popup(control, control.width - deviceMenu.width, control.height + 2)
    }

    function choose(uid) {
        App.chooseOutputDevice(uid)
    }

    // A menu entry with a one-of-many marker.
    component DeviceItem: MenuItem {
        id: item
        property string uid
        checkable: true
        checked: Devices !== null && Devices.selectedDeviceUID === uid
        Accessible.role: Accessible.RadioButton
        indicator: FusionImpl.RadioIndicator {
            x: item.mirrored ? item.width - width - item.rightPadding : item.leftPadding
            y: item.topPadding + (item.availableHeight - height) / 2
            control: item
        }
        onTriggered: {
            control.choose(uid)
            // A click on the chosen entry unticks it; the choice says what is ticked.
            checked = Qt.binding(() => Devices !== null && Devices.selectedDeviceUID === uid)
        }
    }

    Menu {
        id: deviceMenu
        objectName: "deviceMenu"
        // Keys go to the menu as soon as it opens.
        focus: true

        DeviceItem {
            objectName: "defaultDeviceItem"
            uid: ""
            text: GeneralSettings ? GeneralSettings.systemDefaultLabel : qsTr("Systeemstandaard")
        }

        Instantiator {
            model: Devices ? Devices.outputDeviceEntries : []
            delegate: DeviceItem {
                required property var modelData
                objectName: "deviceItem_" + modelData.uid
                uid: modelData.uid
                text: modelData.name
            }
            onObjectAdded: (index, object) => deviceMenu.insertItem(index + 1, object)
            onObjectRemoved: (index, object) => deviceMenu.removeItem(object)
        }
    }
}
