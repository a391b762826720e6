#include "catalogue/StationManager.h"

#include "base/AppInfo.h"
#include "base/Logging.h"
#include "base/MainThread.h"
#include "base/SaveLeftovers.h"
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationXMLParser.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

void removeEmptyCategories(Catalogue &categories)
{
    categories.removeIf([](const StationCategory &c) { return c.stations.isEmpty(); });
}

StationCategory *findCategory(Catalogue &categories, const QString &name)
{
    for (StationCategory &category : categories) {
        if (category.name == name)
            return &category;
    }
    return nullptr;
}

bool containsUrl(const Catalogue &categories, const QString &url)
{
    for (const StationCategory &category : categories) {
        for (const RadioStation &station : category.stations) {
            if (station.id() == url)
                return true;
        }
    }
    return false;
}

enum class AddOutcome { Added, EmptyName, Duplicate };

// The rules of adding a station, for the user's additions and the legacy records alike: the name
// trimmed and not empty, the URL not in the catalogue yet, no category name meaning the default.
AddOutcome addTo(Catalogue &categories, const QString &name, const QString &url, const QString &category)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return AddOutcome::EmptyName;
    if (containsUrl(categories, url))
        return AddOutcome::Duplicate;
    const QString categoryName = category.isEmpty() ? StationManager::DefaultCategoryName : category;
    if (StationCategory *target = findCategory(categories, categoryName))
        target->stations.append(RadioStation(trimmed, url));
    else
        categories.append(StationCategory(categoryName, {RadioStation(trimmed, url)}));
    return AddOutcome::Added;
}

// Unpaired surrogates (a "\ud800" escape in the file) cannot be written as UTF-8: they are replaced
// by U+FFFD. True when something was replaced.
bool repairText(QString &text)
{
    if (text.isValidUtf16())
        return false;
    QString repaired;
    repaired.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            repaired.append(c).append(text.at(++i));
        } else {
            repaired.append(c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c);
        }
    }
    text = std::move(repaired);
    return true;
}

bool repairText(Catalogue &categories)
{
    bool repaired = false;
    for (StationCategory &category : categories) {
        repaired |= repairText(category.name);
        for (RadioStation &station : category.stations) {
            repaired |= repairText(station.name);
            repaired |= repairText(station.url);
        }
    }
    return repaired;
}

// Tells whether the file still holds what we last read or wrote; not a security check.
size_t digestOf(const QByteArray &bytes)
{
    return qHash(bytes, 0x5a3f) ^ size_t(bytes.size());
}

std::optional<QByteArray> readWhole(const QString &path, QString *problem = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (problem)
            *problem = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace

StationManager::StationManager(QObject *parent)
    : StationManager(defaultFolder(), AppInfo::builtInStationsPath(), parent)
{
}

StationManager::StationManager(const QString &folder, const QString &builtInPath, QObject *parent)
    : QObject(parent), m_filePath(QDir(folder).filePath(QStringLiteral("stations.json"))),
      m_builtInPath(builtInPath), m_lock(m_filePath + QStringLiteral(".lock"))
{
    // A failure to create the folder shows up as failed reads and writes, handled there.
    QDir().mkpath(folder);
    loadStations();
    // Nothing may read the catalogue before it is loaded, and no event loop runs yet.
    m_lock.finish();
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &StationManager::onFileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &StationManager::onFileChanged);
    watch();
}

QString StationManager::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Zeffira");
}

QString StationManager::legacyFilePath() const
{
    return QFileInfo(m_filePath).dir().filePath(QStringLiteral("custom-stations.json"));
}

StationManager::~StationManager()
{
    m_lock.finish();
}

void StationManager::setCategories(Catalogue categories)
{
    m_categories = std::move(categories);
    Q_EMIT categoriesChanged();
}

void StationManager::loadStations()
{
    m_lock.run([this] { load(); });
}

