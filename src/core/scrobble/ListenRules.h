// When a song heard on the radio counts as a listen, what is sent for it, and how long to wait
// after the server failed. Pure functions; Scrobbler applies them to the titles as they come.
#pragma once

#include "history/SongRules.h"
#include "scrobble/Listen.h"

#include <QByteArray>
#include <chrono>
#include <optional>

namespace ListenRules {

using namespace std::chrono_literals;

// A title counts once it played this long, or half its length where that is known and shorter.
inline constexpr std::chrono::milliseconds atTheLatest = 4min;
// A title that played at least this long counts when the next one starts.
inline constexpr std::chrono::milliseconds atNextTitle = 30s;

std::chrono::milliseconds dueAfter(std::optional<std::chrono::milliseconds> length);

// The song in an announced `text` (already cleaned) that may be sent: one with an artist and a
// track (SongRules' song, artist-less texts left out).
std::optional<Song> song(const QString &text, const QString &stationName);

// The wait after the `failures`th failure in a row (from 1): 5 s, doubling, at most 15 minutes,
// so that a server that is down for hours is asked a few times an hour.
std::chrono::milliseconds backoff(int failures);

// The body of submit-listens: "playing_now" (no time) or "single".
QByteArray body(const Listen &listen, bool playingNow);

} // namespace ListenRules
