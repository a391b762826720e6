#include "playback/OutputRouting.h"

#include "devices/AudioDeviceManager.h"
#include "playback/RadioPlayer.h"

void OutputRouting::follow(RadioPlayer *player, AudioDeviceManager *devices)
{
    const auto apply = [player, devices] { player->setOutputDevice(devices->routedDeviceUID()); };
    apply();
    QObject::connect(devices, &AudioDeviceManager::routedDeviceUIDChanged, player, apply);
}
