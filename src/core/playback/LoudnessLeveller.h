// Brings a station's loudness to a common target from the level measured before the gain (RMS
// and peak in dBFS, a few times a second): the gain follows the average of the last seconds
// slowly, so that speech and music within one station are not pumped, and never lifts the
// peak past the limiter's threshold. Pure logic; the time of each measurement is passed in.
#pragma once

#include <chrono>
#include <deque>
#include <optional>

class LoudnessLeveller
{
public:
    // RMS of a full-scale sine is -3 dBFS; -18 dBFS is the usual broadcast alignment level,
    // close to -18 LUFS on music.
    static constexpr double targetDb = -18.0;
    static constexpr double minGainDb = -24.0;
    static constexpr double maxGainDb = 18.0;
    // Slow enough that a quiet passage is not pulled up before the music comes back.
    static constexpr double maxStepDbPerSecond = 1.0;
    // The limiter after the gain holds this; the gain leaves the peak below it.
    static constexpr double limiterThresholdDb = -1.0;
    static constexpr std::chrono::milliseconds window{3000};
    // The gain moves once this much sound is in the window.
    static constexpr std::chrono::milliseconds warmUp{1000};
    // Quieter than this is a pause, not the station's level: not counted.
    static constexpr double silenceDb = -60.0;
    // A longer gap between measurements (a pause, a reconnect) moves the gain no further than this.
    static constexpr std::chrono::milliseconds maxStep{500};

    // A new play that starts at `gainDb` (the station's learned gain).
    void reset(double gainDb);
    // Takes one measurement; returns the gain to apply now.
    double measure(std::chrono::milliseconds at, double rmsDb, double peakDb);
    double gainDb() const { return m_gainDb; }

private:
    struct Sample {
        std::chrono::milliseconds at;
        double power; // linear mean square
        double peakDb;
    };
    std::deque<Sample> m_window;
    double m_gainDb = 0.0;
    std::optional<std::chrono::milliseconds> m_lastAt;
};
