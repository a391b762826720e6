// What scripts ask of the running player (the command line's remote options, over the session
// bus): commands by name and a snapshot of the state. Unlike the media keys these are neither
// debounced nor switched off with them: a script means every command it sends, in order.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class AlarmClock;
class MediaKeyHandler;
class RadioPlayer;
class SleepTimer;
class SongKeeper;
class StationManager;
class TimeshiftBackend;

class ScriptControl : public QObject
{
    Q_OBJECT
public:
    // Everything passed in must outlive this object.
    ScriptControl(RadioPlayer *player, StationManager *stations, MediaKeyHandler *mediaKeys,
                  SleepTimer *sleepTimer, AlarmClock *alarmClock, QObject *parent = nullptr);

    // The rewind buffer that "go-live", "seek-back" and "seek-forward" move in; may stay unset.
    void setTimeshift(TimeshiftBackend *timeshift) { m_timeshift = timeshift; }
    // What "save-song", "save-previous-song" and "record" keep; may stay unset.
    void setSongKeeper(SongKeeper *keeper) { m_songKeeper = keeper; }

    // True for the actions perform() knows.
    static bool isAction(const QString &action);
    // Carries out `action` ("play-pause", "stop", "next", "previous", "station" with a name,
    // "volume" with 0 to 100, "alarm" with {at: an ISO moment, station}, "go-live", "seek-back" and
    // "seek-forward": 30 s in the rewind buffer; "save-song", "save-previous-song", and "record"
    // with the minutes or nothing, which ends a running recording). The refusal in the user's words;
    // empty when taken.
    QString perform(const QString &action, const QVariant &argument);
    // station, url, state (idle, loading, playing, paused, failed), title, volume (0 to 100),
    // sleepTimer (seconds left) only while the sleep timer runs, and alarm ("07:30") while one is
    // set, behindLive (seconds) while it plays behind live, and recording (true) while it records.
    QVariantMap status() const;

private:
    RadioPlayer *m_player;
    StationManager *m_stations;
    MediaKeyHandler *m_mediaKeys;
    SleepTimer *m_sleepTimer;
    AlarmClock *m_alarmClock;
    TimeshiftBackend *m_timeshift = nullptr;
    SongKeeper *m_songKeeper = nullptr;
};
