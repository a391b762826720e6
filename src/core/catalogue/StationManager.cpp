#include "catalogue/StationManager.h"

#include "base/AppInfo.h"
#include "base/Logging.h"
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

} // namespace

StationManager::StationManager(QObject *parent)
    : StationManager(defaultFolder(), AppInfo::builtInStationsPath(), parent)
{
}

StationManager::StationManager(const QString &folder, const QString &builtInPath, QObject *parent)
    : QObject(parent), m_builtInPath(builtInPath)
{
    // A failure to create the folder shows up as failed reads and writes, handled there.
    QDir().mkpath(folder);
    m_fileURL = QDir(folder).filePath(QStringLiteral("stations.json"));
    loadStations();
}

QString StationManager::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Zeffira");
}

QString StationManager::legacyFilePath() const
{
    return QFileInfo(m_fileURL).dir().filePath(QStringLiteral("custom-stations.json"));
}

void StationManager::setCategories(Catalogue categories)
{
    m_categories = std::move(categories);
    Q_EMIT categoriesChanged();
}

void StationManager::loadStations()
{
    if (QFileInfo::exists(m_fileURL)) {
        QFile file(m_fileURL);
        QString problem;
        if (!file.open(QIODevice::ReadOnly)) {
            problem = file.errorString();
        } else {
            const QByteArray bytes = file.readAll();
            if (file.error() != QFileDevice::NoError) {
                problem = file.errorString();
            } else if (auto decoded = CatalogueCodec::decodeCatalogue(bytes, &problem)) {
                if (!decoded->isEmpty()) {
                    const auto count = decoded->size();
                    setCategories(std::move(*decoded));
                    qCInfo(lcStations, "Loaded %lld categories from disk", qint64(count));
                    return;
                }
            }
        }
        file.close();
        // An empty array is a plain empty catalogue; anything else may hold the user's
        // stations in a form we cannot read, so it must not be overwritten.
        if (!problem.isEmpty())
            preserveDamagedFile(problem);
    }

    qCInfo(lcStations, "First launch or empty data, loading from XML");
    setCategories(loadBuiltInStations(m_builtInPath));
    const bool merged = migrateLegacyStations();
    const bool saved = writeCatalogue();
    // Deleted only once the merged stations are on disk; otherwise the next start retries.
    if (merged && saved)
        QFile::remove(legacyFilePath());
}

bool StationManager::migrateLegacyStations()
{
    QFile file(legacyFilePath());
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    const auto records = CatalogueCodec::decodeLegacyStations(bytes);
    if (!records)
        return false;

    qCInfo(lcStations, "Migrating %lld legacy stations", qint64(records->size()));
    Catalogue merged = m_categories;
    for (const LegacyStation &record : *records) {
        const QString categoryName = record.category.value_or(DefaultCategoryName);
        RadioStation station(record.name, record.url);
        if (StationCategory *category = findCategory(merged, categoryName))
            category->stations.append(std::move(station));
        else
            merged.append(StationCategory(categoryName, {std::move(station)}));
    }
    setCategories(std::move(merged));
    return true;
}

void StationManager::saveStations()
{
    writeCatalogue();
}

bool StationManager::writeCatalogue()
{
    const QByteArray bytes = CatalogueCodec::encodeCatalogue(m_categories);

    // An atomic replace would silently overwrite a file the user made read-only.
    const QFileInfo info(m_fileURL);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) {
        qCCritical(lcStations, "Failed to save stations: %s",
                   qUtf8Printable(QStringLiteral("%1 is read-only").arg(m_fileURL)));
        return false;
    }

    QSaveFile file(m_fileURL);
    if (file.open(QIODevice::WriteOnly)) {
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (file.write(bytes) == bytes.size() && file.commit()) {
            qCDebug(lcStations, "Saved %lld categories to disk", qint64(m_categories.size()));
            return true;
        }
    }
    const QString reason =
        file.errorString().isEmpty() ? QStringLiteral("cannot write %1").arg(m_fileURL) : file.errorString();
    file.cancelWriting();
    qCCritical(lcStations, "Failed to save stations: %s", qUtf8Printable(reason));
    return false;
}

void StationManager::preserveDamagedFile(const QString &reason)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_fileURL + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_fileURL + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);

    // Renaming needs no read access, so even a file we cannot open is kept.
    if (QFile::rename(m_fileURL, aside) || QFile::copy(m_fileURL, aside)) {
        qCCritical(lcStations, "Catalogue file could not be read (%s); kept it as %s", qUtf8Printable(reason),
                   qUtf8Printable(aside));
    } else {
        qCCritical(lcStations, "Catalogue file could not be read (%s) and could not be kept aside",
                   qUtf8Printable(reason));
    }
}

