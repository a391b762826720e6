#include "scrobble/Scrobbler.h"

#include "base/Scheduler.h"
#include "base/SettingsStore.h"
#include "base/WallClock.h"
#include "history/HistoryStore.h"
#include "playback/NetworkMonitor.h"
#include "playback/RadioPlayer.h"
#include "scrobble/ListenQueue.h"

#include <algorithm>

using namespace std::chrono_literals;

Scrobbler::Scrobbler(RadioPlayer *player, SettingsStore *settings, Scheduler *scheduler, Clock *clock,
                     WallClock *wallClock, Parts parts, Options options, QObject *parent)
    : QObject(parent), m_player(player), m_settings(settings), m_scheduler(scheduler), m_clock(clock),
      m_wallClock(wallClock), m_parts(std::move(parts)), m_options(std::move(options))
{
    while (m_options.apiRoot.endsWith(QLatin1Char('/')))
        m_options.apiRoot.chop(1);
    connect(m_player, &RadioPlayer::streamTitleChanged, this, &Scrobbler::onTitle);
    connect(m_player, &RadioPlayer::isPlayingChanged, this, &Scrobbler::onPlayerChanged);
    connect(m_player, &RadioPlayer::currentStationChanged, this, &Scrobbler::onPlayerChanged);
    connect(m_settings, &SettingsStore::changed, this, [this](const QString &key) {
        if (key == SettingsKey::ScrobbleEnabled) {
            update();
            Q_EMIT enabledChanged();
        }
    });
    update();
}

Scrobbler::~Scrobbler()
{
    if (m_sender)
        m_sender->disconnect(this);
    if (m_tokens)
        m_tokens->disconnect(this);
}

bool Scrobbler::enabled() const
{
    return tokenFromEnvironment() || m_settings->boolValue(SettingsKey::ScrobbleEnabled);
}

void Scrobbler::setEnabled(bool on)
{
    if (on != m_settings->boolValue(SettingsKey::ScrobbleEnabled))
        m_settings->setValue(SettingsKey::ScrobbleEnabled, on);
}

void Scrobbler::setToken(const QString &token)
{
    if (tokenFromEnvironment())
        return;
    m_token = token.trimmed();
    m_rejected = false;
    m_validate = !m_token.isEmpty();
    if (TokenStore *store = tokens())
        store->write(m_token);
    Q_EMIT statusChanged();
    pump();
}

void Scrobbler::setNetworkMonitor(NetworkMonitor *monitor)
{
    connect(monitor, &NetworkMonitor::reachabilityChanged, this, [this, monitor] {
        if (monitor->reachability() != NetworkMonitor::Reachability::Online || !m_waitingAfterFailure)
            return;
        // What failed while offline would otherwise wait out a back-off of up to 15 minutes.
        m_failures = 0;
        m_waiting = m_waitingAfterFailure = false;
        ++m_waitGeneration;
        pump();
    });
}

void Scrobbler::update()
{
    const bool on = enabled();
    if (on == m_on)
        return;
    m_on = on;
    if (!on) {
        m_current.reset();
        m_nowPlaying.clear();
        return;
    }
    if (tokenFromEnvironment())
        m_token = m_options.environmentToken;
    else if (TokenStore *store = tokens())
        store->read();
    refreshCount();
    pump();
}

void Scrobbler::onTitle(const QString &text)
{
    if (!m_on)
        return;
    const std::optional<Song> song = m_player->isPlaying() && m_player->hasStation()
                                         ? ListenRules::song(text, m_player->currentStationName())
                                         : std::nullopt;
    // The station announcing the same song again (after its own jingle, say) does not restart it.
    if (song && m_current && m_current->listen.artist == song->artist &&
        m_current->listen.track == song->title)
        return;
    endTitle(true);
    if (!song)
        return;
    Current current;
    current.listen.listenedAt = m_wallClock->now();
    current.listen.artist = song->artist;
    current.listen.track = song->title;
    current.listen.stationName = m_player->currentStationName();
    current.listen.originUrl = m_player->currentStationUrl();
    current.since = m_clock->now();
    current.generation = ++m_generation;
    m_current = current;
    // Radio announces no length: the title counts after the longest play.
    m_scheduler->schedule(ListenRules::dueAfter(std::nullopt), this, [this, generation = m_generation] {
        if (m_on && m_current && m_current->generation == generation && !m_current->counted) {
            m_current->counted = true;
            queueListen(m_current->listen);
        }
    });
    m_nowPlaying = ListenRules::body(current.listen, true);
    pump();
}

void Scrobbler::onPlayerChanged()
{
    // A pause, a stop or another station ends the song without the next title: it counts only
    // if it played the longest play already.
    if (m_current && (!m_player->isPlaying() || m_player->currentStationUrl() != m_current->listen.originUrl))
        endTitle(false);
}

void Scrobbler::endTitle(bool nextTitleStarts)
{
    if (m_current && !m_current->counted && nextTitleStarts &&
        m_clock->now() - m_current->since >= m_options.atNextTitle)
        queueListen(m_current->listen);
    m_current.reset();
}

