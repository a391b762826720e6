#include "playback/RadioPlayer.h"

#include "catalogue/StationLogo.h"

#include "base/Logging.h"
#include "base/MainThread.h"
#include "base/NetworkText.h"
#include "base/Scheduler.h"
#include "base/SettingsStore.h"
#include "base/Translations.h"
#include "playback/NetworkMonitor.h"
#include "playback/SleepMonitor.h"
#include "playback/StandbyMode.h"
#include "playback/StreamBackend.h"

#include <cmath>

using namespace std::chrono_literals;

namespace {
// Give the network and the sound server a moment after wake before touching the stream.
constexpr auto kWakeDelay = 1500ms;
// A slider drag or a scroll on the tray icon sends dozens of volumes a second; the settings file
// is written at most once a second (and at quit), with the latest.
constexpr auto kVolumeSaveDelay = 1000ms;
} // namespace

RadioPlayer::RadioPlayer(StreamBackend *backend, SettingsStore *settings, Scheduler *scheduler,
                         SleepMonitor *sleepMonitor, QObject *parent)
    : QObject(parent), m_backend(backend), m_settings(settings), m_scheduler(scheduler),
      m_sleepMonitor(sleepMonitor),
      m_stationVolumes(settings, SettingsKey::StationVolumes, minStationGainDb, maxStationGainDb)
{
    applyVolume(m_settings->doubleValue(SettingsKey::PlayerVolume));
    m_generalVolume = m_volume;

    // The backend reports only on the current stream, on the main thread.
    connect(m_backend, &StreamBackend::ready, this, [this] { handleItemStatus(ItemStatus::ReadyToPlay); });
    connect(m_backend, &StreamBackend::failed, this, [this](const StreamFailure &failure) {
        releaseSleep();
        handleItemStatus(ItemStatus::Failed, failure);
    });
    connect(m_backend, &StreamBackend::failedWhilePlaying, this, [this](const StreamFailure &failure) {
        releaseSleep();
        handlePlaybackError(failure);
    });
    connect(m_backend, &StreamBackend::paused, this, &RadioPlayer::releaseSleep);
    connect(m_backend, &StreamBackend::streamTitleChanged, this, [this](const QString &title) {
        if (m_currentStation)
            setStreamTitle(title);
    });
    // One snapshot for the media controls, whichever part changes.
    for (auto signal : {&RadioPlayer::isPlayingChanged, &RadioPlayer::playbackStateChanged,
                        &RadioPlayer::volumeChanged, &RadioPlayer::currentStationChanged})
        connect(this, signal, this, &RadioPlayer::publishNowPlaying);
    connect(this, &RadioPlayer::streamTitleChanged, this, &RadioPlayer::publishNowPlaying);
    if (sleepMonitor) {
        connect(sleepMonitor, &SleepMonitor::willSleep, this, &RadioPlayer::handleSleep);
        connect(sleepMonitor, &SleepMonitor::didWake, this, &RadioPlayer::handleWake);
    }
    publishNowPlaying(); // the stored volume
}

RadioPlayer::~RadioPlayer()
{
    saveVolume();
    // Drop the stream's reports; the backend may outlive us.
    disconnect(m_backend, nullptr, this, nullptr);
}

void RadioPlayer::setNetworkMonitor(NetworkMonitor *monitor)
{
    if (m_network)
        disconnect(m_network, nullptr, this, nullptr);
    m_network = monitor;
    if (m_network) {
        m_wasOffline = isOffline();
        connect(m_network, &NetworkMonitor::reachabilityChanged, this, &RadioPlayer::onReachabilityChanged);
    }
}

