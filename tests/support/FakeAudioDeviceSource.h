// A device source whose list the test sets; announce() sends the change notification.
#pragma once

#include "devices/AudioDeviceSource.h"

class FakeAudioDeviceSource final : public AudioDeviceSource
{
    Q_OBJECT
public:
    using AudioDeviceSource::AudioDeviceSource;

    // An output device with one stereo stream.
    static DeviceInfo output(quint32 id, const QString &uid, const QString &name)
    {
        return DeviceInfo{id, uid, name, {2}};
    }

    std::optional<QList<DeviceInfo>> devices() const override
    {
        ++reads;
        return list;
    }

    std::optional<QString> defaultDeviceUID() const override { return defaultUid; }

    void set(const std::optional<QList<DeviceInfo>> &devices) { list = devices; }
    void announce() { Q_EMIT devicesChanged(); }

    std::optional<QList<DeviceInfo>> list = QList<DeviceInfo>{};
    std::optional<QString> defaultUid;
    mutable int reads = 0;
};
