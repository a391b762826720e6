#include "network/DeferredPlaylistFetcher.h"

#include "network/NetworkLibrary.h"

DeferredPlaylistFetcher::~DeferredPlaylistFetcher() = default;

void DeferredPlaylistFetcher::fetch(const QString &url)
{
    if (!m_loaded) {
        m_loaded = true;
        m_fetcher.reset(NetworkLibrary::createPlaylistFetcher());
        if (m_fetcher) {
            connect(m_fetcher.get(), &PlaylistFetcher::fetched, this, &PlaylistFetcher::fetched);
            connect(m_fetcher.get(), &PlaylistFetcher::fetchFailed, this, &PlaylistFetcher::fetchFailed);
        }
    }
    if (m_fetcher)
        m_fetcher->fetch(url);
    else
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT fetchFailed(std::nullopt); }, Qt::QueuedConnection);
}

void DeferredPlaylistFetcher::cancel()
{
    if (m_fetcher)
        m_fetcher->cancel();
}
