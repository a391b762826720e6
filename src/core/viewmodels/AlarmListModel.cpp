#include "viewmodels/AlarmListModel.h"

#include "alarm/AlarmClock.h"
#include "alarm/AlarmSchedule.h"
#include "catalogue/StationManager.h"
#include "catalogue/StationWalk.h"

#include <QVariantMap>
#include <algorithm>

namespace {
// Monday first, as Qt::DayOfWeek counts.
const char *const shortDays[] = {
    QT_TRANSLATE_NOOP("AlarmListModel", "ma"), QT_TRANSLATE_NOOP("AlarmListModel", "di"),
    QT_TRANSLATE_NOOP("AlarmListModel", "wo"), QT_TRANSLATE_NOOP("AlarmListModel", "do"),
    QT_TRANSLATE_NOOP("AlarmListModel", "vr"), QT_TRANSLATE_NOOP("AlarmListModel", "za"),
    QT_TRANSLATE_NOOP("AlarmListModel", "zo")};
const char *const longDays[] = {
    QT_TRANSLATE_NOOP("AlarmListModel", "maandag"),  QT_TRANSLATE_NOOP("AlarmListModel", "dinsdag"),
    QT_TRANSLATE_NOOP("AlarmListModel", "woensdag"), QT_TRANSLATE_NOOP("AlarmListModel", "donderdag"),
    QT_TRANSLATE_NOOP("AlarmListModel", "vrijdag"),  QT_TRANSLATE_NOOP("AlarmListModel", "zaterdag"),
    QT_TRANSLATE_NOOP("AlarmListModel", "zondag")};

QString lastPlayedText()
{
    return AlarmListModel::tr("Laatst gespeelde station");
}
} // namespace

AlarmListModel::AlarmListModel(AlarmClock *clock, StationManager *stations, QObject *parent)
    : QObject(parent), m_clock(clock), m_stations(stations)
{
    connect(m_clock, &AlarmClock::storedAlarmsChanged, this, &AlarmListModel::alarmsChanged);
}

QVariantList AlarmListModel::alarms() const
{
    QVariantList rows;
    for (const Alarm &alarm : m_clock->storedAlarms()) {
        QVariantList days;
        for (int day : alarm.days)
            days << day;
        rows << QVariantMap{
            {QStringLiteral("time"), alarm.timeText()},
            {QStringLiteral("days"), days},
            {QStringLiteral("daysText"), daysText(alarm.days)},
            {QStringLiteral("station"), alarm.station},
            {QStringLiteral("stationText"), alarm.station.isEmpty() ? lastPlayedText() : alarm.station},
            {QStringLiteral("fadeSeconds"), int(alarm.fade.count())},
            {QStringLiteral("volume"), alarm.volume},
            {QStringLiteral("enabled"), alarm.enabled}};
    }
    return rows;
}

QVariantList AlarmListModel::stationOptions(const QString &keep) const
{
    QVariantList options{
        QVariantMap{{QStringLiteral("label"), lastPlayedText()}, {QStringLiteral("value"), QString()}}};
    QStringList names;
    for (const RadioStation &station : StationWalk::allStations(m_stations->categories())) {
        if (names.contains(station.name))
            continue;
        names << station.name;
        options << QVariantMap{{QStringLiteral("label"), station.name},
                               {QStringLiteral("value"), station.name}};
    }
    if (!keep.isEmpty() && !names.contains(keep))
        options << QVariantMap{{QStringLiteral("label"), keep}, {QStringLiteral("value"), keep}};
    return options;
}

QVariantList AlarmListModel::dayOptions() const
{
    QVariantList options;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        options << QVariantMap{{QStringLiteral("day"), day},
                               {QStringLiteral("label"), tr(shortDays[day - 1])},
                               {QStringLiteral("name"), tr(longDays[day - 1])}};
    return options;
}

QString AlarmListModel::daysText(const QList<int> &days)
{
    if (days.isEmpty())
        return tr("Eenmalig");
    if (days == QList<int>{1, 2, 3, 4, 5, 6, 7})
        return tr("Elke dag");
    if (days == QList<int>{1, 2, 3, 4, 5})
        return tr("Werkdagen");
    if (days == QList<int>{6, 7})
        return tr("Weekend");
    QStringList names;
    for (int day : days)
        names << tr(shortDays[day - 1]);
    return names.join(QStringLiteral(", "));
}

QVariantMap AlarmListModel::blank() const
{
    return {{QStringLiteral("time"), QStringLiteral("07:00")},
            {QStringLiteral("days"), QVariantList{1, 2, 3, 4, 5}},
            {QStringLiteral("station"), QString()},
            {QStringLiteral("fadeSeconds"), int(Alarm::defaultFade.count())},
            {QStringLiteral("volume"), Alarm::defaultVolume},
            {QStringLiteral("enabled"), true}};
}

QDateTime AlarmListModel::nextMoment(const QTime &time) const
{
    Alarm daily;
    daily.time = time;
    daily.days = {1, 2, 3, 4, 5, 6, 7};
    return AlarmSchedule().nextDue(daily, m_clock->now()).value_or(QDateTime()).toUTC();
}

QString AlarmListModel::save(int index, const QVariantMap &row)
{
    const QTime time =
        QTime::fromString(row.value(QStringLiteral("time")).toString().trimmed(), QStringLiteral("H:mm"));
    if (!time.isValid())
        return tr("Geef een tijd als 07:30.");
    Alarm alarm;
    for (const QVariant &day : row.value(QStringLiteral("days")).toList()) {
        const int number = day.toInt();
        if (number >= Qt::Monday && number <= Qt::Sunday && !alarm.days.contains(number))
            alarm.days << number;
    }
    std::sort(alarm.days.begin(), alarm.days.end());
    if (alarm.isOnce())
        alarm.once = nextMoment(time);
    else
        alarm.time = time;
    alarm.station = row.value(QStringLiteral("station")).toString();
    alarm.fade = std::chrono::seconds(std::clamp<qint64>(
        row.value(QStringLiteral("fadeSeconds"), qint64(Alarm::defaultFade.count())).toLongLong(), 0,
        Alarm::maxFade.count()));
    alarm.volume = std::clamp(row.value(QStringLiteral("volume"), Alarm::defaultVolume).toInt(), 0, 100);
    alarm.enabled = row.value(QStringLiteral("enabled"), true).toBool();
    QList<Alarm> stored = m_clock->storedAlarms();
    if (index >= 0 && index < stored.size())
        stored[index] = alarm;
    else
        stored << alarm;
    m_clock->setStoredAlarms(stored);
    return {};
}

void AlarmListModel::setEnabled(int index, bool enabled)
{
    QList<Alarm> stored = m_clock->storedAlarms();
    if (index < 0 || index >= stored.size() || stored.at(index).enabled == enabled)
        return;
    Alarm &alarm = stored[index];
    alarm.enabled = enabled;
    // A one-off switched back on after its moment went by rings the next time the clock shows it.
    if (enabled && alarm.isOnce() && alarm.once <= m_clock->now())
        alarm.once = nextMoment(alarm.once.toLocalTime().time());
    m_clock->setStoredAlarms(stored);
}

void AlarmListModel::remove(int index)
{
    QList<Alarm> stored = m_clock->storedAlarms();
    if (index < 0 || index >= stored.size())
        return;
    stored.removeAt(index);
    m_clock->setStoredAlarms(stored);
}