void RadioPlayer::play(const RadioStation &station, Choice choice)
{
    qCInfo(lcPlayer, "Starting playback for station: %s", qUtf8Printable(station.name));
    if (m_failedStations.contains(station.id())) {
        if (choice == Choice::Automatic) {
            qCCritical(lcPlayer, "Station %s was recently marked as failed, skipping...",
                       qUtf8Printable(station.name));
            Q_EMIT stationFailed(station, std::nullopt);
            return;
        }
        // A station the user picks is tried again: after a short outage every station may be
        // marked, and the user's choice must not be refused for the rest of the run.
        qCInfo(lcPlayer, "Station %s failed before; trying it again as chosen", qUtf8Printable(station.name));
    }
    const bool sameStation = m_currentStation && m_currentStation->id() == station.id();
    setCurrentStation(station);
    startStationVolume();
    if (!sameStation)
        setStreamTitle(QString());
    restartCurrent();
}

void RadioPlayer::restartCurrent()
{
    ++m_intentGeneration;
    m_waitingForNetwork = false;
    m_reconnecting = false;
    m_reconnectAttempts = 0;
    setErrorMessage(std::nullopt);
    startStream();
}

void RadioPlayer::startStream()
{
    ++m_connection;
    m_streamAlive = true;
    m_streamReady = false;
    setPlaybackState(PlaybackState::Loading);
    m_backend->start(m_currentStation->url);
    // The network is watched from the first stream on; an idle tray does not pay for it. Loading
    // the network library waits until the stream is on its way, not in front of it.
    if (m_network)
        m_network->activate();
    if (m_audioDeviceUID)
        m_backend->setOutputDevice(m_audioDeviceUID);
    setIsPlaying(true);
}

void RadioPlayer::togglePlayPause()
{
    if (!m_currentStation)
        return;
    if (m_isPlaying) {
        pauseStream();
        Q_EMIT pausedByUser();
    } else {
        qCInfo(lcPlayer, "Resuming playback");
        if (m_streamAlive) {
            m_backend->resume();
            setPlaybackState(m_streamReady ? PlaybackState::Playing : PlaybackState::Loading);
            setIsPlaying(true);
        } else {
            // Nothing to resume (the stream failed or broke off): start the station again, so
            // that the player never reports playing without a stream.
            restartCurrent();
            return;
        }
    }
}

void RadioPlayer::pauseStream()
{
    qCInfo(lcPlayer, "Pausing playback");
    m_reconnecting = false; // a pending reconnect is not carried out while paused
    m_backend->pause();
    setPlaybackState(PlaybackState::Paused);
    setIsPlaying(false);
}

void RadioPlayer::pause()
{
    ++m_intentGeneration;
    m_wasPlayingBeforeSleep = false;
    m_waitingForNetwork = false;
    if (!m_currentStation)
        return;
    if (m_isPlaying) {
        pauseStream();
    } else if (m_playbackState.kind() == PlaybackState::Playing ||
               m_playbackState.kind() == PlaybackState::Loading) {
        // Paused for system sleep: now it stays paused, and says so.
        m_reconnecting = false;
        setPlaybackState(PlaybackState::Paused);
    } else {
        return;
    }
}

void RadioPlayer::stop()
{
    qCInfo(lcPlayer, "Stopping playback");
    ++m_intentGeneration;
    ++m_connection;
    m_reconnecting = false;
    m_waitingForNetwork = false;
    m_streamAlive = false;
    m_streamReady = false;
    m_backend->pause();
    m_backend->clear();
    setCurrentStation(std::nullopt);
    setIsPlaying(false);
    startStationVolume();
    setPlaybackState(PlaybackState::Idle);
    setErrorMessage(std::nullopt);
    setStreamTitle(QString());
    Q_EMIT pausedByUser();
}

void RadioPlayer::setVolume(double volume)
{
    if (!applyVolume(volume))
        return;
    // A change while a station plays is meant for that station (they differ by 10 dB and more);
    // the general volume below it stays for the others. Without a general volume to measure
    // from, the change can only be the general one; a mute is not a station's level.
    if (m_currentStation && m_isPlaying && m_generalVolume > 0.0) {
        if (m_volume <= 0.0)
            return;
        m_stationOffsetDb =
            std::clamp(m_stationGainDb + 20.0 * std::log10(std::max(m_volume, 1e-6) / m_generalVolume),
                       minStationGainDb, maxStationGainDb);
        m_pendingStationGain = std::make_pair(m_currentStation->url, m_stationOffsetDb);
    } else {
        m_generalVolume = m_volume;
        m_generalVolumeChanged = true;
        // The station's latest offset now stands on the new general volume.
        m_stationGainDb = m_stationOffsetDb;
        applyToBackend();
    }
    if (m_volumeSavePending)
        return;
    m_volumeSavePending = true;
    m_scheduler->schedule(kVolumeSaveDelay, this, [this] { saveVolume(); });
}

