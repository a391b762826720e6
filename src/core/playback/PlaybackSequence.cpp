#include "playback/PlaybackSequence.h"

#include "base/Logging.h"
#include "base/Scheduler.h"
#include "catalogue/StationManager.h"
#include "catalogue/StationWalk.h"
#include "playback/OpenRequest.h"
#include "playback/RadioPlayer.h"

namespace {
bool everyStationFailed(const Catalogue &catalogue, const QSet<QString> &failed)
{
    for (const StationCategory &category : catalogue) {
        for (const RadioStation &station : category.stations) {
            if (!failed.contains(station.id()))
                return false;
        }
    }
    return true;
}
} // namespace

PlaybackSequence::PlaybackSequence(RadioPlayer *player, StationManager *stations, Scheduler *scheduler,
                                   QObject *parent)
    : QObject(parent), m_player(player), m_stations(stations), m_scheduler(scheduler)
{
    connect(player, &RadioPlayer::stationFailed, this, &PlaybackSequence::onStationFailed);
}

QString PlaybackSequence::open(const QStringList &arguments, const QString &workingDir, bool localFiles)
{
    QStringList urls;
    QStringList refusals;
    for (const QString &argument : arguments) {
        const OpenRequest request = OpenRequest::resolve(argument, workingDir, localFiles);
        urls << request.urls;
        if (!request.refusal.isEmpty())
            refusals << request.refusal;
    }
    if (urls.size() == 1) {
        for (const StationCategory &category : m_stations->categories()) {
            for (const RadioStation &station : category.stations) {
                if (station.url == urls.constFirst()) {
                    m_player->play(station);
                    return refusals.join(QLatin1Char('\n'));
                }
            }
        }
    }
    if (!urls.isEmpty())
        playAlone(urls);
    return refusals.join(QLatin1Char('\n'));
}

void PlaybackSequence::playAlone(const QStringList &urls)
{
    m_aloneUrls = urls;
    m_aloneIndex = 0;
    m_player->play(RadioStation(urls.constFirst(), urls.constFirst()));
}

std::optional<QString> PlaybackSequence::aloneUrl() const
{
    if (m_aloneUrls.isEmpty() || !m_player ||
        m_player->currentStationUrl() != m_aloneUrls.value(m_aloneIndex))
        return std::nullopt;
    return m_aloneUrls.value(m_aloneIndex);
}

void PlaybackSequence::onStationFailed(const RadioStation &station,
                                       const std::optional<StreamFailure> &failure)
{
    // Not in the catalogue: walking the catalogue after it fails would play something the user
    // did not ask for.
    if (!m_aloneUrls.isEmpty() && station.url == m_aloneUrls.value(m_aloneIndex))
        playNextAlone(failure);
    else
        skip(station);
}

void PlaybackSequence::playNextAlone(const std::optional<StreamFailure> &failure)
{
    if (++m_aloneIndex < m_aloneUrls.size()) {
        const QString next = m_aloneUrls.at(m_aloneIndex);
        // Out of the failure's own call stack.
        QMetaObject::invokeMethod(
            this,
            [this, next] {
                if (m_player)
                    m_player->play(RadioStation(next, next));
            },
            Qt::QueuedConnection);
        return;
    }
    // A marked stream passed over on wake has no failure of its own: the player's is the latest.
    Q_EMIT aloneFailed(m_aloneUrls, failure.value_or(m_player->playbackState().failure()));
}

void PlaybackSequence::skip(const RadioStation &station)
{
    qCInfo(lcPlayer, "Playback error detected, attempting to skip to next station");
    if (m_walkGeneration != m_player->intentGeneration()) {
        m_walkGeneration = m_player->intentGeneration();
        m_hops = 0;
    }
    ++m_hops;
    const Catalogue &catalogue = m_stations->categories();
    const std::optional<RadioStation> next = StationWalk::nextStation(catalogue, station);
    // Once every station has failed the walk would go round for ever: end it instead.
    if (!next || everyStationFailed(catalogue, m_player->failedStations()) ||
        m_hops > StationWalk::allStations(catalogue).size()) {
        qCCritical(lcPlayer, "No more stations available to try");
        m_player->setErrorMessage(RadioPlayer::NoWorkingStationsMessage);
        return;
    }
    m_scheduler->schedule(skipDelay, this,
                          [this, station = *next, generation = m_player->intentGeneration()] {
                              if (m_player && m_player->intentGeneration() == generation)
                                  m_player->play(station, RadioPlayer::Choice::Automatic);
                          });
}
