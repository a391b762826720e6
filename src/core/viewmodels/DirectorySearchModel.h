// The add-station sheet's directory search: the results of what the user types, searched once
// typing pauses (a new search supersedes the running one), with a status line for searching, no
// results, no server and a bad answer. Choosing a result gives the name and URL for the sheet's
// fields and counts the click at the directory. Does not own the directory or the scheduler.
#pragma once

#include "directory/StationDirectory.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QVariantMap>

class Scheduler;

class DirectorySearchModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    // The line under the field: empty while idle or when results show.
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum class Status { Idle, Searching, Results, NoResults, NoServer, BadAnswer };
    Q_ENUM(Status)

    enum Role {
        NameRole = Qt::UserRole + 1,
        UrlRole,
        CountryRole,
        DetailsRole, // codec and bitrate, "MP3 · 128 kbps"
        TagsRole,    // "jazz, blues"
    };
    Q_ENUM(Role)

    // Typing pauses this long before a search starts.
    static constexpr std::chrono::milliseconds debounce{400};

    DirectorySearchModel(StationDirectory *directory, Scheduler *scheduler, QObject *parent = nullptr);

    QString query() const { return m_query; }
    // Starts a search after the pause; a blank query clears the results and stops any search.
    void setQuery(const QString &query);
    Status status() const { return m_status; }
    QString statusText() const;
    int count() const { return int(m_rows.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // {name, url} of the result at `row` (empty for a row that is not there); counts the click.
    Q_INVOKABLE QVariantMap choose(int row);
    // Forgets the query and the results, and stops any search (the sheet opens afresh).
    Q_INVOKABLE void clear();

Q_SIGNALS:
    void queryChanged();
    void statusChanged();
    void countChanged();

private:
    void start(quint64 generation);
    void setRows(QList<DirectoryStation> rows);
    void setStatus(Status status);

    QPointer<StationDirectory> m_directory;
    Scheduler *m_scheduler;
    QString m_query;
    Status m_status = Status::Idle;
    QList<DirectoryStation> m_rows;
    quint64 m_generation = 0; // of the latest query; a pause that ends for an older one is ignored
};
