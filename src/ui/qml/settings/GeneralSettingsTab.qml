import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The General tab: menu-bar name, start at login (with its error row), the output device (the
// same OutputDeviceModel as the panel's route button) and what happens around standby. Controls
// read the models by binding and write in their handlers, then bind again, because a user's
// click replaces a control's binding with a plain value.
ScrollView {
    id: root

    contentWidth: availableWidth
    clip: true

    // The switch mirrors the login item and the picker lists the devices present now.
    function refresh() {
        GeneralSettings.refresh()
        outputDevices.refresh()
    }
    onVisibleChanged: if (visible) refresh()
    Component.onCompleted: if (visible) refresh()

    OutputDeviceModel { id: outputDevices }

    component FormGroup: Rectangle {
        default property alias rows: groupColumn.data
        Layout.fillWidth: true
        implicitHeight: groupColumn.implicitHeight
        radius: 8
        color: Qt.rgba(Theme.primary.r, Theme.primary.g, Theme.primary.b, 0.035)
        border.color: Theme.divider
        ColumnLayout {
            id: groupColumn
            anchors.left: parent.left
            anchors.right: parent.right
            spacing: 0
        }
    }

    component FormRow: RowLayout {
        property alias label: rowLabel.text
        Layout.fillWidth: true
        Layout.leftMargin: 12
        Layout.rightMargin: 10
        Layout.minimumHeight: 34
        spacing: 10
        Label {
            id: rowLabel
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop | Qt.AlignLeft
            Layout.topMargin: 9
            font.pixelSize: Theme.body
        }
    }

    component FormDivider: Rectangle {
        Layout.fillWidth: true
        Layout.leftMargin: 12
        implicitHeight: 1
        color: Theme.divider
    }

    component SectionHeader: Label {
        Layout.topMargin: 6
        Layout.leftMargin: 4
        font.pixelSize: Theme.callout
        font.weight: Font.DemiBold
        color: Theme.secondary
    }

    ColumnLayout {
        width: root.availableWidth - 48
        x: 24
        spacing: 6

        Item { implicitHeight: 10 }

        FormGroup {
            FormRow {
                label: qsTr("Toon stationsnaam in menubalk")
                Switch {
                    objectName: "showStationInMenuBarSwitch"
                    Accessible.name: qsTr("Toon stationsnaam in menubalk")
                    checked: GeneralSettings.showStationInMenuBar
                    onToggled: {
                        GeneralSettings.showStationInMenuBar = checked
                        checked = Qt.binding(() => GeneralSettings.showStationInMenuBar)
                    }
                }
            }
            FormDivider {}
            FormRow {
                label: qsTr("Melding bij elk nieuw nummer")
                Switch {
                    objectName: "notifyOnNewTitleSwitch"
                    checked: GeneralSettings.notifyOnNewTitle
                    onToggled: {
                        GeneralSettings.notifyOnNewTitle = checked
                        checked = Qt.binding(() => GeneralSettings.notifyOnNewTitle)
                    }
                }
            }
            FormDivider {}
            FormRow {
                label: qsTr("Start automatisch bij opstarten")
                Switch {
                    objectName: "launchAtLoginSwitch"
                    Accessible.name: qsTr("Start automatisch bij opstarten")
                    checked: GeneralSettings.launchAtLogin
                    onToggled: {
                        GeneralSettings.launchAtLogin = checked
                        checked = Qt.binding(() => GeneralSettings.launchAtLogin)
                    }
                }
            }
            Label {
                objectName: "loginErrorLabel"
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.bottomMargin: 8
                visible: GeneralSettings.loginError !== ""
                text: GeneralSettings.loginError
                wrapMode: Text.Wrap
                font.pixelSize: Theme.caption
                color: Theme.destructive
            }
        }

        SectionHeader { text: qsTr("Audio") }
        FormGroup {
            FormRow {
                label: qsTr("Uitvoerapparaat")
                ComboBox {
                    id: devicePicker
                    objectName: "outputDevicePicker"
                    Accessible.name: qsTr("Uitvoerapparaat")
                    // Wide enough for the longest entry ("Systeemstandaard (<device>)"), within reason.
                    implicitContentWidthPolicy: ComboBox.WidestText
                    Layout.preferredWidth: Math.max(220, implicitWidth)
                    Layout.maximumWidth: 340
                    Layout.topMargin: 4
                    Layout.bottomMargin: 4
                    font.pixelSize: Theme.body
                    model: outputDevices.options
                    textRole: "label"
                    valueRole: "uid"
                    // Follows both the list and the choice (indexOfValue() would not notice the list).
                    currentIndex: outputDevices.selectedIndex
                    onActivated: index => {
                        outputDevices.choose(outputDevices.options[index].uid)
                        currentIndex = Qt.binding(() => outputDevices.selectedIndex)
                    }
                }
            }
            FormDivider {}
            FormRow {
                label: qsTr("Gelijk volume")
                Switch {
                    objectName: "loudnessLevelingSwitch"
                    Accessible.name: qsTr("Gelijk volume")
                    checked: GeneralSettings.loudnessLeveling
                    onToggled: {
                        GeneralSettings.loudnessLeveling = checked
                        checked = Qt.binding(() => GeneralSettings.loudnessLeveling)
                    }
                }
            }
            FormDivider {}
            // Minutes kept behind live for pause and rewind; 0 turns it off.
            FormRow {
                label: qsTr("Terugspoelbuffer (minuten)")
                SpinBox {
                    objectName: "timeshiftMinutesSpinBox"
                    Accessible.name: qsTr("Terugspoelbuffer in minuten")
                    Layout.topMargin: 4
                    Layout.bottomMargin: 4
                    from: 0
                    to: 120
                    editable: true
                    font.pixelSize: Theme.body
                    value: GeneralSettings.timeshiftMinutes
                    onValueModified: {
                        GeneralSettings.timeshiftMinutes = value
                        value = Qt.binding(() => GeneralSettings.timeshiftMinutes)
                    }
                }
            }
        }

        SectionHeader { text: qsTr("Standby") }
        FormGroup {
            FormRow {
                label: qsTr("Automatisch pauzeren bij standby")
                Switch {
                    objectName: "pauseOnSleepSwitch"
                    Accessible.name: qsTr("Automatisch pauzeren bij standby")
                    checked: GeneralSettings.pauseOnSleep
                    onToggled: {
                        GeneralSettings.pauseOnSleep = checked
                        checked = Qt.binding(() => GeneralSettings.pauseOnSleep)
                    }
                }
            }
            FormDivider {}
            FormRow {
                id: standbyRow
                objectName: "standbyModePicker"
                label: qsTr("Na standby")
                enabled: GeneralSettings.pauseOnSleep
                Layout.bottomMargin: 4
                ColumnLayout {
                    spacing: 0
                    Layout.topMargin: 2
                    ButtonGroup { id: standbyGroup }
                    Repeater {
                        model: GeneralSettings.standbyModeOptions
                        RadioButton {
                            required property var modelData
                            objectName: "standbyMode_" + modelData.value
                            ButtonGroup.group: standbyGroup
                            text: modelData.label
                            font.pixelSize: Theme.body
                            checked: GeneralSettings.standbyMode === modelData.value
                            onToggled: {
                                GeneralSettings.standbyMode = modelData.value
                                checked = Qt.binding(() => GeneralSettings.standbyMode === modelData.value)
                            }
                        }
                    }
                }
            }
        }

        Item { implicitHeight: 10 }
    }
}
