// The tray item's menu: the panel itself (the default entry), play/pause and stop, a submenu per
// category with its stations, then settings, about and quit. Built afresh from the player and
// the catalogue; an entry's id says what a click on it means.
#pragma once

#include "catalogue/StationCategory.h"
#include "desktop/TrayMenuEntry.h"

#include <optional>

class RadioPlayer;

class TrayMenu
{
public:
    enum Id {
        OpenPanel = 1,
        PlayPause,
        Stop,
        Settings,
        About,
        Quit,
        FirstCategory = 100,
        FirstStation = 1000
    };

    static QList<TrayMenuEntry> build(const RadioPlayer &player, const Catalogue &catalogue);
    // The station an entry id stands for in `catalogue` (category by category, in order).
    static std::optional<RadioStation> stationFor(int id, const Catalogue &catalogue);
};
