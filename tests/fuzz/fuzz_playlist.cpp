// libFuzzer entry point for the playlist parser. The first byte picks the server's content type,
// the rest is the body. Beyond not crashing, what comes out must hold: network streams only,
// at most maxEntries of them, titles already clean.
#include "base/NetworkText.h"
#include "playback/PlaylistParser.h"
#include "playback/StreamUrl.h"

#include <cstdlib>

namespace {
const char *const kContentTypes[] = {"",
                                     "audio/x-scpls",
                                     "audio/x-mpegurl",
                                     "text/uri-list",
                                     "video/x-ms-asf",
                                     "application/xspf+xml",
                                     "text/html",
                                     "application/octet-stream"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString contentType = QString::fromLatin1(kContentTypes[data[0] % std::size(kContentTypes)]);
    const QByteArrayView body(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const Playlist playlist =
        PlaylistParser::parse(body, contentType, QUrl(QStringLiteral("http://host.example/dir/list")));
    if (playlist.entries.size() > PlaylistParser::maxEntries)
        std::abort();
    for (const PlaylistEntry &entry : playlist.entries) {
        if (StreamUrl::rejectionReason(entry.url) || NetworkText::clean(entry.title) != entry.title)
            std::abort();
    }
    return 0;
}
