// The settings' alarm page: the stored alarms as rows the view shows, and the edits it makes
// (add, change, switch on or off, remove), each stored at once through the alarm clock, which
// then looks at the clock again. A one-off is set by its time of day: the next moment the clock
// shows it. Owns nothing it is given; the clock and the catalogue must outlive it.
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>

class AlarmClock;
class StationManager;
struct Alarm;

class AlarmListModel : public QObject
{
    Q_OBJECT
    // One map per stored alarm: {time "07:30", days [1..7] (empty: once), daysText, station,
    // stationText, fadeSeconds, volume, enabled}.
    Q_PROPERTY(QVariantList alarms READ alarms NOTIFY alarmsChanged)
    // The week from Monday: {day 1..7, label "ma", name "maandag"}.
    Q_PROPERTY(QVariantList dayOptions READ dayOptions CONSTANT)
public:
    AlarmListModel(AlarmClock *clock, StationManager *stations, QObject *parent = nullptr);

    QVariantList alarms() const;
    QVariantList dayOptions() const;

    // "Eenmalig", "Elke dag", "Werkdagen", "Weekend", or the days: "ma, wo, vr".
    static QString daysText(const QList<int> &days);
    // What a new alarm starts as: 07:00 on working days, the station that played last, the
    // default fade and volume.
    Q_INVOKABLE QVariantMap blank() const;
    // The station choices, {label, value}: first "what played last" (value ""), then the
    // catalogue's stations, and `keep` when the catalogue no longer has it (so that an edit
    // does not lose it).
    Q_INVOKABLE QVariantList stationOptions(const QString &keep) const;
    // Stores `alarm` (a map as in `alarms`) at `index`, or as a new one when `index` is -1 or
    // past the end. The refusal in the user's words, empty when stored.
    Q_INVOKABLE QString save(int index, const QVariantMap &alarm);
    Q_INVOKABLE void setEnabled(int index, bool enabled);
    Q_INVOKABLE void remove(int index);

Q_SIGNALS:
    void alarmsChanged();

private:
    // The next moment the wall clock shows `time`, for a one-off.
    QDateTime nextMoment(const QTime &time) const;

    AlarmClock *m_clock;
    StationManager *m_stations;
};
