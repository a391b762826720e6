#include "network/HttpPlaylistFetcher.h"

#include "base/AppInfo.h"
#include "base/NetworkText.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

StreamFailure::Reason reasonOf(QNetworkReply::NetworkError error)
{
    using Reason = StreamFailure::Reason;
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return Reason::Refused;
    case QNetworkReply::HostNotFoundError:
        return Reason::HostNotFound;
    case QNetworkReply::TimeoutError:
        return Reason::Timeout;
    case QNetworkReply::TooManyRedirectsError:
        return Reason::TooManyRedirects;
    case QNetworkReply::InsecureRedirectError:
        return Reason::InsecureRedirect;
    case QNetworkReply::SslHandshakeFailedError:
        return Reason::SecureConnectionFailed;
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return Reason::NetworkUnreachable;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return Reason::ProxyFailed;
    default:
        // Headers that never end, a header line of megabytes, a response that is not HTTP.
        return Reason::BadResponse;
    }
}

} // namespace

HttpPlaylistFetcher::HttpPlaylistFetcher(QObject *parent) : PlaylistFetcher(parent)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(timeoutMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            m_reply->abort();
    });
}

HttpPlaylistFetcher::~HttpPlaylistFetcher()
{
    cancel();
}

void HttpPlaylistFetcher::fetch(const QString &url)
{
    cancel();
    QUrl target(url, QUrl::TolerantMode);
    // Icecast's own schemes are HTTP underneath.
    if (target.scheme().compare(QLatin1String("icy"), Qt::CaseInsensitive) == 0)
        target.setScheme(QStringLiteral("http"));
    else if (target.scheme().compare(QLatin1String("icyx"), Qt::CaseInsensitive) == 0)
        target.setScheme(QStringLiteral("https"));
    const QString scheme = target.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        // Nothing to read over HTTP: no second opinion.
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT fetchFailed(std::nullopt); }, Qt::QueuedConnection);
        return;
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Zeffira/%1").arg(AppInfo::version()));
    m_body.clear();
    m_timedOut = false;
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpPlaylistFetcher::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpPlaylistFetcher::onFinished);
    m_deadline.start();
}

void HttpPlaylistFetcher::cancel()
{
    m_deadline.stop();
    if (QNetworkReply *reply = m_reply.data()) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void HttpPlaylistFetcher::onReadyRead()
{
    if (!m_reply)
        return;
    m_body += m_reply->read(maxBytes - m_body.size());
    if (m_body.size() >= maxBytes)
        finish(true); // enough: a playlist is small, a stream would never end
}

void HttpPlaylistFetcher::onFinished()
{
    if (!m_reply)
        return;
    if (m_reply->isOpen())
        m_body += m_reply->read(maxBytes - m_body.size());
    finish(m_reply->error() == QNetworkReply::NoError);
}

void HttpPlaylistFetcher::finish(bool complete)
{
    QNetworkReply *reply = m_reply.data();
    m_deadline.stop();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString contentType =
        NetworkText::clean(reply->header(QNetworkRequest::ContentTypeHeader).toString());
    const QString finalUrl = reply->url().toString(QUrl::FullyEncoded);
    const QNetworkReply::NetworkError error = reply->error();
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();

    // Cut off by the deadline while a body was arriving: what came is enough for a second look
    // (a slow stream is no playlist either).
    if (m_timedOut && status >= 200 && status < 300 && !m_body.isEmpty())
        complete = true;
    // Errors of the connection and the protocol (a redirect that went nowhere among them) say
    // more than the status of the last response.
    const bool transportError =
        (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) ||
        (error >= QNetworkReply::ProtocolUnknownError && error <= QNetworkReply::ProtocolFailure);
    if (complete && status >= 200 && status < 300)
        Q_EMIT fetched(m_body, contentType, finalUrl);
    else if (m_timedOut)
        Q_EMIT fetchFailed(StreamFailure(StreamFailure::Reason::Timeout));
    else if (transportError)
        Q_EMIT fetchFailed(StreamFailure(reasonOf(error)));
    else if (status >= 300)
        Q_EMIT fetchFailed(StreamFailure::http(status));
    else
        Q_EMIT fetchFailed(StreamFailure(StreamFailure::Reason::BadResponse));
}
