// "Gelijk volume": while it is on ("loudnessLeveling"), levels every station to a common
// loudness through the backend's level measurement and gain, and keeps the gain each station
// ended with ("stationLoudness", by URL) so that its next play starts there. Off, the backend
// plays as it always did. Owns none of what it is given; all must outlive it. Main thread only.
#pragma once

#include "playback/LoudnessLeveller.h"
#include "playback/StationVolumes.h"

#include <QObject>
#include <QString>

class Clock;
class RadioPlayer;
class SettingsStore;
class StreamBackend;

class LoudnessControl : public QObject
{
    Q_OBJECT
public:
    // The stored gain is brought up to date when it is this far from the gain applied, and
    // whenever the station changes or levelling ends: one write per dB while it settles.
    static constexpr double saveStepDb = 1.0;

    LoudnessControl(StreamBackend *backend, RadioPlayer *player, SettingsStore *settings, const Clock *clock,
                    QObject *parent = nullptr);
    // Stores the current station's gain.
    ~LoudnessControl() override;

    bool enabled() const { return m_enabled; }
    double gainDb() const { return m_leveller.gainDb(); }

private:
    void applySetting();
    void onStationChanged();
    void onLevel(double rmsDb, double peakDb);
    void store();

    StreamBackend *m_backend;
    RadioPlayer *m_player;
    SettingsStore *m_settings;
    const Clock *m_clock;
    StationVolumes m_learned;
    LoudnessLeveller m_leveller;
    bool m_enabled = false;
    QString m_url;           // the station being levelled
    double m_storedDb = 0.0; // what the store holds for it
};