void StationManager::addStation(const QString &name, const QString &url, const QString &category)
{
    const QString categoryName = category.isEmpty() ? DefaultCategoryName : category;
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        qCCritical(lcStations, "Attempted to add station with empty name");
        return;
    }
    RadioStation station(trimmed, url);
    for (const StationCategory &c : std::as_const(m_categories)) {
        for (const RadioStation &s : c.stations) {
            if (s.id() == station.id()) {
                qCCritical(lcStations, "Station already exists: %s", qUtf8Printable(trimmed));
                return;
            }
        }
    }
    if (StationCategory *target = findCategory(m_categories, categoryName))
        target->stations.append(std::move(station));
    else
        m_categories.append(StationCategory(categoryName, {std::move(station)}));
    Q_EMIT categoriesChanged();
    qCInfo(lcStations, "Added station: %s to category: %s", qUtf8Printable(trimmed),
           qUtf8Printable(categoryName));
    saveStations();
}

void StationManager::removeStation(const RadioStation &station)
{
    qCInfo(lcStations, "Removing station: %s", qUtf8Printable(station.name));
    for (StationCategory &category : m_categories)
        category.stations.removeIf([&](const RadioStation &s) { return s.id() == station.id(); });
    removeEmptyCategories(m_categories);
    Q_EMIT categoriesChanged();
    saveStations();
}

void StationManager::moveStation(const RadioStation &station, const QString &toCategory)
{
    qCInfo(lcStations, "Moving station %s to category %s", qUtf8Printable(station.name),
           qUtf8Printable(toCategory));
    Catalogue copy = m_categories;
    for (StationCategory &category : copy)
        category.stations.removeIf([&](const RadioStation &s) { return s.id() == station.id(); });
    if (StationCategory *target = findCategory(copy, toCategory))
        target->stations.append(station);
    else
        copy.append(StationCategory(toCategory, {station}));
    removeEmptyCategories(copy);
    setCategories(std::move(copy));
    saveStations();
}

void StationManager::moveStations(const QString &inCategory, QList<int> fromOffsets, int toOffset)
{
    StationCategory *category = findCategory(m_categories, inCategory);
    if (!category) {
        qCCritical(lcStations, "Cannot reorder: category not found");
        return;
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

    Q_EMIT categoriesChanged();
    qCDebug(lcStations, "Reordered stations in category: %s", qUtf8Printable(inCategory));
    saveStations();
}

void StationManager::addCategory(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || findCategory(m_categories, trimmed)) {
        qCCritical(lcStations, "Cannot add category: empty or already exists");
        return;
    }
    qCInfo(lcStations, "Adding category: %s", qUtf8Printable(trimmed));
    m_categories.append(StationCategory(trimmed));
    Q_EMIT categoriesChanged();
    saveStations();
}

void StationManager::removeCategory(const QString &name)
{
    const auto it = std::find_if(m_categories.begin(), m_categories.end(),
                                 [&](const StationCategory &c) { return c.name == name; });
    if (it == m_categories.end() || !it->stations.isEmpty()) {
        qCCritical(lcStations, "Cannot remove category: not found or not empty");
        return;
    }
    qCInfo(lcStations, "Removing category: %s", qUtf8Printable(name));
    m_categories.erase(it);
    Q_EMIT categoriesChanged();
    saveStations();
}

void StationManager::editStation(const RadioStation &station, const QString &newName, const QString &newUrl)
{
    const QString trimmed = newName.trimmed();
    if (trimmed.isEmpty()) {
        qCCritical(lcStations, "Attempted to edit station with empty name");
        return;
    }
    bool found = false;
    for (const StationCategory &category : std::as_const(m_categories)) {
        for (const RadioStation &s : category.stations) {
            if (s.id() == station.id()) {
                found = true;
            } else if (s.id() == newUrl) {
                qCCritical(lcStations, "Station already exists: %s", qUtf8Printable(trimmed));
                return;
            }
        }
    }
    if (!found) {
        qCCritical(lcStations, "Cannot edit station: not found");
        return;
    }
    qCInfo(lcStations, "Editing station: %s to %s", qUtf8Printable(station.name), qUtf8Printable(trimmed));
    Catalogue copy = m_categories;
    for (StationCategory &category : copy) {
        for (RadioStation &s : category.stations) {
            if (s.id() == station.id())
                s = RadioStation(trimmed, newUrl);
        }
    }
    setCategories(std::move(copy));
    saveStations();
}

void StationManager::renameCategory(const QString &name, const QString &newName)
{
    const QString trimmed = newName.trimmed();
    StationCategory *category = findCategory(m_categories, name);
    if (!category) {
        qCCritical(lcStations, "Cannot rename category: not found");
        return;
    }
    // Its own name in other letter case is no clash.
    const bool clash = std::any_of(m_categories.cbegin(), m_categories.cend(), [&](const StationCategory &c) {
        return &c != category && c.name.compare(trimmed, Qt::CaseInsensitive) == 0;
    });
    if (trimmed.isEmpty() || clash) {
        qCCritical(lcStations, "Cannot rename category: empty or already exists");
        return;
    }
    if (trimmed == name)
        return;
    qCInfo(lcStations, "Renaming category: %s to %s", qUtf8Printable(name), qUtf8Printable(trimmed));
    category->name = trimmed;
    Q_EMIT categoriesChanged();
    saveStations();
}
