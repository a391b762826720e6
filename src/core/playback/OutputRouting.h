// The one link between the output-device choice and the player: the choice's owner is the device
// manager; the player follows it from now on (including a choice dropped because its device went
// away, which sends the stream back to the system default).
#pragma once

class AudioDeviceManager;
class RadioPlayer;

namespace OutputRouting {
// Applies the current choice at once, then every change. Both must outlive the connection's
// effect; it ends when either is destroyed.
void follow(RadioPlayer *player, AudioDeviceManager *devices);
} // namespace OutputRouting
