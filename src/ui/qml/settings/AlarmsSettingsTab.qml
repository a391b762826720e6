import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Zeffira

// The Wekker tab: the stored alarms, each with its on/off switch, time, days and station, and
// buttons to change or remove it; "Wekker toevoegen..." below. Every edit is stored at once
// (AlarmListModel); removing asks first.
FocusScope {
    id: tab

    readonly property alias model: alarmModel
    readonly property alias sheet: alarmSheet

    AlarmListModel { id: alarmModel }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 8

        Label {
            objectName: "nextAlarmLabel"
            Layout.fillWidth: true
            text: AlarmClock !== null && AlarmClock.nextText !== "" ? AlarmClock.nextText : qsTr("Geen wekker gezet")
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
        }

        Label {
            objectName: "noAlarmsLabel"
            Layout.fillWidth: true
            visible: list.count === 0
            text: qsTr("Nog geen wekkers. Een wekker speelt op de gekozen tijd een station en laat het langzaam luider worden.")
            wrapMode: Text.Wrap
            font.pixelSize: Theme.callout
            color: Theme.secondary
        }

        ScrollView {
            id: scroller
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: availableWidth
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
            ScrollBar.vertical: ScrollBar {
                parent: scroller
                x: scroller.mirrored ? 0 : scroller.width - width
                y: scroller.topPadding
                height: scroller.availableHeight
                Accessible.name: qsTr("Wekkers")
            }

            ListView {
                id: list
                objectName: "alarmList"
                model: alarmModel.alarms
                spacing: 6
                Accessible.name: qsTr("Wekkers")
                delegate: Rectangle {
                    id: row
                    required property var modelData
                    required property int index
                    readonly property string spoken: qsTr("Wekker %1").arg(row.modelData.time)
                    width: ListView.view.width
                    implicitHeight: rowLayout.implicitHeight + 12
                    radius: 8
                    color: Qt.rgba(Theme.primary.r, Theme.primary.g, Theme.primary.b, 0.035)
                    border.color: Theme.divider

                    RowLayout {
                        id: rowLayout
                        anchors.fill: parent
                        anchors.leftMargin: 10
                        anchors.rightMargin: 8
                        spacing: 10
                        Switch {
                            Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                            Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
                            objectName: "alarmSwitch" + row.index
                            Accessible.name: row.spoken
                            checked: row.modelData.enabled
                            onToggled: alarmModel.setEnabled(row.index, checked)
                        }
                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 0
                            Label {
                                objectName: "alarmTime" + row.index
                                text: row.modelData.time
                                font.pixelSize: Theme.body + 6
                                font.weight: Font.DemiBold
                                opacity: row.modelData.enabled ? 1 : 0.5
                            }
                            Label {
                                Layout.fillWidth: true
                                text: qsTr("%1 · %2").arg(row.modelData.daysText).arg(row.modelData.stationText)
                                elide: Text.ElideRight
                                font.pixelSize: Theme.callout
                                color: Theme.secondary
                            }
                        }
                        Button {
                            Accessible.onPressAction: if (enabled) clicked()
                            objectName: "editAlarmButton" + row.index
                            text: qsTr("Wijzig...")
                            Accessible.name: qsTr("Wijzig %1").arg(row.spoken)
                            font.pixelSize: Theme.body
                            onClicked: alarmSheet.edit(row.index, row.modelData)
                        }
                        Button {
                            Accessible.onPressAction: if (enabled) clicked()
                            objectName: "removeAlarmButton" + row.index
                            icon.source: App.iconSource("trash")
                            icon.color: Theme.primary
                            icon.width: 14
                            icon.height: 14
                            Accessible.name: qsTr("Verwijder %1").arg(row.spoken)
                            ToolTip.visible: hovered
                            ToolTip.text: qsTr("Verwijder")
                            onClicked: {
                                removeAlert.index = row.index
                                removeAlert.message = row.spoken
                                removeAlert.open()
                            }
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Item { Layout.fillWidth: true }
            Button {
                Accessible.onPressAction: if (enabled) clicked()
                objectName: "addAlarmButton"
                text: qsTr("Wekker toevoegen...")
                icon.source: App.iconSource("plus")
                icon.color: Theme.primary
                icon.width: 13
                icon.height: 13
                font.pixelSize: Theme.body
                focus: true
                onClicked: alarmSheet.edit(-1, alarmModel.blank())
            }
        }
    }

    AlarmSheet {
        id: alarmSheet
        objectName: "alarmSheet"
        alarms: alarmModel
    }

    AlertSheet {
        id: removeAlert
        objectName: "removeAlarmAlert"
        property int index: -1
        title: qsTr("Wekker verwijderen?")
        confirmText: qsTr("Verwijder")
        destructive: true
        onConfirmed: alarmModel.remove(removeAlert.index)
    }
}
