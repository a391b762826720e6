// The sleep timer: pauses playback when the time the listener chose has run out, fading the
// volume out over the last 30 s. The fade scales what the backend plays at, never the volume the
// user set, which is restored for the next play.
//
// The deadline is on a clock that runs on through system sleep: a deadline that passed while the
// computer slept ends the timer on wake (and playback stays paused). Pausing or stopping by hand
// cancels the timer (the listener has taken over), and so does a volume change during the fade
// (the listener is awake; the new volume plays in full). Choosing another station keeps it.
#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

class Clock;
class RadioPlayer;
class Scheduler;
class SleepMonitor;

class SleepTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive NOTIFY changed)
    Q_PROPERTY(int chosenMinutes READ chosenMinutes NOTIFY changed)
    Q_PROPERTY(QString remainingText READ remainingText NOTIFY changed)
    Q_PROPERTY(QString statusText READ statusText NOTIFY changed)
public:
    // What the menus offer, in minutes.
    static constexpr int choices[] = {15, 30, 45, 60, 90};
    static constexpr std::chrono::milliseconds fadeDuration{30000};
    static constexpr std::chrono::milliseconds fadeStep{500};

    // `sleepMonitor` may be null. `clock` should keep counting through system sleep.
    SleepTimer(RadioPlayer *player, Scheduler *scheduler, Clock *clock, SleepMonitor *sleepMonitor = nullptr,
               QObject *parent = nullptr);

    bool isActive() const { return m_deadline.has_value(); }
    // The whole number of minutes the running timer was set to; 0 when off or not whole minutes.
    int chosenMinutes() const;
    std::chrono::milliseconds remaining() const;
    // "12 min", in the last minute "45 s"; empty when off.
    QString remainingText() const;
    // "Slaaptimer: 12 min"; empty when off.
    QString statusText() const;

    // Sets (or sets again) the timer to `minutes` from now; 0 or less switches it off.
    Q_INVOKABLE void start(int minutes);
    void startFor(std::chrono::milliseconds duration);
    // Switches the timer off ("Uit").
    Q_INVOKABLE void cancel();

Q_SIGNALS:
    // The timer was set or switched off, or the remaining text changed.
    void changed();
    // The time ran out and playback was paused.
    void ended();

private:
    void tick();
    void scheduleTick();
    void finish();
    void switchOff(const char *why);
    void endFade();

    RadioPlayer *m_player;
    Scheduler *m_scheduler;
    Clock *m_clock;
    std::optional<std::chrono::milliseconds> m_deadline;
    std::chrono::milliseconds m_duration{0};
    bool m_fading = false;
    QString m_shownText;
    // Every tick scheduled carries the generation it was scheduled in; older ones do nothing.
    quint64 m_tickGeneration = 0;
};
