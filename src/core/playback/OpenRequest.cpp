#include "playback/OpenRequest.h"

#include "playback/PlaylistParser.h"
#include "playback/StreamUrl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {
OpenRequest refused(const QString &why)
{
    OpenRequest result;
    result.refusal = why;
    return result;
}

OpenRequest readPlaylistFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("OpenRequest", "Kan %1 niet openen.").arg(name));
    if (file.size() > OpenRequest::maxPlaylistFileSize)
        return refused(
            QCoreApplication::translate(
                "OpenRequest", "%1 is geen afspeellijst: Zeffira speelt internetradio, geen audiobestanden.")
                .arg(name));
    const QByteArray bytes = file.read(OpenRequest::maxPlaylistFileSize);
    const Playlist playlist = PlaylistParser::parse(bytes, QString(), QUrl::fromLocalFile(path));
    // HLS needs its segments beside it: a local copy plays nothing.
    if (playlist.format == Playlist::Format::NotAPlaylist || playlist.format == Playlist::Format::Hls)
        return refused(
            QCoreApplication::translate(
                "OpenRequest", "%1 is geen afspeellijst: Zeffira speelt internetradio, geen audiobestanden.")
                .arg(name));
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
                    .arg(text));
        OpenRequest result;
        result.urls << text;
        return result;
    }
    if (!localFiles)
        return refused(QCoreApplication::translate(
                           "OpenRequest", "Zeffira speelt alleen internetradio; %1 is geen internetstream.")
                           .arg(text));
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
