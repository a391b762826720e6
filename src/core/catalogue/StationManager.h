// The one owner of the station catalogue: loads it at construction (file, else the built-in
// list plus a one-time merge of the legacy file), edits it, and writes it whole after each change.
// Each load-modify-save holds a lock beside the file and starts from what another process may
// have saved meanwhile; the file is watched, so such a change also reaches the views at once.
// While another process holds the lock, an edit waits in order without blocking the event loop
// (categoriesChanged tells when it is done); nothing asked for is lost. Main thread only.
#pragma once

#include "base/FileLock.h"
#include "catalogue/StationCategory.h"
#include "catalogue/StationImport.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <functional>
#include <optional>

class StationManager : public QObject
{
    Q_OBJECT
public:
    static inline const QString DefaultCategoryName = QStringLiteral("Eigen stations");

    // Uses $XDG_DATA_HOME/Zeffira and the built-in list shipped with the program.
    explicit StationManager(QObject *parent = nullptr);
    // `folder` holds "stations.json" and "custom-stations.json"; `builtInPath` is the XML list.
    StationManager(const QString &folder, const QString &builtInPath, QObject *parent = nullptr);
    // Carries out edits still waiting for the lock.
    ~StationManager() override;

    static QString defaultFolder();

    const Catalogue &categories() const { return m_categories; }
    // The catalogue file, "stations.json" in the folder (a local path); fixed at construction.
    QString filePath() const { return m_filePath; }

    void loadStations();
    // Merges the legacy file into `categories`; true when something was merged, so that the
    // caller deletes the file once the merged catalogue is safely on disk.
    bool migrateLegacyStations();
    void saveStations();

    void addStation(const QString &name, const QString &url, const QString &category);
    void removeStation(const RadioStation &station);
    void moveStation(const RadioStation &station, const QString &toCategory);
    void moveStations(const QString &inCategory, QList<int> fromOffsets, int toOffset);
    void addCategory(const QString &name);
    void removeCategory(const QString &name);
    // Gives every station with the id of `station` the trimmed `newName` and `newUrl`, in place.
    // Refused (logged) for a blank name, a station that is not in the catalogue, or a URL that
    // another station already has.
    void editStation(const RadioStation &station, const QString &newName, const QString &newUrl);
    // The logo address of the station with `url` (an http or https URL; anything else clears it).
    void setStationLogo(const QString &url, const QString &logoUrl);
    // Renames the first category named `name` to the trimmed `newName`. Refused (logged) when
    // it is not found, or the new name is blank or names another category in any letter case.
    void renameCategory(const QString &name, const QString &newName);
    // Adds a station list file's stations (see StationImport::apply) under the lock, to the
    // catalogue as it is on disk now, and saves; what is already there stays as it is. A blank
    // `fallbackCategory` means the default category. Its caller needs the report at once, so it
    // waits for the lock (at most FileLock::kWait).
    StationImport::Report importStations(const StationFile::Contents &contents, const QString &category,
                                         const QString &fallbackCategory);

Q_SIGNALS:
    void categoriesChanged();

private:
    void setCategories(Catalogue categories);
    void load();
    // Runs `change` (false: nothing to save) on the catalogue as it is on disk now, and saves;
    // later if another process holds the lock, so `change` holds copies, not references.
    void edit(std::function<bool(Catalogue &)> change);
    // Takes over a catalogue saved by someone else since we last read or wrote the file; one
    // that cannot be read is kept aside when a save is about to replace it.
    bool adoptFileChanges(bool beforeSave);
    void onFileChanged();
    void watch();
    bool writeCatalogue();
    void preserveDamagedFile(const QString &reason);
    // Moves (or copies) `path` to "<path>.damaged-<time>"; the new path, or empty.
    static QString keepAside(const QString &path, bool copy);
    void removeMergedLegacyFile();
    QString legacyFilePath() const;

    Catalogue m_categories;
    QString m_filePath;
    QString m_builtInPath;
    // Of the file's bytes as we last read or wrote them; nothing when we do not know them.
    std::optional<size_t> m_diskDigest;
    bool m_legacyRepaired = false;
    QFileSystemWatcher m_watcher;
    FileLock m_lock;
};
