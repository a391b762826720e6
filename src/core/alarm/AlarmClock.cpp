#include "alarm/AlarmClock.h"

#include "alarm/ChimePlayer.h"
#include "base/Logging.h"
#include "base/Scheduler.h"
#include "base/SettingsStore.h"
#include "base/WallClock.h"
#include "catalogue/StationManager.h"
#include "catalogue/StationWalk.h"
#include "desktop/DesktopNotifier.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepMonitor.h"
#include "playback/SleepTimer.h"

#include <QJsonArray>
#include <QUrl>
#include <algorithm>

using namespace std::chrono_literals;

AlarmClock::AlarmClock(RadioPlayer *player, StationManager *stations, SleepTimer *sleepTimer,
                       SettingsStore *settings, Scheduler *scheduler, WallClock *wallClock,
                       ChimePlayer *chime, DesktopNotifier *notifier, SleepMonitor *sleepMonitor,
                       QObject *parent)
    : QObject(parent), m_player(player), m_stations(stations), m_sleepTimer(sleepTimer), m_settings(settings),
      m_scheduler(scheduler), m_wallClock(wallClock), m_chime(chime), m_notifier(notifier)
{
    if (m_settings) {
        connect(m_settings, &SettingsStore::changed, this, [this](const QString &key) {
            if (key == SettingsKey::Alarms) {
                loadStored();
                reschedule();
            }
        });
    }
    // The scheduler's timers stand still while the computer sleeps; the wall clock does not.
    if (sleepMonitor)
        connect(sleepMonitor, &SleepMonitor::didWake, this, &AlarmClock::look);
    connect(m_player, &RadioPlayer::playbackStateChanged, this, [this] {
        if (!m_ringing)
            return;
        switch (m_player->playbackState().kind()) {
        case PlaybackState::Playing:
            if (m_chiming) {
                m_chime->stopChime();
                m_chiming = false;
            }
            if (!m_fading) {
                m_fading = true;
                fadeTick(m_ring);
            }
            break;
        case PlaybackState::Idle:
        case PlaybackState::Paused:
            endRing(); // stopped or paused: the listener is awake
            break;
        default:
            break;
        }
    });
    connect(m_player, &RadioPlayer::volumeChanged, this, [this] {
        if (m_ringing && !m_ownVolumeChange) {
            qCInfo(lcPlayer, "Alarm: volume changed by hand; the fade ends");
            endRing();
        }
    });
    loadStored();
    m_schedule.advance(m_wallClock->now());
    reschedule();
}

QList<Alarm> AlarmClock::alarms() const
{
    return m_schedule.alarms();
}

QDateTime AlarmClock::now() const
{
    return m_wallClock->now();
}

void AlarmClock::setStoredAlarms(const QList<Alarm> &alarms)
{
    if (!m_settings)
        return;
    storeAlarms(alarms);
    reschedule();
}

std::optional<QDateTime> AlarmClock::nextDue() const
{
    const auto next = m_schedule.next(m_wallClock->now());
    return next ? std::optional<QDateTime>(next->second) : std::nullopt;
}

QString AlarmClock::nextText() const
{
    const auto due = nextDue();
    if (!due)
        return {};
    return tr("Wekker: %1").arg(due->toLocalTime().time().toString(QStringLiteral("HH:mm")));
}

void AlarmClock::loadStored()
{
    QList<Alarm> stored;
    if (m_settings) {
        for (const QJsonValue &value : m_settings->value(SettingsKey::Alarms).toArray()) {
            if (const auto alarm = Alarm::fromJson(value.toObject()))
                stored.append(*alarm);
            else
                qCWarning(lcApp, "Ignoring an alarm in the settings that cannot be read");
        }
    }
    const bool storedChanged = stored != storedAlarms();
    m_storedCount = int(stored.size());
    m_schedule.setAlarms(stored + m_sessionAlarms);
    if (storedChanged)
        Q_EMIT storedAlarmsChanged();
}

void AlarmClock::storeAlarms(const QList<Alarm> &alarms)
{
    QJsonArray list;
    for (const Alarm &alarm : alarms)
        list.append(alarm.toJson());
    m_settings->setValue(SettingsKey::Alarms, list);
    loadStored();
}

QString AlarmClock::addOnce(const QDateTime &at, const QString &station, bool store,
                            std::chrono::seconds fade, int volume)
{
    if (!station.isEmpty() && !stationFor(station))
        return tr("er is geen station met de naam \"%1\".").arg(station.left(200));
    if (!at.isValid() || at <= m_wallClock->now())
        return tr("die tijd is al voorbij.");
    Alarm alarm;
    alarm.once = at.toUTC();
    alarm.station = station;
    alarm.fade = std::clamp(fade, std::chrono::seconds(0), Alarm::maxFade);
    alarm.volume = std::clamp(volume, 0, 100);
    qCInfo(lcPlayer, "Alarm set for %s (fade %lld s, volume %d)",
           qUtf8Printable(alarm.once.toString(Qt::ISODateWithMs)), qlonglong(alarm.fade.count()),
           alarm.volume);
    if (store && m_settings) {
        storeAlarms(m_schedule.alarms().mid(0, m_storedCount) + QList<Alarm>{alarm});
    } else {
        m_sessionAlarms.append(alarm);
        loadStored();
    }
    reschedule();
    return {};
}

