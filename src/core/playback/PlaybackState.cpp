#include "playback/PlaybackState.h"

QString PlaybackState::name() const
{
    switch (m_kind) {
    case Idle:
        return QStringLiteral("idle");
    case Loading:
        return QStringLiteral("loading");
    case Playing:
        return QStringLiteral("playing");
    case Paused:
        return QStringLiteral("paused");
    case Failed:
        return QStringLiteral("failed");
    }
    return {};
}
