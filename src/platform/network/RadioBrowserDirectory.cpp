#include "network/RadioBrowserDirectory.h"

#include "base/AppInfo.h"
#include "base/Logging.h"
#include "base/NetworkText.h"
#include "directory/DirectoryAnswer.h"

#include <QDnsLookup>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>

namespace {

const QString kSrvName = QStringLiteral("_api._tcp.radio-browser.info");
const QString kRoundRobin = QStringLiteral("https://all.api.radio-browser.info");

QNetworkRequest requestFor(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Zeffira/%1").arg(AppInfo::version()));
    request.setTransferTimeout(StationDirectory::timeoutMs);
    return request;
}

} // namespace

RadioBrowserDirectory::RadioBrowserDirectory(QObject *parent) : StationDirectory(parent)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(timeoutMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            nextServer(Failure::NoServer, QStringLiteral("%1: timed out").arg(m_servers.value(m_server)));
    });
    const QString configured = qEnvironmentVariable("ZEFFIRA_DIRECTORY_URL");
    if (!configured.trimmed().isEmpty()) {
        for (const QString &base : configured.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            QString trimmed = base.trimmed();
            while (trimmed.endsWith(QLatin1Char('/')))
                trimmed.chop(1);
            if (!trimmed.isEmpty())
                m_servers << trimmed;
        }
        m_serversKnown = true;
    }
}

RadioBrowserDirectory::~RadioBrowserDirectory()
{
    cancel();
}

QNetworkAccessManager *RadioBrowserDirectory::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return m_network;
}

void RadioBrowserDirectory::withServers(std::function<void()> then)
{
    if (m_serversKnown) {
        then();
        return;
    }
    m_afterDns = std::move(then);
    if (m_dns)
        return; // the lookup under way calls the latest
    m_dns = new QDnsLookup(QDnsLookup::SRV, kSrvName, this);
    connect(m_dns, &QDnsLookup::finished, this, [this] {
        QDnsLookup *dns = m_dns.data();
        QList<QDnsServiceRecord> records = dns->serviceRecords();
        // Lower priority first, then the heavier weight: the directory's own order of preference.
        std::sort(records.begin(), records.end(), [](const QDnsServiceRecord &a, const QDnsServiceRecord &b) {
            return a.priority() != b.priority() ? a.priority() < b.priority() : a.weight() > b.weight();
        });
        for (const QDnsServiceRecord &record : std::as_const(records)) {
            QString host = record.target();
            while (host.endsWith(QLatin1Char('.')))
                host.chop(1);
            if (!host.isEmpty())
                m_servers << QStringLiteral("https://") + host;
        }
        if (m_servers.isEmpty()) {
            qCInfo(lcApp, "Station directory: no SRV records (%s); using %s",
                   qUtf8Printable(dns->errorString()), qUtf8Printable(kRoundRobin));
            m_servers << kRoundRobin;
        }
        m_serversKnown = true;
        dns->deleteLater();
        if (auto next = std::exchange(m_afterDns, nullptr))
            next();
    });
    m_dns->lookup();
}

void RadioBrowserDirectory::search(const QString &text)
{
    cancel();
    const quint64 search = ++m_search;
    m_text = text;
    m_badAnswer = false;
    m_failures.clear();
    withServers([this, search] {
        if (search != m_search)
            return;
        if (m_servers.isEmpty()) {
            Q_EMIT failed(Failure::NoServer, QStringLiteral("no directory server is configured"));
            return;
        }
        askServer(0);
    });
}

void RadioBrowserDirectory::askServer(int index)
{
    m_server = index;
    QUrl url(m_servers.at(index) + QStringLiteral("/json/stations/search"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("name"), QString::fromUtf8(QUrl::toPercentEncoding(m_text)));
    query.addQueryItem(QStringLiteral("limit"), QString::number(DirectoryAnswer::maxResults));
    query.addQueryItem(QStringLiteral("hidebroken"), QStringLiteral("true"));
    query.addQueryItem(QStringLiteral("order"), QStringLiteral("clickcount"));
    query.addQueryItem(QStringLiteral("reverse"), QStringLiteral("true"));
    url.setQuery(query);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        nextServer(Failure::NoServer, QStringLiteral("%1: not an http(s) address").arg(m_servers.at(index)));
        return;
    }
    m_body.clear();
    m_tooLarge = false;
    m_reply = network()->get(requestFor(url));
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (!m_reply)
            return;
        m_body += m_reply->read(DirectoryAnswer::maxBytes + 1 - m_body.size());
        if (m_body.size() > DirectoryAnswer::maxBytes) {
            m_tooLarge = true;
            onFinished();
        }
    });
    connect(m_reply, &QNetworkReply::finished, this, &RadioBrowserDirectory::onFinished);
    m_deadline.start();
}

void RadioBrowserDirectory::onFinished()
{
    QNetworkReply *reply = m_reply.data();
    if (!reply)
        return;
    m_deadline.stop();
    if (reply->isOpen() && !m_tooLarge)
        m_body += reply->read(DirectoryAnswer::maxBytes + 1 - m_body.size());
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = NetworkText::clean(reply->errorString());
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();

    const QString server = m_servers.value(m_server);
    if (m_tooLarge || m_body.size() > DirectoryAnswer::maxBytes) {
        nextServer(
            Failure::BadAnswer,
            QStringLiteral("%1: answer larger than %2 bytes").arg(server).arg(DirectoryAnswer::maxBytes));
        return;
    }
    if (error != QNetworkReply::NoError || status < 200 || status >= 300) {
        nextServer(Failure::NoServer, status > 0 ? QStringLiteral("%1: HTTP %2").arg(server).arg(status)
                                                 : QStringLiteral("%1: %2").arg(server, errorText));
        return;
    }
    QString problem;
    const auto answer = DirectoryAnswer::parse(m_body, &problem);
    if (!answer) {
        nextServer(Failure::BadAnswer, QStringLiteral("%1: %2").arg(server, problem));
        return;
    }
    m_body.clear();
    Q_EMIT found(answer->stations, answer->refused);
}

void RadioBrowserDirectory::nextServer(Failure failure, const QString &detail)
{
    if (QNetworkReply *reply = m_reply.data()) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_deadline.stop();
    m_body.clear();
    qCDebug(lcApp, "Station directory: %s", qUtf8Printable(detail));
    m_failures << detail;
    m_badAnswer |= failure == Failure::BadAnswer;
    if (m_server + 1 < m_servers.size()) {
        askServer(m_server + 1);
        return;
    }
    // A server that answered wrongly says more than the ones that did not answer at all.
    Q_EMIT failed(m_badAnswer ? Failure::BadAnswer : Failure::NoServer,
                  m_failures.join(QStringLiteral("; ")));
}

void RadioBrowserDirectory::cancel()
{
    ++m_search;
    m_afterDns = nullptr;
    m_deadline.stop();
    if (QNetworkReply *reply = m_reply.data()) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void RadioBrowserDirectory::countClick(const QString &uuid)
{
    const QString id = QString::fromUtf8(QUrl::toPercentEncoding(uuid));
    withServers([this, id] {
        if (m_servers.isEmpty())
            return;
        const QUrl url(m_servers.constFirst() + QStringLiteral("/json/url/") + id);
        if (!url.isValid())
            return;
        // Fire and forget: the answer is not needed, only that the request is made.
        QNetworkReply *reply = network()->get(requestFor(url));
        connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
        connect(reply, &QNetworkReply::readyRead, reply, [reply] { reply->skip(reply->bytesAvailable()); });
    });
}
