#include "playback/PlaylistParser.h"

#include "base/NetworkText.h"
#include "playback/StreamUrl.h"

namespace PlaylistParser {

Playlist parse(QByteArrayView bytes, const QString &contentType, const QUrl &base)
{
    return parse(bytes, PlaylistReader::formatOfContentType(contentType), base);
}

Playlist parse(QByteArrayView bytes, PlaylistFormat hint, const QUrl &base)
{
    const PlaylistReader::Document document = PlaylistReader::read(bytes, hint);
    Playlist playlist;
    playlist.format = document.format;
    for (const PlaylistReader::Item &item : document.items) {
        if (playlist.entries.size() >= maxEntries)
            break;
        QUrl url(item.location, QUrl::TolerantMode);
        if (url.isValid() && url.isRelative() && base.isValid() && !item.location.isEmpty())
            url = base.resolved(url);
        const QString resolved = url.isValid() ? url.toString(QUrl::FullyEncoded) : QString();
        const std::optional<StreamFailure> reason = url.isValid() && !item.location.isEmpty()
                                                        ? StreamUrl::rejectionReason(resolved)
                                                        : StreamFailure(StreamFailure::Reason::InvalidUrl);
        if (reason)
            playlist.refused << NetworkText::clean(
                QString((item.location.isEmpty() ? QStringLiteral("(empty)") : item.location) +
                        QStringLiteral(": ") + reason->logText()));
        else
            playlist.entries << PlaylistEntry{resolved, NetworkText::clean(item.title)};
    }
    return playlist;
}

QString formatName(Playlist::Format format)
{
    return PlaylistReader::formatName(format);
}

} // namespace PlaylistParser