void StationManager::load()
{
    MainThread::check(Q_FUNC_INFO);
    SaveLeftovers::remove(m_filePath);
    m_diskDigest.reset();
    if (QFileInfo::exists(m_filePath)) {
        QString problem;
        if (const auto bytes = readWhole(m_filePath, &problem)) {
            if (auto decoded = CatalogueCodec::decodeCatalogue(*bytes, &problem)) {
                if (!decoded->isEmpty()) {
                    m_diskDigest = digestOf(*bytes);
                    const bool repaired = repairText(*decoded);
                    const auto count = decoded->size();
                    setCategories(std::move(*decoded));
                    qCInfo(lcStations, "Loaded %lld categories from disk", qint64(count));
                    if (repaired) {
                        // The user's bytes are kept as they are; the catalogue goes on with
                        // U+FFFD in their place, and the file is written in that form.
                        const QString aside = keepAside(m_filePath, true);
                        qCCritical(lcStations,
                                   "Catalogue file holds text that cannot be saved as it is (unpaired "
                                   "surrogates); kept a copy as %s",
                                   qUtf8Printable(aside));
                        writeCatalogue();
                    }
                    removeMergedLegacyFile();
                    return;
                }
            }
        }
        // An empty array is a plain empty catalogue; anything else may hold the user's
        // stations in a form we cannot read, so it must not be overwritten.
        if (!problem.isEmpty())
            preserveDamagedFile(problem);
    }

    qCInfo(lcStations, "First launch or empty data, loading from XML");
    setCategories(loadBuiltInStations(m_builtInPath));
    const bool merged = migrateLegacyStations();
    const bool saved = writeCatalogue();
    // Gone only once the merged stations are on disk; otherwise the next start retries. A file
    // whose text had to be changed to be saved is kept aside, not deleted.
    if (merged && saved) {
        if (m_legacyRepaired) {
            const QString aside = keepAside(legacyFilePath(), false);
            qCCritical(
                lcStations,
                "Legacy file holds text that cannot be saved as it is (unpaired surrogates); kept it as %s",
                qUtf8Printable(aside));
        } else {
            QFile::remove(legacyFilePath());
        }
    }
}

bool StationManager::migrateLegacyStations()
{
    m_legacyRepaired = false;
    const auto bytes = readWhole(legacyFilePath());
    if (!bytes)
        return false;
    const auto records = CatalogueCodec::decodeLegacyStations(*bytes);
    if (!records)
        return false;

    qCInfo(lcStations, "Migrating %lld legacy stations", qint64(records->size()));
    Catalogue merged = m_categories;
    qint64 refused = 0;
    for (LegacyStation record : *records) {
        m_legacyRepaired |= repairText(record.name) | repairText(record.url);
        QString category = record.category.value_or(QString());
        m_legacyRepaired |= repairText(category);
        switch (addTo(merged, record.name, record.url, category)) {
        case AddOutcome::Added:
            break;
        case AddOutcome::EmptyName:
            ++refused;
            qCWarning(lcStations, "Legacy station not migrated, its name is empty: %s",
                      qUtf8Printable(record.url));
            break;
        case AddOutcome::Duplicate:
            ++refused;
            qCWarning(lcStations, "Legacy station not migrated, its URL is in the catalogue already: %s",
                      qUtf8Printable(record.url));
            break;
        }
    }
    if (refused > 0)
        qCInfo(lcStations, "Migrated %lld legacy stations, refused %lld", qint64(records->size()) - refused,
               refused);
    setCategories(std::move(merged));
    return true;
}

void StationManager::removeMergedLegacyFile()
{
    // A start cut off between saving the merged catalogue and deleting the legacy file.
    const auto bytes = readWhole(legacyFilePath());
    const auto records = bytes ? CatalogueCodec::decodeLegacyStations(*bytes) : std::nullopt;
    if (!records)
        return;
    const bool allMerged =
        std::all_of(records->cbegin(), records->cend(), [this](const LegacyStation &record) {
            return containsUrl(m_categories, record.url) || record.name.trimmed().isEmpty();
        });
    if (allMerged && QFile::remove(legacyFilePath()))
        qCInfo(lcStations, "Removed the legacy file: its stations are all in the catalogue");
}

