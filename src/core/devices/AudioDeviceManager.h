// Keeps the list of audio output devices current and remembers which one the user chose,
// stored under "selectedAudioDeviceUID". Created once by the application; never talks to the
// player (OutputRouting makes the player follow the route). Owns neither the source nor the store.
#pragma once

#include "devices/AudioDevice.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <optional>

class AudioDeviceSource;
class SettingsStore;

class AudioDeviceManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<AudioDevice> outputDevices READ outputDevices NOTIFY outputDevicesChanged)
    // Empty text is "no choice" (the system default); a readable UID is never empty.
    Q_PROPERTY(QString selectedDeviceUID READ selectedDeviceUIDText WRITE setSelectedDeviceUIDText NOTIFY
                   selectedDeviceUIDChanged)
    // The name of the listed device the system plays to by default; empty when not known.
    Q_PROPERTY(QString defaultDeviceName READ defaultDeviceName NOTIFY outputDevicesChanged)
public:
    // Reads the stored choice, writes it back, lists the devices and starts listening.
    // `source` and `settings` must outlive the manager.
    AudioDeviceManager(AudioDeviceSource *source, SettingsStore *settings, QObject *parent = nullptr);
    ~AudioDeviceManager() override;

    const QList<AudioDevice> &outputDevices() const { return m_outputDevices; }
    QString defaultDeviceName() const { return m_defaultDeviceName; }

    const std::optional<QString> &selectedDeviceUID() const { return m_selectedDeviceUID; }
    // Where the stream goes: the choice while the sound server lists its device; the system
    // default while it does not, or before the first list has come (a stored choice is not
    // trusted until then: pulsesink given a sink that is gone fails the station).
    const std::optional<QString> &routedDeviceUID() const { return m_routedDeviceUID; }
    // Stores the choice and saves it at once.
    void setSelectedDeviceUID(const std::optional<QString> &uid);
    QString selectedDeviceUIDText() const { return m_selectedDeviceUID.value_or(QString()); }
    void setSelectedDeviceUIDText(const QString &uid);

    // Re-reads the source's list; drops a choice whose device is no longer listed.
    Q_INVOKABLE void refreshDevices();
    // Writes the choice to the settings; no choice removes the key.
    Q_INVOKABLE void saveSelection();
    // Refreshes after every change the source announces; installing again replaces the old one.
    void startDeviceListener();

Q_SIGNALS:
    void outputDevicesChanged();
    void selectedDeviceUIDChanged();
    void routedDeviceUIDChanged();

private:
    void setOutputDevices(const QList<AudioDevice> &devices, const QString &defaultName);
    void updateRoute();

    QPointer<AudioDeviceSource> m_source;
    SettingsStore *m_settings;
    QList<AudioDevice> m_outputDevices;
    QString m_defaultDeviceName;
    std::optional<QString> m_selectedDeviceUID;
    std::optional<QString> m_routedDeviceUID;
    QMetaObject::Connection m_listener;
};
