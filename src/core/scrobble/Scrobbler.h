// Sends the songs the user hears to ListenBrainz, once switched on in the settings or given a
// token in the environment: "playing_now" when a title starts, and a listen once it counts
// (ListenRules), queued on disk and sent oldest first, one request at a time. A failure waits a
// doubling back-off, a 429 or a spent rate limit waits what the server says, and a rejected token
// stops all sending until the user gives a new one. Switched off, it loads nothing and sends
// nothing. The settings read its state. Owns the sender and the token store it creates; the
// rest must outlive it.
#pragma once

#include "scrobble/Listen.h"
#include "scrobble/ListenRules.h"
#include "scrobble/ScrobbleSender.h"
#include "scrobble/TokenStore.h"

#include <QObject>
#include <functional>
#include <memory>

class Clock;
class ListenQueue;
class NetworkMonitor;
class RadioPlayer;
class Scheduler;
class SettingsStore;
class WallClock;

namespace SettingsKey {
// "Stuur beluisterde nummers naar ListenBrainz"; off by default.
inline const QString ScrobbleEnabled = QStringLiteral("scrobbleEnabled");
} // namespace SettingsKey

class Scrobbler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    // The token came from the environment: on for this run, nothing stored.
    Q_PROPERTY(bool tokenFromEnvironment READ tokenFromEnvironment CONSTANT)
    Q_PROPERTY(bool hasToken READ hasToken NOTIFY statusChanged)
    Q_PROPERTY(bool tokenRejected READ tokenRejected NOTIFY statusChanged)
    // No secret store runs: the token is in a file only the user can read.
    Q_PROPERTY(bool tokenInFile READ tokenInFile NOTIFY statusChanged)
    Q_PROPERTY(int waitingListens READ waitingListens NOTIFY statusChanged)
public:
    static inline const QString defaultApiRoot = QStringLiteral("https://api.listenbrainz.org");

    // What it loads the first time it is on: the queue (owned elsewhere, null when the store
    // cannot open), the sender and the token store (null when their libraries cannot load).
    struct Parts {
        std::function<ListenQueue *()> queue;
        std::function<ScrobbleSender *()> sender;
        std::function<TokenStore *()> tokens;
    };
    struct Options {
        QString apiRoot = defaultApiRoot;
        QString environmentToken;
        std::chrono::milliseconds atNextTitle = ListenRules::atNextTitle;
    };

    Scrobbler(RadioPlayer *player, SettingsStore *settings, Scheduler *scheduler, Clock *clock,
              WallClock *wallClock, Parts parts, Options options, QObject *parent = nullptr);
    ~Scrobbler() override;

    bool enabled() const;
    void setEnabled(bool on);
    bool tokenFromEnvironment() const { return !m_options.environmentToken.isEmpty(); }
    bool hasToken() const { return !m_token.isEmpty(); }
    bool tokenRejected() const { return m_rejected; }
    bool tokenInFile() const { return m_place == TokenStore::Place::File; }
    int waitingListens() const { return m_waitingCount; }

    // The user's new token (empty: none): stored, checked with the server, and sending resumes.
    Q_INVOKABLE void setToken(const QString &token);
    // The network coming back ends a back-off after failures at once (not a wait the server
    // asked for). Must outlive the scrobbler; none by default.
    void setNetworkMonitor(NetworkMonitor *monitor);

Q_SIGNALS:
    void enabledChanged();
    void statusChanged();

private:
    enum class Request { None, NowPlaying, Listen, Validate };

    void update();
    void onTitle(const QString &text);
    void onPlayerChanged();
    // The current title ends; it counts when the next one started after enough play.
    void endTitle(bool nextTitleStarts);
    void queueListen(const Listen &listen);
    void pump();
    void onReply(const ScrobbleReply &reply);
    void wait(std::chrono::milliseconds delay, bool afterFailure);
    void refreshCount();
    ScrobbleSender *sender();
    TokenStore *tokens();

    RadioPlayer *m_player;
    SettingsStore *m_settings;
    Scheduler *m_scheduler;
    Clock *m_clock;
    WallClock *m_wallClock;
    Parts m_parts;
    Options m_options;
    std::unique_ptr<ScrobbleSender> m_sender;
    std::unique_ptr<TokenStore> m_tokens;
    bool m_senderTried = false;
    bool m_tokensTried = false;

    bool m_on = false;
    QString m_token;
    TokenStore::Place m_place = TokenStore::Place::Nowhere;
    bool m_rejected = false;
    int m_waitingCount = 0;

    // The title playing now, from when (the monotonic clock), and whether it counted already.
    struct Current {
        Listen listen;
        std::chrono::milliseconds since{};
        quint64 generation = 0;
        bool counted = false;
    };
    std::optional<Current> m_current;
    quint64 m_generation = 0;

    // What goes out next, besides the queue: the latest playing_now, a token to check.
    QByteArray m_nowPlaying;
    bool m_validate = false;
    Request m_inFlight = Request::None;
    qint64 m_sendingId = 0;
    bool m_waiting = false;
    bool m_waitingAfterFailure = false;
    quint64 m_waitGeneration = 0; // a wait that was ended early does nothing when it runs out
    int m_failures = 0;
};
