import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Fusion.impl as FusionImpl
import Zeffira

// The output-device button: a loudspeaker whose menu offers the entries of OutputDeviceModel
// (the system default, named after the device it stands for, then the listed devices), the
// chosen one marked. Choosing stores the choice and the player follows it. Accent colour while a
// device other than the system default is chosen.
AbstractButton {
    id: control

    readonly property bool routedElsewhere: devices.routedElsewhere
    readonly property alias menu: deviceMenu

    implicitWidth: 18
    implicitHeight: 18
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    opacity: pressed ? 0.6 : 1

    Accessible.name: qsTr("Uitvoerapparaat")
    Accessible.role: Accessible.ButtonMenu
    Accessible.onPressAction: control.clicked()
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

    OutputDeviceModel { id: devices }

    // A menu entry with a one-of-many marker.
    component DeviceItem: MenuItem {
        id: item
        Accessible.onPressAction: if (enabled) clicked()
        property string uid
        checkable: true
        checked: devices.selectedUid === uid
        Accessible.role: Accessible.RadioButton
        indicator: FusionImpl.RadioIndicator {
            x: item.mirrored ? item.width - width - item.rightPadding : item.leftPadding
            y: item.topPadding + (item.availableHeight - height) / 2
            control: item
        }
        onTriggered: {
            devices.choose(uid)
            // A click on the chosen entry unticks it; the choice says what is ticked.
            checked = Qt.binding(() => devices.selectedUid === uid)
        }
    }

    Menu {
        id: deviceMenu
        objectName: "deviceMenu"
        // Keys go to the menu as soon as it opens, and back to where they went before once it
        // closes: left to itself, the focus stays on the closed menu and the panel hears no key.
        focus: true
        property Item focusBefore: null
        onAboutToShow: focusBefore = control.Window.activeFocusItem
        onClosed: {
            if (focusBefore)
                focusBefore.forceActiveFocus()
            focusBefore = null
        }

        Instantiator {
            model: devices.options
            delegate: DeviceItem {
                required property var modelData
                objectName: modelData.uid === "" ? "defaultDeviceItem" : "deviceItem_" + modelData.uid
                uid: modelData.uid
                text: modelData.label
            }
            onObjectAdded: (index, object) => deviceMenu.insertItem(index, object)
            onObjectRemoved: (index, object) => deviceMenu.removeItem(object)
        }
    }
}