void AlarmClock::reschedule()
{
    const quint64 generation = ++m_lookGeneration;
    // Without an alarm nothing needs the clock: an idle player does not wake every half minute.
    if (!m_schedule.alarms().isEmpty()) {
        const QDateTime now = m_wallClock->now();
        std::chrono::milliseconds wait = lookInterval;
        if (const auto next = m_schedule.next(now))
            wait = std::clamp(std::chrono::milliseconds(now.msecsTo(next->second)), 0ms, wait);
        m_scheduler->schedule(wait, this, [this, generation] {
            if (generation == m_lookGeneration)
                look();
        });
    }
    if (const QString text = nextText(); text != m_shownText) {
        m_shownText = text;
        Q_EMIT changed();
    }
}

void AlarmClock::look()
{
    const QList<AlarmSchedule::Event> events = m_schedule.advance(m_wallClock->now());
    QList<Alarm> all = m_schedule.alarms();
    QList<int> spent;
    for (const AlarmSchedule::Event &event : events) {
        const Alarm &alarm = all.at(event.index);
        if (event.verdict == AlarmSchedule::Verdict::Fire)
            ring(alarm);
        else
            missed(alarm);
        if (alarm.isOnce())
            spent.append(event.index);
    }
    if (!spent.isEmpty()) {
        QList<Alarm> stored = all.mid(0, m_storedCount);
        QList<Alarm> session = all.mid(m_storedCount);
        for (auto it = spent.crbegin(); it != spent.crend(); ++it) {
            if (*it < m_storedCount)
                stored.removeAt(*it);
            else
                session.removeAt(*it - m_storedCount);
        }
        m_sessionAlarms = session;
        if (m_settings && stored.size() != m_storedCount)
            storeAlarms(stored);
        else
            loadStored();
    }
    reschedule();
}

std::optional<RadioStation> AlarmClock::stationFor(const QString &target) const
{
    const QList<RadioStation> all = StationWalk::allStations(m_stations->categories());
    for (const RadioStation &station : all)
        if (station.name == target)
            return station;
    for (const RadioStation &station : all)
        if (station.url == target)
            return station;
    if (const QUrl url(target, QUrl::StrictMode); url.isValid() && !url.scheme().isEmpty())
        return RadioStation(target, target);
    return std::nullopt;
}

void AlarmClock::ring(const Alarm &alarm)
{
    std::optional<RadioStation> station = alarm.station.isEmpty() ? std::nullopt : stationFor(alarm.station);
    if (!station)
        station = m_player->currentStation();
    if (!station) {
        const QList<RadioStation> all = StationWalk::allStations(m_stations->categories());
        if (!all.isEmpty())
            station = all.first();
    }
    qCInfo(lcPlayer, "Alarm: playing %s", station ? qUtf8Printable(station->name) : "(no station)");
    endRing();
    // The alarm takes over from a running sleep timer, which would otherwise fade it out.
    m_sleepTimer->cancel();
    const bool alreadyPlaying = station && m_player->currentStation() &&
                                m_player->currentStation()->id() == station->id() &&
                                m_player->playbackState().kind() == PlaybackState::Playing;
    // Another station playing is stopped first: a volume set while it plays would become that
    // station's own level, and the alarm's station would start at the general volume.
    if (!alreadyPlaying && m_player->isPlaying())
        m_player->stop();
    const quint64 ring = ++m_ring;
    m_ringing = true;
    m_fading = false;
    m_fadeStepsDone = 0;
    m_fade = alarm.fade;
    m_volume = float(alarm.volume) / 100.0f;
    m_ownVolumeChange = true;
    m_player->setFadeLevel(m_fade > 0ms ? 0.0 : 1.0);
    m_player->setVolume(double(m_volume));
    m_ownVolumeChange = false;
    if (alreadyPlaying) {
        m_fading = true;
        fadeTick(ring);
    } else if (station) {
        m_player->play(*station);
    }
    m_scheduler->schedule(chimeAfter, this, [this, ring] { startChime(ring); });
}

void AlarmClock::fadeTick(quint64 ring)
{
    if (ring != m_ring || !m_ringing || !m_fading)
        return;
    const std::chrono::milliseconds elapsed = fadeStep * m_fadeStepsDone++;
    if (elapsed >= m_fade) {
        m_player->setFadeLevel(1.0);
        m_ringing = false;
        m_fading = false;
        qCInfo(lcPlayer, "Alarm: faded in");
        return;
    }
    m_player->setFadeLevel(double(elapsed.count()) / double(m_fade.count()));
    m_scheduler->schedule(fadeStep, this, [this, ring] { fadeTick(ring); });
}

void AlarmClock::startChime(quint64 ring)
{
    if (ring != m_ring || !m_ringing || m_player->playbackState().kind() == PlaybackState::Playing)
        return;
    qCWarning(lcPlayer, "Alarm: nothing plays after %lld s; chiming", qlonglong(chimeAfter.count()));
    m_chiming = true;
    m_chime->startChime(m_volume);
    m_scheduler->schedule(chimeLimit, this, [this, ring] {
        if (ring == m_ring && m_chiming)
            endRing();
    });
}

void AlarmClock::missed(const Alarm &alarm)
{
    qCWarning(lcPlayer, "Alarm of %s missed by more than %lld min (asleep); dropped",
              qUtf8Printable(alarm.timeText()), qlonglong(AlarmSchedule::lateLimit.count()));
    if (m_notifier)
        m_notifier->notify(tr("Wekker gemist"),
                           tr("De wekker van %1 is niet afgegaan: de computer sliep.").arg(alarm.timeText()));
}

void AlarmClock::silence()
{
    if (m_ringing || m_chiming)
        endRing();
}

void AlarmClock::endRing()
{
    ++m_ring;
    if (m_chiming) {
        m_chime->stopChime();
        m_chiming = false;
    }
    if (m_fading || m_ringing) {
        if (m_player->fadeLevel() != 1.0)
            m_player->setFadeLevel(1.0);
    }
    m_ringing = false;
    m_fading = false;
}
