// The platform's list of audio devices as the logic sees it: what each device reports about
// itself, read from a cache that the adapter keeps current, and a notification when it changes.
// Everything is delivered on the main thread; reading never waits for the sound server.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

class AudioDeviceSource : public QObject
{
    Q_OBJECT
public:
    // One device as the platform describes it. Which devices count as outputs, and which
    // are complete enough to offer, is the manager's decision.
    struct DeviceInfo {
        quint32 id = 0;
        std::optional<QString> uid;  // nullopt: could not be read
        std::optional<QString> name; // nullopt: could not be read
        // Channel count of each output stream of the device, in order; empty for an
        // input-only device.
        QList<int> outputStreamChannels;

        friend bool operator==(const DeviceInfo &, const DeviceInfo &) = default;
    };

    using QObject::QObject;
    ~AudioDeviceSource() override = default;

    // The devices in the order the platform lists them; nullopt while they cannot be read
    // (no sound server, or not connected yet).
    virtual std::optional<QList<DeviceInfo>> devices() const = 0;
    // The UID of the device the system plays to when no device is chosen; nullopt when the
    // platform does not say. A change of it is announced like a change of the list.
    virtual std::optional<QString> defaultDeviceUID() const { return std::nullopt; }

Q_SIGNALS:
    // The device list (or its availability) changed.
    void devicesChanged();
};