void Scrobbler::queueListen(const Listen &listen)
{
    ListenQueue *queue = m_parts.queue ? m_parts.queue() : nullptr;
    if (!queue || !queue->append(listen)) {
        qCWarning(lcHistory, "A listen could not be queued for ListenBrainz: %s - %s",
                  qUtf8Printable(listen.artist), qUtf8Printable(listen.track));
        return;
    }
    refreshCount();
    pump();
}

void Scrobbler::pump()
{
    if (!m_on || m_token.isEmpty() || m_rejected || m_inFlight != Request::None || m_waiting)
        return;
    ScrobbleSender *out = sender();
    if (!out)
        return;
    if (m_validate) {
        m_validate = false;
        m_inFlight = Request::Validate;
        out->validate(m_options.apiRoot, m_token);
        return;
    }
    ListenQueue *queue = m_parts.queue ? m_parts.queue() : nullptr;
    const QList<Listen> next = queue ? queue->oldest(1) : QList<Listen>();
    // "Playing now" goes first while the server answers; after a failure the retry is a waiting
    // listen, or a station announcing faster than the back-off grows would hold them back.
    if (!m_nowPlaying.isEmpty() && (m_failures == 0 || next.isEmpty())) {
        m_inFlight = Request::NowPlaying;
        out->submit(m_options.apiRoot, m_token, std::exchange(m_nowPlaying, QByteArray()));
        return;
    }
    if (next.isEmpty())
        return;
    m_inFlight = Request::Listen;
    m_sendingId = next.constFirst().id;
    out->submit(m_options.apiRoot, m_token, ListenRules::body(next.constFirst(), false));
}

void Scrobbler::onReply(const ScrobbleReply &reply)
{
    const Request request = std::exchange(m_inFlight, Request::None);
    std::chrono::milliseconds delay = 0ms;
    switch (reply.outcome) {
    case ScrobbleReply::Outcome::Accepted:
        m_failures = 0;
        if (request == Request::Listen) {
            if (ListenQueue *queue = m_parts.queue ? m_parts.queue() : nullptr)
                queue->dequeue(m_sendingId);
            refreshCount();
        }
        if (reply.remaining == 0 && reply.resetIn)
            delay = *reply.resetIn;
        break;
    case ScrobbleReply::Outcome::TokenRejected:
        // No retries with a token the server refuses: the settings ask for another one.
        qCWarning(lcHistory, "ListenBrainz rejected the token; nothing is sent until a new one is given");
        m_rejected = true;
        m_nowPlaying.clear();
        Q_EMIT statusChanged();
        return;
    case ScrobbleReply::Outcome::RateLimited:
        delay = reply.resetIn ? std::max<std::chrono::milliseconds>(*reply.resetIn, 1s)
                              : ListenRules::backoff(std::max(1, m_failures));
        qCInfo(lcHistory, "ListenBrainz asks to wait %lld s", qint64(delay.count() / 1000));
        break;
    case ScrobbleReply::Outcome::Failed:
        delay = ListenRules::backoff(++m_failures);
        // The check of a new token failed for the network's sake: check it again later.
        if (request == Request::Validate)
            m_validate = true;
        qCWarning(lcHistory, "Sending to ListenBrainz failed (%s); next try in %lld s",
                  qUtf8Printable(reply.detail), qint64(delay.count() / 1000));
        break;
    }
    if (delay > 0ms)
        wait(delay, reply.outcome == ScrobbleReply::Outcome::Failed);
    else
        pump();
}

void Scrobbler::wait(std::chrono::milliseconds delay, bool afterFailure)
{
    m_waiting = true;
    m_waitingAfterFailure = afterFailure;
    m_scheduler->schedule(delay, this, [this, generation = ++m_waitGeneration] {
        if (generation != m_waitGeneration)
            return;
        m_waiting = m_waitingAfterFailure = false;
        pump();
    });
}

void Scrobbler::refreshCount()
{
    ListenQueue *queue = m_on && m_parts.queue ? m_parts.queue() : nullptr;
    const int count = queue ? queue->count() : 0;
    if (count != m_waitingCount) {
        m_waitingCount = count;
        Q_EMIT statusChanged();
    }
}

ScrobbleSender *Scrobbler::sender()
{
    if (!m_senderTried) {
        m_senderTried = true;
        if (m_parts.sender)
            m_sender.reset(m_parts.sender());
        if (m_sender)
            connect(m_sender.get(), &ScrobbleSender::finished, this, &Scrobbler::onReply);
    }
    return m_sender.get();
}

TokenStore *Scrobbler::tokens()
{
    if (!m_tokensTried) {
        m_tokensTried = true;
        if (m_parts.tokens)
            m_tokens.reset(m_parts.tokens());
        if (m_tokens) {
            connect(m_tokens.get(), &TokenStore::tokenRead, this,
                    [this](const QString &token, TokenStore::Place place) {
                        m_place = place;
                        // A token the user typed meanwhile wins.
                        if (m_token.isEmpty())
                            m_token = token;
                        Q_EMIT statusChanged();
                        pump();
                    });
            connect(m_tokens.get(), &TokenStore::written, this, [this](TokenStore::Place place) {
                m_place = place;
                Q_EMIT statusChanged();
            });
        }
    }
    return m_tokens.get();
}
