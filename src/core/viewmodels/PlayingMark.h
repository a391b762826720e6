// Which station the lists mark as the current one (the panel's highlighted rows, the tray
// menu's tick): the chosen station while it loads, plays or is paused, so that pausing does not
// make it look unchosen. Nothing after a stop or a failure.
#pragma once

#include "playback/RadioPlayer.h"

namespace PlayingMark {
// The marked URL text; null when nothing is marked (never null while something is, so that an
// empty URL text still compares).
inline QString markedUrl(const RadioPlayer &player)
{
    if (!player.hasStation())
        return QString();
    if (!player.isPlaying() && player.playbackState().kind() != PlaybackState::Paused)
        return QString();
    const QString url = player.currentStationUrl();
    return url.isNull() ? QStringLiteral("") : url;
}
} // namespace PlayingMark
