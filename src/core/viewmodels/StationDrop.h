// Moving a station between categories by drag and drop on the Stations tab: the station being
// dragged, the refusal rule, the optional confirmation with its "do not ask again" switch
// (stored as "skipMoveConfirmation"), and the "Verplaats naar..." targets. Owns neither the
// store nor the settings; both must outlive it.
#pragma once

#include "catalogue/RadioStation.h"

#include <QObject>
#include <QStringList>
#include <optional>

class SettingsStore;
class StationManager;

class StationDrop : public QObject
{
    Q_OBJECT
    // Stored setting; true moves a dropped station without asking.
    Q_PROPERTY(bool skipMoveConfirmation READ skipMoveConfirmation WRITE setSkipMoveConfirmation NOTIFY
                   skipMoveConfirmationChanged)
    Q_PROPERTY(bool hasDraggedStation READ hasDraggedStation NOTIFY draggedStationChanged)
    Q_PROPERTY(QString draggedStationName READ draggedStationName NOTIFY draggedStationChanged)
    // The confirmation sheet: shown while true, for the pending station and target.
    Q_PROPERTY(bool showMoveConfirmation READ showMoveConfirmation NOTIFY moveConfirmationChanged)
    Q_PROPERTY(bool hasPendingMove READ hasPendingMove NOTIFY moveConfirmationChanged)
    Q_PROPERTY(QString pendingStationName READ pendingStationName NOTIFY moveConfirmationChanged)
    Q_PROPERTY(QString pendingTargetCategory READ pendingTargetCategory NOTIFY moveConfirmationChanged)
    // The sheet's "Vraag dit niet opnieuw" switch; false each time the sheet is presented.
    Q_PROPERTY(bool dontAskAgain READ dontAskAgain WRITE setDontAskAgain NOTIFY dontAskAgainChanged)
public:
    struct PendingMove {
        RadioStation station;
        QString targetCategory;
    };

    StationDrop(StationManager *stations, SettingsStore *settings, QObject *parent = nullptr);

    bool skipMoveConfirmation() const;
    void setSkipMoveConfirmation(bool skip);

    const std::optional<RadioStation> &draggedStation() const { return m_draggedStation; }
    bool hasDraggedStation() const { return m_draggedStation.has_value(); }
    QString draggedStationName() const { return m_draggedStation ? m_draggedStation->name : QString(); }

    const std::optional<PendingMove> &pendingMove() const { return m_pendingMove; }
    bool showMoveConfirmation() const { return m_showMoveConfirmation; }
    bool hasPendingMove() const { return m_pendingMove.has_value(); }
    QString pendingStationName() const { return m_pendingMove ? m_pendingMove->station.name : QString(); }
    QString pendingTargetCategory() const
    {
        return m_pendingMove ? m_pendingMove->targetCategory : QString();
    }

    bool dontAskAgain() const { return m_dontAskAgain; }
    void setDontAskAgain(bool dontAsk);

    // A station row started being dragged. It stays the dragged station until the next drop
    // on a category row, wherever this drag ends.
    Q_INVOKABLE void startDrag(const QString &name, const QString &url);
    void startDrag(const RadioStation &station);
    // A drop on the row of `targetCategory`; the result tells the drag whether it was
    // accepted. Refused when nothing is dragged or the target already holds the station's URL;
    // otherwise moves at once or asks first, as "skipMoveConfirmation" says.
    Q_INVOKABLE bool handleDrop(const QString &targetCategory);
    // "Verplaats" on the sheet: stores the switch if it is on, then moves.
    Q_INVOKABLE void confirmMove();
    // "Annuleer" on the sheet: nothing moves and nothing is stored.
    Q_INVOKABLE void cancelMove();

    // The "Verplaats naar..." entries for a station of `fromCategory`: every other category
    // name, in catalogue order.
    Q_INVOKABLE QStringList moveTargets(const QString &fromCategory) const;

Q_SIGNALS:
    void skipMoveConfirmationChanged();
    void draggedStationChanged();
    void moveConfirmationChanged();
    void dontAskAgainChanged();

private:
    void setDraggedStation(const std::optional<RadioStation> &station);
    void endConfirmation();

    StationManager *m_stations;
    SettingsStore *m_settings;
    std::optional<RadioStation> m_draggedStation;
    std::optional<PendingMove> m_pendingMove;
    bool m_showMoveConfirmation = false;
    bool m_dontAskAgain = false;
};
