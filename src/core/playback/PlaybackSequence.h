// What plays next: the one owner of the decision after a station fails or is passed over. A
// catalogue station is followed, half a second later, by the next one of the catalogue (marked
// stations are passed over by the player, one hop each), until every station has failed or the
// walk has gone round; streams handed over to play alone (the command line, a link) are followed
// by the next of them only, never by the catalogue, and then the sequence gives up. It listens to
// the player's one failure signal; the player, the store and the scheduler must outlive it, except
// that a player that goes first ends the sequence quietly.
#pragma once

#include "catalogue/RadioStation.h"
#include "playback/StreamFailure.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <chrono>
#include <optional>

class RadioPlayer;
class Scheduler;
class StationManager;

class PlaybackSequence : public QObject
{
    Q_OBJECT
public:
    // Long enough not to hammer a broken network, short enough to feel like one skip.
    static constexpr std::chrono::milliseconds skipDelay{500};

    PlaybackSequence(RadioPlayer *player, StationManager *stations, Scheduler *scheduler,
                     QObject *parent = nullptr);

    // Opens what was handed over (URLs, local playlist files relative to `workingDir`; with
    // `localFiles` false, network URLs only): a catalogue station by its URL, else the streams
    // alone. Returns the refusals (translated, one a line), empty when everything was taken;
    // nothing plays when nothing was.
    QString open(const QStringList &arguments, const QString &workingDir, bool localFiles);
    // Plays `urls` (not empty) outside the catalogue, the first now and each next one when the one
    // before fails.
    void playAlone(const QStringList &urls);
    // The stream played alone, when that is what the player holds now.
    std::optional<QString> aloneUrl() const;

Q_SIGNALS:
    // Every stream played alone failed; `failure` is why the last one did.
    void aloneFailed(const QStringList &urls, const StreamFailure &failure);

private:
    void onStationFailed(const RadioStation &station, const std::optional<StreamFailure> &failure);
    void playNextAlone(const std::optional<StreamFailure> &failure);
    void skip(const RadioStation &station);

    QPointer<RadioPlayer> m_player;
    StationManager *m_stations;
    Scheduler *m_scheduler;
    // Hops made since the user's latest decision; a walk longer than the catalogue has gone round
    // without finding anything to start.
    quint64 m_walkGeneration = 0;
    qsizetype m_hops = 0;
    QStringList m_aloneUrls;
    qsizetype m_aloneIndex = 0;
};
