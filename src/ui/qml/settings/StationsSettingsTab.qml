import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import Zeffira

// The Stations tab: the category column (its width dragged at the divider), the stations of
// the selected category and the add buttons. Every edit goes to the store through the models;
// the tab keeps only its selection and which sheet or alert is showing. Both lists work from
// the keyboard: Up/Down move, the Menu key or Shift+F10 opens the context menu, Return or F2
// edits, Delete deletes, Alt+Up/Down moves a station within its category. "Importeer..." reads a
// station list file into the file's categories (or one named after the file); "Exporteer..."
// writes all stations or only the selected category, as chosen in its menu.
FocusScope {
    id: tab

    // "" is no selection (the store never holds a category without a name).
    property string selectedCategory: ""
    property bool showingAddSheet: false
    property bool showDeleteConfirmation: false
    property var stationToDelete: null
    property bool showingAddCategory: false
    property string newCategoryName: ""
    property bool showDeleteCategoryConfirmation: false
    property string categoryToDelete: ""

    readonly property alias categories: categoryModel
    readonly property alias stations: stationsModel
    readonly property alias stationDrop: dropState

    function selectFirstIfNone() {
        if (tab.selectedCategory === "")
            tab.selectedCategory = categoryModel.initialSelection(tab.selectedCategory)
    }

    function requestDelete(name, url) {
        tab.stationToDelete = { name: name, url: url }
        tab.showDeleteConfirmation = true
    }

    function requestDeleteCategory(name) {
        tab.categoryToDelete = name
        tab.showDeleteCategoryConfirmation = true
    }

    // The context menu of a station, at `item` (a row) when the keyboard asked for it.
    function openStationMenu(name, url, item) {
        stationMenu.stationName = name
        stationMenu.stationUrl = url
        stationMenu.targets = dropState.moveTargets(tab.selectedCategory)
        if (item)
            stationMenu.popup(item, 16, item.height / 2)
        else
            stationMenu.popup()
    }

    function openCategoryMenu(name, hasStations, item) {
        const menu = hasStations ? busyCategoryMenu : emptyCategoryMenu
        menu.categoryName = name
        if (item)
            menu.popup(item, 16, item.height / 2)
        else
            menu.popup()
    }

    function isMenuKey(event) {
        return event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))
    }

    function createCategory() {
        tab.selectedCategory = categoryModel.createCategory(tab.newCategoryName)
        tab.newCategoryName = ""
        tab.showingAddCategory = false
    }

    onVisibleChanged: if (visible) selectFirstIfNone()
    Component.onCompleted: if (visible) selectFirstIfNone()

    onShowingAddSheetChanged: showingAddSheet ? addSheet.open() : addSheet.close()
    onShowDeleteConfirmationChanged: showDeleteConfirmation ? deleteAlert.open() : deleteAlert.close()
    onShowingAddCategoryChanged: showingAddCategory ? newCategorySheet.open() : newCategorySheet.close()
    onShowDeleteCategoryConfirmationChanged: showDeleteCategoryConfirmation ? deleteCategoryAlert.open()
                                                                            : deleteCategoryAlert.close()

    // Shows the outcome of an import or export.
    function showTransferResult(result) {
        transferAlert.title = result.title
        transferAlert.message = result.message
        transferAlert.open()
    }

    CategoryListModel { id: categoryModel }
    StationTransfer { id: transfer }
    CategoryStationsModel { id: stationsModel; category: tab.selectedCategory }
    StationDrop {
        id: dropState
        onShowMoveConfirmationChanged: {
            if (showMoveConfirmation) {
                // The sheet's switch writes a plain value; each presentation starts from ours.
                moveSheet.dontAskAgain = Qt.binding(() => dropState.dontAskAgain)
                moveSheet.open()
            } else {
                moveSheet.close()
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        SplitView {
            id: split
            objectName: "split"
            Layout.fillWidth: true
            Layout.fillHeight: true
            orientation: Qt.Horizontal
            handle: Rectangle {
                implicitWidth: 5
                color: "transparent"
                Accessible.role: Accessible.Separator
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: SplitHandle.pressed || SplitHandle.hovered ? 3 : 1
                    height: parent.height
                    color: SplitHandle.pressed || SplitHandle.hovered ? Theme.accent : Theme.divider
                }
            }

            ListView {
                id: categoryList
                objectName: "categoryList"
                // Wider for long names: drag the divider.
                SplitView.preferredWidth: 170
                SplitView.minimumWidth: 140
                SplitView.maximumWidth: 360
                clip: true
                activeFocusOnTab: true
                keyNavigationEnabled: false
                // Follows the selection and the rows (count is read so that the index is found again).
                currentIndex: categoryModel.count > 0 ? categoryModel.indexOf(tab.selectedCategory) : -1
                highlightMoveDuration: 0
                Accessible.role: Accessible.List
                Accessible.name: qsTr("Categorieën")
                Keys.onPressed: event => {
                    const row = categoryList.currentItem
                    if (event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
                        const next = Math.max(0, Math.min(categoryModel.count - 1,
                                              categoryList.currentIndex + (event.key === Qt.Key_Down ? 1 : -1)))
                        if (next >= 0) {
                            tab.selectedCategory = categoryModel.nameAt(next)
                            categoryList.positionViewAtIndex(next, ListView.Contain)
                        }
                        event.accepted = true
                    } else if (row && tab.isMenuKey(event)) {
                        tab.openCategoryMenu(row.categoryName, row.hasStations, row)
                        event.accepted = true
                    } else if (row && (event.key === Qt.Key_F2 || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)) {
                        renameSheet.rename(row.categoryName)
                        event.accepted = true
                    } else if (row && event.key === Qt.Key_Delete && !row.hasStations) {
                        tab.requestDeleteCategory(row.categoryName)
                        event.accepted = true
                    }
                }
                spacing: 2
                topMargin: 4
                bottomMargin: 4
                leftMargin: 6
                rightMargin: 6
                model: categoryModel
                boundsBehavior: Flickable.StopAtBounds
                ScrollIndicator.vertical: ScrollIndicator {}

                delegate: CategoryDropRow {
                    required property string name
                    required stationCount
                    required property bool hasStations
                    objectName: "categoryRow_" + name
                    width: ListView.view.width - 12
                    categoryName: name
                    isSelected: tab.selectedCategory === name
                    isCurrent: ListView.isCurrentItem && categoryList.activeFocus
                    dropHandler: function() { return dropState.handleDrop(name) }
                    onClicked: tab.selectedCategory = name
                    onContextMenuRequested: (x, y) => tab.openCategoryMenu(name, hasStations, null)
                }
            }

            Item {
                SplitView.fillWidth: true

                ListView {
                    id: stationList
                    objectName: "stationList"
                    anchors.fill: parent
                    visible: stationsModel.categoryExists
                    clip: true
                    model: stationsModel
                    focus: true
                    activeFocusOnTab: true
                    currentIndex: -1
                    boundsBehavior: Flickable.StopAtBounds
                    highlightMoveDuration: 0
                    Accessible.role: Accessible.List
                    Accessible.name: qsTr("Stations van %1").arg(tab.selectedCategory)
                    ScrollIndicator.vertical: ScrollIndicator {}
                    onActiveFocusChanged: if (activeFocus && currentIndex < 0 && count > 0) currentIndex = 0
                    Keys.onDeletePressed: {
                        const row = stationList.currentItem
                        if (row)
                            tab.requestDelete(row.name, row.url)
                    }
                    Keys.onPressed: event => {
                        const row = stationList.currentItem
                        if (!row)
                            return
                        if ((event.modifiers & Qt.AltModifier) && (event.key === Qt.Key_Up || event.key === Qt.Key_Down)) {
                            const to = row.index + (event.key === Qt.Key_Down ? 1 : -1)
                            if (to >= 0 && to < stationList.count) {
                                stationsModel.moveRow(row.index, to)
                                stationList.currentIndex = to
                            }
                            event.accepted = true
                        } else if (tab.isMenuKey(event)) {
                            tab.openStationMenu(row.name, row.url, row)
                            event.accepted = true
                        } else if (event.key === Qt.Key_F2 || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                            editSheet.edit(row.name, row.url)
                            event.accepted = true
                        }
                    }
                    Connections {
                        target: stationsModel
                        function onCategoryChanged() { stationList.currentIndex = -1 }
                    }

                    delegate: Item {
                        id: row
                        required property int index
                        required property string name
                        required property string url
                        readonly property bool isCurrent: ListView.isCurrentItem
                        objectName: "stationRow_" + index
                        width: ListView.view.width
                        implicitHeight: rowLayout.implicitHeight + 14

                        Rectangle {
                            anchors.fill: parent
                            anchors.leftMargin: 6
                            anchors.rightMargin: 6
                            anchors.topMargin: 1
                            anchors.bottomMargin: 1
                            radius: 5
                            color: row.isCurrent ? Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b,
                                                           stationList.activeFocus ? 0.22 : 0.12)
                                                 : "transparent"
                        }

                        MouseArea {
                            id: rowMouse
                            objectName: "rowMouse"
                            anchors.fill: parent
                            acceptedButtons: Qt.LeftButton | Qt.RightButton
                            drag.target: dragProxy
                            drag.threshold: 6
                            // The proxy keeps its place under the pointer, the threshold included.
                            drag.smoothed: false
                            onPressed: mouse => {
                                stationList.currentIndex = row.index
                                stationList.forceActiveFocus()
                                if (mouse.button !== Qt.LeftButton)
                                    return
                                // The drop target is what is under the pointer: the proxy's hot
                                // spot goes where the pointer is and moves with it.
                                dragProxy.text = row.name
                                dragProxy.sourceIndex = row.index
                                const at = row.mapToItem(tab, mouse.x, mouse.y)
                                dragProxy.x = at.x - dragProxy.Drag.hotSpot.x
                                dragProxy.y = at.y - dragProxy.Drag.hotSpot.y
                            }
                            onClicked: mouse => {
                                if (mouse.button === Qt.RightButton)
                                    tab.openStationMenu(row.name, row.url, null)
                            }
                            drag.onActiveChanged: {
                                if (drag.active) {
                                    dropState.startDrag(row.name, row.url)
                                    dragProxy.dragging = true
                                }
                            }
                            onReleased: {
                                if (dragProxy.dragging) {
                                    dragProxy.Drag.drop()
                                    dragProxy.dragging = false
                                }
                            }
                            onCanceled: dragProxy.dragging = false
                        }

                        // Reordering: a station row dropped on this one goes before or after it.
                        DropArea {
                            id: reorderArea
                            anchors.fill: parent
                            keys: ["text/plain"]
                            readonly property bool below: containsDrag && drag.y > height / 2
                            onDropped: dropEvent => {
                                if (dropEvent.source !== dragProxy) {
                                    dropEvent.accepted = false
                                    return
                                }
                                const from = dragProxy.sourceIndex
                                const to = row.index + (reorderArea.below ? 1 : 0)
                                if (to !== from && to !== from + 1)
                                    stationsModel.moveStations([from], to)
                                dropEvent.accept()
                            }
                        }

                        Rectangle {
                            objectName: "insertionMark"
                            visible: reorderArea.containsDrag && dragProxy.sourceIndex !== row.index
                            x: 10
                            width: parent.width - 20
                            height: 2
                            radius: 1
                            y: reorderArea.below ? parent.height - 1 : -1
                            color: Theme.accent
                        }

                        Accessible.role: Accessible.ListItem
                        Accessible.name: row.name
                        Accessible.description: row.url
                        Accessible.selected: row.isCurrent

                        RowLayout {
                            id: rowLayout
                            anchors.left: parent.left
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            anchors.leftMargin: 16
                            anchors.rightMargin: 14
                            spacing: 8

                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 2
                                Label {
                                    id: nameText
                                    objectName: "nameLabel"
                                    Layout.fillWidth: true
                                    text: row.name
                                    elide: Text.ElideRight
                                    font.pixelSize: Theme.body
                                    font.weight: Font.Medium
                                }
                                Label {
                                    id: urlText
                                    objectName: "urlLabel"
                                    Layout.fillWidth: true
                                    text: row.url
                                    elide: Text.ElideRight
                                    maximumLineCount: 1
                                    font.pixelSize: Theme.caption
                                    color: Theme.secondary
                                }
                            }
                            PlainIconButton {
                                objectName: "trashButton"
                                symbol: "trash"
                                size: 15
                                color: Theme.secondary
                                toolTipText: qsTr("Verwijder")
                                Accessible.name: qsTr("Verwijder %1").arg(row.name)
                                // One Tab stop for the list, not one per row: Delete and the
                                // context menu do the same from the keyboard.
                                focusPolicy: Qt.NoFocus
                                onClicked: tab.requestDelete(row.name, row.url)
                            }
                        }

                        // A name or URL cut short shows whole.
                        ToolTip.text: row.name + "\n" + row.url
                        ToolTip.visible: rowHover.hovered && (nameText.truncated || urlText.truncated)
                                         && !dragProxy.dragging
                        ToolTip.delay: 600
                        HoverHandler { id: rowHover }
                    }
                }

                ColumnLayout {
                    objectName: "emptyCategoryHint"
                    anchors.centerIn: parent
                    width: Math.min(parent.width - 40, 300)
                    visible: stationsModel.categoryExists && stationsModel.count === 0
                    spacing: 6
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTr("Nog geen stations in deze categorie")
                        wrapMode: Text.Wrap
                        font.pixelSize: Theme.body
                        font.weight: Font.DemiBold
                        color: Theme.secondary
                    }
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTr("Sleep een station naar deze categorie of kies 'Voeg station toe'.")
                        wrapMode: Text.Wrap
                        font.pixelSize: Theme.callout
                        color: Theme.secondary
                    }
                }

                ColumnLayout {
                    objectName: "placeholder"
                    anchors.centerIn: parent
                    visible: !stationsModel.categoryExists
                    spacing: 8
                    SymbolIcon {
                        Layout.alignment: Qt.AlignHCenter
                        symbol: "list.bullet"
                        size: 40
                        color: Theme.secondary
                    }
                    Label {
                        Layout.alignment: Qt.AlignHCenter
                        text: qsTr("Selecteer een categorie")
                        font.pixelSize: Theme.title2
                        font.weight: Font.DemiBold
                        color: Theme.secondary
                    }
                }
            }
        }

        Divider { Layout.fillWidth: true }

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 12
            spacing: 8
            Button {
                objectName: "newCategoryButton"
                text: qsTr("Nieuwe categorie")
                icon.source: App.iconSource("folder.badge.plus")
                icon.color: Theme.primary
                icon.width: 15
                icon.height: 15
                font.pixelSize: Theme.body
                onClicked: tab.showingAddCategory = true
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "importButton"
                text: qsTr("Importeer...")
                font.pixelSize: Theme.body
                onClicked: importDialog.open()
            }
            Button {
                id: exportButton
                objectName: "exportButton"
                text: qsTr("Exporteer...")
                font.pixelSize: Theme.body
                onClicked: exportMenu.popup(exportButton, 0, exportButton.height)
            }
            Button {
                objectName: "addStationButton"
                text: qsTr("Voeg station toe")
                icon.source: App.iconSource("plus")
                icon.color: Theme.primary
                icon.width: 13
                icon.height: 13
                font.pixelSize: Theme.body
                onClicked: tab.showingAddSheet = true
            }
        }
    }

    // What follows the pointer while a station is dragged; it carries the station's name.
    Rectangle {
        id: dragProxy
        objectName: "dragProxy"
        property string text
        property int sourceIndex: -1
        property bool dragging: false
        visible: dragging
        width: proxyLabel.implicitWidth + 20
        height: proxyLabel.implicitHeight + 10
        radius: 6
        color: Theme.background
        border.color: Theme.accent
        opacity: 0.9
        Drag.active: dragging
        Drag.dragType: Drag.Internal
        Drag.keys: ["text/plain"]
        Drag.mimeData: ({ "text/plain": dragProxy.text })
        Drag.hotSpot.x: 10
        Drag.hotSpot.y: height / 2
        Label {
            id: proxyLabel
            anchors.centerIn: parent
            text: dragProxy.text
            font.pixelSize: Theme.body
        }
    }

    Menu {
        id: busyCategoryMenu
        objectName: "busyCategoryMenu"
        property string categoryName
        MenuItem {
            objectName: "renameCategoryItem"
            text: qsTr("Hernoem...")
            onTriggered: renameSheet.rename(busyCategoryMenu.categoryName)
        }
        MenuSeparator {}
        MenuItem {
            objectName: "containsStationsItem"
            enabled: false
            text: qsTr("Categorie bevat stations")
        }
    }

    Menu {
        id: emptyCategoryMenu
        objectName: "emptyCategoryMenu"
        property string categoryName
        MenuItem {
            objectName: "renameEmptyCategoryItem"
            text: qsTr("Hernoem...")
            onTriggered: renameSheet.rename(emptyCategoryMenu.categoryName)
        }
        MenuSeparator {}
        MenuItem {
            objectName: "deleteCategoryItem"
            text: qsTr("Verwijder categorie")
            palette.windowText: Theme.destructive
            palette.buttonText: Theme.destructive
            onTriggered: tab.requestDeleteCategory(emptyCategoryMenu.categoryName)
        }
    }

    Menu {
        id: stationMenu
        objectName: "stationMenu"
        property string stationName
        property string stationUrl
        property var targets: []
        MenuItem {
            objectName: "editStationItem"
            text: qsTr("Wijzig...")
            onTriggered: editSheet.edit(stationMenu.stationName, stationMenu.stationUrl)
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
                        stationsModel.moveStation(stationMenu.stationName, stationMenu.stationUrl, modelData)
                    }
                }
                onObjectAdded: (index, object) => moveMenu.insertItem(index, object)
                onObjectRemoved: (index, object) => moveMenu.removeItem(object)
            }
        }
        MenuSeparator {}
        MenuItem {
            objectName: "deleteStationItem"
            text: qsTr("Verwijder")
            palette.windowText: Theme.destructive
            palette.buttonText: Theme.destructive
            onTriggered: tab.requestDelete(stationMenu.stationName, stationMenu.stationUrl)
        }
    }

    Menu {
        id: exportMenu
        objectName: "exportMenu"
        MenuItem {
            objectName: "exportAllItem"
            text: qsTr("Alle stations...")
            onTriggered: {
                exportDialog.category = ""
                exportDialog.open()
            }
        }
        MenuItem {
            objectName: "exportCategoryItem"
            enabled: stationsModel.categoryExists
            text: stationsModel.categoryExists ? qsTr("Alleen '%1'...").arg(tab.selectedCategory)
                                               : qsTr("Alleen de gekozen categorie...")
            onTriggered: {
                exportDialog.category = tab.selectedCategory
                exportDialog.open()
            }
        }
    }

    FileDialog {
        id: importDialog
        objectName: "importDialog"
        title: qsTr("Stations importeren")
        fileMode: FileDialog.OpenFile
        nameFilters: transfer.nameFilters
        onAccepted: {
            const result = transfer.importFile(importDialog.selectedFile)
            if (result.category !== "")
                tab.selectedCategory = result.category
            tab.showTransferResult(result)
        }
    }

    FileDialog {
        id: exportDialog
        objectName: "exportDialog"
        property string category
        title: exportDialog.category === "" ? qsTr("Alle stations exporteren")
                                            : qsTr("'%1' exporteren").arg(exportDialog.category)
        fileMode: FileDialog.SaveFile
        nameFilters: transfer.nameFilters
        defaultSuffix: "m3u"
        onAccepted: tab.showTransferResult(transfer.exportFile(exportDialog.selectedFile, exportDialog.category))
    }

    AlertSheet {
        id: transferAlert
        objectName: "transferAlert"
        width: 380
        cancelText: ""
        confirmText: qsTr("OK")
    }

    AddStationSheet {
        id: addSheet
        objectName: "addStationSheet"
        defaultCategory: tab.selectedCategory
        onClosed: tab.showingAddSheet = false
        // The tab shows where the new station went, a new category included.
        onAdded: category => tab.selectedCategory = category
    }

    EditStationSheet {
        id: editSheet
        objectName: "editStationSheet"
        onClosed: stationList.forceActiveFocus()
    }

    RenameCategorySheet {
        id: renameSheet
        objectName: "renameCategorySheet"
        categories: categoryModel
        onRenamed: selection => {
            if (tab.selectedCategory === renameSheet.originalName)
                tab.selectedCategory = selection
        }
        onClosed: categoryList.forceActiveFocus()
    }

    AlertSheet {
        id: deleteAlert
        objectName: "deleteStationAlert"
        title: qsTr("Station verwijderen?")
        message: tab.stationToDelete ? qsTr("Weet je zeker dat je '%1' wilt verwijderen?").arg(tab.stationToDelete.name) : ""
        confirmText: qsTr("Verwijder")
        destructive: true
        onConfirmed: {
            if (tab.stationToDelete)
                stationsModel.removeStation(tab.stationToDelete.name, tab.stationToDelete.url)
            tab.stationToDelete = null
        }
        onCancelled: tab.stationToDelete = null
        onClosed: {
            tab.showDeleteConfirmation = false
            stationList.forceActiveFocus()
        }
    }

    NewCategorySheet {
        id: newCategorySheet
        objectName: "newCategorySheet"
        categories: categoryModel
        name: tab.newCategoryName
        onNameChanged: tab.newCategoryName = name
        onCreate: tab.createCategory()
        onCancel: {
            tab.newCategoryName = ""
            tab.showingAddCategory = false
        }
        onClosed: tab.showingAddCategory = false
    }

    AlertSheet {
        id: deleteCategoryAlert
        objectName: "deleteCategoryAlert"
        title: qsTr("Categorie verwijderen?")
        message: tab.categoryToDelete !== "" ? qsTr("Weet je zeker dat je de categorie '%1' wilt verwijderen?").arg(tab.categoryToDelete) : ""
        confirmText: qsTr("Verwijder")
        destructive: true
        onConfirmed: {
            if (tab.categoryToDelete !== "")
                tab.selectedCategory = categoryModel.deleteCategory(tab.categoryToDelete, tab.selectedCategory)
            tab.categoryToDelete = ""
        }
        onCancelled: tab.categoryToDelete = ""
        onClosed: tab.showDeleteCategoryConfirmation = false
    }

    MoveStationConfirmationSheet {
        id: moveSheet
        objectName: "moveSheet"
        stationName: dropState.pendingStationName
        targetCategory: dropState.pendingTargetCategory
        dontAskAgain: dropState.dontAskAgain
        onDontAskAgainChanged: dropState.dontAskAgain = dontAskAgain
        onConfirm: dropState.confirmMove()
        onCancel: dropState.cancelMove()
    }
}
