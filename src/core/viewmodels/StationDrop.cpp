#include "viewmodels/StationDrop.h"

#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"

StationDrop::StationDrop(StationManager *stations, SettingsStore *settings, QObject *parent)
    : QObject(parent), m_stations(stations), m_settings(settings)
{
    connect(m_settings, &SettingsStore::changed, this, [this](const QString &key) {
        if (key == SettingsKey::SkipMoveConfirmation)
            Q_EMIT skipMoveConfirmationChanged();
    });
}

bool StationDrop::skipMoveConfirmation() const
{
    return m_settings->boolValue(SettingsKey::SkipMoveConfirmation);
}

void StationDrop::setSkipMoveConfirmation(bool skip)
{
    m_settings->setValue(SettingsKey::SkipMoveConfirmation, skip);
}

void StationDrop::setDontAskAgain(bool dontAsk)
{
    if (dontAsk == m_dontAskAgain)
        return;
    m_dontAskAgain = dontAsk;
    Q_EMIT dontAskAgainChanged();
}

void StationDrop::startDrag(const QString &name, const QString &url)
{
    startDrag(RadioStation(name, url));
}

void StationDrop::startDrag(const RadioStation &station)
{
    setDraggedStation(station);
}

void StationDrop::setDraggedStation(const std::optional<RadioStation> &station)
{
    if (station == m_draggedStation)
        return;
    m_draggedStation = station;
    Q_EMIT draggedStationChanged();
}

bool StationDrop::handleDrop(const QString &targetCategory)
{
    if (!m_draggedStation)
        return false;
    const RadioStation dragged = *m_draggedStation;
    setDraggedStation(std::nullopt);

    // The first category of that name decides; a missing one is created by the move.
    for (const StationCategory &category : m_stations->categories()) {
        if (category.name != targetCategory)
            continue;
        for (const RadioStation &station : category.stations) {
            if (station.id() == dragged.id())
                return false;
        }
        break;
    }

    if (skipMoveConfirmation()) {
        m_stations->moveStation(dragged, targetCategory);
        return true;
    }
    m_pendingMove = PendingMove{dragged, targetCategory};
    setDontAskAgain(false);
    m_showMoveConfirmation = true;
    Q_EMIT moveConfirmationChanged();
    return true;
}

void StationDrop::confirmMove()
{
    if (!m_pendingMove) {
        endConfirmation();
        return;
    }
    const PendingMove move = *m_pendingMove;
    if (m_dontAskAgain)
        setSkipMoveConfirmation(true);
    m_stations->moveStation(move.station, move.targetCategory);
    endConfirmation();
}

void StationDrop::cancelMove()
{
    endConfirmation();
}

void StationDrop::endConfirmation()
{
    if (!m_pendingMove && !m_showMoveConfirmation)
        return;
    m_pendingMove.reset();
    m_showMoveConfirmation = false;
    Q_EMIT moveConfirmationChanged();
}

QStringList StationDrop::moveTargets(const QString &fromCategory) const
{
    QStringList targets;
    for (const StationCategory &category : m_stations->categories()) {
        if (category.name != fromCategory)
            targets.append(category.name);
    }
    return targets;
}
