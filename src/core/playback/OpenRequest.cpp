#include "playback/OpenRequest.h"

#include "base/NetworkText.h"
#include "playback/PlaylistParser.h"
#include "playback/StreamUrl.h"
#include "playlist/PlaylistFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
OpenRequest refused(const QString &why)
{
    OpenRequest result;
    result.refusal = why;
    return result;
}

QString notAPlaylist(const QString &name)
{
    return QCoreApplication::translate(
               "OpenRequest", "%1 is geen afspeellijst: Zeffira speelt internetradio, geen audiobestanden.")
        .arg(name);
}

// Read as an import reads it (PlaylistFile, PlaylistReader), with the player's rules on top.
OpenRequest readPlaylistFile(const QString &path)
{
    const QString name = NetworkText::clean(QFileInfo(path).fileName());
    const PlaylistFile::Loaded file = PlaylistFile::load(path, OpenRequest::maxPlaylistFileSize);
    using Problem = PlaylistFile::Loaded::Problem;
    if (file.problem == Problem::TooLarge)
        return refused(notAPlaylist(name));
    if (file.problem != Problem::None)
        return refused(QCoreApplication::translate("OpenRequest", "Kan %1 niet openen.").arg(name));
    const Playlist playlist =
        PlaylistParser::parse(file.bytes, PlaylistReader::formatOfFileName(path), QUrl::fromLocalFile(path));
    // HLS needs its segments beside it: a local copy plays nothing.
    if (playlist.format == Playlist::Format::NotAPlaylist || playlist.format == Playlist::Format::Hls)
        return refused(notAPlaylist(name));
    OpenRequest result;
    for (const PlaylistEntry &entry : playlist.entries)
        result.urls << entry.url;
    if (result.urls.isEmpty())
        result.refusal =
            QCoreApplication::translate("OpenRequest", "%1 bevat geen internetstreams.").arg(name);
    return result;
}
} // namespace

OpenRequest OpenRequest::resolve(const QString &argument, const QString &workingDir, bool localFiles)
{
    const QString text = argument.trimmed();
    const QUrl url(text, QUrl::StrictMode);
    // A path has no scheme; "C:" style single letters do not occur on this system.
    const bool isPath = url.scheme().isEmpty() || text.startsWith(QLatin1Char('/'));
    if (!isPath && !url.isLocalFile()) {
        if (StreamUrl::rejectionReason(text))
            return refused(
                QCoreApplication::translate("OpenRequest",
                                            "Zeffira speelt alleen internetradio; %1 is geen internetstream.")
                    .arg(NetworkText::clean(text)));
        OpenRequest result;
        result.urls << text;
        return result;
    }
    if (!localFiles)
        return refused(QCoreApplication::translate(
                           "OpenRequest", "Zeffira speelt alleen internetradio; %1 is geen internetstream.")
                           .arg(NetworkText::clean(text)));
    const QString path = isPath ? QDir(workingDir).absoluteFilePath(text) : url.toLocalFile();
    return readPlaylistFile(QDir::cleanPath(path));
}

QStringList OpenRequest::playlistMimeTypes()
{
    return {QStringLiteral("audio/x-scpls"),       QStringLiteral("audio/x-mpegurl"),
            QStringLiteral("audio/mpegurl"),       QStringLiteral("application/vnd.apple.mpegurl"),
            QStringLiteral("video/x-ms-asf"),      QStringLiteral("audio/x-ms-asx"),
            QStringLiteral("application/xspf+xml")};
}
