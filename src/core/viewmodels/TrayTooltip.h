// The tray item's tooltip: the application's name as the title; as the text, the station and
// what the player is doing with it, then on a second line the error, or else the stream's title,
// and on a last line the sleep timer's remaining time while it runs.
// Plain text: the tray adapters escape it for hosts that read markup.
#pragma once

#include <QString>

class RadioPlayer;
class SleepTimer;

struct TrayTooltip {
    QString title;
    QString text;

    friend bool operator==(const TrayTooltip &, const TrayTooltip &) = default;

    static TrayTooltip compute(const RadioPlayer &player);
    // With the sleep timer's line, when one runs.
    static TrayTooltip compute(const RadioPlayer &player, const SleepTimer *sleepTimer);
};
