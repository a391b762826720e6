#include "base/SettingsStore.h"

#include "base/FileLock.h"
#include "base/Logging.h"
#include "base/SaveLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

SettingsStore::SettingsStore(const QString &filePath, QObject *parent) : QObject(parent), m_filePath(filePath)
{
    if (m_filePath.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    {
        const FileLock lock(m_filePath + QStringLiteral(".lock"));
        SaveLeftovers::remove(m_filePath);
        m_values = readFile();
    }
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &SettingsStore::reload);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &SettingsStore::reload);
    watch();
}

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zeffira/settings.json");
}

QJsonValue SettingsStore::defaultValue(const QString &key)
{
    static const QJsonObject defaults{
        {SettingsKey::ShowStationInMenuBar, false},
        {SettingsKey::PauseOnSleep, true},
        {SettingsKey::StandbyMode, QStringLiteral("restart")},
        {SettingsKey::SkipMoveConfirmation, false},
        {SettingsKey::PlayerVolume, 0.5},
        {SettingsKey::EnableMediaKeys, true},
        {SettingsKey::NotifyOnNewTitle, false},
    };
    return defaults.value(key);
}

bool SettingsStore::boolValue(const QString &key) const
{
    const QJsonValue v = value(key);
    return v.isBool() ? v.toBool() : defaultValue(key).toBool();
}

double SettingsStore::doubleValue(const QString &key) const
{
    const QJsonValue v = value(key);
    return v.isDouble() ? v.toDouble() : defaultValue(key).toDouble();
}

QString SettingsStore::stringValue(const QString &key) const
{
    const QJsonValue v = value(key);
    return v.isString() ? v.toString() : defaultValue(key).toString();
}

std::optional<QString> SettingsStore::optionalString(const QString &key) const
{
    const QJsonValue v = value(key);
    if (v.isString())
        return v.toString();
    return std::nullopt;
}

void SettingsStore::setValue(const QString &key, const QJsonValue &value)
{
    change(key, value);
}

void SettingsStore::remove(const QString &key)
{
    change(key, QJsonValue::Undefined);
}

void SettingsStore::change(const QString &key, const QJsonValue &value)
{
    QStringList changedKeys;
    {
        // Another process may have written other keys since we last read the file: they are
        // taken over, not overwritten.
        std::optional<FileLock> lock;
        if (!m_filePath.isEmpty()) {
            lock.emplace(m_filePath + QStringLiteral(".lock"));
            changedKeys = adopt(readFile());
        }
        const bool same = value.isUndefined() ? !m_values.contains(key)
                                              : m_values.contains(key) && m_values.value(key) == value;
        if (!same) {
            if (value.isUndefined())
                m_values.remove(key);
            else
                m_values.insert(key, value);
            write();
            changedKeys.removeAll(key);
            changedKeys.append(key);
        }
    }
    // Announced outside the lock: a receiver may change settings in turn.
    for (const QString &changedKey : std::as_const(changedKeys))
        Q_EMIT changed(changedKey);
}

void SettingsStore::reload()
{
    if (m_filePath.isEmpty())
        return;
    const QStringList changedKeys = adopt(readFile());
    watch();
    for (const QString &key : changedKeys)
        Q_EMIT changed(key);
}

QStringList SettingsStore::adopt(const QJsonObject &fresh)
{
    const QJsonObject old = std::exchange(m_values, fresh);
    QStringList keys = old.keys();
    for (const QString &key : fresh.keys()) {
        if (!old.contains(key))
            keys.append(key);
    }
    keys.removeIf([&](const QString &key) { return old.value(key) == fresh.value(key); });
    return keys;
}

void SettingsStore::write()
{
    if (m_filePath.isEmpty())
        return;
    // A symlink is followed (dotfile managers rely on it) and an existing file keeps its own mode;
    // only a file we create is made private.
    const bool created = !QFileInfo::exists(m_filePath);
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcSystem, "Failed to write settings: %s", qUtf8Printable(file.errorString()));
        return;
    }
    if (created)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(QJsonDocument(m_values).toJson(QJsonDocument::Indented));
    if (!file.commit())
        qCWarning(lcSystem, "Failed to write settings: %s", qUtf8Printable(file.errorString()));
}

void SettingsStore::watch()
{
    // An atomic replace swaps the file's inode, which drops the file watch; the folder watch
    // sees the new file appear and this re-adds it.
    const QString dir = QFileInfo(m_filePath).absolutePath();
    if (!m_watcher.directories().contains(dir) && QFileInfo(dir).isDir())
        m_watcher.addPath(dir);
    if (!m_watcher.files().contains(m_filePath) && QFileInfo::exists(m_filePath))
        m_watcher.addPath(m_filePath);
}

QJsonObject SettingsStore::readFile() const
{
    QFile file(m_filePath);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSystem, "Cannot read settings %s: %s", qUtf8Printable(m_filePath),
                  qUtf8Printable(file.errorString()));
        return m_values;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        // A half-edited file from outside: keep what we had until it parses again.
        qCWarning(lcSystem, "Ignoring settings file %s: not a JSON object", qUtf8Printable(m_filePath));
        return m_values;
    }
    return doc.object();
}
