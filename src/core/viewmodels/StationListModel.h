// The station panel's list: the filtered catalogue flattened into one header row per category
// followed by its station rows, with the playing station's rows marked active. Reads the store
// and the player it is given (both must outlive it); owns only its flattened copy.
#pragma once

#include "catalogue/StationCategory.h"

#include <QAbstractListModel>
#include <QPointer>

class RadioPlayer;
class StationManager;

class StationListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role {
        KindRole = Qt::UserRole + 1, // "header" or "station"
        NameRole,                    // header: the category name upper-cased; station: its name
        RawNameRole,                 // the name as stored (category or station)
        UrlRole,                     // station: the URL text; header: empty
        CategoryRole,                // the name of the category the row belongs to
        IsFirstHeaderRole,           // header of the first displayed category
        IsActiveRole,                // the chosen station: loading, playing or paused (same URL text)
        LogoRole,                    // station: its logo's address, empty when it has none
    };
    Q_ENUM(Role)

    // Either pointer may be null: no store lists nothing, no player marks nothing active.
    StationListModel(StationManager *stations, RadioPlayer *player, QObject *parent = nullptr);

    QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text);
    int count() const { return int(m_rows.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Keyboard selection: the next station row from `row` in direction `step` (+1 down, -1 up),
    // passing over headers. From -1 (nothing selected) down is the first station and up the
    // last; at either end the selection stays. -1 when the list has no station.
    Q_INVOKABLE int stationRowAfter(int row, int step) const;
    // The first station row, -1 when there is none: what Return plays when nothing is selected.
    Q_INVOKABLE int firstStationRow() const { return stationRowAfter(-1, 1); }
    // Plays the station of `row`; false (nothing happens) for a header or a row that is not there.
    Q_INVOKABLE bool playRow(int row);

    // The URL whose rows are active, null when none is.
    QString activeUrl() const { return m_activeUrl; }

Q_SIGNALS:
    void searchTextChanged();
    void countChanged();

private:
    struct Row {
        bool isHeader;
        bool isFirstHeader;
        QString name;
        QString url;
        QString category;
        QString logoUrl;
    };

    void rebuild();
    void updateActive();
    QString currentActiveUrl() const;

    QPointer<StationManager> m_stations;
    QPointer<RadioPlayer> m_player;
    QString m_searchText;
    QString m_activeUrl;
    QList<Row> m_rows;
};
