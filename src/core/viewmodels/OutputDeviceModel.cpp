#include "viewmodels/OutputDeviceModel.h"

#include "base/Translations.h"
#include "devices/AudioDeviceManager.h"

#include <QVariantMap>

OutputDeviceModel::OutputDeviceModel(AudioDeviceManager *devices, QObject *parent)
    : QObject(parent), m_devices(devices)
{
    if (!m_devices)
        return;
    connect(m_devices, &AudioDeviceManager::outputDevicesChanged, this, [this] {
        Q_EMIT optionsChanged();
        Q_EMIT selectionChanged();
    });
    connect(m_devices, &AudioDeviceManager::selectedDeviceUIDChanged, this,
            &OutputDeviceModel::selectionChanged);
}

QString OutputDeviceModel::systemDefaultLabelFor(const QString &deviceName)
{
    const QString label = Translations::text("OutputDeviceModel", SystemDefaultLabel);
    return deviceName.isEmpty() ? label : label + QStringLiteral(" (") + deviceName + QLatin1Char(')');
}

QVariantList OutputDeviceModel::options() const
{
    const QString defaultName = m_devices ? m_devices->defaultDeviceName() : QString();
    QVariantList options{QVariantMap{{QStringLiteral("label"), systemDefaultLabelFor(defaultName)},
                                     {QStringLiteral("uid"), QString()}}};
    if (!m_devices)
        return options;
    for (const AudioDevice &device : m_devices->outputDevices())
        options.append(
            QVariantMap{{QStringLiteral("label"), device.name}, {QStringLiteral("uid"), device.uid}});
    return options;
}

QString OutputDeviceModel::selectedUid() const
{
    return m_devices ? m_devices->selectedDeviceUIDText() : QString();
}

int OutputDeviceModel::selectedIndex() const
{
    const QString uid = selectedUid();
    if (uid.isEmpty())
        return 0;
    const QList<AudioDevice> &devices = m_devices->outputDevices();
    for (qsizetype i = 0; i < devices.size(); ++i) {
        if (devices.at(i).uid == uid)
            return int(i) + 1;
    }
    return -1;
}

void OutputDeviceModel::choose(const QString &uid)
{
    if (m_devices)
        m_devices->setSelectedDeviceUID(uid.isEmpty() ? std::nullopt : std::optional<QString>(uid));
}

void OutputDeviceModel::refresh()
{
    if (m_devices)
        m_devices->refreshDevices();
}
