// Reads a stream URL as a document with QtNetwork, within the fetcher's bounds (64 KiB, 5 s,
// 5 redirects, never to a less safe scheme), asynchronously on the main thread's event loop.
// QtNetwork rather than GStreamer's HTTP source: it gives the content type, the final URL after
// redirects and a precise error for each way a server can fail, which the source reports only as
// "Internal data stream error"; the offline monitor loads the same library anyway.
#pragma once

#include "playback/PlaylistFetcher.h"

#include <QPointer>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

class HttpPlaylistFetcher final : public PlaylistFetcher
{
    Q_OBJECT
public:
    explicit HttpPlaylistFetcher(QObject *parent = nullptr);
    ~HttpPlaylistFetcher() override;

    void fetch(const QString &url) override;
    void cancel() override;

private:
    void onReadyRead();
    void onFinished();
    void finish(bool complete);

    QNetworkAccessManager *m_network = nullptr; // created with the first fetch
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QTimer m_deadline;
    bool m_timedOut = false;
};
