// Per-station gains in dB, kept in the settings under one key as a map by station URL: the
// user's volume offset of each station ("stationVolumes") or the gain the leveller learned
// ("stationLoudness"). Values are clamped to the key's range; an entry of 0 dB is dropped so
// that the map holds only stations that differ. The store must outlive it. Main thread only.
#pragma once

#include <QString>

class SettingsStore;

class StationVolumes
{
public:
    StationVolumes(SettingsStore *settings, QString key, double minDb, double maxDb);

    // 0 dB for a station without an entry (or with one of the wrong type).
    double gainDb(const QString &url) const;
    void setGainDb(const QString &url, double db);

    double minDb() const { return m_minDb; }
    double maxDb() const { return m_maxDb; }

private:
    SettingsStore *m_settings;
    QString m_key;
    double m_minDb;
    double m_maxDb;
};
