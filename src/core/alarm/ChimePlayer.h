// A sound made on the spot, played to the output the stream would use: the alarm's fallback
// when no station plays. Main thread only.
#pragma once

class ChimePlayer
{
public:
    virtual ~ChimePlayer() = default;
    // Starts (or keeps) chiming at `volume` (0 to 1) until stopChime().
    virtual void startChime(float volume) = 0;
    virtual void stopChime() = 0;
};
