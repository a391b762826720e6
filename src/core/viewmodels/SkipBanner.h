// The station panel's notice that a failing station was skipped, naming the station and why in
// plain words: shown each time the player enters the failed state and hands the station to the
// playback sequence (not while it waits for the network), hidden 2.0 s after the latest one. One per
// panel; it reads the player it is given, which must outlive it.
#pragma once

#include "catalogue/RadioStation.h"
#include "playback/PlaybackState.h"

#include <QObject>
#include <chrono>

class RadioPlayer;
class Scheduler;

class SkipBanner : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible NOTIFY visibleChanged)
    // "<station> overgeslagen" and the reason, of the latest skip.
    Q_PROPERTY(QString title READ title NOTIFY textChanged)
    Q_PROPERTY(QString reason READ reason NOTIFY textChanged)
public:
    static constexpr std::chrono::milliseconds showDuration{2000};

    SkipBanner(RadioPlayer *player, Scheduler *scheduler, QObject *parent = nullptr);

    bool isVisible() const { return m_visible; }
    const QString &title() const { return m_title; }
    const QString &reason() const { return m_reason; }

Q_SIGNALS:
    void visibleChanged();
    void textChanged();

private:
    void onStateChanged();
    void onStationFailed(const RadioStation &station, const std::optional<StreamFailure> &failure);
    void setVisible(bool visible);

    RadioPlayer *m_player;
    Scheduler *m_scheduler;
    // The state at creation is no change; all failed states are equal, so only an entry from
    // another state counts.
    PlaybackState::Kind m_lastKind;
    PlaybackState::Kind m_kindBefore;
    bool m_visible = false;
    QString m_title;
    QString m_reason;
    // Timers are never cancelled: a hide scheduled before the latest failure finds a newer
    // generation and does nothing, which restarts the 2.0 s.
    quint64 m_generation = 0;
};
