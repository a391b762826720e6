// The one playback controller: starts, pauses, resumes and stops the station's stream through
// a StreamBackend, keeps the failed-station set, publishes its state and the now-playing entry,
// and reacts to system sleep and wake. Created once by the application; owns nothing it is given.
#pragma once

#include "catalogue/RadioStation.h"
#include "playback/NowPlayingSink.h"
#include "playback/PlaybackState.h"

#include <QObject>
#include <QSet>
#include <functional>
#include <optional>

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
    Q_PROPERTY(int state READ stateKind NOTIFY playbackStateChanged)
public:
    // What a stream reports about itself.
    enum class ItemStatus { Unknown, ReadyToPlay, Failed, Other };

    static inline const QString NoWorkingStationsMessage =
        QStringLiteral("Geen werkende stations beschikbaar");

    // `sleepMonitor` may be null (no sleep handling). Everything passed in must outlive the player,
    // which saves a volume change still pending when it goes.
    RadioPlayer(StreamBackend *backend, SettingsStore *settings, Scheduler *scheduler,
                SleepMonitor *sleepMonitor = nullptr, QObject *parent = nullptr);
    ~RadioPlayer() override;

    const std::optional<RadioStation> &currentStation() const { return m_currentStation; }
    bool hasStation() const { return m_currentStation.has_value(); }
    QString currentStationName() const { return m_currentStation ? m_currentStation->name : QString(); }
    QString currentStationUrl() const { return m_currentStation ? m_currentStation->url : QString(); }
    int stateKind() const { return m_playbackState.kind(); }
    bool isPlaying() const { return m_isPlaying; }
    double volume() const { return m_volume; }
    const std::optional<QString> &errorMessage() const { return m_errorMessage; }
    QString errorMessageText() const { return m_errorMessage.value_or(QString()); }
    PlaybackState playbackState() const { return m_playbackState; }
    const std::optional<QString> &audioDeviceUID() const { return m_audioDeviceUID; }
    const QSet<QString> &failedStations() const { return m_failedStations; }
    bool wasPlayingBeforeSleep() const { return m_wasPlayingBeforeSleep; }
    const std::optional<NowPlayingInfo> &nowPlayingInfo() const { return m_nowPlaying; }
    // Counts the user's decisions (a stream started, a stop). A delayed play scheduled before
    // the latest one is stale: it must not undo what the user did since.
    quint64 intentGeneration() const { return m_intentGeneration; }

    void play(const RadioStation &station);
    Q_INVOKABLE void playStation(const QString &name, const QString &url) { play(RadioStation(name, url)); }
    Q_INVOKABLE void togglePlayPause();
    Q_INVOKABLE void stop();
    // Applies at once; stored under "playerVolume" within a second.
    void setVolume(double volume);
    void setOutputDevice(const std::optional<QString> &uid);
    void setErrorMessage(const std::optional<QString> &message);

    // Called with the station that failed or was skipped; decides what plays next.
    std::function<void(const RadioStation &)> onPlaybackError;
    // Receives every now-playing entry; may be set later, and is then brought up to date.
    void setNowPlayingSink(NowPlayingSink *sink);

    void handleItemStatus(ItemStatus status, const std::optional<QString> &error = std::nullopt);
    // A stream that had started broke off. Without an error there is nothing to act on.
    void handlePlaybackError(const std::optional<QString> &error);
    void handleSleep();
    void handleWake();

Q_SIGNALS:
    void currentStationChanged();
    void isPlayingChanged();
    void volumeChanged();
    void errorMessageChanged();
    void playbackStateChanged();
    void nowPlayingChanged();
    // The stream announced a title of its own (ICY); for the media controls.
    void streamTitleChanged(const QString &title);

private:
    void setCurrentStation(const std::optional<RadioStation> &station);
    void setIsPlaying(bool playing);
    void setPlaybackState(const PlaybackState &state);
    void updateNowPlayingInfo();
    void setNowPlaying(const std::optional<NowPlayingInfo> &info);
    void skipAfterFailure(const char *why);
    // True when the volume changed.
    bool applyVolume(double volume);
    void saveVolume();

    StreamBackend *m_backend;
    SettingsStore *m_settings;
    Scheduler *m_scheduler;
    NowPlayingSink *m_nowPlayingSink = nullptr;

    std::optional<RadioStation> m_currentStation;
    bool m_isPlaying = false;
    double m_volume = 0.5;
    bool m_volumeSavePending = false;
    std::optional<QString> m_errorMessage;
    PlaybackState m_playbackState;
    std::optional<QString> m_audioDeviceUID;
    bool m_wasPlayingBeforeSleep = false;
    QSet<QString> m_failedStations;
    std::optional<NowPlayingInfo> m_nowPlaying;
    quint64 m_intentGeneration = 0;
};
