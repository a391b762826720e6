pragma Singleton
import QtQuick

// The semantic colours and text styles of the views, in one place. Colours follow the system
// palette (the accent is the palette's highlight). Text styles are pixel sizes: the sizes in
// the design are points of a 1x screen, i.e. logical pixels, and Qt's point sizes would grow
// them by a third at 96 dpi. body 13, callout 12, caption 10, caption-2 10 (semibold where
// used), title-2 17, title 22.
QtObject {
    readonly property SystemPalette systemPalette: SystemPalette { colorGroup: SystemPalette.Active }

    readonly property color accent: systemPalette.highlight
    readonly property color primary: systemPalette.windowText
    readonly property color secondary: Qt.rgba(primary.r, primary.g, primary.b, 0.6)
    readonly property color background: systemPalette.window
    readonly property color divider: Qt.rgba(primary.r, primary.g, primary.b, 0.13)
    readonly property color orange: "#ff9500"
    readonly property color link: systemPalette.highlight

    readonly property int body: 13
    readonly property int callout: 12
    readonly property int caption: 10
    readonly property int caption2: 10
    readonly property int title2: 17
    readonly property int title: 22

    // Row highlights and their fade.
    readonly property real hoverOpacity: 0.06
    readonly property real activeOpacity: 0.15
    readonly property int hoverFadeMs: 150
}
