// Where the player publishes what is on the air (the desktop's media controls): one snapshot,
// sent whole whenever a part of it changes, which is all such a view reads.
#pragma once

#include <QString>

struct NowPlayingInfo {
    enum class Status { Stopped, Playing, Paused };

    // Stopped also when no station is chosen or its stream failed.
    Status status = Status::Stopped;
    double volume = 0.5;
    QString stationName; // empty when no station is chosen
    QString url;
    QString streamTitle; // what the stream announces, clean; may be empty
    QString artFile;     // the station's logo as kept on disk; empty when there is none

    friend bool operator==(const NowPlayingInfo &, const NowPlayingInfo &) = default;
};

class NowPlayingSink
{
public:
    virtual ~NowPlayingSink() = default;
    virtual void publishNowPlaying(const NowPlayingInfo &info) = 0;
};
