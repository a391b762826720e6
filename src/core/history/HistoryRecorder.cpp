#include "history/HistoryRecorder.h"

#include "history/HistoryStore.h"
#include "history/SongRules.h"
#include "playback/RadioPlayer.h"

Q_LOGGING_CATEGORY(lcHistory, ZEFFIRA_APP_ID ".history", QtInfoMsg)

HistoryRecorder::HistoryRecorder(RadioPlayer *player, HistoryStore *store, WallClock now, QObject *parent)
    : QObject(parent), m_player(player), m_store(store), m_now(std::move(now))
{
    if (!m_now)
        m_now = [] { return QDateTime::currentDateTimeUtc(); };
    connect(m_player, &RadioPlayer::currentStationChanged, this, &HistoryRecorder::onStationChanged);
    connect(m_player, &RadioPlayer::streamTitleChanged, this, &HistoryRecorder::onTitle);
}

void HistoryRecorder::onStationChanged()
{
    // Resuming the same station continues its play; another station or a stop ends it.
    const QString station = m_player->hasStation() ? m_player->currentStationUrl() : QString();
    if (station == m_playStation && !station.isEmpty())
        return;
    m_playStation = station;
    m_recorded.clear();
    m_artistlessCount.clear();
    m_slogans.clear();
}

void HistoryRecorder::onTitle(const QString &title)
{
    // A paused or failed stream announces nothing the user heard.
    if (title.isEmpty() || !m_player->isPlaying() || !m_player->hasStation())
        return;
    const std::optional<Song> song = SongRules::song(title, m_player->currentStationName());
    if (!song)
        return;
    const QString key = SongRules::comparable(title);
    if (m_slogans.contains(key))
        return;
    if (song->artist.isEmpty() && ++m_artistlessCount[key] >= SongRules::sloganAnnouncements) {
        m_slogans.insert(key);
        if (const qint64 id = m_recorded.take(key)) {
            m_store->remove(id);
            Q_EMIT historyChanged();
        }
        return;
    }
    if (m_recorded.contains(key))
        return;
    HistoryEntry entry;
    entry.startedAt = m_now();
    entry.stationName = m_player->currentStationName();
    entry.stationUrl = m_player->currentStationUrl();
    entry.artist = song->artist;
    entry.title = song->title;
    const qint64 id = m_store->add(entry);
    m_recorded.insert(key, id);
    if (id)
        Q_EMIT historyChanged();
}
