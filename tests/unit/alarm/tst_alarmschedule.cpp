// When alarms come due, in Amsterdam's time zone (two clock changes a year): weekdays, once,
// spring forward and fall back, and what a late look fires or drops.
#include "alarm/AlarmSchedule.h"

#include <QTest>

namespace {
const QTimeZone amsterdam("Europe/Amsterdam");

QDateTime utc(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
}

Alarm daily(const char *time, QList<int> days = {1, 2, 3, 4, 5, 6, 7})
{
    Alarm alarm;
    alarm.time = QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm"));
    alarm.days = days;
    return alarm;
}

Alarm once(const char *moment)
{
    Alarm alarm;
    alarm.once = utc(moment);
    return alarm;
}
} // namespace

Q_DECLARE_METATYPE(Alarm)

class TestAlarmSchedule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextDue_data()
    {
        QTest::addColumn<Alarm>("alarm");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<QDateTime>("expected"); // invalid: never again
        const QList<int> weekdays{1, 2, 3, 4, 5};
        // Winter: Amsterdam is UTC+1; summer UTC+2.
        QTest::newRow("later today") << daily("07:30") << utc("2026-12-11T05:00:00Z")
                                     << utc("2026-12-11T06:30:00Z");
        QTest::newRow("at the moment itself: tomorrow")
            << daily("07:30") << utc("2026-12-11T06:30:00Z") << utc("2026-12-12T06:30:00Z");
        QTest::newRow("weekdays from Friday morning: Monday")
            << daily("07:30", weekdays) << utc("2026-12-11T07:00:00Z") << utc("2026-12-14T06:30:00Z");
        QTest::newRow("Sunday only, from a Sunday after it: a week on")
            << daily("09:00", {7}) << utc("2026-12-13T09:00:00Z") << utc("2026-12-20T08:00:00Z");
        QTest::newRow("midnight belongs to the new day")
            << daily("00:00", {6}) << utc("2026-12-11T22:00:00Z") << utc("2026-12-11T23:00:00Z");
        QTest::newRow("once, ahead") << once("2026-12-11T06:30:12Z") << utc("2026-12-11T06:30:00Z")
                                     << utc("2026-12-11T06:30:12Z");
        QTest::newRow("once, passed: never")
            << once("2026-12-11T06:30:00Z") << utc("2026-12-11T06:30:00Z") << QDateTime();
        Alarm off = daily("07:30");
        off.enabled = false;
        QTest::newRow("switched off: never") << off << utc("2026-12-11T05:00:00Z") << QDateTime();
        // 2026-03-29: at 02:00 the clock jumps to 03:00. 07:30 is 23 hours after Saturday's.
        QTest::newRow("spring forward: same wall time")
            << daily("07:30") << utc("2026-03-28T06:30:00Z") << utc("2026-03-29T05:30:00Z");
        QTest::newRow("spring forward: a skipped time rings at the jump")
            << daily("02:30") << utc("2026-03-28T23:00:00Z") << utc("2026-03-29T01:00:00Z");
        QTest::newRow("spring forward: the day after as usual")
            << daily("02:30") << utc("2026-03-29T01:00:00Z") << utc("2026-03-30T00:30:00Z");
        // 2026-10-25: at 03:00 the clock goes back to 02:00; 02:30 is shown twice.
        QTest::newRow("fall back: the first 02:30")
            << daily("02:30") << utc("2026-10-24T22:00:00Z") << utc("2026-10-25T00:30:00Z");
        QTest::newRow("fall back: not the second 02:30")
            << daily("02:30") << utc("2026-10-25T00:30:00Z") << utc("2026-10-26T01:30:00Z");
        QTest::newRow("fall back: same wall time after")
            << daily("07:30") << utc("2026-10-24T05:30:00Z") << utc("2026-10-25T06:30:00Z");
    }

    void nextDue()
    {
        QFETCH(Alarm, alarm);
        QFETCH(QDateTime, after);
        QFETCH(QDateTime, expected);
        const AlarmSchedule schedule(amsterdam);
        const std::optional<QDateTime> due = schedule.nextDue(alarm, after);
        QCOMPARE(due.value_or(QDateTime()), expected);
    }

    void lateLook_data()
    {
        QTest::addColumn<Alarm>("alarm");
        QTest::addColumn<QDateTime>("lastLook");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("expected"); // "fire <due>", "drop <due>" or ""
        QTest::newRow("not yet") << daily("07:30") << utc("2026-12-11T06:00:00Z")
                                 << utc("2026-12-11T06:29:59Z") << "";
        QTest::newRow("on time") << daily("07:30") << utc("2026-12-11T06:29:30Z")
                                 << utc("2026-12-11T06:30:00Z") << "fire 2026-12-11T06:30:00Z";
        QTest::newRow("woke 9 min 59 s late: fires")
            << daily("07:30") << utc("2026-12-10T23:00:00Z") << utc("2026-12-11T06:39:59Z")
            << "fire 2026-12-11T06:30:00Z";
        QTest::newRow("woke 10 min late: dropped")
            << daily("07:30") << utc("2026-12-10T23:00:00Z") << utc("2026-12-11T06:40:00Z")
            << "drop 2026-12-11T06:30:00Z";
        QTest::newRow("slept three days: only the latest counts")
            << daily("07:30") << utc("2026-12-08T23:00:00Z") << utc("2026-12-11T06:35:00Z")
            << "fire 2026-12-11T06:30:00Z";
        QTest::newRow("once, late") << once("2026-12-11T06:30:00Z") << utc("2026-12-11T06:00:00Z")
                                    << utc("2026-12-11T07:00:00Z") << "drop 2026-12-11T06:30:00Z";
        QTest::newRow("clock set back: nothing")
            << daily("07:30") << utc("2026-12-11T07:00:00Z") << utc("2026-12-11T06:00:00Z") << "";
    }

    void lateLook()
    {
        QFETCH(Alarm, alarm);
        QFETCH(QDateTime, lastLook);
        QFETCH(QDateTime, now);
        QFETCH(QString, expected);
        AlarmSchedule schedule(amsterdam);
        schedule.setAlarms({alarm});
        QVERIFY(schedule.advance(lastLook).isEmpty()); // the first look only starts the count
        QStringList events;
        for (const AlarmSchedule::Event &event : schedule.advance(now))
            events << QStringLiteral("%1 %2").arg(event.verdict == AlarmSchedule::Verdict::Fire ? "fire"
                                                                                                : "drop",
                                                  event.due.toUTC().toString(Qt::ISODate));
        QCOMPARE(events.join(QLatin1Char(',')), expected);
        QVERIFY(schedule.advance(now).isEmpty()); // each due moment once
    }
};

QTEST_GUILESS_MAIN(TestAlarmSchedule)
#include "tst_alarmschedule.moc"
