// A StreamBackend that also plays playlist links. It starts the URL on the real backend as it is;
// when that is no audio (or the source fails without saying why), it reads the URL once more as a
// document: a playlist's entries are then tried in order, the next one when one fails, and only
// when every entry has failed does the start fail. Anything else keeps the backend's verdict, or
// takes the plainer reason the second read found (host not found, a bad server response).
// HLS is left to the backend. Owns neither the backend nor the fetcher; both must outlive it.
#pragma once

#include "playback/StreamBackend.h"

#include <QList>
#include <QSet>

class PlaylistFetcher;

class PlaylistResolver : public StreamBackend
{
    Q_OBJECT
public:
    // Playlists inside playlists are followed this deep.
    static constexpr int maxDepth = 3;
    // Streams tried for one start, over all playlists: a failing station must not keep the
    // player busy for minutes.
    static constexpr int maxAttempts = 16;

    PlaylistResolver(StreamBackend *backend, PlaylistFetcher *fetcher, QObject *parent = nullptr);

    void start(const QString &url) override;
    void pause() override;
    void resume() override;
    void clear() override;
    void setVolume(float volume) override;
    void setOutputDevice(const std::optional<QString> &deviceUid) override;

    // The stream being started or played (the station's URL or a playlist entry); empty when
    // none.
    QString currentUrl() const { return m_active ? m_current.url : QString(); }

private:
    struct Candidate {
        QString url;
        int depth = 0; // 0: the URL given to start(); n: an entry of the n-th playlist
    };

    void tryNext();
    void onFailed(const StreamFailure &failure);
    void onFetched(const QByteArray &body, const QString &contentType, const QString &finalUrl);
    void onFetchFailed(const std::optional<StreamFailure> &failure);
    void giveUp();

    StreamBackend *m_backend;
    PlaylistFetcher *m_fetcher;
    bool m_active = false;   // between start() and the stream's failure or clear()
    bool m_fetching = false; // a second read of m_current is on its way
    Candidate m_current;
    StreamFailure m_currentFailure; // the backend's verdict on m_current, while it is read again
    QList<Candidate> m_queue;
    QSet<QString> m_read; // URLs read as documents during this start: a playlist is read once
    int m_attempts = 0;
    std::optional<StreamFailure> m_lastFailure;
};
