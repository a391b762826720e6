// The Stations tab's category column: one row per category of the store, with its station
// count, following every catalogue change; and the category edits the tab makes. Reads the
// store it is given (which must outlive it); owns only its copy of names and counts.
#pragma once

#include <QAbstractListModel>
#include <QPointer>

class StationManager;

class CategoryListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        StationCountRole,
        HasStationsRole, // decides the row's context menu
    };
    Q_ENUM(Role)

    explicit CategoryListModel(StationManager *stations, QObject *parent = nullptr);

    int count() const { return int(m_rows.size()); }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Row of the first category named exactly `name`, or -1.
    Q_INVOKABLE int indexOf(const QString &name) const;
    // The name of the category at `row`, or "" when there is none.
    Q_INVOKABLE QString nameAt(int row) const
    {
        return row >= 0 && row < count() ? m_rows.at(row).name : QString();
    }
    Q_INVOKABLE bool contains(const QString &name) const { return indexOf(name) >= 0; }
    // What the tab selects when shown: `selected` if set, else the first category, else "".
    Q_INVOKABLE QString initialSelection(const QString &selected) const;

    // "Maak aan" is enabled: the typed name is more than spaces and tabs.
    Q_INVOKABLE static bool canCreateCategory(const QString &typedName);
    // "Maak aan": asks the store to add the category as typed, and returns the name to select
    // (the typed one without surrounding spaces and tabs). A category of that name in any
    // letter case is selected instead of adding one that reads the same.
    Q_INVOKABLE QString createCategory(const QString &typedName);
    // "Verwijder" in the category alert: removes `name` (the store refuses one with stations)
    // and returns the selection afterwards: unchanged unless `name` was selected, then the
    // first other category, or "" when there is none.
    Q_INVOKABLE QString deleteCategory(const QString &name, const QString &selected);
    // "Hernoem...": why `typedName` cannot be the new name of `name` ("" when it can): blank,
    // or another category's name in any letter case.
    Q_INVOKABLE QString renameProblem(const QString &name, const QString &typedName) const;
    // Renames `name` and returns the name to select: the new one, or `name` when refused.
    Q_INVOKABLE QString renameCategory(const QString &name, const QString &typedName);

    Q_INVOKABLE void addCategory(const QString &name);
    Q_INVOKABLE void removeCategory(const QString &name);

Q_SIGNALS:
    void countChanged();

private:
    struct Row {
        QString name;
        int stationCount;
    };

    QList<Row> currentRows() const;
    void update();

    QPointer<StationManager> m_stations;
    QList<Row> m_rows;
};
