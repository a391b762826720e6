#include "playback/LoudnessControl.h"

#include "base/MainThread.h"
#include "base/Scheduler.h"
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "playback/StreamBackend.h"

#include <cmath>

LoudnessControl::LoudnessControl(StreamBackend *backend, RadioPlayer *player, SettingsStore *settings,
                                 const Clock *clock, QObject *parent)
    : QObject(parent), m_backend(backend), m_player(player), m_settings(settings), m_clock(clock),
      m_learned(settings, SettingsKey::StationLoudness, LoudnessLeveller::minGainDb,
                LoudnessLeveller::maxGainDb)
{
    connect(m_settings, &SettingsStore::changed, this, [this](const QString &key) {
        if (key == SettingsKey::LoudnessLeveling)
            applySetting();
    });
    connect(m_player, &RadioPlayer::currentStationChanged, this, &LoudnessControl::onStationChanged);
    connect(m_backend, &StreamBackend::levelMeasured, this, &LoudnessControl::onLevel);
    applySetting();
}

LoudnessControl::~LoudnessControl()
{
    store();
}

void LoudnessControl::applySetting()
{
    MainThread::check(Q_FUNC_INFO);
    const bool enabled = m_settings->boolValue(SettingsKey::LoudnessLeveling);
    if (enabled == m_enabled)
        return;
    store();
    m_enabled = enabled;
    m_backend->setLevelling(enabled);
    m_url.clear();
    m_leveller.reset(0.0);
    m_backend->setLevellingGain(0.0);
    onStationChanged();
}

void LoudnessControl::onStationChanged()
{
    const QString url = m_enabled ? m_player->currentStationUrl() : QString();
    if (url == m_url)
        return;
    store();
    m_url = url;
    m_storedDb = url.isEmpty() ? 0.0 : m_learned.gainDb(url);
    // The learned gain from the first second; a new station starts flat.
    m_leveller.reset(m_storedDb);
    m_backend->setLevellingGain(m_leveller.gainDb());
}

void LoudnessControl::onLevel(double rmsDb, double peakDb)
{
    if (!m_enabled || m_url.isEmpty())
        return;
    const double gain = m_leveller.measure(m_clock->now(), rmsDb, peakDb);
    m_backend->setLevellingGain(gain);
    if (std::abs(gain - m_storedDb) >= saveStepDb)
        store();
}

void LoudnessControl::store()
{
    if (m_url.isEmpty())
        return;
    m_storedDb = m_leveller.gainDb();
    m_learned.setGainDb(m_url, m_storedDb);
}
