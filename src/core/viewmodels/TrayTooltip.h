// The tray item's tooltip: the application's name as the title and what the player is doing
// as the text.
#pragma once

#include <QString>

class RadioPlayer;

struct TrayTooltip {
    QString title;
    QString text;

    friend bool operator==(const TrayTooltip &, const TrayTooltip &) = default;

    static TrayTooltip compute(const RadioPlayer &player);
};
