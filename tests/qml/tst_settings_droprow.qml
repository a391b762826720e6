import QtQuick
import QtTest
import Zeffira

// A category row on its own: its fills by state, and a drop that clears the targeted look
// before the handler runs and reports the handler's answer.
TestCase {
    id: testCase
    name: "SettingsCategoryDropRow"
    visible: true
    width: 300
    height: 200
    when: windowShown

    Component {
        id: rowComponent
        CategoryDropRow { x: 10; y: 10; width: 170; categoryName: "Jazz"; stationCount: 0 }
    }
    Component {
        id: dragComponent
        Rectangle {
            width: 20; height: 20
            Drag.keys: ["text/plain"]
            Drag.mimeData: ({ "text/plain": "Sublime" })
            Drag.hotSpot.x: 10
            Drag.hotSpot.y: 10
        }
    }

    function mix(colour, alpha) { return Qt.rgba(colour.r, colour.g, colour.b, alpha) }

    function test_background_data() {
        return [
            { tag: "plain", selected: false, hovered: false, targeted: false, fill: "transparent" },
            { tag: "hovered", selected: false, hovered: true, targeted: false, fill: mix(Theme.primary, 0.06) },
            { tag: "selected wins over hover", selected: true, hovered: true, targeted: false, fill: mix(Theme.accent, 0.15) },
            { tag: "targeted wins over selection", selected: true, hovered: true, targeted: true, fill: mix(Theme.accent, 0.12) },
        ]
    }

    function test_background(data) {
        const row = createTemporaryObject(rowComponent, testCase,
                                          { isSelected: data.selected, isHovered: data.hovered, isTargeted: data.targeted })
        verify(Qt.colorEqual(row.rowBackground, data.fill), "fill " + row.rowBackground)
        compare(findChild(row, "countLabel").text, "0")
        const name = findChild(row, "nameLabel")
        compare(String(name.color), String(data.selected ? Theme.accentText : Theme.primary))
        // Readable on the row's own fill.
        verify(Theme.contrast(name.color, Theme.over(row.rowBackground, Theme.background)) >= 4.5)
    }

    function test_hoverFollowsThePointer() {
        const row = createTemporaryObject(rowComponent, testCase)
        mouseMove(row, 20, 10)
        tryCompare(row, "isHovered", true)
        mouseMove(testCase, 250, 180)
        tryCompare(row, "isHovered", false)
    }

    function test_drop_data() {
        return [ { tag: "accepted", answer: true }, { tag: "refused", answer: false } ]
    }

    function test_drop(data) {
        let targetedWhenAsked = null
        const row = createTemporaryObject(rowComponent, testCase, {
            dropHandler: function() { targetedWhenAsked = row.isTargeted; return data.answer } })
        const dragged = createTemporaryObject(dragComponent, testCase, { x: 200, y: 150 })
        dragged.Drag.active = true
        dragged.x = row.x + 40
        dragged.y = row.y + 2
        tryCompare(row, "isTargeted", true)
        const action = dragged.Drag.drop()
        compare(targetedWhenAsked, false)
        compare(row.isTargeted, false)
        compare(action !== Qt.IgnoreAction, data.answer)
    }
}
