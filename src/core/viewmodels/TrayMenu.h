// The tray item's menu: the panel itself (the default entry), play/pause and stop, "Kopieer
// titel" for the song on the air, the rewind submenu (back, forward, live, keep the song, record),
// the sleep timer's submenu, the alarm's entry, a submenu per
// category with its stations, then settings, about and quit. Built afresh from the player and the
// catalogue; an entry's id says what a click on it means.
#pragma once

#include "catalogue/StationCategory.h"
#include "desktop/TrayMenuEntry.h"

#include <optional>

class RadioPlayer;
class SleepTimer;

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
        SleepTimerMenu,
        Alarms,
        CopyTitle,
        RewindMenu,
        SeekBack,
        SeekForward,
        GoLive,
        SaveSong,
        SavePreviousSong,
        Record,
        SleepTimerOff = 50,
        FirstSleepTimerChoice, // then one per SleepTimer::choices
        FirstCategory = 100,
        FirstStation = 1000
    };

    // The rewind buffer and the recorder, as the "Terugspoelen" submenu shows them.
    struct Rewind {
        bool possible = true;   // the stream can be buffered (HLS cannot)
        bool available = false; // a buffer exists
        qint64 behindMs = 0;    // 0: live
        bool recording = false;
    };
    // "−2:13": how far behind live.
    static QString behindText(qint64 ms);

    // Without a sleep timer, the menu has no submenu for it; without `rewind` none for that. `alarmText` is
    // the next alarm
    // ("Wekker: 07:30", empty when none is set); without one (nullopt) there is no alarm entry.
    static QList<TrayMenuEntry> build(const RadioPlayer &player, const Catalogue &catalogue,
                                      const SleepTimer *sleepTimer = nullptr,
                                      const std::optional<QString> &alarmText = std::nullopt,
                                      const std::optional<Rewind> &rewind = std::nullopt);
    // The minutes a sleep timer entry stands for (0 for "Uit"); nothing for other entries.
    static std::optional<int> sleepMinutesFor(int id);
    // What "Kopieer titel" puts on the clipboard; empty when the station announced nothing.
    static QString titleToCopy(const RadioPlayer &player);
    // The station an entry id stands for in `catalogue` (category by category, in order).
    static std::optional<RadioStation> stationFor(int id, const Catalogue &catalogue);
};
