// The tray item's tooltip: the application's name as the title; as the text, the station and
// what the player is doing with it, then on a second line the error, or else the stream's title,
// then the sleep timer's remaining time while it runs, and on a last line the next alarm.
// Plain text: the tray adapters escape it for hosts that read markup.
#pragma once

#include <QString>
#include <QStringList>

class RadioPlayer;
class SleepTimer;

struct TrayTooltip {
    QString title;
    QString text;

    friend bool operator==(const TrayTooltip &, const TrayTooltip &) = default;

    static TrayTooltip compute(const RadioPlayer &player);
    // With `moreLines` (how far behind live, a recording), the sleep timer's line when one runs,
    // and `alarmText` ("Wekker: 07:30") when set.
    static TrayTooltip compute(const RadioPlayer &player, const SleepTimer *sleepTimer,
                               const QString &alarmText = QString(), const QStringList &moreLines = {});
};
