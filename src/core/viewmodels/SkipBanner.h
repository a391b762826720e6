// The station panel's notice that a failing station was skipped: shown on each entry of the
// player into the failed state, hidden 2.0 s after the latest one. One per panel; it reads the
// player it is given, which must outlive it.
#pragma once

#include "playback/PlaybackState.h"

#include <QObject>
#include <chrono>

class RadioPlayer;
class Scheduler;

class SkipBanner : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible NOTIFY visibleChanged)
public:
    static constexpr std::chrono::milliseconds showDuration{2000};

    SkipBanner(RadioPlayer *player, Scheduler *scheduler, QObject *parent = nullptr);

    bool isVisible() const { return m_visible; }

Q_SIGNALS:
    void visibleChanged();

private:
    void onStateChanged();
    void setVisible(bool visible);

    RadioPlayer *m_player;
    Scheduler *m_scheduler;
    // The state at creation is no change; all failed states are equal, so only an entry from
    // another state counts.
    PlaybackState::Kind m_lastKind;
    bool m_visible = false;
    // Timers are never cancelled: a hide scheduled before the latest failure finds a newer
    // generation and does nothing, which restarts the 2.0 s.
    quint64 m_generation = 0;
};
