// Talks to the ListenBrainz API: the logic owns this interface; the QtNetwork adapter implements
// it. One request at a time; every request is answered with exactly one finished() on the main
// thread, also when it failed or timed out.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

struct ScrobbleReply {
    enum class Outcome {
        Accepted,      // 2xx (validate-token: the token is valid)
        TokenRejected, // 401 (validate-token: the token is not valid)
        RateLimited,   // 429
        Failed,        // the network, a timeout, any other status: worth trying again later
    };
    Outcome outcome = Outcome::Failed;
    // X-RateLimit-Remaining and X-RateLimit-Reset-In, where the server sent them.
    std::optional<int> remaining;
    std::optional<std::chrono::seconds> resetIn;
    QString detail; // for the log: the status or the network error, cleaned
};

class ScrobbleSender : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // POSTs `body` (JSON) to `root`/1/submit-listens with the user's token.
    virtual void submit(const QString &root, const QString &token, const QByteArray &body) = 0;
    // GETs `root`/1/validate-token for `token`.
    virtual void validate(const QString &root, const QString &token) = 0;

Q_SIGNALS:
    void finished(const ScrobbleReply &reply);
};
