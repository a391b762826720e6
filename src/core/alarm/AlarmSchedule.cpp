#include "alarm/AlarmSchedule.h"

AlarmSchedule::AlarmSchedule(const QTimeZone &zone) : m_zone(zone) {}

void AlarmSchedule::setAlarms(const QList<Alarm> &alarms)
{
    m_alarms = alarms;
}

QDateTime AlarmSchedule::firstMoment(const QDate &date, const QTime &time) const
{
    // The wall time read as UTC, less each offset the zone has around that day: the valid
    // readings are those that show `time` on `date` again.
    const QDateTime wall(date, time, Qt::UTC);
    const int offsetBefore = m_zone.offsetFromUtc(wall.addDays(-1));
    const int offsetAfter = m_zone.offsetFromUtc(wall.addDays(1));
    QDateTime first;
    for (const int offset : {offsetBefore, offsetAfter}) {
        const QDateTime moment = wall.addSecs(-offset);
        const QDateTime shown = moment.toTimeZone(m_zone);
        if (shown.date() == date && shown.time() == time && (!first.isValid() || moment < first))
            first = moment;
    }
    if (first.isValid())
        return first;
    // Skipped by the clock: due at the jump, which is the last change before the later reading.
    return m_zone.previousTransition(wall.addSecs(-offsetBefore)).atUtc;
}

std::optional<QDateTime> AlarmSchedule::nextDue(const Alarm &alarm, const QDateTime &after) const
{
    if (!alarm.enabled)
        return std::nullopt;
    if (alarm.isOnce()) {
        if (alarm.once > after)
            return alarm.once.toUTC();
        return std::nullopt;
    }
    const QDate start = after.toTimeZone(m_zone).date();
    // Eight days: today's moment may have passed, and the same weekday comes again a week on.
    for (int day = 0; day <= 7; ++day) {
        const QDate date = start.addDays(day);
        if (!alarm.days.contains(date.dayOfWeek()))
            continue;
        const QDateTime moment = firstMoment(date, alarm.time);
        if (moment > after)
            return moment;
    }
    return std::nullopt;
}

std::optional<std::pair<int, QDateTime>> AlarmSchedule::next(const QDateTime &now) const
{
    std::optional<std::pair<int, QDateTime>> soonest;
    for (int i = 0; i < m_alarms.size(); ++i) {
        const auto due = nextDue(m_alarms.at(i), now);
        if (due && (!soonest || *due < soonest->second))
            soonest = std::make_pair(i, *due);
    }
    return soonest;
}

QList<AlarmSchedule::Event> AlarmSchedule::advance(const QDateTime &now)
{
    QList<Event> events;
    if (!m_lastLook.isValid() || now < m_lastLook) {
        m_lastLook = now;
        return events;
    }
    for (int i = 0; i < m_alarms.size(); ++i) {
        std::optional<QDateTime> latest;
        // Bounded: a week's moments at most after a long sleep.
        for (auto due = nextDue(m_alarms.at(i), m_lastLook); due && *due <= now && latest != due;
             due = nextDue(m_alarms.at(i), *due))
            latest = due;
        if (latest) {
            const bool late = latest->msecsTo(now) >= std::chrono::milliseconds(lateLimit).count();
            events.append({i, *latest, late ? Verdict::Drop : Verdict::Fire});
        }
    }
    m_lastLook = now;
    return events;
}
