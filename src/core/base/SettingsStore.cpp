#include "base/SettingsStore.h"
#include "history/HistoryStore.h"
#include "scrobble/Scrobbler.h"

#include "base/Logging.h"
#include "base/MainThread.h"
#include "base/SaveLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
// Sets `key` to `value` in `values`, or removes it for Undefined; true when that changed them.
bool apply(QJsonObject &values, const QString &key, const QJsonValue &value)
{
    if (value.isUndefined() ? !values.contains(key) : values.contains(key) && values.value(key) == value)
        return false;
    if (value.isUndefined())
        values.remove(key);
    else
        values.insert(key, value);
    return true;
}
} // namespace

SettingsStore::SettingsStore(const QString &filePath, QObject *parent)
    : QObject(parent), m_filePath(filePath), m_lock(filePath + QStringLiteral(".lock"))
{
    if (m_filePath.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    m_lock.run([this] {
        SaveLeftovers::remove(m_filePath);
        m_values = readFile();
    });
    // Nothing may read the settings before they are loaded, and no event loop runs yet.
    m_lock.finish();
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
        {SettingsKey::LoudnessLeveling, true},
        {SettingsKey::TimeshiftMinutes, 30},
        {SettingsKey::HistoryRetentionDays, 365},
        {SettingsKey::ScrobbleEnabled, false},
        {SettingsKey::Alarms, QJsonArray()},
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

SettingsStore::~SettingsStore()
{
    m_lock.finish();
}

void SettingsStore::change(const QString &key, const QJsonValue &value)
{
    MainThread::check(Q_FUNC_INFO);
    if (m_filePath.isEmpty()) {
        if (apply(m_values, key, value))
            Q_EMIT changed(key);
        return;
    }
    m_pending.removeIf([&](const auto &change) { return change.first == key; });
    m_pending.append({key, value});
    m_lock.run([this] { saveChanges(); });
    // Another process holds the lock: readers see the value now, the file gets it later.
    if (m_lock.isWaiting() && apply(m_values, key, value))
        Q_EMIT changed(key);
}

void SettingsStore::saveChanges()
{
    if (m_pending.isEmpty())
        return;
    // Another process may have written other keys since we last read the file: they are taken
    // over, not overwritten.
    const QJsonObject onDisk = readFile();
    const QJsonObject merged = withPending(onDisk);
    QStringList ours;
    for (const auto &change : std::as_const(m_pending))
        ours << change.first;
    m_pending.clear();
    QStringList changedKeys = adopt(merged);
    if (merged != onDisk)
        write();
    // Ours last. A receiver may change settings in turn: that runs at once, the lock is ours.
    for (const QString &key : std::as_const(ours)) {
        if (changedKeys.removeAll(key) > 0)
            changedKeys.append(key);
    }
    for (const QString &changedKey : std::as_const(changedKeys))
        Q_EMIT changed(changedKey);
}

QJsonObject SettingsStore::withPending(QJsonObject values) const
{
    for (const auto &[key, value] : m_pending)
        apply(values, key, value);
    return values;
}

void SettingsStore::reload()
{
    if (m_filePath.isEmpty())
        return;
    const QStringList changedKeys = adopt(withPending(readFile()));
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
