// The tray item's tooltip: the application's name as the title; as the text, the station and
// what the player is doing with it, then on a second line the error, or else the stream's title.
// Plain text: the tray adapters escape it for hosts that read markup.
#pragma once

#include <QString>

class RadioPlayer;

struct TrayTooltip {
    QString title;
    QString text;

    friend bool operator==(const TrayTooltip &, const TrayTooltip &) = default;

    static TrayTooltip compute(const RadioPlayer &player);
};
