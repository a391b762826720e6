// The desktop's remote commands (media keys, media widgets, MPRIS clients) as the logic sees
// them: each command enabled or not, each with handlers that answer taken or not. The command
// centre only carries them; MediaKeyHandler decides.
#pragma once

#include <QString>
#include <functional>

enum class RemoteCommand {
    Play,
    Pause,
    TogglePlayPause,
    NextTrack,
    PreviousTrack,
    Stop,
    ChangeVolume,
    OpenUri
};

enum class RemoteCommandStatus { Success = 0, CommandFailed = 200 };

// A command and what comes with it: the volume (ChangeVolume) or the link (OpenUri).
struct RemoteRequest {
    RemoteCommand command;
    double volume = 0.0;
    QString uri;
};

// `refusal`: why a link was not opened, for the one who sent it (translated); empty otherwise.
struct RemoteAnswer {
    RemoteCommandStatus status = RemoteCommandStatus::Success;
    QString refusal;
};

class RemoteCommandCenter
{
public:
    using Handler = std::function<RemoteAnswer(const RemoteRequest &)>;

    static constexpr RemoteCommand allCommands[] = {
        RemoteCommand::Play,         RemoteCommand::Pause,         RemoteCommand::TogglePlayPause,
        RemoteCommand::NextTrack,    RemoteCommand::PreviousTrack, RemoteCommand::Stop,
        RemoteCommand::ChangeVolume, RemoteCommand::OpenUri};

    virtual ~RemoteCommandCenter() = default;
    virtual void removeAllTargets(RemoteCommand command) = 0;
    virtual void setEnabled(RemoteCommand command, bool enabled) = 0;
    virtual void addTarget(RemoteCommand command, Handler handler) = 0;
};
