// The playlist fetcher the program holds from the start: it loads the network library and its
// HTTP fetcher with the first fetch, and passes everything on. Without the library every fetch
// fails without a reason of its own, so the stream's own verdict stands.
#pragma once

#include "playback/PlaylistFetcher.h"

#include <memory>

class DeferredPlaylistFetcher final : public PlaylistFetcher
{
    Q_OBJECT
public:
    using PlaylistFetcher::PlaylistFetcher;
    ~DeferredPlaylistFetcher() override;

    void fetch(const QString &url) override;
    void cancel() override;

private:
    std::unique_ptr<PlaylistFetcher> m_fetcher;
    bool m_loaded = false;
};