void StationManager::saveStations()
{
    m_lock.run([this] {
        adoptFileChanges(true);
        writeCatalogue();
    });
}

void StationManager::edit(std::function<bool(Catalogue &)> change)
{
    MainThread::check(Q_FUNC_INFO);
    m_lock.run([this, change = std::move(change)] {
        // Another process may have saved since we last read the file: the change applies to
        // its catalogue, so that its edits are not overwritten.
        adoptFileChanges(true);
        Catalogue copy = m_categories;
        if (!change(copy))
            return;
        setCategories(std::move(copy));
        writeCatalogue();
    });
}

bool StationManager::adoptFileChanges(bool beforeSave)
{
    const auto bytes = readWhole(m_filePath);
    if (!bytes)
        return false; // gone or unreadable: ours is written at the next save
    const size_t digest = digestOf(*bytes);
    if (m_diskDigest == digest)
        return false;
    QString problem;
    auto decoded = CatalogueCodec::decodeCatalogue(*bytes, &problem);
    if (decoded && repairText(*decoded)) {
        decoded.reset();
        problem = QStringLiteral("unpaired surrogates");
    }
    if (!decoded) {
        // A hand edit half done, or a form we cannot read: left alone while it is only read,
        // kept aside before a save would replace it.
        if (beforeSave) {
            preserveDamagedFile(problem);
            m_diskDigest.reset();
        } else {
            qCWarning(lcStations,
                      "Catalogue file changed on disk but cannot be read (%s); keeping the catalogue",
                      qUtf8Printable(problem));
            m_diskDigest = digest;
        }
        return false;
    }
    m_diskDigest = digest;
    qCInfo(lcStations, "Catalogue file changed on disk; loaded %lld categories", qint64(decoded->size()));
    setCategories(std::move(*decoded));
    return true;
}

void StationManager::onFileChanged()
{
    adoptFileChanges(false);
    watch();
}

void StationManager::watch()
{
    // An atomic replace swaps the file's inode, which drops the file watch; the folder watch
    // sees the new file appear and this re-adds it.
    const QString dir = QFileInfo(m_filePath).absolutePath();
    if (!m_watcher.directories().contains(dir) && QFileInfo(dir).isDir())
        m_watcher.addPath(dir);
    if (!m_watcher.files().contains(m_filePath) && QFileInfo::exists(m_filePath))
        m_watcher.addPath(m_filePath);
}

bool StationManager::writeCatalogue()
{
    const QByteArray bytes = CatalogueCodec::encodeCatalogue(m_categories);

    // An atomic replace would silently overwrite a file the user made read-only.
    const QFileInfo info(m_filePath);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) {
        qCCritical(lcStations, "Failed to save stations: %s",
                   qUtf8Printable(QStringLiteral("%1 is read-only").arg(m_filePath)));
        return false;
    }

    // A symlink is followed (dotfile managers rely on it) and an existing file keeps its own mode;
    // only a file we create is made private.
    const bool created = !info.exists();
    QSaveFile file(m_filePath);
    if (file.open(QIODevice::WriteOnly)) {
        if (created)
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (file.write(bytes) == bytes.size() && file.commit()) {
            m_diskDigest = digestOf(bytes);
            qCDebug(lcStations, "Saved %lld categories to disk", qint64(m_categories.size()));
            return true;
        }
    }
    const QString reason =
        file.errorString().isEmpty() ? QStringLiteral("cannot write %1").arg(m_filePath) : file.errorString();
    file.cancelWriting();
    qCCritical(lcStations, "Failed to save stations: %s", qUtf8Printable(reason));
    return false;
}

QString StationManager::keepAside(const QString &path, bool copy)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    // Renaming needs no read access, so even a file we cannot open is kept.
    const bool kept =
        copy ? QFile::copy(path, aside) : (QFile::rename(path, aside) || QFile::copy(path, aside));
    return kept ? aside : QString();
}

