// The ListenBrainz API over QtNetwork: submit-listens and validate-token with the token in the
// Authorization header, each request bounded in time (timeoutMs without progress), its answer
// read into a ScrobbleReply (the outcome by status, the rate-limit headers), asynchronously on
// the main thread's event loop.
#pragma once

#include "scrobble/ScrobbleSender.h"

#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

class ListenBrainzSender final : public ScrobbleSender
{
    Q_OBJECT
public:
    // A server that stops answering for this long fails the request; the back-off takes over.
    static constexpr int timeoutMs = 20000;
    // More than any answer of the API: a body past it is not read.
    static constexpr qint64 maxBytes = 64 * 1024;

    explicit ListenBrainzSender(QObject *parent = nullptr);
    ~ListenBrainzSender() override;

    void submit(const QString &root, const QString &token, const QByteArray &body) override;
    void validate(const QString &root, const QString &token) override;

private:
    void start(QNetworkReply *reply, bool validating);
    void onFinished(bool validating);

    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
};
