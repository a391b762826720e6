// The public station directory over HTTP (its JSON API), with QtNetwork on the main thread's
// event loop. Servers: the comma-separated base URLs in ZEFFIRA_DIRECTORY_URL (for tests and
// mirrors), else the API servers the directory announces in DNS (SRV _api._tcp), else its
// round-robin name. Each server gets StationDirectory::timeoutMs, then the next is asked; an
// answer is read up to DirectoryAnswer::maxBytes.
#pragma once

#include "directory/StationDirectory.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>

class QDnsLookup;
class QNetworkAccessManager;
class QNetworkReply;

class RadioBrowserDirectory final : public StationDirectory
{
    Q_OBJECT
public:
    explicit RadioBrowserDirectory(QObject *parent = nullptr);
    ~RadioBrowserDirectory() override;

    void search(const QString &text) override;
    void cancel() override;
    void countClick(const QString &uuid) override;

private:
    // Calls `then` once the server list is known (at once after the first time).
    void withServers(std::function<void()> then);
    void askServer(int index);
    void onFinished();
    void nextServer(Failure failure, const QString &detail);
    QNetworkAccessManager *network();

    QNetworkAccessManager *m_network = nullptr;
    QPointer<QDnsLookup> m_dns;
    std::function<void()> m_afterDns;
    QStringList m_servers;
    bool m_serversKnown = false;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    bool m_tooLarge = false;
    QTimer m_deadline;
    QString m_text;
    int m_server = 0;
    quint64 m_search = 0;
    // The worst that happened over the servers asked so far, and what.
    bool m_badAnswer = false;
    QStringList m_failures;
};
