// One alarm as the settings file keeps it: a time of day on some weekdays, or one moment once;
// the station it plays, the fade-in and the volume it fades in to.
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QTime>
#include <chrono>
#include <optional>

struct Alarm {
    static constexpr std::chrono::seconds defaultFade{60};
    static constexpr int defaultVolume = 50;
    static constexpr std::chrono::seconds maxFade{3600};

    QTime time;      // a repeating alarm's time of day (wall clock, whole minutes)
    QList<int> days; // Qt::DayOfWeek, 1 (Monday) to 7; empty for a one-off
    QDateTime once;  // a one-off's moment; invalid for a repeating alarm
    QString station; // a catalogue name; empty: what played last, else the first station
    std::chrono::seconds fade = defaultFade;
    int volume = defaultVolume; // 0 to 100
    bool enabled = true;

    bool isOnce() const { return days.isEmpty(); }
    // The alarm's time as the user set it, "07:30", in local time.
    QString timeText() const;

    QJsonObject toJson() const;
    // Nothing for an object that is not an alarm (no valid time, days out of range).
    static std::optional<Alarm> fromJson(const QJsonObject &object);

    friend bool operator==(const Alarm &, const Alarm &) = default;
};
