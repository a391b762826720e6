#include "playback/SkipChain.h"

#include "base/Logging.h"
#include "base/Scheduler.h"
#include "catalogue/StationManager.h"
#include "catalogue/StationWalk.h"
#include "playback/RadioPlayer.h"

#include <QPointer>

using namespace std::chrono_literals;

namespace {
// Long enough not to hammer a broken network, short enough to feel like one skip.
constexpr auto kSkipDelay = 500ms;

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

namespace SkipChain {

std::function<void(const RadioStation &)> make(QObject *owner, RadioPlayer *player, StationManager *store,
                                               Scheduler *scheduler)
{
    // Hops made since a stream last started; a walk longer than the catalogue has gone round
    // without finding anything to start.
    struct Walk {
        quint64 generation = 0;
        qsizetype hops = 0;
    };
    auto walk = std::make_shared<Walk>();
    return [owner = QPointer<QObject>(owner), player = QPointer<RadioPlayer>(player),
            store = QPointer<StationManager>(store), scheduler, walk](const RadioStation &station) {
        if (!owner || !player || !store)
            return;
        qCInfo(lcMediaKeys, "Playback error detected, attempting to skip to next station");
        if (walk->generation != player->intentGeneration()) {
            walk->generation = player->intentGeneration();
            walk->hops = 0;
        }
        ++walk->hops;
        const Catalogue &catalogue = store->categories();
        const std::optional<RadioStation> next = StationWalk::nextStation(catalogue, station);
        // Once every station has failed the walk would go round for ever: end it instead.
        if (!next || everyStationFailed(catalogue, player->failedStations()) ||
            walk->hops > StationWalk::allStations(catalogue).size()) {
            qCCritical(lcMediaKeys, "No more stations available to try");
            player->setErrorMessage(RadioPlayer::NoWorkingStationsMessage);
            return;
        }
        scheduler->schedule(kSkipDelay, player,
                            [player, station = *next, generation = player->intentGeneration()] {
                                if (player && player->intentGeneration() == generation)
                                    player->play(station, RadioPlayer::Choice::Automatic);
                            });
    };
}

} // namespace SkipChain
