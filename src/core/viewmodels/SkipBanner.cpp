#include "viewmodels/SkipBanner.h"

#include "base/Scheduler.h"
#include "playback/RadioPlayer.h"
#include "viewmodels/StreamErrorText.h"

SkipBanner::SkipBanner(RadioPlayer *player, Scheduler *scheduler, QObject *parent)
    : QObject(parent), m_player(player), m_scheduler(scheduler), m_lastKind(player->playbackState().kind()),
      m_kindBefore(m_lastKind)
{
    connect(m_player, &RadioPlayer::playbackStateChanged, this, &SkipBanner::onStateChanged);
    connect(m_player, &RadioPlayer::stationFailed, this, &SkipBanner::onStationFailed);
}

void SkipBanner::onStateChanged()
{
    m_kindBefore = m_lastKind;
    m_lastKind = m_player->playbackState().kind();
}

void SkipBanner::onStationFailed(const RadioStation &station, const std::optional<StreamFailure> &failure)
{
    // All failed states are equal: only an entry from another state counts. A station passed
    // over as marked did not fail now.
    if (!failure || m_lastKind != PlaybackState::Failed || m_kindBefore == PlaybackState::Failed)
        return;
    m_title = tr("%1 overgeslagen").arg(station.name);
    m_reason = StreamErrorText::describe(*failure);
    Q_EMIT textChanged();
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
