#include "viewmodels/SkipBanner.h"

#include "base/Scheduler.h"
#include "playback/RadioPlayer.h"

SkipBanner::SkipBanner(RadioPlayer *player, Scheduler *scheduler, QObject *parent)
    : QObject(parent), m_player(player), m_scheduler(scheduler), m_lastKind(player->playbackState().kind())
{
    connect(m_player, &RadioPlayer::playbackStateChanged, this, &SkipBanner::onStateChanged);
}

void SkipBanner::onStateChanged()
{
    const PlaybackState::Kind previous = m_lastKind;
    m_lastKind = m_player->playbackState().kind();
    if (m_lastKind != PlaybackState::Failed || previous == PlaybackState::Failed)
        return;
    setVisible(true);
    const quint64 generation = ++m_generation;
    m_scheduler->schedule(showDuration, this, [this, generation] {
        if (generation == m_generation)
            setVisible(false);
    });
}

void SkipBanner::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Q_EMIT visibleChanged();
}
