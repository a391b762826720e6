#include "alarm/Alarm.h"

#include <QJsonArray>
#include <algorithm>

QString Alarm::timeText() const
{
    const QTime shown = isOnce() ? once.toLocalTime().time() : time;
    return shown.toString(QStringLiteral("HH:mm"));
}

QJsonObject Alarm::toJson() const
{
    QJsonObject object{{QStringLiteral("station"), station},
                       {QStringLiteral("fadeSeconds"), qint64(fade.count())},
                       {QStringLiteral("volume"), volume},
                       {QStringLiteral("enabled"), enabled}};
    if (isOnce()) {
        object.insert(QStringLiteral("once"), once.toUTC().toString(Qt::ISODateWithMs));
    } else {
        QJsonArray dayList;
        for (int day : days)
            dayList.append(day);
        object.insert(QStringLiteral("time"), time.toString(QStringLiteral("HH:mm")));
        object.insert(QStringLiteral("days"), dayList);
    }
    return object;
}

std::optional<Alarm> Alarm::fromJson(const QJsonObject &object)
{
    Alarm alarm;
    for (const QJsonValue &day : object.value(QStringLiteral("days")).toArray()) {
        const int number = day.toInt(0);
        if (number < Qt::Monday || number > Qt::Sunday)
            return std::nullopt;
        if (!alarm.days.contains(number))
            alarm.days.append(number);
    }
    std::sort(alarm.days.begin(), alarm.days.end());
    if (alarm.isOnce()) {
        alarm.once =
            QDateTime::fromString(object.value(QStringLiteral("once")).toString(), Qt::ISODateWithMs);
        if (!alarm.once.isValid())
            return std::nullopt;
    } else {
        alarm.time =
            QTime::fromString(object.value(QStringLiteral("time")).toString(), QStringLiteral("HH:mm"));
        if (!alarm.time.isValid())
            return std::nullopt;
    }
    alarm.station = object.value(QStringLiteral("station")).toString();
    alarm.fade = std::chrono::seconds(std::clamp<qint64>(
        object.value(QStringLiteral("fadeSeconds")).toInteger(defaultFade.count()), 0, maxFade.count()));
    alarm.volume = std::clamp(object.value(QStringLiteral("volume")).toInt(defaultVolume), 0, 100);
    alarm.enabled = object.value(QStringLiteral("enabled")).toBool(true);
    return alarm;
}
