// The Stations tab's station list: the stations of the selected category (the first category
// of that name), following every catalogue change, and the station edits made from the list.
// Reads the store it is given (which must outlive it); owns only its copy of the rows.
#pragma once

#include "catalogue/RadioStation.h"

#include <QAbstractListModel>
#include <QPointer>
#include <optional>

class StationManager;

class CategoryStationsModel : public QAbstractListModel
{
    Q_OBJECT
    // The selected category's name; "" selects nothing.
    Q_PROPERTY(QString category READ category WRITE setCategory NOTIFY categoryChanged)
    // A category of that name exists: the list shows, else the "Selecteer een categorie" placeholder.
    Q_PROPERTY(bool categoryExists READ categoryExists NOTIFY categoryExistsChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        UrlRole, // the URL text as stored
    };
    Q_ENUM(Role)

    explicit CategoryStationsModel(StationManager *stations, QObject *parent = nullptr);

    QString category() const { return m_category; }
    void setCategory(const QString &name);
    bool categoryExists() const { return m_exists; }
    int count() const { return int(m_rows.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Reorders the selected category: the stations at `fromOffsets` go, in their order, before
    // the station that was at `toOffset` (the count puts them at the end).
    Q_INVOKABLE void moveStations(const QList<int> &fromOffsets, int toOffset);
    // A row dragged from `from` so that it ends up at row `to`, as a view reports it.
    Q_INVOKABLE void moveRow(int from, int to);
    // Removes the station with that URL everywhere (after the tab's confirmation).
    Q_INVOKABLE void removeStation(const QString &name, const QString &url);
    // "Verplaats naar...": moves at once, without confirmation.
    Q_INVOKABLE void moveStation(const QString &name, const QString &url, const QString &toCategory);

Q_SIGNALS:
    void categoryChanged();
    void categoryExistsChanged();
    void countChanged();

private:
    // The stations of the selected category, or nothing when it does not exist.
    std::optional<QList<RadioStation>> currentRows() const;
    void update();
    bool applyMoveOfOneRow(const QList<RadioStation> &fresh);

    QPointer<StationManager> m_stations;
    QString m_category;
    bool m_exists = false;
    QList<RadioStation> m_rows;
};
