// What the tray item shows: an icon, and the playing station's name when the user wants it.
#pragma once

#include "catalogue/RadioStation.h"

#include <optional>

struct MenuBarLabel {
    QString iconName; // "antenna.radiowaves.left.and.right" or "radio"
    QString text;     // empty, or one space and the station's name

    friend bool operator==(const MenuBarLabel &, const MenuBarLabel &) = default;

    static MenuBarLabel compute(bool showStationInMenuBar, const std::optional<RadioStation> &currentStation,
                                bool isPlaying);
};
