// Keeps every now-playing entry the player published.
#pragma once

#include "playback/NowPlayingSink.h"

#include <QList>

class FakeNowPlayingSink final : public NowPlayingSink
{
public:
    void publishNowPlaying(const NowPlayingInfo &info) override { published.append(info); }
    QList<NowPlayingInfo> published;
};
