// Where the player publishes its now-playing entry (the desktop's media controls).
#pragma once

#include <QString>
#include <optional>

struct NowPlayingInfo {
    QString title;            // the station's name
    unsigned mediaType = 255; // any audio
    bool isLiveStream = true;
    double playbackRate = 0.0; // 1.0 while playing, else 0.0

    friend bool operator==(const NowPlayingInfo &, const NowPlayingInfo &) = default;
};

class NowPlayingSink
{
public:
    virtual ~NowPlayingSink() = default;
    // nullopt clears the entry.
    virtual void publishNowPlaying(const std::optional<NowPlayingInfo> &info) = 0;
};
