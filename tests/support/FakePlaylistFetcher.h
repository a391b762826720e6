// A playlist fetcher that records what was asked of it; the test answers.
#pragma once

#include "playback/PlaylistFetcher.h"

#include <QStringList>

class FakePlaylistFetcher final : public PlaylistFetcher
{
    Q_OBJECT
public:
    using PlaylistFetcher::PlaylistFetcher;

    void fetch(const QString &url) override
    {
        fetches << url;
        pending = true;
    }
    void cancel() override
    {
        ++cancels;
        pending = false;
    }

    void reportFetched(const QByteArray &body, const QString &contentType = {}, const QString &finalUrl = {})
    {
        pending = false;
        Q_EMIT fetched(body, contentType, finalUrl.isEmpty() ? fetches.constLast() : finalUrl);
    }
    void reportFailed(const std::optional<StreamFailure> &failure)
    {
        pending = false;
        Q_EMIT fetchFailed(failure);
    }

    QStringList fetches;
    bool pending = false;
    int cancels = 0;
};
