#include "mediakeys/MediaKeyHandler.h"

#include "base/Logging.h"
#include "base/Scheduler.h"
#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "catalogue/StationWalk.h"
#include "playback/PlaybackSequence.h"
#include "playback/RadioPlayer.h"

#include <QPointer>

MediaKeyHandler::MediaKeyHandler(RadioPlayer *player, StationManager *stationManager,
                                 PlaybackSequence *sequence, RemoteCommandCenter *commandCenter,
                                 SettingsStore *settings, Clock *clock, QObject *parent)
    : QObject(parent), m_player(player), m_stationManager(stationManager), m_sequence(sequence),
      m_commandCenter(commandCenter), m_settings(settings), m_clock(clock)
{
    m_isEnabled = m_settings->boolValue(SettingsKey::EnableMediaKeys);
    if (m_isEnabled)
        setupRemoteCommands();
    connect(m_settings, &SettingsStore::changed, this, &MediaKeyHandler::updateEnabledState);
}

MediaKeyHandler::~MediaKeyHandler()
{
    disableRemoteCommands();
}

std::optional<RadioStation> MediaKeyHandler::nextStation(const RadioStation &station) const
{
    return StationWalk::nextStation(m_stationManager->categories(), station);
}

std::optional<RadioStation> MediaKeyHandler::previousStation(const RadioStation &station) const
{
    return StationWalk::previousStation(m_stationManager->categories(), station);
}

bool MediaKeyHandler::shouldProcessCommand()
{
    const auto now = m_clock->now();
    if (!m_lastCommandTime || now - *m_lastCommandTime > commandDebounceInterval) {
        m_lastCommandTime = now;
        return true;
    }
    qCDebug(lcMediaKeys, "Command ignored (debounced)");
    return false;
}

void MediaKeyHandler::playOrStartFirst()
{
    if (m_player->currentStation()) {
        m_player->togglePlayPause();
        return;
    }
    const Catalogue &categories = m_stationManager->categories();
    if (!categories.isEmpty() && !categories.first().stations.isEmpty())
        m_player->play(categories.first().stations.first());
}

void MediaKeyHandler::updateEnabledState()
{
    const bool enabled = m_settings->boolValue(SettingsKey::EnableMediaKeys);
    if (enabled == m_isEnabled)
        return;
    m_isEnabled = enabled;
    if (enabled) {
        qCInfo(lcMediaKeys, "Media keys enabled");
        setupRemoteCommands();
    } else {
        qCInfo(lcMediaKeys, "Media keys disabled");
        disableRemoteCommands();
    }
}

void MediaKeyHandler::setupRemoteCommands()
{
    for (RemoteCommand command : RemoteCommandCenter::allCommands)
        m_commandCenter->removeAllTargets(command);
    for (RemoteCommand command : RemoteCommandCenter::allCommands) {
        m_commandCenter->setEnabled(command, true);
        m_commandCenter->addTarget(
            command, [self = QPointer<MediaKeyHandler>(this)](const RemoteRequest &request) {
                return self ? self->handle(request) : RemoteAnswer{RemoteCommandStatus::CommandFailed, {}};
            });
    }
    qCInfo(lcMediaKeys, "Remote command center configured");
}

void MediaKeyHandler::disableRemoteCommands()
{
    for (RemoteCommand command : RemoteCommandCenter::allCommands)
        m_commandCenter->removeAllTargets(command);
    for (RemoteCommand command : RemoteCommandCenter::allCommands)
        m_commandCenter->setEnabled(command, false);
}

RemoteAnswer MediaKeyHandler::handle(const RemoteRequest &request)
{
    if (!shouldProcessCommand())
        return {RemoteCommandStatus::CommandFailed, {}};
    return perform(request);
}

RemoteAnswer MediaKeyHandler::perform(const RemoteRequest &request)
{
    const RemoteCommand command = request.command;
    const std::optional<RadioStation> current = m_player->currentStation();
    switch (command) {
    case RemoteCommand::Play:
        qCInfo(lcMediaKeys, "Remote command: Play");
        if (current && !m_player->isPlaying())
            m_player->togglePlayPause();
        else if (!current)
            playOrStartFirst();
        break;
    case RemoteCommand::Pause:
        qCInfo(lcMediaKeys, "Remote command: Pause");
        if (m_player->isPlaying())
            m_player->togglePlayPause();
        break;
    case RemoteCommand::TogglePlayPause:
        qCInfo(lcMediaKeys, "Remote command: Toggle Play/Pause");
        playOrStartFirst();
        break;
    case RemoteCommand::NextTrack:
    case RemoteCommand::PreviousTrack: {
        const bool next = command == RemoteCommand::NextTrack;
        qCInfo(lcMediaKeys, next ? "Remote command: Next" : "Remote command: Previous");
        if (!current) {
            playOrStartFirst();
            break;
        }
        if (const auto target = next ? nextStation(*current) : previousStation(*current))
            m_player->play(*target);
        break;
    }
    case RemoteCommand::Stop:
        qCInfo(lcMediaKeys, "Remote command: Stop");
        if (current)
            m_player->stop();
        break;
    case RemoteCommand::ChangeVolume:
        qCDebug(lcMediaKeys, "Remote command: Volume %.2f", request.volume);
        m_player->setVolume(request.volume);
        break;
    case RemoteCommand::OpenUri: {
        qCInfo(lcMediaKeys, "Remote command: Open");
        // Links only, never local files: any client on the bus may send this.
        const QString refusal = m_sequence->open({request.uri}, QString(), false);
        return {refusal.isEmpty() ? RemoteCommandStatus::Success : RemoteCommandStatus::CommandFailed,
                refusal};
    }
    }
    return {};
}
