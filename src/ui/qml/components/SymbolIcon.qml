import QtQuick
import QtQuick.Controls.impl
import Zeffira

// A symbol drawn in one colour: our single-colour SVG tinted by IconImage, which keeps the
// drawing's own transparency (the lighter layers of the two-tone symbols). A transparent
// `color` shows the drawing's own colours.
IconImage {
    id: root

    property string symbol
    property real size: 16

    source: root.symbol !== "" ? App.iconSource(root.symbol) : ""
    sourceSize.width: root.size
    sourceSize.height: root.size
    fillMode: Image.PreserveAspectFit
    color: Theme.secondary
}
