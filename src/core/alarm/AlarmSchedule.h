// When alarms come due, on the wall clock of a time zone: the next moment of each (weekdays or
// once, across daylight-saving changes), and what to do with those that came due since the last
// look. Pure logic: the caller brings the time, so the rules are tested on any clock and zone.
//
// The rules: a repeating alarm is due at its time on each of its weekdays; on the day the clock
// skips that time (spring forward) it is due when the clock jumps past it, on the day the clock
// shows it twice (fall back) only the first time. A due moment that passed unseen (the computer
// slept, the timer was late) fires when it is less than lateLimit old and is dropped otherwise;
// of several passed moments of one alarm only the latest counts.
#pragma once

#include "alarm/Alarm.h"

#include <QDateTime>
#include <QList>
#include <QTimeZone>
#include <chrono>
#include <optional>

class AlarmSchedule
{
public:
    static constexpr std::chrono::minutes lateLimit{10};

    enum class Verdict { Fire, Drop };
    struct Event {
        int index;     // in alarms()
        QDateTime due; // the moment it came due
        Verdict verdict;
    };

    explicit AlarmSchedule(const QTimeZone &zone = QTimeZone::systemTimeZone());

    const QList<Alarm> &alarms() const { return m_alarms; }
    // Replaces the alarms; only moments after the last look (or after `now` on the first) count.
    void setAlarms(const QList<Alarm> &alarms);

    // The first moment after `after` at which `alarm` is due; nothing for a disabled alarm or a
    // one-off at or before `after`.
    std::optional<QDateTime> nextDue(const Alarm &alarm, const QDateTime &after) const;
    // The soonest moment after `now` at which an alarm is due, and which one.
    std::optional<std::pair<int, QDateTime>> next(const QDateTime &now) const;
    // The alarms that came due since the last look, up to and including `now`, each once with its
    // verdict; `now` becomes the last look. A clock set back only moves the last look back.
    QList<Event> advance(const QDateTime &now);

private:
    // The moment the wall clock of `m_zone` first shows `time` on `date` (or jumps past it).
    QDateTime firstMoment(const QDate &date, const QTime &time) const;

    QTimeZone m_zone;
    QList<Alarm> m_alarms;
    QDateTime m_lastLook;
};
