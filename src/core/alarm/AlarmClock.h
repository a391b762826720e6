// The alarms at work: keeps the list (the settings file's, and one-offs for this run only), looks
// at the wall clock when the next one is due (and on wake), and rings: the station plays from
// silence, fading in to the alarm's volume, whatever played, paused or stopped before, and a
// running sleep timer is switched off. When nothing plays within chimeAfter (every station
// failed, no network) a chime sounds instead until a station plays or the listener acts.
// An alarm missed by more than AlarmSchedule::lateLimit (the computer slept) is dropped with a
// notification. Owns nothing it is given; all of it must outlive the clock.
#pragma once

#include "alarm/Alarm.h"
#include "alarm/AlarmSchedule.h"
#include "catalogue/RadioStation.h"

#include <QObject>
#include <chrono>
#include <optional>

class ChimePlayer;
class DesktopNotifier;
class RadioPlayer;
class Scheduler;
class SettingsStore;
class SleepMonitor;
class SleepTimer;
class StationManager;
class WallClock;

class AlarmClock : public QObject
{
    Q_OBJECT
    // "Wekker: 07:30" for the next alarm; empty when none is set.
    Q_PROPERTY(QString nextText READ nextText NOTIFY changed)
public:
    static constexpr std::chrono::seconds chimeAfter{20};
    static constexpr std::chrono::milliseconds fadeStep{250};
    // The wall clock is looked at least this often: it may be set, or the zone change, between.
    static constexpr std::chrono::seconds lookInterval{30};
    // A chime nobody stops ends after this long.
    static constexpr std::chrono::minutes chimeLimit{15};

    // `settings`, `notifier` and `sleepMonitor` may be null.
    AlarmClock(RadioPlayer *player, StationManager *stations, SleepTimer *sleepTimer, SettingsStore *settings,
               Scheduler *scheduler, WallClock *wallClock, ChimePlayer *chime, DesktopNotifier *notifier,
               SleepMonitor *sleepMonitor, QObject *parent = nullptr);

    // The stored alarms, then this run's.
    QList<Alarm> alarms() const;
    // The alarms kept in the settings file, which the settings' alarm page edits.
    QList<Alarm> storedAlarms() const { return m_schedule.alarms().mid(0, m_storedCount); }
    // Replaces the stored alarms (written at once) and looks at the clock again.
    void setStoredAlarms(const QList<Alarm> &alarms);
    QDateTime now() const;
    std::optional<QDateTime> nextDue() const;
    QString nextText() const;

    // A one-off alarm at `at` playing `station` (a catalogue name or URL; empty: what played
    // last), fading in over `fade` to `volume` (0 to 100); stored in the settings file when
    // `store`. The refusal in the user's words (an unknown station, a moment not in the future),
    // empty when set.
    QString addOnce(const QDateTime &at, const QString &station, bool store,
                    std::chrono::seconds fade = Alarm::defaultFade, int volume = Alarm::defaultVolume);
    // Stops the chime and the fade (the listener acted).
    Q_INVOKABLE void silence();
    bool isChiming() const { return m_chiming; }

Q_SIGNALS:
    void changed();
    // The stored alarms changed (edited, a one-off spent, the file changed by another program).
    void storedAlarmsChanged();

private:
    void loadStored();
    void storeAlarms(const QList<Alarm> &alarms);
    void reschedule();
    void look();
    void ring(const Alarm &alarm);
    void missed(const Alarm &alarm);
    void fadeTick(quint64 ring);
    void startChime(quint64 ring);
    void endRing();
    std::optional<RadioStation> stationFor(const QString &target) const;

    RadioPlayer *m_player;
    StationManager *m_stations;
    SleepTimer *m_sleepTimer;
    SettingsStore *m_settings;
    Scheduler *m_scheduler;
    WallClock *m_wallClock;
    ChimePlayer *m_chime;
    DesktopNotifier *m_notifier;
    AlarmSchedule m_schedule;
    int m_storedCount = 0; // the first alarms of m_schedule are the stored ones
    QList<Alarm> m_sessionAlarms;
    QString m_shownText;
    quint64 m_lookGeneration = 0; // a scheduled look of an older generation does nothing
    // The alarm ringing now: its generation, volume and fade.
    quint64 m_ring = 0;
    bool m_ringing = false;
    bool m_fading = false;
    bool m_chiming = false;
    bool m_ownVolumeChange = false;
    int m_fadeStepsDone = 0;
    std::chrono::milliseconds m_fade{0};
    float m_volume = 0.5f;
};
