// The user's settings: a typed JSON object in $XDG_CONFIG_HOME/Zeffira/settings.json.
// Every change is written at once (atomically; a new file gets mode 0600), under a lock and on top
// of what is in the file then, so that another process writing other keys loses nothing; writes
// by other processes are picked up and announced as one `changed` per key whose value differs.
// While another process holds the lock, a change applies in memory at once and is saved when the
// lock comes free, without blocking the event loop. Main thread only.
#pragma once

#include "base/FileLock.h"

#include <QFileSystemWatcher>
#include <QJsonObject>
#include <QObject>
#include <optional>

namespace SettingsKey {
inline const QString ShowStationInMenuBar = QStringLiteral("showStationInMenuBar");
inline const QString PauseOnSleep = QStringLiteral("pauseOnSleep");
inline const QString StandbyMode = QStringLiteral("standbyMode");
inline const QString SkipMoveConfirmation = QStringLiteral("skipMoveConfirmation");
inline const QString PlayerVolume = QStringLiteral("playerVolume");
inline const QString SelectedAudioDeviceUID = QStringLiteral("selectedAudioDeviceUID");
inline const QString EnableMediaKeys = QStringLiteral("enableMediaKeys");
inline const QString NotifyOnNewTitle = QStringLiteral("notifyOnNewTitle");
// Maps by station URL to a gain in dB: the user's offset from the general volume, and the
// gain the loudness leveller learned.
inline const QString StationVolumes = QStringLiteral("stationVolumes");
inline const QString StationLoudness = QStringLiteral("stationLoudness");
inline const QString LoudnessLeveling = QStringLiteral("loudnessLeveling");
// Minutes of the live rewind buffer, 0 (off) to 120.
inline const QString TimeshiftMinutes = QStringLiteral("timeshiftMinutes");
// The alarms, a list of objects (alarm/Alarm's JSON form).
inline const QString Alarms = QStringLiteral("alarms");
} // namespace SettingsKey

class SettingsStore : public QObject
{
    Q_OBJECT
public:
    // An empty path keeps the settings in memory only (used by tests and benchmarks).
    explicit SettingsStore(const QString &filePath, QObject *parent = nullptr);
    // Saves changes still waiting for the lock.
    ~SettingsStore() override;

    static QString defaultFilePath();
    // The default of a known key; Undefined for "selectedAudioDeviceUID", the station maps and
    // unknown keys.
    static QJsonValue defaultValue(const QString &key);

    QString filePath() const { return m_filePath; }

    // The stored value, Undefined when absent.
    QJsonValue value(const QString &key) const { return m_values.value(key); }
    bool contains(const QString &key) const { return m_values.contains(key); }
    QStringList keys() const { return m_values.keys(); }

    // Typed reads: a value that is absent or of the wrong type reads as the key's default.
    bool boolValue(const QString &key) const;
    double doubleValue(const QString &key) const;
    QString stringValue(const QString &key) const;
    // Absent (or not a string) reads as nullopt.
    std::optional<QString> optionalString(const QString &key) const;

    void setValue(const QString &key, const QJsonValue &value);
    void remove(const QString &key);

    // Re-reads the file and announces what changed; the watcher calls it.
    void reload();

Q_SIGNALS:
    void changed(const QString &key);

private:
    // Sets (or, with Undefined, removes) `key` in the file as it is now, under the lock.
    void change(const QString &key, const QJsonValue &value);
    // Writes the changes not saved yet on top of the file as it is now; holds the lock.
    void saveChanges();
    // `values` with the changes not saved yet.
    QJsonObject withPending(QJsonObject values) const;
    // Takes `fresh` as the values; the keys whose values differ from before.
    QStringList adopt(const QJsonObject &fresh);
    void write();
    void watch();
    QJsonObject readFile() const;

    QString m_filePath;
    QJsonObject m_values;
    // Changes asked for and not saved yet, in order; Undefined removes the key.
    QList<std::pair<QString, QJsonValue>> m_pending;
    QFileSystemWatcher m_watcher;
    FileLock m_lock;
};
