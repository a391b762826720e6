// A command centre that keeps the registrations so a test can send commands and read answers.
#pragma once

#include "mediakeys/RemoteCommandCenter.h"

#include <QHash>
#include <QList>

class FakeRemoteCommandCenter final : public RemoteCommandCenter
{
public:
    void removeAllTargets(RemoteCommand command) override { targets.remove(command); }
    void setEnabled(RemoteCommand command, bool on) override { enabled[command] = on; }
    void addTarget(RemoteCommand command, Handler handler) override
    {
        targets[command].append(std::move(handler));
    }

    // Sends `request` as the desktop would; nullopt when nothing is registered for it.
    std::optional<RemoteAnswer> request(const RemoteRequest &request)
    {
        const auto handlers = targets.value(request.command);
        if (handlers.isEmpty())
            return std::nullopt;
        RemoteAnswer answer;
        for (const Handler &handler : handlers)
            answer = handler(request);
        return answer;
    }
    std::optional<RemoteCommandStatus> send(RemoteCommand command)
    {
        const auto answer = request({command, 0.0, {}});
        return answer ? std::optional(answer->status) : std::nullopt;
    }
    bool isRegistered(RemoteCommand command) const
    {
        return enabled.value(command) && targets.value(command).size() == 1;
    }

    QHash<RemoteCommand, QList<Handler>> targets;
    QHash<RemoteCommand, bool> enabled;
};
