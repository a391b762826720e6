pragma Singleton
import QtQuick

// The semantic colours and text styles of the views, in one place. Colours follow the system
// palette (the accent is the palette's highlight); every colour that text is drawn in is made
// readable on what it is drawn on (at least 4.5:1). Text styles are pixel sizes: the sizes in
// the design are points of a 1x screen, i.e. logical pixels, and Qt's point sizes would grow
// them by a third at 96 dpi. Nothing is smaller than 11 px, so caption and caption-2 share it.
QtObject {
    id: theme

    readonly property SystemPalette systemPalette: SystemPalette { colorGroup: SystemPalette.Active }

    readonly property color accent: systemPalette.highlight
    readonly property color primary: systemPalette.windowText
    readonly property color background: systemPalette.window
    readonly property color secondary: readable(Qt.rgba(primary.r, primary.g, primary.b, 0.6), background)
    readonly property color divider: Qt.rgba(primary.r, primary.g, primary.b, 0.13)
    readonly property color orange: "#ff9500"
    // Text that warns (the player's error): orange as far as it stays readable.
    readonly property color warning: readable(orange, background)
    // Behind white text (the beta badge): an orange dark enough for it.
    readonly property color badgeOrange: "#ad5600"
    readonly property color destructive: readable("#d70015", background)
    readonly property color link: readable(accent, background)
    // Text in the accent colour on a row that carries the accent highlight.
    readonly property color accentText: readable(accent, over(accentFill, background))
    readonly property color accentFill: Qt.rgba(accent.r, accent.g, accent.b, activeOpacity)
    // The keyboard focus ring.
    readonly property color focusRing: readable(accent, background, 3)

    readonly property int body: 13
    readonly property int callout: 12
    readonly property int caption: 11
    readonly property int caption2: 11
    readonly property int title2: 17
    readonly property int title: 22

    // Row highlights and their fade.
    readonly property real hoverOpacity: 0.06
    readonly property real activeOpacity: 0.15
    readonly property int hoverFadeMs: 150

    // WCAG relative luminance and contrast ratio of opaque colours.
    function luminance(c) {
        const f = v => v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4)
        return 0.2126 * f(c.r) + 0.7152 * f(c.g) + 0.0722 * f(c.b)
    }
    function contrast(a, b) {
        const la = luminance(a)
        const lb = luminance(b)
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
    }
    // `c` (which may be translucent) laid over the opaque `base`.
    function over(c, base) {
        return Qt.rgba(c.r * c.a + base.r * (1 - c.a), c.g * c.a + base.g * (1 - c.a),
                       c.b * c.a + base.b * (1 - c.a), 1)
    }
    // `fg` as drawn on `bg`, moved towards black on a light ground (white on a dark one) in
    // small steps until it reaches `ratio` (4.5 unless given); unchanged when it already does.
    function readable(fg, bg, ratio) {
        const needed = ratio === undefined ? 4.5 : ratio
        // A colour given by name arrives as text.
        let c = over(typeof fg === "string" ? Qt.color(fg) : fg, typeof bg === "string" ? Qt.color(bg) : bg)
        bg = typeof bg === "string" ? Qt.color(bg) : bg
        const target = luminance(bg) > 0.18 ? 0 : 1
        for (let i = 0; i < 20 && contrast(c, bg) < needed; ++i)
            c = Qt.rgba(c.r + (target - c.r) * 0.1, c.g + (target - c.g) * 0.1, c.b + (target - c.b) * 0.1, 1)
        return c
    }
}
