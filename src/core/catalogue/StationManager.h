// The one owner of the station catalogue: loads it at construction (file, else the built-in
// list plus a one-time merge of the legacy file), edits it, and writes it whole after each change.
#pragma once

#include "catalogue/StationCategory.h"

#include <QObject>

class StationManager : public QObject
{
    Q_OBJECT
public:
    static inline const QString DefaultCategoryName = QStringLiteral("Eigen stations");

    // Uses $XDG_DATA_HOME/Zeffira and the built-in list shipped with the program.
    explicit StationManager(QObject *parent = nullptr);
    // `folder` holds "stations.json" and "custom-stations.json"; `builtInPath` is the XML list.
    StationManager(const QString &folder, const QString &builtInPath, QObject *parent = nullptr);

    static QString defaultFolder();

    const Catalogue &categories() const { return m_categories; }
    QString fileURL() const { return m_fileURL; }

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
    // Renames the first category named `name` to the trimmed `newName`. Refused (logged) when
    // it is not found, or the new name is blank or names another category in any letter case.
    void renameCategory(const QString &name, const QString &newName);

Q_SIGNALS:
    void categoriesChanged();

private:
    void setCategories(Catalogue categories);
    bool writeCatalogue();
    void preserveDamagedFile(const QString &reason);
    QString legacyFilePath() const;

    Catalogue m_categories;
    QString m_fileURL;
    QString m_builtInPath;
};
