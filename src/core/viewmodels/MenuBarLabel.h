// What the tray item shows: an icon, and the playing station's name when the user wants it.
#pragma once

#include "catalogue/RadioStation.h"

#include <optional>

struct MenuBarLabel {
    QString iconName; // "antenna.radiowaves.left.and.right" or "radio"
    QString text;     // empty, or one space and the station's name, shortened to MaxNameLength

    friend bool operator==(const MenuBarLabel &, const MenuBarLabel &) = default;

    // A panel has room for a few words beside the icon, not for a whole long station name.
    static constexpr int MaxNameLength = 30;

    // `name` when it has at most MaxNameLength characters, else its start and "…" in that many.
    static QString shortened(const QString &name);

    static MenuBarLabel compute(bool showStationInMenuBar, const std::optional<RadioStation> &currentStation,
                                bool isPlaying);
};
