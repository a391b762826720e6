#include "playback/RadioPlayer.h"

#include "base/Logging.h"
#include "base/Scheduler.h"
#include "base/SettingsStore.h"
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
    : QObject(parent), m_backend(backend), m_settings(settings), m_scheduler(scheduler)
{
    applyVolume(m_settings->doubleValue(SettingsKey::PlayerVolume));

    // The backend reports only on the current stream, on the main thread.
    connect(m_backend, &StreamBackend::ready, this, [this] { handleItemStatus(ItemStatus::ReadyToPlay); });
    connect(m_backend, &StreamBackend::failed, this,
            [this](const QString &error) { handleItemStatus(ItemStatus::Failed, error); });
    connect(m_backend, &StreamBackend::failedWhilePlaying, this,
            [this](const QString &error) { handlePlaybackError(error); });
    connect(m_backend, &StreamBackend::streamTitleChanged, this, &RadioPlayer::streamTitleChanged);
    if (sleepMonitor) {
        connect(sleepMonitor, &SleepMonitor::willSleep, this, &RadioPlayer::handleSleep);
        connect(sleepMonitor, &SleepMonitor::didWake, this, &RadioPlayer::handleWake);
    }
}

RadioPlayer::~RadioPlayer()
{
    saveVolume();
    // Drop the stream's reports; the backend may outlive us.
    disconnect(m_backend, nullptr, this, nullptr);
}

void RadioPlayer::play(const RadioStation &station)
{
    qCInfo(lcPlayer, "Starting playback for station: %s", qUtf8Printable(station.name));
    if (m_failedStations.contains(station.id())) {
        qCCritical(lcPlayer, "Station %s was recently marked as failed, skipping...",
                   qUtf8Printable(station.name));
        if (onPlaybackError)
            onPlaybackError(station);
        return;
    }
    ++m_intentGeneration;
    setCurrentStation(station);
    setErrorMessage(std::nullopt);
    setPlaybackState(PlaybackState::Loading);
    m_backend->start(station.url);
    if (m_audioDeviceUID)
        m_backend->setOutputDevice(m_audioDeviceUID);
    setIsPlaying(true);
    updateNowPlayingInfo();
}

void RadioPlayer::togglePlayPause()
{
    if (!m_currentStation)
        return;
    if (m_isPlaying) {
        qCInfo(lcPlayer, "Pausing playback");
        m_backend->pause();
        setPlaybackState(PlaybackState::Paused);
    } else {
        qCInfo(lcPlayer, "Resuming playback");
        m_backend->resume();
        setPlaybackState(PlaybackState::Playing);
    }
    setIsPlaying(!m_isPlaying);
    updateNowPlayingInfo();
}

void RadioPlayer::stop()
{
    qCInfo(lcPlayer, "Stopping playback");
    ++m_intentGeneration;
    m_backend->pause();
    m_backend->clear();
    setCurrentStation(std::nullopt);
    setIsPlaying(false);
    setPlaybackState(PlaybackState::Idle);
    setErrorMessage(std::nullopt);
    setNowPlaying(std::nullopt);
}

void RadioPlayer::setVolume(double volume)
{
    if (!applyVolume(volume) || m_volumeSavePending)
        return;
    m_volumeSavePending = true;
    m_scheduler->schedule(kVolumeSaveDelay, this, [this] { saveVolume(); });
}

bool RadioPlayer::applyVolume(double volume)
{
    // A hand-edited setting or a remote client must not push the sound server into gain
    // (or NaN); the slider's range is the valid one.
    if (std::isnan(volume))
        return false;
    volume = std::clamp(volume, 0.0, 1.0);
    const bool changed = volume != m_volume;
    m_volume = volume;
    m_backend->setVolume(float(volume));
    if (changed)
        Q_EMIT volumeChanged();
    return changed;
}

void RadioPlayer::saveVolume()
{
    if (!std::exchange(m_volumeSavePending, false))
        return;
    m_settings->setValue(SettingsKey::PlayerVolume, m_volume);
}

void RadioPlayer::setOutputDevice(const std::optional<QString> &uid)
{
    m_audioDeviceUID = uid;
    m_backend->setOutputDevice(uid);
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

void RadioPlayer::handleItemStatus(ItemStatus status, const std::optional<QString> &error)
{
    switch (status) {
    case ItemStatus::Unknown:
        qCDebug(lcPlayer, "Player item status unknown");
        break;
    case ItemStatus::ReadyToPlay:
        qCInfo(lcPlayer, "Player item ready to play");
        setPlaybackState(PlaybackState::Playing);
        setErrorMessage(std::nullopt);
        if (m_currentStation)
            m_failedStations.remove(m_currentStation->id());
        break;
    case ItemStatus::Failed:
        if (!error || !m_currentStation)
            return;
        qCCritical(lcPlayer, "Player item failed: %s", qUtf8Printable(*error));
        setPlaybackState(PlaybackState::failed(*error));
        setIsPlaying(false);
        m_failedStations.insert(m_currentStation->id());
        skipAfterFailure("Attempting to skip to next station due to playback failure");
        break;
    case ItemStatus::Other:
        qCCritical(lcPlayer, "Unknown player item status");
        break;
    }
}

void RadioPlayer::handlePlaybackError(const std::optional<QString> &error)
{
    if (!error)
        return;
    qCCritical(lcPlayer, "Playback error: %s", qUtf8Printable(*error));
    if (!m_currentStation)
        return;
    setPlaybackState(PlaybackState::failed(*error));
    setIsPlaying(false);
    m_failedStations.insert(m_currentStation->id());
    skipAfterFailure("Attempting to skip to next station due to playback interruption");
}

void RadioPlayer::skipAfterFailure(const char *why)
{
    qCInfo(lcPlayer, "%s", why);
    if (onPlaybackError)
        onPlaybackError(*m_currentStation);
}

void RadioPlayer::handleSleep()
{
    m_wasPlayingBeforeSleep = m_isPlaying;
    if (m_isPlaying && m_settings->boolValue(SettingsKey::PauseOnSleep)) {
        m_backend->pause();
        setIsPlaying(false);
    }
}

void RadioPlayer::handleWake()
{
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
            m_backend->resume();
            setIsPlaying(true);
        });
        break;
    case StandbyMode::Restart:
        m_scheduler->schedule(kWakeDelay, this, [this, station, generation = m_intentGeneration] {
            if (generation == m_intentGeneration)
                play(station);
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
    // Every assignment is announced: a new failure must reach the views even after an earlier one.
    m_playbackState = state;
    Q_EMIT playbackStateChanged();
}

void RadioPlayer::updateNowPlayingInfo()
{
    if (!m_currentStation) {
        setNowPlaying(std::nullopt);
        return;
    }
    NowPlayingInfo info;
    info.title = m_currentStation->name;
    info.playbackRate = m_isPlaying ? 1.0 : 0.0;
    setNowPlaying(info);
}

void RadioPlayer::setNowPlaying(const std::optional<NowPlayingInfo> &info)
{
    m_nowPlaying = info;
    if (m_nowPlayingSink)
        m_nowPlayingSink->publishNowPlaying(info);
    Q_EMIT nowPlayingChanged();
}
