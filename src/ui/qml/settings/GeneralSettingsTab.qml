import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The General tab: menu-bar name, start at login (with its error row), the output device (the
// same OutputDeviceModel as the panel's route button), what happens around standby, and
// scrobbling to ListenBrainz with its token and status line. Controls
// read the models by binding and write in their handlers, then bind again, because a user's
// click replaces a control's binding with a plain value.
ScrollView {
    id: root

    contentWidth: availableWidth
    clip: true
    // Named, as screen readers list scroll bars among the controls.
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    ScrollBar.vertical: ScrollBar {
        parent: root
        x: root.mirrored ? 0 : root.width - width
        y: root.topPadding
        height: root.availableHeight
        Accessible.name: qsTr("Algemeen")
    }

    // The switch mirrors the login item and the picker lists the devices present now.
    function refresh() {
        GeneralSettings.refresh()
        outputDevices.refresh()
    }
    onVisibleChanged: if (visible) refresh()
    Component.onCompleted: if (visible) refresh()

    OutputDeviceModel { id: outputDevices }

    // The scrobbling status line: one sentence per fact that needs the user's eye.
    function scrobbleStatus() {
        const environment = Scrobbling.tokenFromEnvironment
                ? qsTr("De token komt uit ZEFFIRA_LISTENBRAINZ_TOKEN en wordt niet opgeslagen.") : ""
        const token = Scrobbling.tokenRejected
                ? qsTr("ListenBrainz weigert de token; er wordt niets verstuurd tot je een nieuwe invoert.")
                : Scrobbling.hasToken ? ""
                                      : qsTr("Plak je gebruikerstoken van ListenBrainz (te vinden in je profiel).")
        const file = Scrobbling.tokenInFile
                ? qsTr("Er draait geen sleutelbos: de token staat in een bestand dat alleen jij kunt lezen.") : ""
        const waiting = Scrobbling.waitingListens > 0
                ? qsTr("Wachtende nummers: %n", "", Scrobbling.waitingListens) : ""
        return [environment, token, file, waiting].filter(line => line !== "").join("\n")
    }

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
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
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
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
                    objectName: "notifyOnNewTitleSwitch"
                    Accessible.name: qsTr("Melding bij elk nieuw nummer")
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
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
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
                    Accessible.onPressAction: if (enabled) popup.open()
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
                    // The chosen entry as a label, so that it is read out (the style's own is a nameless field).
                    contentItem: Label {
                        leftPadding: 6
                        rightPadding: 6
                        text: devicePicker.displayText
                        font: devicePicker.font
                        elide: Text.ElideRight
                        verticalAlignment: Text.AlignVCenter
                    }
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
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
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
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
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
                            Accessible.onPressAction: if (enabled && !checked) { toggle(); toggled() }
                            Accessible.onToggleAction: if (enabled && !checked) { toggle(); toggled() }
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

        SectionHeader { text: qsTr("ListenBrainz") }
        FormGroup {
            FormRow {
                label: qsTr("Stuur beluisterde nummers naar ListenBrainz")
                Switch {
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
                    objectName: "scrobbleSwitch"
                    Accessible.name: qsTr("Stuur beluisterde nummers naar ListenBrainz")
                    // A token from the environment switches it on for this run only.
                    enabled: !Scrobbling.tokenFromEnvironment
                    checked: Scrobbling.enabled
                    onToggled: {
                        Scrobbling.enabled = checked
                        checked = Qt.binding(() => Scrobbling.enabled)
                    }
                }
            }
            FormDivider {}
            FormRow {
                label: qsTr("Gebruikerstoken")
                enabled: Scrobbling.enabled && !Scrobbling.tokenFromEnvironment
                Layout.bottomMargin: 4
                TextField {
                    id: tokenField
                    objectName: "scrobbleTokenField"
                    Accessible.name: qsTr("Gebruikerstoken van ListenBrainz")
                    Layout.preferredWidth: 200
                    Layout.topMargin: 4
                    echoMode: TextInput.Password
                    font.pixelSize: Theme.body
                    placeholderText: Scrobbling.hasToken ? qsTr("Opgeslagen") : qsTr("Plak je token")
                    onAccepted: saveTokenButton.clicked()
                }
                Button {
                    id: saveTokenButton
                    Accessible.onPressAction: if (enabled) clicked()
                    objectName: "scrobbleTokenSave"
                    Layout.topMargin: 4
                    text: qsTr("Bewaar")
                    enabled: tokenField.text.trim() !== ""
                    onClicked: {
                        Scrobbling.setToken(tokenField.text)
                        tokenField.clear()
                    }
                }
            }
            Label {
                objectName: "scrobbleStatusLabel"
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.bottomMargin: 8
                visible: Scrobbling.enabled && text !== ""
                text: root.scrobbleStatus()
                wrapMode: Text.Wrap
                font.pixelSize: Theme.caption
                color: Scrobbling.tokenRejected ? Theme.destructive : Theme.secondary
            }
        }

        Item { implicitHeight: 10 }
    }
}
