#include "viewmodels/CategoryListModel.h"

#include "catalogue/StationManager.h"
#include "viewmodels/ListDiff.h"

namespace {
// Spaces and tabs only, unlike the store's trimming: a name of line breaks stays refusable
// by the store, but the tab selects what the user sees.
QString trimSpacesAndTabs(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && blank(text.at(begin)))
        ++begin;
    while (end > begin && blank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}
} // namespace

CategoryListModel::CategoryListModel(StationManager *stations, QObject *parent)
    : QAbstractListModel(parent), m_stations(stations)
{
    if (m_stations)
        connect(m_stations, &StationManager::categoriesChanged, this, &CategoryListModel::update);
    m_rows = currentRows();
}

int CategoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant CategoryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return row.name;
    case StationCountRole:
        return row.stationCount;
    case HasStationsRole:
        return row.stationCount > 0;
    default:
        return {};
    }
}

QHash<int, QByteArray> CategoryListModel::roleNames() const
{
    return {{NameRole, "name"}, {StationCountRole, "stationCount"}, {HasStationsRole, "hasStations"}};
}

int CategoryListModel::indexOf(const QString &name) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_rows.at(i).name == name)
            return i;
    }
    return -1;
}

QString CategoryListModel::initialSelection(const QString &selected) const
{
    if (!selected.isEmpty() || m_rows.isEmpty())
        return selected;
    return m_rows.first().name;
}

bool CategoryListModel::canCreateCategory(const QString &typedName)
{
    return !trimSpacesAndTabs(typedName).isEmpty();
}

QString CategoryListModel::createCategory(const QString &typedName)
{
    const QString name = trimSpacesAndTabs(typedName);
    const QString existing =
        m_stations ? categoryNameIgnoringCase(m_stations->categories(), name) : QString();
    if (!existing.isNull())
        return existing;
    addCategory(typedName);
    return name;
}

QString CategoryListModel::renameProblem(const QString &name, const QString &typedName) const
{
    const QString wanted = typedName.trimmed();
    if (wanted.isEmpty())
        return tr("Vul een naam in.");
    for (const Row &row : m_rows) {
        if (row.name != name && row.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return tr("Er is al een categorie '%1'.").arg(row.name);
    }
    return QString();
}

QString CategoryListModel::renameCategory(const QString &name, const QString &typedName)
{
    if (!m_stations || !renameProblem(name, typedName).isEmpty()) {
        if (m_stations)
            m_stations->renameCategory(name, typedName); // refused there too, and logged
        return name;
    }
    m_stations->renameCategory(name, typedName);
    return typedName.trimmed();
}

QString CategoryListModel::deleteCategory(const QString &name, const QString &selected)
{
    QString selection = selected;
    if (selected == name) {
        selection.clear();
        for (const Row &row : std::as_const(m_rows)) {
            if (row.name != name) {
                selection = row.name;
                break;
            }
        }
    }
    removeCategory(name);
    return selection;
}

void CategoryListModel::addCategory(const QString &name)
{
    if (m_stations)
        m_stations->addCategory(name);
}

void CategoryListModel::removeCategory(const QString &name)
{
    if (m_stations)
        m_stations->removeCategory(name);
}

QList<CategoryListModel::Row> CategoryListModel::currentRows() const
{
    QList<Row> rows;
    if (!m_stations)
        return rows;
    rows.reserve(m_stations->categories().size());
    for (const StationCategory &category : m_stations->categories())
        rows.append(Row{category.name, int(category.stations.size())});
    return rows;
}

void CategoryListModel::update()
{
    QList<Row> fresh = currentRows();
    const int oldCount = count();
    // Rows are categories, known by name; counts are data of a kept row.
    const ListDiff diff =
        ListDiff::compute(m_rows, fresh, [](const Row &a, const Row &b) { return a.name == b.name; });

    if (diff.kept.isEmpty() && !m_rows.isEmpty() && !fresh.isEmpty()) {
        beginResetModel();
        m_rows = std::move(fresh);
        endResetModel();
    } else {
        // Back to front, so the indices still to come stay valid.
        for (auto it = diff.removed.crbegin(); it != diff.removed.crend(); ++it) {
            beginRemoveRows(QModelIndex(), int(*it), int(*it));
            m_rows.removeAt(*it);
            endRemoveRows();
        }
        for (int i = 0; i < count(); ++i) {
            if (m_rows.at(i).stationCount != fresh.at(i).stationCount) {
                m_rows[i].stationCount = fresh.at(i).stationCount;
                const QModelIndex changed = index(i);
                Q_EMIT dataChanged(changed, changed, {StationCountRole, HasStationsRole});
            }
        }
        if (diff.appendedFrom < fresh.size()) {
            beginInsertRows(QModelIndex(), count(), int(fresh.size()) - 1);
            m_rows.append(fresh.mid(diff.appendedFrom));
            endInsertRows();
        }
    }
    if (count() != oldCount)
        Q_EMIT countChanged();
}
