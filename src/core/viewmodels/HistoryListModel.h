// The "Gehoord" list: the heard songs newest first, each with the day it belongs to (the view's
// section heading), narrowed by the search text as typed and, with starredOnly, to the kept songs
// ("Bewaard"); the star and the text to copy. Reads the store again whenever the recorder changed
// it. Owns nothing it is given; both must outlive it.
#pragma once

#include "history/HistoryEntry.h"

#include <QAbstractListModel>
#include <QDate>
#include <functional>

class HistoryRecorder;
class HistoryStore;

class HistoryListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(bool starredOnly READ starredOnly WRITE setStarredOnly NOTIFY starredOnlyChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role {
        TextRole = Qt::UserRole + 1, // "Artist - Title", or the title alone
        ArtistRole,
        TitleRole,
        StationRole,
        TimeRole, // the local time of day, "14:05"
        DayRole,  // "Vandaag", "Gisteren", else the local date written out
        StarredRole,
    };
    Q_ENUM(Role)

    // The most songs the list holds: the newest of a search, enough for any scrolling.
    static constexpr int maximumRows = 1000;

    using Today = std::function<QDate()>;
    // `today` gives the local date the day headings count from (the current one when empty).
    HistoryListModel(HistoryStore *store, HistoryRecorder *recorder, Today today = {},
                     QObject *parent = nullptr);

    QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text);
    bool starredOnly() const { return m_starredOnly; }
    void setStarredOnly(bool starredOnly);
    int count() const { return int(m_entries.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Reads the store anew (the view calls it when it shows).
    Q_INVOKABLE void reload();
    Q_INVOKABLE void setStarred(int row, bool starred);
    Q_INVOKABLE void toggleStarred(int row);
    // What "Kopieer" puts on the clipboard for `row`; empty when there is no such row.
    Q_INVOKABLE QString copyText(int row) const;

    static QString dayHeading(const QDate &day, const QDate &today);

Q_SIGNALS:
    void searchTextChanged();
    void starredOnlyChanged();
    void countChanged();

private:
    HistoryStore *m_store;
    Today m_today;
    QString m_searchText;
    bool m_starredOnly = false;
    QList<HistoryEntry> m_entries;
};