bool RadioPlayer::applyVolume(double volume)
{
    MainThread::check(Q_FUNC_INFO);
    // A hand-edited setting or a remote client must not push the sound server into gain
    // (or NaN); the slider's range is the valid one.
    if (std::isnan(volume))
        return false;
    volume = std::clamp(volume, 0.0, 1.0);
    const bool changed = volume != m_volume;
    m_volume = volume;
    applyToBackend();
    if (changed)
        Q_EMIT volumeChanged();
    return changed;
}

void RadioPlayer::applyToBackend()
{
    const double gain = std::pow(10.0, m_stationGainDb / 20.0);
    m_backend->setVolume(float(std::min(m_volume * gain, 1.0) * m_fadeLevel));
}

void RadioPlayer::startStationVolume()
{
    saveVolume(); // a pending offset belongs to the station that played
    m_stationGainDb = m_currentStation ? m_stationVolumes.gainDb(m_currentStation->url) : 0.0;
    m_stationOffsetDb = m_stationGainDb;
    if (m_volume != m_generalVolume) {
        m_volume = m_generalVolume;
        Q_EMIT volumeChanged();
    }
    applyToBackend();
}

void RadioPlayer::setFadeLevel(double level)
{
    if (std::isnan(level))
        return;
    m_fadeLevel = std::clamp(level, 0.0, 1.0);
    applyToBackend();
}

void RadioPlayer::saveVolume()
{
    if (!std::exchange(m_volumeSavePending, false))
        return;
    if (std::exchange(m_generalVolumeChanged, false))
        m_settings->setValue(SettingsKey::PlayerVolume, m_generalVolume);
    if (const auto pending = std::exchange(m_pendingStationGain, std::nullopt))
        m_stationVolumes.setGainDb(pending->first, pending->second);
}

void RadioPlayer::setOutputDevice(const std::optional<QString> &uid)
{
    m_audioDeviceUID = uid;
    m_backend->setOutputDevice(uid);
}

QString RadioPlayer::errorMessageText() const
{
    return m_errorMessage ? Translations::text("RadioPlayer", *m_errorMessage) : QString();
}

void RadioPlayer::setErrorMessage(const std::optional<QString> &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}

void RadioPlayer::setNowPlayingSink(NowPlayingSink *sink)
{
    m_nowPlayingSink = sink;
    if (m_nowPlayingSink)
        m_nowPlayingSink->publishNowPlaying(m_nowPlaying);
}

void RadioPlayer::handleItemStatus(ItemStatus status, const std::optional<StreamFailure> &failure)
{
    switch (status) {
    case ItemStatus::Unknown:
        qCDebug(lcPlayer, "Player item status unknown");
        break;
    case ItemStatus::ReadyToPlay: {
        qCInfo(lcPlayer, "Player item ready to play");
        m_streamReady = true;
        if (m_reconnecting && m_currentStation)
            qCInfo(lcPlayer, "Reconnected to %s", qUtf8Printable(m_currentStation->name));
        m_reconnecting = false;
        setPlaybackState(PlaybackState::Playing);
        setErrorMessage(std::nullopt);
        if (m_currentStation)
            m_failedStations.remove(m_currentStation->id());
        m_scheduler->schedule(stablePlay, this, [this, connection = m_connection] {
            if (connection == m_connection && m_streamReady)
                m_reconnectAttempts = 0;
        });
        break;
    }
    case ItemStatus::Failed: {
        if (!failure || !m_currentStation)
            return;
        qCCritical(lcPlayer, "Player item failed: %s", qUtf8Printable(failure->logText()));
        m_streamAlive = false;
        m_streamReady = false;
        if (isOffline())
            waitForNetwork(*failure);
        else if (m_reconnecting)
            reconnectOrFail(*failure);
        else
            fail(*failure, "Attempting to skip to next station due to playback failure");
        break;
    }
    case ItemStatus::Other:
        qCCritical(lcPlayer, "Unknown player item status");
        break;
    }
}

