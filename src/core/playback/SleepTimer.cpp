#include "playback/SleepTimer.h"

#include "base/Logging.h"
#include "base/Scheduler.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepMonitor.h"

using namespace std::chrono_literals;

SleepTimer::SleepTimer(RadioPlayer *player, Scheduler *scheduler, Clock *clock, SleepMonitor *sleepMonitor,
                       QObject *parent)
    : QObject(parent), m_player(player), m_scheduler(scheduler), m_clock(clock)
{
    connect(m_player, &RadioPlayer::pausedByUser, this, [this] {
        if (isActive())
            switchOff("playback paused by hand");
    });
    connect(m_player, &RadioPlayer::volumeChanged, this, [this] {
        if (m_fading)
            switchOff("volume changed during the fade");
    });
    // The scheduler's timers stand still while the computer sleeps; the deadline does not.
    if (sleepMonitor)
        connect(sleepMonitor, &SleepMonitor::didWake, this, &SleepTimer::tick);
}

int SleepTimer::chosenMinutes() const
{
    if (!isActive() || m_duration % 1min != 0ms)
        return 0;
    return int(m_duration / 1min);
}

std::chrono::milliseconds SleepTimer::remaining() const
{
    if (!m_deadline)
        return 0ms;
    return std::max(0ms, *m_deadline - m_clock->now());
}

QString SleepTimer::remainingText() const
{
    if (!isActive())
        return {};
    const qint64 seconds = (remaining() + 999ms) / 1s;
    if (seconds >= 60)
        return tr("%n min", nullptr, int((seconds + 59) / 60));
    return tr("%n s", nullptr, int(seconds));
}

QString SleepTimer::statusText() const
{
    if (!isActive())
        return {};
    return tr("Slaaptimer: %1").arg(remainingText());
}

void SleepTimer::start(int minutes)
{
    startFor(std::chrono::minutes(std::max(0, minutes)));
}

void SleepTimer::startFor(std::chrono::milliseconds duration)
{
    if (duration <= 0ms) {
        cancel();
        return;
    }
    endFade();
    m_duration = duration;
    m_deadline = m_clock->now() + duration;
    if (duration % 1min == 0ms)
        qCInfo(lcPlayer, "Sleep timer set: %lld min", qlonglong(duration / 1min));
    else
        qCInfo(lcPlayer, "Sleep timer set: %lld s", qlonglong((duration + 999ms) / 1s));
    m_shownText = remainingText();
    Q_EMIT changed();
    tick(); // a timer shorter than the fade starts fading at once
}

void SleepTimer::cancel()
{
    if (isActive())
        switchOff("switched off");
}

void SleepTimer::switchOff(const char *why)
{
    qCInfo(lcPlayer, "Sleep timer cancelled: %s", why);
    ++m_tickGeneration;
    m_deadline.reset();
    endFade();
    m_shownText.clear();
    Q_EMIT changed();
}

void SleepTimer::tick()
{
    if (!m_deadline)
        return;
    const std::chrono::milliseconds left = remaining();
    if (left <= 0ms) {
        finish();
        return;
    }
    if (left <= fadeDuration) {
        if (!m_fading)
            qCInfo(lcPlayer, "Sleep timer: fading out");
        m_fading = true;
        m_player->setFadeLevel(double(left.count()) / double(fadeDuration.count()));
    }
    if (const QString text = remainingText(); text != m_shownText) {
        m_shownText = text;
        Q_EMIT changed();
    }
    scheduleTick();
}

void SleepTimer::scheduleTick()
{
    // Wake when the shown text changes (whole minutes, then whole seconds), when the fade starts,
    // and every fade step during it; an idle minute costs one wake-up.
    const std::chrono::milliseconds left = remaining();
    std::chrono::milliseconds delay;
    if (left <= fadeDuration) {
        delay = std::min(fadeStep, left);
    } else if (left <= 1min) {
        const std::chrono::milliseconds toSecond = left % 1s;
        delay = std::min(toSecond == 0ms ? 1000ms : toSecond, left - fadeDuration);
    } else {
        const std::chrono::milliseconds toMinute = left % 1min;
        delay = toMinute == 0ms ? std::chrono::milliseconds(1min) : toMinute;
    }
    m_scheduler->schedule(std::max(delay, 1ms), this, [this, generation = ++m_tickGeneration] {
        if (generation == m_tickGeneration)
            tick();
    });
}

void SleepTimer::finish()
{
    qCInfo(lcPlayer, "Sleep timer ended: pausing playback");
    ++m_tickGeneration;
    m_deadline.reset();
    // Paused first, then the volume restored for the next play: no burst at full volume.
    m_player->pause();
    endFade();
    m_shownText.clear();
    Q_EMIT changed();
    Q_EMIT ended();
}

void SleepTimer::endFade()
{
    m_fading = false;
    if (m_player->fadeLevel() != 1.0)
        m_player->setFadeLevel(1.0);
}
