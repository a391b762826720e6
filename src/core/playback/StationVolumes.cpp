#include "playback/StationVolumes.h"

#include "base/SettingsStore.h"

#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace {
// Below what anyone hears; keeps rounding noise out of the file.
constexpr double kNegligibleDb = 0.05;
} // namespace

StationVolumes::StationVolumes(SettingsStore *settings, QString key, double minDb, double maxDb)
    : m_settings(settings), m_key(std::move(key)), m_minDb(minDb), m_maxDb(maxDb)
{
}

double StationVolumes::gainDb(const QString &url) const
{
    const QJsonValue v = m_settings->value(m_key).toObject().value(url);
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        return 0.0;
    return std::clamp(v.toDouble(), m_minDb, m_maxDb);
}

void StationVolumes::setGainDb(const QString &url, double db)
{
    if (std::isnan(db) || url.isEmpty())
        return;
    db = std::clamp(db, m_minDb, m_maxDb);
    QJsonObject map = m_settings->value(m_key).toObject();
    const QJsonValue old = map.value(url);
    if (std::abs(db) < kNegligibleDb) {
        if (old.isUndefined())
            return;
        map.remove(url);
    } else {
        // Two decimals: a hundredth of a dB is inaudible and keeps the file readable.
        db = std::round(db * 100.0) / 100.0;
        if (old.isDouble() && old.toDouble() == db)
            return;
        map.insert(url, db);
    }
    if (map.isEmpty())
        m_settings->remove(m_key);
    else
        m_settings->setValue(m_key, map);
}