void StationManager::preserveDamagedFile(const QString &reason)
{
    const QString aside = keepAside(m_filePath, false);
    if (!aside.isEmpty()) {
        qCCritical(lcStations, "Catalogue file could not be read (%s); kept it as %s", qUtf8Printable(reason),
                   qUtf8Printable(aside));
    } else {
        qCCritical(lcStations, "Catalogue file could not be read (%s) and could not be kept aside",
                   qUtf8Printable(reason));
    }
}

void StationManager::addStation(const QString &name, const QString &url, const QString &category)
{
    edit([=](Catalogue &categories) {
        const QString trimmed = name.trimmed();
        switch (addTo(categories, name, url, category)) {
        case AddOutcome::EmptyName:
            qCCritical(lcStations, "Attempted to add station with empty name");
            return false;
        case AddOutcome::Duplicate:
            qCCritical(lcStations, "Station already exists: %s", qUtf8Printable(trimmed));
            return false;
        case AddOutcome::Added:
            break;
        }
        qCInfo(lcStations, "Added station: %s to category: %s", qUtf8Printable(trimmed),
               qUtf8Printable(category.isEmpty() ? DefaultCategoryName : category));
        return true;
    });
}

void StationManager::removeStation(const RadioStation &station)
{
    qCInfo(lcStations, "Removing station: %s", qUtf8Printable(station.name));
    edit([=](Catalogue &categories) {
        for (StationCategory &category : categories)
            category.stations.removeIf([&](const RadioStation &s) { return s.id() == station.id(); });
        removeEmptyCategories(categories);
        return true;
    });
}

void StationManager::moveStation(const RadioStation &station, const QString &toCategory)
{
    qCInfo(lcStations, "Moving station %s to category %s", qUtf8Printable(station.name),
           qUtf8Printable(toCategory));
    edit([=](Catalogue &categories) {
        // The station as stored moves, with what the caller did not name (its logo).
        RadioStation moved = station;
        for (StationCategory &category : categories)
            category.stations.removeIf([&](const RadioStation &s) {
                if (s.id() != station.id())
                    return false;
                moved = s;
                return true;
            });
        if (StationCategory *target = findCategory(categories, toCategory))
            target->stations.append(moved);
        else
            categories.append(StationCategory(toCategory, {moved}));
        removeEmptyCategories(categories);
        return true;
    });
}

void StationManager::moveStations(const QString &inCategory, QList<int> fromOffsets, int toOffset)
{
    edit([=](Catalogue &categories) mutable {
        StationCategory *category = findCategory(categories, inCategory);
        if (!category) {
            qCCritical(lcStations, "Cannot reorder: category not found");
            return false;
        }
        QList<RadioStation> &stations = category->stations;
        const int count = int(stations.size());
        // Offsets come from the view showing this category; anything outside it is dropped
        // rather than trusted.
        std::sort(fromOffsets.begin(), fromOffsets.end());
        fromOffsets.erase(std::unique(fromOffsets.begin(), fromOffsets.end()), fromOffsets.end());
        fromOffsets.removeIf([count](int i) { return i < 0 || i >= count; });
        toOffset = std::clamp(toOffset, 0, count);

        QList<RadioStation> moved;
        moved.reserve(fromOffsets.size());
        int insertAt = toOffset;
        for (auto it = fromOffsets.crbegin(); it != fromOffsets.crend(); ++it) {
            moved.prepend(stations.takeAt(*it));
            if (*it < toOffset)
                --insertAt;
        }
        for (qsizetype i = 0; i < moved.size(); ++i)
            stations.insert(insertAt + i, std::move(moved[i]));
        qCDebug(lcStations, "Reordered stations in category: %s", qUtf8Printable(inCategory));
        return true;
    });
}

void StationManager::addCategory(const QString &name)
{
    edit([=](Catalogue &categories) {
        const QString trimmed = name.trimmed();
        if (trimmed.isEmpty() || findCategory(categories, trimmed)) {
            qCCritical(lcStations, "Cannot add category: empty or already exists");
            return false;
        }
        qCInfo(lcStations, "Adding category: %s", qUtf8Printable(trimmed));
        categories.append(StationCategory(trimmed));
        return true;
    });
}

