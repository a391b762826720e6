// The player's failure callback: half a second after a station fails or is skipped, play the
// next station of the catalogue. Ends with a message when no station is left to try.
#pragma once

#include "catalogue/RadioStation.h"

#include <functional>

class QObject;
class RadioPlayer;
class Scheduler;
class StationManager;

namespace SkipChain {
// A callback for RadioPlayer::onPlaybackError. It does nothing once `owner`, `player` or
// `store` is gone; the delayed play is dropped if the player is gone by then.
std::function<void(const RadioStation &)> make(QObject *owner, RadioPlayer *player, StationManager *store,
                                               Scheduler *scheduler);
} // namespace SkipChain
