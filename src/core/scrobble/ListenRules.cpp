#include "scrobble/ListenRules.h"

#include "base/AppInfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace ListenRules {

std::chrono::milliseconds dueAfter(std::optional<std::chrono::milliseconds> length)
{
    if (length && *length > 0ms)
        return std::min(atTheLatest, *length / 2);
    return atTheLatest;
}

std::optional<Song> song(const QString &text, const QString &stationName)
{
    std::optional<Song> found = SongRules::song(text, stationName);
    if (!found || found->artist.isEmpty() || found->title.isEmpty())
        return std::nullopt;
    return found;
}

std::chrono::milliseconds backoff(int failures)
{
    constexpr std::chrono::milliseconds first = 5s;
    constexpr std::chrono::milliseconds most = 15min;
    // 5 s << 8 is past the cap already; the shift stays small.
    const int doublings = std::clamp(failures - 1, 0, 8);
    return std::min(most, first * (1 << doublings));
}

QByteArray body(const Listen &listen, bool playingNow)
{
    const QString version = AppInfo::version();
    const QJsonObject additional{
        {QStringLiteral("media_player"), QStringLiteral("Zeffira")},
        {QStringLiteral("media_player_version"), version},
        {QStringLiteral("submission_client"), QStringLiteral("Zeffira")},
        {QStringLiteral("submission_client_version"), version},
        // The station is the service the song came from; its stream is where.
        {QStringLiteral("music_service_name"), listen.stationName},
        {QStringLiteral("origin_url"), listen.originUrl},
    };
    QJsonObject item{
        {QStringLiteral("track_metadata"), QJsonObject{{QStringLiteral("artist_name"), listen.artist},
                                                       {QStringLiteral("track_name"), listen.track},
                                                       {QStringLiteral("additional_info"), additional}}}};
    if (!playingNow)
        item.insert(QStringLiteral("listened_at"), listen.listenedAt.toSecsSinceEpoch());
    const QJsonObject root{
        {QStringLiteral("listen_type"),
         playingNow ? QStringLiteral("playing_now") : QStringLiteral("single")},
        {QStringLiteral("payload"), QJsonArray{item}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace ListenRules
