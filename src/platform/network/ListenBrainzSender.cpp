#include "network/ListenBrainzSender.h"

#include "base/AppInfo.h"
#include "base/NetworkText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

QNetworkRequest apiRequest(const QString &root, const QString &path, const QString &token)
{
    QNetworkRequest request(QUrl(root + path));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(ListenBrainzSender::timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Zeffira/%1").arg(AppInfo::version()));
    request.setRawHeader("Authorization", "Token " + token.toUtf8());
    return request;
}

std::optional<int> headerNumber(QNetworkReply *reply, const char *name)
{
    bool ok = false;
    const int value = reply->rawHeader(name).trimmed().toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

ListenBrainzSender::ListenBrainzSender(QObject *parent)
    : ScrobbleSender(parent), m_network(new QNetworkAccessManager(this))
{
}

ListenBrainzSender::~ListenBrainzSender()
{
    if (QNetworkReply *reply = m_reply.data()) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void ListenBrainzSender::submit(const QString &root, const QString &token, const QByteArray &body)
{
    QNetworkRequest post = apiRequest(root, QStringLiteral("/1/submit-listens"), token);
    post.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    start(m_network->post(post, body), false);
}

void ListenBrainzSender::validate(const QString &root, const QString &token)
{
    start(m_network->get(apiRequest(root, QStringLiteral("/1/validate-token"), token)), true);
}

void ListenBrainzSender::start(QNetworkReply *reply, bool validating)
{
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, validating] { onFinished(validating); });
}

void ListenBrainzSender::onFinished(bool validating)
{
    QNetworkReply *reply = m_reply.data();
    if (!reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    ScrobbleReply answer;
    answer.remaining = headerNumber(reply, "X-RateLimit-Remaining");
    if (const std::optional<int> resetIn = headerNumber(reply, "X-RateLimit-Reset-In"))
        answer.resetIn = std::chrono::seconds(*resetIn);
    if (status >= 200 && status < 300) {
        answer.outcome = ScrobbleReply::Outcome::Accepted;
        // validate-token answers 200 either way; its "valid" says.
        if (validating) {
            const QJsonObject body = QJsonDocument::fromJson(reply->read(maxBytes)).object();
            if (!body.value(QStringLiteral("valid")).toBool(true))
                answer.outcome = ScrobbleReply::Outcome::TokenRejected;
        }
    } else if (status == 401) {
        answer.outcome = ScrobbleReply::Outcome::TokenRejected;
    } else if (status == 429) {
        answer.outcome = ScrobbleReply::Outcome::RateLimited;
    } else {
        answer.outcome = ScrobbleReply::Outcome::Failed;
        answer.detail =
            status ? QStringLiteral("HTTP %1").arg(status) : NetworkText::clean(reply->errorString());
    }
    Q_EMIT finished(answer);
}
