#include "viewmodels/DirectorySearchModel.h"

#include "base/Scheduler.h"

#include <QCoreApplication>

DirectorySearchModel::DirectorySearchModel(StationDirectory *directory, Scheduler *scheduler, QObject *parent)
    : QAbstractListModel(parent), m_directory(directory), m_scheduler(scheduler)
{
    if (!m_directory)
        return;
    connect(m_directory, &StationDirectory::found, this, [this](const QList<DirectoryStation> &stations) {
        if (m_status != Status::Searching)
            return; // a report for a search the user has moved on from
        setRows(stations);
        setStatus(stations.isEmpty() ? Status::NoResults : Status::Results);
    });
    connect(m_directory, &StationDirectory::failed, this, [this](StationDirectory::Failure failure) {
        if (m_status != Status::Searching)
            return;
        setRows({});
        setStatus(failure == StationDirectory::Failure::NoServer ? Status::NoServer : Status::BadAnswer);
    });
}

void DirectorySearchModel::setQuery(const QString &query)
{
    if (query == m_query)
        return;
    m_query = query;
    Q_EMIT queryChanged();
    const quint64 generation = ++m_generation;
    // The running search is for an older text: its answer must not show.
    if (m_directory)
        m_directory->cancel();
    if (m_query.trimmed().isEmpty()) {
        setRows({});
        setStatus(Status::Idle);
        return;
    }
    setStatus(Status::Searching);
    m_scheduler->schedule(debounce, this, [this, generation] { start(generation); });
}

void DirectorySearchModel::start(quint64 generation)
{
    if (generation != m_generation)
        return;
    if (!m_directory) {
        setRows({});
        setStatus(Status::NoServer);
        return;
    }
    m_directory->search(m_query.trimmed());
}

void DirectorySearchModel::clear()
{
    setQuery(QString());
}

QString DirectorySearchModel::statusText() const
{
    switch (m_status) {
    case Status::Idle:
    case Status::Results:
        return QString();
    case Status::Searching:
        return QCoreApplication::translate("DirectorySearch", "Zoeken in de zendergids...");
    case Status::NoResults:
        return QCoreApplication::translate("DirectorySearch", "Geen zenders gevonden.");
    case Status::NoServer:
        return QCoreApplication::translate("DirectorySearch",
                                           "De zendergids is niet bereikbaar. Probeer het later opnieuw.");
    case Status::BadAnswer:
        return QCoreApplication::translate(
            "DirectorySearch", "De zendergids gaf een onbruikbaar antwoord. Er is niets toegevoegd.");
    }
    return QString();
}

int DirectorySearchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant DirectorySearchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return {};
    const DirectoryStation &station = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return station.name;
    case UrlRole:
        return station.url;
    case CountryRole:
        return station.country;
    case DetailsRole: {
        QStringList parts;
        if (!station.codec.isEmpty())
            parts << station.codec;
        if (station.bitrate > 0)
            parts << QStringLiteral("%1 kbps").arg(station.bitrate);
        return parts.join(QStringLiteral(" · "));
    }
    case TagsRole:
        return station.tags.join(QStringLiteral(", "));
    default:
        return {};
    }
}

QHash<int, QByteArray> DirectorySearchModel::roleNames() const
{
    return {{NameRole, "name"},
            {UrlRole, "url"},
            {CountryRole, "country"},
            {DetailsRole, "details"},
            {TagsRole, "tags"}};
}

QVariantMap DirectorySearchModel::choose(int row)
{
    if (row < 0 || row >= m_rows.size())
        return {};
    const DirectoryStation &station = m_rows.at(row);
    if (m_directory && !station.uuid.isEmpty())
        m_directory->countClick(station.uuid);
    return {{QStringLiteral("name"), station.name},
            {QStringLiteral("url"), station.url},
            {QStringLiteral("logo"), station.favicon}};
}

void DirectorySearchModel::setRows(QList<DirectoryStation> rows)
{
    if (rows.isEmpty() && m_rows.isEmpty())
        return;
    const bool countChanges = rows.size() != m_rows.size();
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    if (countChanges)
        Q_EMIT countChanged();
}

void DirectorySearchModel::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}
