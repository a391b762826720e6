// The settings reader on whatever a settings.json may hold: no crash, and every typed read of a
// known key gives a value of its type (the default when the stored one is not).
#include "base/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
QTemporaryDir *folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv); // the file watch needs an event dispatcher
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("settings.json"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    SettingsStore settings(path);
    for (const QString &key : {SettingsKey::ShowStationInMenuBar, SettingsKey::PauseOnSleep,
                               SettingsKey::SkipMoveConfirmation, SettingsKey::EnableMediaKeys})
        (void)settings.boolValue(key);
    const QJsonValue volume = settings.value(SettingsKey::PlayerVolume);
    if (volume.isDouble() && settings.doubleValue(SettingsKey::PlayerVolume) != volume.toDouble())
        std::abort();
    (void)settings.stringValue(SettingsKey::StandbyMode);
    if (const auto uid = settings.optionalString(SettingsKey::SelectedAudioDeviceUID);
        uid && !settings.value(SettingsKey::SelectedAudioDeviceUID).isString())
        std::abort();
    return 0;
}
