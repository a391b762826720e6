#include "viewmodels/StationListModel.h"

#include "catalogue/StationFilter.h"
#include "catalogue/StationManager.h"
#include "playback/RadioPlayer.h"
#include "viewmodels/PlayingMark.h"

StationListModel::StationListModel(StationManager *stations, RadioPlayer *player, QObject *parent)
    : QAbstractListModel(parent), m_stations(stations), m_player(player)
{
    if (m_stations)
        connect(m_stations, &StationManager::categoriesChanged, this, &StationListModel::rebuild);
    if (m_player) {
        // Only the marks change with the player: no reset, so the list keeps its scroll position.
        connect(m_player, &RadioPlayer::currentStationChanged, this, &StationListModel::updateActive);
        connect(m_player, &RadioPlayer::isPlayingChanged, this, &StationListModel::updateActive);
        connect(m_player, &RadioPlayer::playbackStateChanged, this, &StationListModel::updateActive);
    }
    m_activeUrl = currentActiveUrl();
    rebuild();
}

void StationListModel::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;
    rebuild();
    Q_EMIT searchTextChanged();
}

int StationListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant StationListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case KindRole:
        return row.isHeader ? QStringLiteral("header") : QStringLiteral("station");
    case Qt::DisplayRole:
    case NameRole:
        // Upper-cased on demand: only the rows on screen are ever asked.
        return row.isHeader ? row.name.toUpper() : row.name;
    case RawNameRole:
        return row.name;
    case UrlRole:
        return row.url;
    case CategoryRole:
        return row.category;
    case IsFirstHeaderRole:
        return row.isFirstHeader;
    case LogoRole:
        return row.logoUrl;
    case IsActiveRole:
        return !row.isHeader && !m_activeUrl.isNull() && row.url == m_activeUrl;
    default:
        return {};
    }
}

QHash<int, QByteArray> StationListModel::roleNames() const
{
    return {{KindRole, "kind"},         {NameRole, "name"},         {RawNameRole, "rawName"},
            {UrlRole, "url"},           {CategoryRole, "category"}, {IsFirstHeaderRole, "isFirstHeader"},
            {IsActiveRole, "isActive"}, {LogoRole, "logoUrl"}};
}

int StationListModel::stationRowAfter(int row, int step) const
{
    const int count = int(m_rows.size());
    const auto isStation = [&](int i) { return i >= 0 && i < count && !m_rows.at(i).isHeader; };
    if (row < 0 || row >= count) {
        // Into the list from outside it: at the near end for Down, the far end for Up.
        row = step > 0 ? -1 : count;
    }
    for (int i = row + (step > 0 ? 1 : -1); i >= 0 && i<count; i += step> 0 ? 1 : -1) {
        if (isStation(i))
            return i;
    }
    return isStation(row) ? row : -1;
}

bool StationListModel::playRow(int row)
{
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).isHeader || !m_player)
        return false;
    const Row &station = m_rows.at(row);
    RadioStation playing(station.name, station.url);
    playing.logoUrl = station.logoUrl;
    m_player->play(playing);
    return true;
}

void StationListModel::rebuild()
{
    const Catalogue filtered =
        m_stations ? filteredCategories(m_stations->categories(), m_searchText) : Catalogue{};
    const int oldCount = count();

    QList<Row> rows;
    qsizetype total = filtered.size();
    for (const StationCategory &category : filtered)
        total += category.stations.size();
    rows.reserve(total);
    for (const StationCategory &category : filtered) {
        // The first displayed category is any equal to the first element (same name, same
        // stations); ordinarily that is only the first one.
        const bool first = category.name == filtered.first().name && category == filtered.first();
        rows.append(Row{true, first, category.name, QString(), category.name, QString()});
        for (const RadioStation &station : category.stations)
            rows.append(Row{false, false, station.name, station.url, category.name, station.logoUrl});
    }

    beginResetModel();
    m_rows = std::move(rows);
    m_activeUrl = currentActiveUrl();
    endResetModel();
    if (count() != oldCount)
        Q_EMIT countChanged();
}

QString StationListModel::currentActiveUrl() const
{
    return m_player ? PlayingMark::markedUrl(*m_player) : QString();
}

void StationListModel::updateActive()
{
    const QString active = currentActiveUrl();
    if (active == m_activeUrl && active.isNull() == m_activeUrl.isNull())
        return;
    const QString previous = m_activeUrl;
    m_activeUrl = active;
    // Every row of either URL changes: a station listed twice is marked twice.
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row &row = m_rows.at(i);
        if (row.isHeader)
            continue;
        if ((!previous.isNull() && row.url == previous) || (!active.isNull() && row.url == active)) {
            const QModelIndex changed = index(i);
            Q_EMIT dataChanged(changed, changed, {IsActiveRole});
        }
    }
}
