#include "viewmodels/HistoryListModel.h"

#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"

#include <QLocale>

HistoryListModel::HistoryListModel(HistoryStore *store, HistoryRecorder *recorder, Today today,
                                   QObject *parent)
    : QAbstractListModel(parent), m_store(store), m_today(std::move(today))
{
    if (!m_today)
        m_today = [] { return QDate::currentDate(); };
    if (recorder)
        connect(recorder, &HistoryRecorder::historyChanged, this, &HistoryListModel::reload);
}

void HistoryListModel::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;
    Q_EMIT searchTextChanged();
    reload();
}

void HistoryListModel::setStarredOnly(bool starredOnly)
{
    if (starredOnly == m_starredOnly)
        return;
    m_starredOnly = starredOnly;
    Q_EMIT starredOnlyChanged();
    reload();
}

void HistoryListModel::reload()
{
    QList<HistoryEntry> entries =
        m_store ? m_store->entries({}, m_searchText, maximumRows) : QList<HistoryEntry>();
    if (m_starredOnly)
        entries.removeIf([](const HistoryEntry &entry) { return !entry.starred; });
    const int before = count();
    beginResetModel();
    m_entries = entries;
    endResetModel();
    if (count() != before)
        Q_EMIT countChanged();
}

int HistoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QString HistoryListModel::dayHeading(const QDate &day, const QDate &today)
{
    if (day == today)
        return tr("Vandaag");
    if (day == today.addDays(-1))
        return tr("Gisteren");
    return QLocale().toString(day, day.year() == today.year() ? QStringLiteral("dddd d MMMM")
                                                              : QStringLiteral("dddd d MMMM yyyy"));
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const HistoryEntry &entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return entry.text();
    case ArtistRole:
        return entry.artist;
    case TitleRole:
        return entry.title;
    case StationRole:
        return entry.stationName;
    case TimeRole:
        return QLocale().toString(entry.startedAt.toLocalTime().time(), QStringLiteral("HH:mm"));
    case DayRole:
        return dayHeading(entry.startedAt.toLocalTime().date(), m_today());
    case StarredRole:
        return entry.starred;
    }
    return {};
}

QHash<int, QByteArray> HistoryListModel::roleNames() const
{
    return {{TextRole, "text"}, {ArtistRole, "artist"}, {TitleRole, "title"},    {StationRole, "station"},
            {TimeRole, "time"}, {DayRole, "day"},       {StarredRole, "starred"}};
}

void HistoryListModel::setStarred(int row, bool starred)
{
    if (row < 0 || row >= count() || !m_store)
        return;
    m_store->setStarred(m_entries.at(row).id, starred);
    if (m_starredOnly && !starred) {
        reload();
        return;
    }
    m_entries[row].starred = starred;
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed, {StarredRole});
}

void HistoryListModel::toggleStarred(int row)
{
    if (row >= 0 && row < count())
        setStarred(row, !m_entries.at(row).starred);
}

QString HistoryListModel::copyText(int row) const
{
    return row >= 0 && row < count() ? m_entries.at(row).text() : QString();
}
