#include "playback/LoudnessLeveller.h"

#include <algorithm>
#include <cmath>

void LoudnessLeveller::reset(double gainDb)
{
    m_window.clear();
    m_lastAt.reset();
    m_gainDb = std::isfinite(gainDb) ? std::clamp(gainDb, minGainDb, maxGainDb) : 0.0;
}

double LoudnessLeveller::measure(std::chrono::milliseconds at, double rmsDb, double peakDb)
{
    using std::chrono::milliseconds;
    const milliseconds elapsed =
        m_lastAt && at > *m_lastAt ? std::min(at - *m_lastAt, maxStep) : milliseconds(0);
    m_lastAt = at;
    if (std::isfinite(rmsDb) && rmsDb > silenceDb)
        m_window.push_back({at, std::pow(10.0, rmsDb / 10.0), std::isfinite(peakDb) ? peakDb : rmsDb});
    while (!m_window.empty() && m_window.front().at <= at - window)
        m_window.pop_front();
    if (m_window.empty() || at - m_window.front().at < warmUp)
        return m_gainDb;

    double power = 0.0;
    double loudestPeakDb = silenceDb;
    for (const Sample &sample : m_window) {
        power += sample.power;
        loudestPeakDb = std::max(loudestPeakDb, sample.peakDb);
    }
    const double averageDb = 10.0 * std::log10(power / double(m_window.size()));
    const double wanted =
        std::clamp(std::min(targetDb - averageDb, limiterThresholdDb - loudestPeakDb), minGainDb, maxGainDb);
    const double step = maxStepDbPerSecond * double(elapsed.count()) / 1000.0;
    m_gainDb += std::clamp(wanted - m_gainDb, -step, step);
    return m_gainDb;
}
