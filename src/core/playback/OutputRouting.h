// The one link between the output-device choice and the player: the choice's owner is the device
// manager; the player follows its route from now on: the chosen device while the sound server
// lists it, the system default otherwise (before the first list, or when the device went away).
#pragma once

class AudioDeviceManager;
class RadioPlayer;

namespace OutputRouting {
// Applies the current choice at once, then every change. Both must outlive the connection's
// effect; it ends when either is destroyed.
void follow(RadioPlayer *player, AudioDeviceManager *devices);
} // namespace OutputRouting
