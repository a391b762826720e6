#include "viewmodels/CategoryStationsModel.h"

#include "catalogue/StationManager.h"
#include "viewmodels/ListDiff.h"

#include <algorithm>
#include <functional>

CategoryStationsModel::CategoryStationsModel(StationManager *stations, QObject *parent)
    : QAbstractListModel(parent), m_stations(stations)
{
    if (m_stations)
        connect(m_stations, &StationManager::categoriesChanged, this, &CategoryStationsModel::update);
}

void CategoryStationsModel::setCategory(const QString &name)
{
    if (name == m_category)
        return;
    const int oldCount = count();
    const bool existed = m_exists;
    m_category = name;
    const std::optional<QList<RadioStation>> rows = currentRows();
    beginResetModel();
    m_rows = rows.value_or(QList<RadioStation>{});
    m_exists = rows.has_value();
    endResetModel();
    Q_EMIT categoryChanged();
    if (m_exists != existed)
        Q_EMIT categoryExistsChanged();
    if (count() != oldCount)
        Q_EMIT countChanged();
}

int CategoryStationsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant CategoryStationsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RadioStation &station = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return station.name;
    case UrlRole:
        return station.url;
    default:
        return {};
    }
}

QHash<int, QByteArray> CategoryStationsModel::roleNames() const
{
    return {{NameRole, "name"}, {UrlRole, "url"}};
}

void CategoryStationsModel::moveStations(const QList<int> &fromOffsets, int toOffset)
{
    if (m_stations)
        m_stations->moveStations(m_category, fromOffsets, toOffset);
}

void CategoryStationsModel::moveRow(int from, int to)
{
    if (from == to)
        return;
    // The offset names the row the station goes before, counted before the move.
    moveStations({from}, to > from ? to + 1 : to);
}

void CategoryStationsModel::removeStation(const QString &name, const QString &url)
{
    if (m_stations)
        m_stations->removeStation(RadioStation(name, url));
}

void CategoryStationsModel::moveStation(const QString &name, const QString &url, const QString &toCategory)
{
    if (m_stations)
        m_stations->moveStation(RadioStation(name, url), toCategory);
}

std::optional<QList<RadioStation>> CategoryStationsModel::currentRows() const
{
    if (!m_stations)
        return std::nullopt;
    for (const StationCategory &category : m_stations->categories()) {
        if (category.name == m_category)
            return category.stations;
    }
    return std::nullopt;
}

bool CategoryStationsModel::applyMoveOfOneRow(const QList<RadioStation> &fresh)
{
    // The usual reorder: one row taken out and put back elsewhere, the rest unchanged.
    if (fresh.size() != m_rows.size())
        return false;
    qsizetype first = 0;
    while (first < fresh.size() && fresh.at(first) == m_rows.at(first))
        ++first;
    if (first == fresh.size())
        return false;
    qsizetype last = fresh.size() - 1;
    while (fresh.at(last) == m_rows.at(last))
        --last;
    const auto same = [&](qsizetype oldFrom, qsizetype newFrom, qsizetype length) {
        return std::equal(m_rows.begin() + oldFrom, m_rows.begin() + oldFrom + length,
                          fresh.begin() + newFrom);
    };
    const qsizetype span = last - first;
    if (m_rows.at(first) == fresh.at(last) && same(first + 1, first, span)) {
        // Down: the row at `first` now sits at `last`.
        beginMoveRows(QModelIndex(), int(first), int(first), QModelIndex(), int(last) + 1);
        m_rows.move(first, last);
        endMoveRows();
        return true;
    }
    if (m_rows.at(last) == fresh.at(first) && same(first, first + 1, span)) {
        beginMoveRows(QModelIndex(), int(last), int(last), QModelIndex(), int(first));
        m_rows.move(last, first);
        endMoveRows();
        return true;
    }
    return false;
}

void CategoryStationsModel::update()
{
    const std::optional<QList<RadioStation>> rows = currentRows();
    const QList<RadioStation> fresh = rows.value_or(QList<RadioStation>{});
    const int oldCount = count();
    const bool existed = m_exists;
    m_exists = rows.has_value();

    if (fresh == m_rows) {
        // Nothing to redraw.
    } else if (applyMoveOfOneRow(fresh)) {
        // Done in place.
    } else {
        const ListDiff diff = ListDiff::compute(m_rows, fresh, std::equal_to<RadioStation>());
        if (diff.kept.isEmpty() && !m_rows.isEmpty() && !fresh.isEmpty()) {
            beginResetModel();
            m_rows = fresh;
            endResetModel();
        } else {
            for (auto it = diff.removed.crbegin(); it != diff.removed.crend(); ++it) {
                beginRemoveRows(QModelIndex(), int(*it), int(*it));
                m_rows.removeAt(*it);
                endRemoveRows();
            }
            if (diff.appendedFrom < fresh.size()) {
                beginInsertRows(QModelIndex(), count(), int(fresh.size()) - 1);
                m_rows.append(fresh.mid(diff.appendedFrom));
                endInsertRows();
            }
        }
    }
    if (m_exists != existed)
        Q_EMIT categoryExistsChanged();
    if (count() != oldCount)
        Q_EMIT countChanged();
}
