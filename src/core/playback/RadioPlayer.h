// The one playback controller: starts, pauses, resumes and stops the station's stream through
// a StreamBackend, rides out a stream that breaks off by reconnecting with back-off, keeps the
// failed-station set, waits for the network instead of skipping while it is known to be down,
// publishes its state, the stream's title and the now-playing entry, and reacts to system sleep
// and wake. Created once by the application; owns nothing it is given.
#pragma once

#include "catalogue/RadioStation.h"
#include "playback/NowPlayingSink.h"
#include "playback/PlaybackState.h"
#include "playback/StationVolumes.h"
#include "playback/StreamFailure.h"

#include <QObject>
#include <QSet>
#include <array>
#include <chrono>
#include <optional>

class NetworkMonitor;
class Scheduler;
class SettingsStore;
class SleepMonitor;
class StreamBackend;

class RadioPlayer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isPlaying READ isPlaying NOTIFY isPlayingChanged)
    Q_PROPERTY(double volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(QString errorMessage READ errorMessageText NOTIFY errorMessageChanged)
    Q_PROPERTY(PlaybackState playbackState READ playbackState NOTIFY playbackStateChanged)
    // For the views: the selection as plain texts, and the state's case.
    Q_PROPERTY(bool hasStation READ hasStation NOTIFY currentStationChanged)
    Q_PROPERTY(QString currentStationName READ currentStationName NOTIFY currentStationChanged)
    Q_PROPERTY(QString currentStationUrl READ currentStationUrl NOTIFY currentStationChanged)
    Q_PROPERTY(QString currentStationLogo READ currentStationLogo NOTIFY currentStationChanged)
    Q_PROPERTY(int state READ stateKind NOTIFY playbackStateChanged)
    // The stream's own title (what is on the air), clean plain text; empty when it has none.
    Q_PROPERTY(QString streamTitle READ streamTitle NOTIFY streamTitleChanged)
public:
    // What a stream reports about itself.
    enum class ItemStatus { Unknown, ReadyToPlay, Failed, Other };

    static inline const QString NoWorkingStationsMessage =
        QStringLiteral(QT_TR_NOOP("Geen werkende stations beschikbaar"));
    static inline const QString NoNetworkMessage = QStringLiteral(QT_TR_NOOP("Geen netwerkverbinding"));

    // Who asked for a station: the user (panel, tray menu, media controls, command line), whose
    // choice is tried even when it failed before, or the playback sequence, which passes over failed
    // stations.
    enum class Choice { User, Automatic };

    // The waits before each reconnect of a stream that broke off; when the last one fails too,
    // the station counts as failed. About 10 s in all, connection attempts included.
    static constexpr std::array<std::chrono::milliseconds, 4> reconnectDelays{
        std::chrono::milliseconds(500), std::chrono::milliseconds(1000), std::chrono::milliseconds(2000),
        std::chrono::milliseconds(4000)};
    // A reconnected stream that plays this long starts the back-off afresh: a server that hangs
    // up every few seconds is ridden out, one that breaks off at once is not retried for ever.
    static constexpr std::chrono::milliseconds stablePlay{2000};

    // `sleepMonitor` may be null (no sleep handling). Everything passed in must outlive the player,
    // which saves a volume change still pending when it goes.
    RadioPlayer(StreamBackend *backend, SettingsStore *settings, Scheduler *scheduler,
                SleepMonitor *sleepMonitor = nullptr, QObject *parent = nullptr);
    ~RadioPlayer() override;

    const std::optional<RadioStation> &currentStation() const { return m_currentStation; }
    bool hasStation() const { return m_currentStation.has_value(); }
    QString currentStationName() const { return m_currentStation ? m_currentStation->name : QString(); }
    QString currentStationUrl() const { return m_currentStation ? m_currentStation->url : QString(); }
    // The station's logo address, empty when it has none.
    QString currentStationLogo() const { return m_currentStation ? m_currentStation->logoUrl : QString(); }
    int stateKind() const { return m_playbackState.kind(); }
    bool isPlaying() const { return m_isPlaying; }
    double volume() const { return m_volume; }
    const std::optional<QString> &errorMessage() const { return m_errorMessage; }
    // The message in the user's language; errorMessage() is the Dutch source text.
    QString errorMessageText() const;
    PlaybackState playbackState() const { return m_playbackState; }
    const std::optional<QString> &audioDeviceUID() const { return m_audioDeviceUID; }
    const QSet<QString> &failedStations() const { return m_failedStations; }
    bool wasPlayingBeforeSleep() const { return m_wasPlayingBeforeSleep; }
    const NowPlayingInfo &nowPlayingInfo() const { return m_nowPlaying; }
    const QString &streamTitle() const { return m_streamTitle; }
    // A stream exists for the current station (started and not failed since).
    bool hasStream() const { return m_streamAlive; }
    // Counts the user's decisions (a stream started, a stop). A delayed play scheduled before
    // the latest one is stale: it must not undo what the user did since.
    quint64 intentGeneration() const { return m_intentGeneration; }

    void play(const RadioStation &station, Choice choice = Choice::User);
    Q_INVOKABLE void playStation(const QString &name, const QString &url) { play(RadioStation(name, url)); }
    Q_INVOKABLE void togglePlayPause();
    Q_INVOKABLE void stop();
    // Pauses as the program's own decision (the sleep timer): a normal pause to every view and
    // to the media controls, which also keeps a wake or the network coming back from starting
    // the stream again. Does nothing to a player that is stopped or already paused.
    void pause();
    // The user's volume: applies at once. While a station plays it is that station's: its offset
    // from the general volume is stored (under "stationVolumes", by URL) and applied the next
    // time it plays, while `volume` starts every play at the general volume again. Otherwise
    // it is the general volume ("playerVolume"). Either is stored within a second.
    void setVolume(double volume);
    // Stores a volume change that is still waiting for its second (at quit).
    void saveVolume();
    double generalVolume() const { return m_generalVolume; }
    // The current station's offset from the general volume, in dB, as it was when it started.
    double stationGainDb() const { return m_stationGainDb; }
    // The range of a station's offset.
    static constexpr double minStationGainDb = -40.0;
    static constexpr double maxStationGainDb = 20.0;
    // Scales what the backend plays at (0 to 1, for a fade) without touching the volume the user
    // set, which is what is shown and saved.
    void setFadeLevel(double level);
    double fadeLevel() const { return m_fadeLevel; }
    void setOutputDevice(const std::optional<QString> &uid);
    void setErrorMessage(const std::optional<QString> &message);

    // Receives every now-playing snapshot; may be set later, and is then brought up to date.
    void setNowPlayingSink(NowPlayingSink *sink);
    // Without one (or while it does not know) failures skip as if the network were up.
    void setNetworkMonitor(NetworkMonitor *monitor);

    void handleItemStatus(ItemStatus status, const std::optional<StreamFailure> &failure = std::nullopt);
    // A stream that had started broke off. Without a failure there is nothing to act on.
    void handlePlaybackError(const std::optional<StreamFailure> &failure);
    void handleSleep();
    void handleWake();
    // Lets the system sleep once the pause asked for at sleep is done (or cannot happen).
    void releaseSleep();

Q_SIGNALS:
    void currentStationChanged();
    void isPlayingChanged();
    void volumeChanged();
    void errorMessageChanged();
    void playbackStateChanged();
    void nowPlayingChanged();
    // The stream announced a title of its own (ICY, HLS), or it went with the station ("").
    void streamTitleChanged(const QString &title);
    // The user paused or stopped playback (not a failure, not system sleep, not pause()).
    void pausedByUser();
    // The one announcement that something else should play (PlaybackSequence decides what):
    // `station` failed for `failure` (the drop recovery gave up, or it did not start), or, with
    // nullopt, it was asked for automatically and passed over as marked failed before.
    void stationFailed(const RadioStation &station, const std::optional<StreamFailure> &failure);

public:
    // Tells the media controls again what is on the air: the playing station's logo arrived.
    void refreshNowPlaying() { publishNowPlaying(); }

private:
    void setCurrentStation(const std::optional<RadioStation> &station);
    void setIsPlaying(bool playing);
    void setPlaybackState(const PlaybackState &state);
    void publishNowPlaying();
    void setStreamTitle(const QString &title);
    // Starts the current station's stream afresh as the user's choice (play, resume after a
    // failure, the network coming back).
    void restartCurrent();
    void startStream();
    void pauseStream();
    void fail(const StreamFailure &failure, const char *why);
    void skipAfterFailure(const char *why, const StreamFailure &failure);
    void reconnectOrFail(const StreamFailure &failure);
    void waitForNetwork(const StreamFailure &failure);
    void onReachabilityChanged();
    bool isOffline() const;
    // True when the volume changed.
    bool applyVolume(double volume);
    // What the backend plays at: the volume, the station's offset and the fade.
    void applyToBackend();
    // At a station's start: the volume returns to the general one, the station's offset applies.
    void startStationVolume();

    StreamBackend *m_backend;
    SettingsStore *m_settings;
    Scheduler *m_scheduler;
    SleepMonitor *m_sleepMonitor;
    bool m_holdingSleep = false; // a hold on m_sleepMonitor until the backend has paused
    NowPlayingSink *m_nowPlayingSink = nullptr;

    std::optional<RadioStation> m_currentStation;
    bool m_isPlaying = false;
    double m_volume = 0.5;          // shown and set by the user
    double m_generalVolume = 0.5;   // what every play starts at
    double m_stationGainDb = 0.0;   // the current station's stored offset when it started
    double m_stationOffsetDb = 0.0; // ... and with the user's changes since
    double m_fadeLevel = 1.0;
    StationVolumes m_stationVolumes;
    bool m_volumeSavePending = false;
    bool m_generalVolumeChanged = false;
    std::optional<std::pair<QString, double>> m_pendingStationGain; // URL, dB
    std::optional<QString> m_errorMessage;
    PlaybackState m_playbackState;
    std::optional<QString> m_audioDeviceUID;
    bool m_wasPlayingBeforeSleep = false;
    QSet<QString> m_failedStations;
    NowPlayingInfo m_nowPlaying;
    quint64 m_intentGeneration = 0;
    NetworkMonitor *m_network = nullptr;
    bool m_wasOffline = false;
    QString m_streamTitle;
    bool m_streamAlive = false; // the backend holds a stream of the current station
    bool m_streamReady = false; // ... and it reported ready
    // Increases with every stream started and with stop(); delayed work for an older stream
    // does nothing.
    quint64 m_connection = 0;
    bool m_reconnecting = false;      // a stream broke off and is being started again
    int m_reconnectAttempts = 0;      // since the back-off last started afresh
    bool m_waitingForNetwork = false; // failed while offline; starts again when it is back
};
