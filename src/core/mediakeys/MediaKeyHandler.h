// The one remote-control handler: connects every remote command (the five media keys, Stop, the
// volume and opening a link) to the player, registers them unless "enableMediaKeys" is off, lets
// through at most one command per 0.3 s, walks the catalogue for next and previous, and hands
// links to the playback sequence.
#pragma once

#include "catalogue/RadioStation.h"
#include "mediakeys/RemoteCommandCenter.h"

#include <QObject>
#include <chrono>
#include <optional>

class Clock;
class PlaybackSequence;
class RadioPlayer;
class SettingsStore;
class StationManager;

class MediaKeyHandler : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds commandDebounceInterval{300};

    // Everything passed in must outlive the handler.
    MediaKeyHandler(RadioPlayer *player, StationManager *stationManager, PlaybackSequence *sequence,
                    RemoteCommandCenter *commandCenter, SettingsStore *settings, Clock *clock,
                    QObject *parent = nullptr);
    ~MediaKeyHandler() override;

    bool isEnabled() const { return m_isEnabled; }

    std::optional<RadioStation> nextStation(const RadioStation &station) const;
    std::optional<RadioStation> previousStation(const RadioStation &station) const;

    // Accepts when more than the debounce interval has passed since the last accepted command.
    bool shouldProcessCommand();
    void playOrStartFirst();
    void updateEnabledState();

private:
    void setupRemoteCommands();
    void disableRemoteCommands();
    RemoteAnswer handle(const RemoteRequest &request);
    RemoteAnswer perform(const RemoteRequest &request);

    RadioPlayer *m_player;
    StationManager *m_stationManager;
    PlaybackSequence *m_sequence;
    RemoteCommandCenter *m_commandCenter;
    SettingsStore *m_settings;
    Clock *m_clock;
    bool m_isEnabled = true;
    std::optional<std::chrono::milliseconds> m_lastCommandTime; // none: the distant past
};
