// The desktop's remote commands (media keys, media widgets) as the logic sees them: five
// commands, each enabled or not, each with handlers that answer accepted or rejected.
#pragma once

#include <functional>

enum class RemoteCommand { Play, Pause, TogglePlayPause, NextTrack, PreviousTrack };

enum class RemoteCommandStatus { Success = 0, CommandFailed = 200 };

class RemoteCommandCenter
{
public:
    using Handler = std::function<RemoteCommandStatus()>;

    static constexpr RemoteCommand allCommands[] = {RemoteCommand::Play, RemoteCommand::Pause,
                                                    RemoteCommand::TogglePlayPause, RemoteCommand::NextTrack,
                                                    RemoteCommand::PreviousTrack};

    virtual ~RemoteCommandCenter() = default;
    virtual void removeAllTargets(RemoteCommand command) = 0;
    virtual void setEnabled(RemoteCommand command, bool enabled) = 0;
    virtual void addTarget(RemoteCommand command, Handler handler) = 0;
};
