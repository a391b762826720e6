import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// "Wekker toevoegen..." and "Wijzig..." for an alarm: the time (HH:MM), the days (none ticked:
// once, the next time the clock shows that time), the station, the fade-in and the volume it
// fades in to. "Bewaar" stores it at once; each opening starts from the alarm as stored (`edit`).
SheetDialog {
    id: sheet

    property AlarmListModel alarms
    // Where the alarm stands in the list; -1 for a new one.
    property int index: -1
    property string time
    property var days: []
    property string station
    property int fadeSeconds: 60
    property int volume: 50
    property bool alarmEnabled: true
    property var stationOptions: []
    readonly property bool timeValid: /^([01]?[0-9]|2[0-3]):[0-5][0-9]$/.test(sheet.time)

    function edit(index, alarm) {
        sheet.index = index
        sheet.time = alarm.time
        sheet.days = alarm.days.slice()
        sheet.station = alarm.station
        sheet.fadeSeconds = alarm.fadeSeconds
        sheet.volume = alarm.volume
        sheet.alarmEnabled = alarm.enabled
        sheet.stationOptions = sheet.alarms.stationOptions(alarm.station)
        sheet.open()
    }

    // The chosen station's place in the choices; the first (what played last) when it has none.
    function stationIndex() {
        for (let i = 0; i < sheet.stationOptions.length; ++i) {
            if (sheet.stationOptions[i].value === sheet.station)
                return i
        }
        return 0
    }

    function toggleDay(day, on) {
        const days = sheet.days.filter(d => d !== day)
        if (on)
            days.push(day)
        sheet.days = days
    }

    function save() {
        const refusal = sheet.alarms.save(sheet.index, {
            time: sheet.time, days: sheet.days, station: sheet.station,
            fadeSeconds: sheet.fadeSeconds, volume: sheet.volume, enabled: sheet.alarmEnabled })
        if (refusal === "")
            sheet.close()
    }

    width: 420
    height: 330
    acceptEnabled: sheet.timeValid
    onCancelRequested: sheet.close()
    onAcceptRequested: sheet.save()
    onOpened: {
        timeField.forceActiveFocus()
        timeField.selectAll()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 18
        spacing: 10

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: sheet.index < 0 ? qsTr("Wekker toevoegen") : qsTr("Wekker wijzigen")
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 6

            Label { text: qsTr("Tijd"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            TextField {
                id: timeField
                objectName: "alarmTimeField"
                Layout.preferredWidth: 80
                Accessible.name: qsTr("Tijd")
                placeholderText: "07:30"
                inputMethodHints: Qt.ImhTime
                maximumLength: 5
                font.pixelSize: Theme.body
                text: sheet.time
                onTextEdited: sheet.time = text
            }

            Label { text: qsTr("Dagen"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            RowLayout {
                spacing: 0
                Repeater {
                    model: sheet.alarms ? sheet.alarms.dayOptions : []
                    CheckBox {
                        Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                        Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
                        required property var modelData
                        objectName: "alarmDay" + modelData.day
                        text: modelData.label
                        Accessible.name: modelData.name
                        font.pixelSize: Theme.callout
                        checked: sheet.days.indexOf(modelData.day) >= 0
                        onToggled: {
                            sheet.toggleDay(modelData.day, checked)
                            checked = Qt.binding(() => sheet.days.indexOf(modelData.day) >= 0)
                        }
                    }
                }
            }
            Item { implicitWidth: 1; implicitHeight: 1 }
            Label {
                objectName: "alarmDaysNote"
                Layout.fillWidth: true
                text: sheet.days.length === 0 ? qsTr("Geen dag aangevinkt: eenmalig, de eerstvolgende keer.") : ""
                font.pixelSize: Theme.caption
                color: Theme.secondary
                elide: Text.ElideRight
            }

            Label { text: qsTr("Station"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            ComboBox {
                id: stationPicker
                Accessible.onPressAction: if (enabled) popup.open()
                objectName: "alarmStationPicker"
                Layout.fillWidth: true
                Accessible.name: qsTr("Station")
                font.pixelSize: Theme.body
                model: sheet.stationOptions
                textRole: "label"
                valueRole: "value"
                // The chosen entry as a label, so that it is read out (the style's own is a nameless field).
                contentItem: Label {
                    leftPadding: 6
                    rightPadding: 6
                    text: stationPicker.displayText
                    font: stationPicker.font
                    elide: Text.ElideRight
                    verticalAlignment: Text.AlignVCenter
                }
                currentIndex: sheet.stationIndex()
                onActivated: index => {
                    sheet.station = sheet.stationOptions[index].value
                    currentIndex = Qt.binding(() => sheet.stationIndex())
                }
            }

            Label { text: qsTr("Infaden"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            RowLayout {
                spacing: 6
                SpinBox {
                    objectName: "alarmFadeBox"
                    Accessible.name: qsTr("Infaden in seconden")
                    from: 0
                    to: 3600
                    stepSize: 15
                    editable: true
                    font.pixelSize: Theme.body
                    value: sheet.fadeSeconds
                    onValueModified: sheet.fadeSeconds = value
                }
                Label { text: qsTr("seconden"); font.pixelSize: Theme.body }
            }

            Label { text: qsTr("Volume"); font.pixelSize: Theme.body; Layout.alignment: Qt.AlignRight }
            RowLayout {
                spacing: 6
                Slider {
                    objectName: "alarmVolumeSlider"
                    Layout.fillWidth: true
                    Accessible.name: qsTr("Volume")
                    from: 0
                    to: 100
                    stepSize: 5
                    value: sheet.volume
                    onMoved: sheet.volume = Math.round(value)
                }
                Label {
                    Layout.preferredWidth: 40
                    text: qsTr("%1%").arg(sheet.volume)
                    font.pixelSize: Theme.body
                }
            }
        }

        Item { Layout.fillHeight: true }

        RowLayout {
            Layout.fillWidth: true
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "cancelButton"
                text: qsTr("Annuleer")
                focusPolicy: Qt.TabFocus
                onClicked: sheet.close()
            }
            Item { Layout.fillWidth: true }
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "saveButton"
                text: qsTr("Bewaar")
                highlighted: true
                enabled: sheet.acceptEnabled
                focusPolicy: Qt.TabFocus
                onClicked: sheet.save()
            }
        }
    }
}