void RadioPlayer::handlePlaybackError(const std::optional<StreamFailure> &failure)
{
    if (!failure)
        return;
    qCCritical(lcPlayer, "Playback error: %s", qUtf8Printable(failure->logText()));
    if (!m_currentStation)
        return;
    m_streamAlive = false;
    m_streamReady = false;
    if (isOffline())
        waitForNetwork(*failure);
    else
        reconnectOrFail(*failure);
}

void RadioPlayer::reconnectOrFail(const StreamFailure &failure)
{
    if (m_reconnectAttempts >= int(reconnectDelays.size())) {
        qCWarning(lcPlayer, "Could not reconnect to %s", qUtf8Printable(m_currentStation->name));
        fail(failure, "Attempting to skip to next station due to playback interruption");
        return;
    }
    const std::chrono::milliseconds delay = reconnectDelays[m_reconnectAttempts++];
    m_reconnecting = true;
    qCInfo(lcPlayer, "Stream broke off (%s); reconnecting to %s in %lld ms, attempt %d of %d",
           qUtf8Printable(failure.logText()), qUtf8Printable(m_currentStation->name),
           qlonglong(delay.count()), m_reconnectAttempts, int(reconnectDelays.size()));
    setPlaybackState(PlaybackState::Loading);
    m_scheduler->schedule(delay, this, [this, connection = m_connection] {
        if (connection == m_connection && m_reconnecting && m_currentStation)
            startStream();
    });
}

void RadioPlayer::fail(const StreamFailure &failure, const char *why)
{
    m_reconnecting = false;
    setPlaybackState(PlaybackState::failed(failure));
    setIsPlaying(false);
    m_failedStations.insert(m_currentStation->id());
    skipAfterFailure(why, failure);
}

void RadioPlayer::skipAfterFailure(const char *why, const StreamFailure &failure)
{
    qCInfo(lcPlayer, "%s", why);
    const RadioStation station = *m_currentStation;
    Q_EMIT stationFailed(station, failure);
}

void RadioPlayer::waitForNetwork(const StreamFailure &failure)
{
    // Walking the catalogue while offline would only mark every station; keep the chosen one
    // and start it again when the network is back.
    qCWarning(lcPlayer, "No network connection; %s starts again when it is back",
              qUtf8Printable(m_currentStation->name));
    m_reconnecting = false;
    m_waitingForNetwork = true;
    setPlaybackState(PlaybackState::failed(failure));
    setIsPlaying(false);
    setErrorMessage(NoNetworkMessage);
}

bool RadioPlayer::isOffline() const
{
    return m_network && m_network->reachability() == NetworkMonitor::Reachability::Offline;
}

void RadioPlayer::onReachabilityChanged()
{
    const bool offline = isOffline();
    const bool cameBack = m_wasOffline && !offline;
    m_wasOffline = offline;
    if (!cameBack)
        return;
    // What failed while the network was down says nothing about the stations.
    if (!m_failedStations.isEmpty()) {
        qCInfo(lcPlayer, "Network connection is back; forgetting %lld failed station(s)",
               qlonglong(m_failedStations.size()));
        m_failedStations.clear();
    }
    if (m_waitingForNetwork && m_currentStation) {
        qCInfo(lcPlayer, "Network connection is back; starting %s again",
               qUtf8Printable(m_currentStation->name));
        restartCurrent();
    } else if (m_errorMessage == NoNetworkMessage) {
        setErrorMessage(std::nullopt);
    }
}