void StationManager::removeCategory(const QString &name)
{
    edit([=](Catalogue &categories) {
        const auto it = std::find_if(categories.begin(), categories.end(),
                                     [&](const StationCategory &c) { return c.name == name; });
        if (it == categories.end() || !it->stations.isEmpty()) {
            qCCritical(lcStations, "Cannot remove category: not found or not empty");
            return false;
        }
        qCInfo(lcStations, "Removing category: %s", qUtf8Printable(name));
        categories.erase(it);
        return true;
    });
}

void StationManager::editStation(const RadioStation &station, const QString &newName, const QString &newUrl)
{
    const QString trimmed = newName.trimmed();
    if (trimmed.isEmpty()) {
        qCCritical(lcStations, "Attempted to edit station with empty name");
        return;
    }
    // Through edit(): the check and the change apply to what is on disk now, so another
    // process's edits are kept.
    edit([=](Catalogue &categories) {
        bool found = false;
        for (const StationCategory &category : std::as_const(categories)) {
            for (const RadioStation &s : category.stations) {
                if (s.id() == station.id()) {
                    found = true;
                } else if (s.id() == newUrl) {
                    qCCritical(lcStations, "Station already exists: %s", qUtf8Printable(trimmed));
                    return false;
                }
            }
        }
        if (!found) {
            qCCritical(lcStations, "Cannot edit station: not found");
            return false;
        }
        qCInfo(lcStations, "Editing station: %s to %s", qUtf8Printable(station.name),
               qUtf8Printable(trimmed));
        for (StationCategory &category : categories) {
            for (RadioStation &s : category.stations) {
                if (s.id() == station.id()) {
                    // The logo stays with the station.
                    s.name = trimmed;
                    s.url = newUrl;
                }
            }
        }
        return true;
    });
}

void StationManager::setStationLogo(const QString &url, const QString &logoUrl)
{
    const QString logo = CatalogueCodec::logoUrl(logoUrl);
    edit([=](Catalogue &categories) {
        bool changed = false;
        for (StationCategory &category : categories) {
            for (RadioStation &s : category.stations) {
                if (s.id() == url && s.logoUrl != logo) {
                    s.logoUrl = logo;
                    changed = true;
                }
            }
        }
        return changed;
    });
}

void StationManager::renameCategory(const QString &name, const QString &newName)
{
    const QString trimmed = newName.trimmed();
    edit([=](Catalogue &categories) {
        StationCategory *category = findCategory(categories, name);
        if (!category) {
            qCCritical(lcStations, "Cannot rename category: not found");
            return false;
        }
        // Its own name in other letter case is no clash.
        const bool clash = std::any_of(categories.cbegin(), categories.cend(), [&](const StationCategory &c) {
            return &c != category && c.name.compare(trimmed, Qt::CaseInsensitive) == 0;
        });
        if (trimmed.isEmpty() || clash) {
            qCCritical(lcStations, "Cannot rename category: empty or already exists");
            return false;
        }
        if (trimmed == name)
            return false;
        qCInfo(lcStations, "Renaming category: %s to %s", qUtf8Printable(name), qUtf8Printable(trimmed));
        category->name = trimmed;
        return true;
    });
}

StationImport::Report StationManager::importStations(const StationFile::Contents &contents,
                                                     const QString &category, const QString &fallbackCategory)
{
    StationImport::Report report;
    edit([&report, contents, category, fallbackCategory](Catalogue &categories) {
        const Catalogue before = categories;
        const QString fallback =
            fallbackCategory.trimmed().isEmpty() ? DefaultCategoryName : fallbackCategory;
        report = StationImport::apply(categories, contents, category, fallback);
        qCInfo(lcStations, "Imported %d stations, skipped %d duplicates and %lld invalid entries",
               report.added, report.duplicates, qint64(report.refused.size()));
        return categories != before;
    });
    m_lock.finish();
    return report;
}
