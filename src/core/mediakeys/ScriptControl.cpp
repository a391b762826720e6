#include "mediakeys/ScriptControl.h"

#include "alarm/AlarmClock.h"
#include "base/Logging.h"
#include "catalogue/StationManager.h"
#include "catalogue/StationWalk.h"
#include "mediakeys/MediaKeyHandler.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "playback/SongKeeper.h"
#include "playback/TimeshiftBackend.h"

#include <cmath>

using namespace std::chrono_literals;

namespace {
const QString kPlayPause = QStringLiteral("play-pause");
const QString kStop = QStringLiteral("stop");
const QString kNext = QStringLiteral("next");
const QString kPrevious = QStringLiteral("previous");
const QString kStation = QStringLiteral("station");
const QString kVolume = QStringLiteral("volume");
const QString kAlarm = QStringLiteral("alarm");
const QString kGoLive = QStringLiteral("go-live");
const QString kSeekBack = QStringLiteral("seek-back");
const QString kSeekForward = QStringLiteral("seek-forward");
const QString kSaveSong = QStringLiteral("save-song");
const QString kSavePreviousSong = QStringLiteral("save-previous-song");
const QString kRecord = QStringLiteral("record");
} // namespace

ScriptControl::ScriptControl(RadioPlayer *player, StationManager *stations, MediaKeyHandler *mediaKeys,
                             SleepTimer *sleepTimer, AlarmClock *alarmClock, QObject *parent)
    : QObject(parent), m_player(player), m_stations(stations), m_mediaKeys(mediaKeys),
      m_sleepTimer(sleepTimer), m_alarmClock(alarmClock)
{
}

bool ScriptControl::isAction(const QString &action)
{
    for (const QString &known : {kPlayPause, kStop, kNext, kPrevious, kStation, kVolume, kAlarm, kGoLive,
                                 kSeekBack, kSeekForward, kSaveSong, kSavePreviousSong, kRecord})
        if (action == known)
            return true;
    return false;
}

QString ScriptControl::perform(const QString &action, const QVariant &argument)
{
    qCInfo(lcMediaKeys, "Script command: %s", qUtf8Printable(action.left(64)));
    // A ringing alarm is stopped by whatever the listener does first.
    if (action != kAlarm && action != kVolume)
        m_alarmClock->silence();
    if (action == kPlayPause) {
        m_mediaKeys->playOrStartFirst();
    } else if (action == kAlarm) {
        const QVariantMap alarm = argument.toMap();
        return m_alarmClock->addOnce(
            QDateTime::fromString(alarm.value(QStringLiteral("at")).toString(), Qt::ISODateWithMs),
            alarm.value(QStringLiteral("station")).toString(), true,
            std::chrono::seconds(
                alarm.value(QStringLiteral("fadeSeconds"), qlonglong(Alarm::defaultFade.count()))
                    .toLongLong()),
            alarm.value(QStringLiteral("volume"), Alarm::defaultVolume).toInt());
    } else if (action == kStop) {
        if (m_player->hasStation())
            m_player->stop();
    } else if (action == kNext || action == kPrevious) {
        const std::optional<RadioStation> current = m_player->currentStation();
        if (!current) {
            m_mediaKeys->playOrStartFirst();
        } else if (const auto target =
                       action == kNext ? StationWalk::nextStation(m_stations->categories(), *current)
                                       : StationWalk::previousStation(m_stations->categories(), *current)) {
            m_player->play(*target);
        }
    } else if (action == kStation) {
        const QString name = argument.toString();
        // The exact name first; a script may also name the station as it is written, in
        // another case.
        for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
            for (const RadioStation &station : StationWalk::allStations(m_stations->categories())) {
                if (station.name.compare(name, sensitivity) == 0) {
                    m_player->play(station);
                    return {};
                }
            }
        }
        return tr("er is geen station met de naam \"%1\".").arg(name.left(200));
    } else if (action == kVolume) {
        bool ok = false;
        const int volume = argument.toInt(&ok);
        if (!ok || volume < 0 || volume > 100)
            return tr("het volume gaat van 0 tot 100.");
        m_player->setVolume(volume / 100.0);
    } else if (action == kGoLive || action == kSeekBack || action == kSeekForward) {
        if (!m_timeshift || !m_player->hasStation() || !m_timeshift->available())
            return tr("er is geen terugspoelbuffer: die is er alleen terwijl een station speelt.");
        if (action == kGoLive)
            m_timeshift->goLive();
        else
            m_timeshift->seekBy((action == kSeekBack ? -1 : 1) * TimeshiftBackend::seekStep.count());
    } else if (action == kSaveSong || action == kSavePreviousSong || action == kRecord) {
        if (!m_songKeeper)
            return tr("bewaren en opnemen kunnen hier niet.");
        if (action != kRecord)
            return m_songKeeper->saveSong(action == kSavePreviousSong);
        // Minutes, fractions allowed; nothing (or 0) records until asked again.
        const double minutes = argument.toDouble();
        if (!std::isfinite(minutes) || minutes < 0)
            return tr("de duur is een aantal minuten.");
        return m_songKeeper->toggleRecording(
            minutes > 0 ? std::optional(std::chrono::milliseconds(std::llround(minutes * 60000.0)))
                        : std::nullopt);
    } else {
        return tr("onbekende opdracht: %1").arg(action.left(64));
    }
    return {};
}

QVariantMap ScriptControl::status() const
{
    QVariantMap status{
        {QStringLiteral("station"), m_player->currentStationName()},
        {QStringLiteral("url"), m_player->currentStationUrl()},
        {QStringLiteral("state"), m_player->playbackState().name()},
        {QStringLiteral("title"), m_player->streamTitle()},
        {QStringLiteral("volume"), int(std::lround(m_player->volume() * 100))},
    };
    if (const auto due = m_alarmClock->nextDue())
        status.insert(QStringLiteral("alarm"), due->toLocalTime().time().toString(QStringLiteral("HH:mm")));
    if (m_timeshift && m_timeshift->behindLive())
        status.insert(QStringLiteral("behindLive"), int((m_timeshift->behindMs() + 500) / 1000));
    if (m_songKeeper && m_songKeeper->isRecording())
        status.insert(QStringLiteral("recording"), true);
    if (m_sleepTimer->isActive())
        status.insert(QStringLiteral("sleepTimer"), int((m_sleepTimer->remaining() + 999ms) / 1s));
    return status;
}
