#include "devices/AudioDeviceManager.h"

#include "base/MainThread.h"
#include "base/SettingsStore.h"
#include "devices/AudioDeviceSource.h"

#include <algorithm>

AudioDeviceManager::AudioDeviceManager(AudioDeviceSource *source, SettingsStore *settings, QObject *parent)
    : QObject(parent), m_source(source), m_settings(settings)
{
    m_selectedDeviceUID = m_settings->optionalString(SettingsKey::SelectedAudioDeviceUID);
    // Writing back what was read drops a stored value of the wrong type.
    saveSelection();
    refreshDevices();
    startDeviceListener();
}

AudioDeviceManager::~AudioDeviceManager()
{
    if (m_listener)
        disconnect(m_listener);
}

void AudioDeviceManager::setSelectedDeviceUID(const std::optional<QString> &uid)
{
    MainThread::check(Q_FUNC_INFO);
    const bool differs = uid != m_selectedDeviceUID;
    m_selectedDeviceUID = uid;
    saveSelection();
    if (differs)
        Q_EMIT selectedDeviceUIDChanged();
    updateRoute();
}

void AudioDeviceManager::setSelectedDeviceUIDText(const QString &uid)
{
    setSelectedDeviceUID(uid.isEmpty() ? std::nullopt : std::optional<QString>(uid));
}

void AudioDeviceManager::refreshDevices()
{
    MainThread::check(Q_FUNC_INFO);
    const std::optional<QList<AudioDeviceSource::DeviceInfo>> listed =
        m_source ? m_source->devices() : std::nullopt;
    if (!listed) {
        // No sound server: nothing can be routed anywhere, so offer nothing. The choice stays,
        // because an unreadable list says nothing about whether the device is still there.
        setOutputDevices({}, QString());
        updateRoute();
        return;
    }

    QList<AudioDevice> result;
    const std::optional<QString> defaultUid = m_source->defaultDeviceUID();
    QString defaultName;
    for (const AudioDeviceSource::DeviceInfo &info : *listed) {
        // An output device has at least one output stream with channels; only the first such
        // stream matters, and a device must give both its name and its UID to be offered.
        const bool hasOutput =
            std::any_of(info.outputStreamChannels.cbegin(), info.outputStreamChannels.cend(),
                        [](int channels) { return channels != 0; });
        if (!hasOutput || !info.name || !info.uid)
            continue;
        result.append(AudioDevice{info.id, *info.uid, *info.name});
        if (info.uid == defaultUid)
            defaultName = *info.name;
    }
    setOutputDevices(result, defaultName);

    if (m_selectedDeviceUID) {
        const bool present =
            std::any_of(m_outputDevices.cbegin(), m_outputDevices.cend(),
                        [this](const AudioDevice &d) { return d.uid == *m_selectedDeviceUID; });
        // Dropped for good: the device coming back later does not bring the choice back.
        if (!present)
            setSelectedDeviceUID(std::nullopt);
    }
    updateRoute();
}

void AudioDeviceManager::updateRoute()
{
    std::optional<QString> routed;
    if (m_selectedDeviceUID &&
        std::any_of(m_outputDevices.cbegin(), m_outputDevices.cend(),
                    [this](const AudioDevice &d) { return d.uid == *m_selectedDeviceUID; }))
        routed = m_selectedDeviceUID;
    if (routed == m_routedDeviceUID)
        return;
    m_routedDeviceUID = routed;
    Q_EMIT routedDeviceUIDChanged();
}

void AudioDeviceManager::saveSelection()
{
    if (m_selectedDeviceUID)
        m_settings->setValue(SettingsKey::SelectedAudioDeviceUID, *m_selectedDeviceUID);
    else
        m_settings->remove(SettingsKey::SelectedAudioDeviceUID);
}

void AudioDeviceManager::startDeviceListener()
{
    if (m_listener)
        disconnect(m_listener);
    if (!m_source)
        return;
    // The refresh is queued rather than run inside the source's notification, so the source
    // is never re-entered from its own callback; `this` as context drops it if we are gone.
    m_listener = connect(m_source, &AudioDeviceSource::devicesChanged, this, [this] {
        QMetaObject::invokeMethod(this, &AudioDeviceManager::refreshDevices, Qt::QueuedConnection);
    });
}

void AudioDeviceManager::setOutputDevices(const QList<AudioDevice> &devices, const QString &defaultName)
{
    // An equal list is not a change: views would redraw for nothing on every sink event.
    if (devices == m_outputDevices && defaultName == m_defaultDeviceName)
        return;
    m_outputDevices = devices;
    m_defaultDeviceName = defaultName;
    Q_EMIT outputDevicesChanged();
}
