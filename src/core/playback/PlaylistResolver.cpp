#include "playback/PlaylistResolver.h"

#include "base/Logging.h"
#include "playback/PlaylistFetcher.h"
#include "playback/PlaylistParser.h"

#include <QUrl>

PlaylistResolver::PlaylistResolver(StreamBackend *backend, PlaylistFetcher *fetcher, QObject *parent)
    : StreamBackend(parent), m_backend(backend), m_fetcher(fetcher)
{
    connect(m_backend, &StreamBackend::ready, this, [this] {
        if (m_active && !m_fetching)
            Q_EMIT ready();
    });
    connect(m_backend, &StreamBackend::failed, this, &PlaylistResolver::onFailed);
    connect(m_backend, &StreamBackend::failedWhilePlaying, this, [this](const StreamFailure &failure) {
        if (!m_active)
            return;
        m_active = false;
        Q_EMIT failedWhilePlaying(failure);
    });
    connect(m_backend, &StreamBackend::streamTitleChanged, this, [this](const QString &title) {
        if (m_active)
            Q_EMIT streamTitleChanged(title);
    });
    connect(m_backend, &StreamBackend::paused, this, [this] {
        if (m_active)
            Q_EMIT paused();
    });
    connect(m_fetcher, &PlaylistFetcher::fetched, this, &PlaylistResolver::onFetched);
    connect(m_fetcher, &PlaylistFetcher::fetchFailed, this, &PlaylistResolver::onFetchFailed);
}

void PlaylistResolver::start(const QString &url)
{
    if (m_fetching)
        m_fetcher->cancel();
    m_fetching = false;
    m_active = true;
    m_queue = {Candidate{url, 0}};
    m_attempts = 0;
    m_lastFailure.reset();
    m_read.clear();
    tryNext();
}

void PlaylistResolver::tryNext()
{
    if (m_queue.isEmpty() || m_attempts >= maxAttempts) {
        giveUp();
        return;
    }
    m_current = m_queue.takeFirst();
    ++m_attempts;
    if (m_current.depth > 0)
        qCInfo(lcPlayer, "Trying playlist entry %s", qUtf8Printable(m_current.url));
    m_backend->start(m_current.url);
}

void PlaylistResolver::giveUp()
{
    m_active = false;
    m_queue.clear();
    Q_EMIT failed(m_lastFailure.value_or(StreamFailure(StreamFailure::Reason::NoPlayableEntry)));
}

void PlaylistResolver::onFailed(const StreamFailure &failure)
{
    if (!m_active || m_fetching)
        return;
    if (failure.mayBePlaylist() && m_read.contains(m_current.url)) {
        m_lastFailure = StreamFailure(StreamFailure::Reason::PlaylistListsItself);
        tryNext();
        return;
    }
    if (failure.mayBePlaylist()) {
        m_read.insert(m_current.url);
        m_currentFailure = failure;
        m_fetching = true;
        m_fetcher->fetch(m_current.url);
        return;
    }
    if (m_current.depth > 0)
        qCWarning(lcPlayer, "Playlist entry failed: %s", qUtf8Printable(failure.logText()));
    m_lastFailure = failure;
    tryNext();
}

void PlaylistResolver::onFetched(const QByteArray &body, const QString &contentType, const QString &finalUrl)
{
    if (!m_fetching)
        return;
    m_fetching = false;
    const Playlist playlist = PlaylistParser::parse(body, contentType, QUrl(finalUrl));
    if (playlist.format == Playlist::Format::NotAPlaylist || playlist.format == Playlist::Format::Hls) {
        m_lastFailure = m_currentFailure;
        tryNext();
        return;
    }
    qCInfo(lcPlayer, "%s playlist with %lld stream(s): %s",
           qUtf8Printable(PlaylistParser::formatName(playlist.format)), qlonglong(playlist.entries.size()),
           qUtf8Printable(m_current.url));
    for (const QString &refused : playlist.refused)
        qCWarning(lcPlayer, "Playlist entry refused: %s", qUtf8Printable(refused));
    if (m_current.depth >= maxDepth) {
        m_lastFailure = StreamFailure(StreamFailure::Reason::PlaylistTooDeep);
    } else if (playlist.entries.isEmpty()) {
        m_lastFailure = StreamFailure(playlist.refused.isEmpty() ? StreamFailure::Reason::EmptyPlaylist
                                                                 : StreamFailure::Reason::NoPlayableEntry);
    } else {
        // The entries go first, in their order; what was queued before comes after them.
        QList<Candidate> entries;
        for (const PlaylistEntry &entry : playlist.entries)
            entries.append(Candidate{entry.url, m_current.depth + 1});
        m_queue = entries + m_queue;
    }
    tryNext();
}

void PlaylistResolver::onFetchFailed(const std::optional<StreamFailure> &failure)
{
    if (!m_fetching)
        return;
    m_fetching = false;
    // The second read names what the stream source could not (host not found, ...).
    m_lastFailure = failure;
    tryNext();
}

void PlaylistResolver::pause()
{
    m_backend->pause();
}

void PlaylistResolver::resume()
{
    m_backend->resume();
}

void PlaylistResolver::clear()
{
    if (m_fetching)
        m_fetcher->cancel();
    m_fetching = false;
    m_active = false;
    m_queue.clear();
    m_backend->clear();
}

void PlaylistResolver::setVolume(float volume)
{
    m_backend->setVolume(volume);
}

void PlaylistResolver::setOutputDevice(const std::optional<QString> &deviceUid)
{
    m_backend->setOutputDevice(deviceUid);
}