void RadioPlayer::handleSleep()
{
    m_wasPlayingBeforeSleep = m_isPlaying;
    if (m_isPlaying && m_settings->boolValue(SettingsKey::PauseOnSleep)) {
        // The backend pauses on a thread of its own (and not at all during a stream's first
        // second): the system waits until it reports the pause, which may come inside pause().
        if (m_sleepMonitor && m_streamAlive && !m_reconnecting && !m_holdingSleep) {
            m_holdingSleep = true;
            m_sleepMonitor->holdSleep();
        }
        m_backend->pause();
        if (m_reconnecting) {
            // No reconnect while asleep; nothing is loading any more.
            m_reconnecting = false;
            setPlaybackState(PlaybackState::Paused);
        }
        setIsPlaying(false);
    }
}

void RadioPlayer::releaseSleep()
{
    if (!m_holdingSleep)
        return;
    m_holdingSleep = false;
    m_sleepMonitor->releaseSleep();
}

void RadioPlayer::handleWake()
{
    m_holdingSleep = false;
    const QJsonValue pauseOnSleep = m_settings->value(SettingsKey::PauseOnSleep);
    if (pauseOnSleep.isBool() && !pauseOnSleep.toBool())
        return;
    if (!m_wasPlayingBeforeSleep || !m_currentStation)
        return;
    const RadioStation station = *m_currentStation;
    const StandbyMode mode = StandbyModes::fromRawValue(m_settings->stringValue(SettingsKey::StandbyMode))
                                 .value_or(StandbyMode::Restart);
    switch (mode) {
    case StandbyMode::None:
        break;
    case StandbyMode::Resume:
        m_scheduler->schedule(kWakeDelay, this, [this, generation = m_intentGeneration] {
            if (generation != m_intentGeneration)
                return;
            if (!m_streamAlive) {
                // The stream did not survive the sleep: nothing to resume but the station.
                restartCurrent();
                return;
            }
            m_backend->resume();
            setIsPlaying(true);
        });
        break;
    case StandbyMode::Restart:
        m_scheduler->schedule(kWakeDelay, this, [this, station, generation = m_intentGeneration] {
            // Not the user's choice but the player's: a station marked meanwhile is passed over.
            if (generation == m_intentGeneration)
                play(station, Choice::Automatic);
        });
        break;
    }
}

void RadioPlayer::setCurrentStation(const std::optional<RadioStation> &station)
{
    m_currentStation = station;
    Q_EMIT currentStationChanged();
}

void RadioPlayer::setIsPlaying(bool playing)
{
    m_isPlaying = playing;
    Q_EMIT isPlayingChanged();
}

void RadioPlayer::setPlaybackState(const PlaybackState &state)
{
    MainThread::check(Q_FUNC_INFO);
    // Every assignment is announced: a new failure must reach the views even after an earlier one.
    m_playbackState = state;
    Q_EMIT playbackStateChanged();
}

void RadioPlayer::setStreamTitle(const QString &title)
{
    const QString clean = NetworkText::clean(title);
    if (clean == m_streamTitle)
        return;
    m_streamTitle = clean;
    Q_EMIT streamTitleChanged(m_streamTitle);
}

void RadioPlayer::publishNowPlaying()
{
    NowPlayingInfo info;
    if (m_currentStation) {
        info.stationName = m_currentStation->name;
        info.url = m_currentStation->url;
        info.streamTitle = m_streamTitle;
        info.artFile = StationLogo::cachedFile(m_currentStation->logoUrl);
        if (m_playbackState.kind() != PlaybackState::Failed)
            info.status = m_isPlaying ? NowPlayingInfo::Status::Playing : NowPlayingInfo::Status::Paused;
    }
    info.volume = m_volume;
    if (info == m_nowPlaying)
        return;
    m_nowPlaying = info;
    if (m_nowPlayingSink)
        m_nowPlayingSink->publishNowPlaying(info);
    Q_EMIT nowPlayingChanged();
}
