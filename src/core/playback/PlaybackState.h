// The player's state as the views show it. Any two failed states are equal, whatever their failure.
#pragma once

#include "playback/StreamFailure.h"

#include <QMetaType>
#include <QObject>
#include <QString>

class PlaybackState
{
    Q_GADGET
    Q_PROPERTY(Kind kind READ kind CONSTANT)
public:
    enum Kind { Idle, Loading, Playing, Paused, Failed };
    Q_ENUM(Kind)

    PlaybackState(Kind kind = Idle) : m_kind(kind) {}
    static PlaybackState failed(StreamFailure failure)
    {
        PlaybackState state(Failed);
        state.m_failure = std::move(failure);
        return state;
    }

    Kind kind() const { return m_kind; }
    // Why the stream failed; meaningless unless failed.
    const StreamFailure &failure() const { return m_failure; }
    QString name() const;

    friend bool operator==(const PlaybackState &a, const PlaybackState &b) { return a.m_kind == b.m_kind; }

private:
    Kind m_kind;
    StreamFailure m_failure;
};

Q_DECLARE_METATYPE(PlaybackState)
