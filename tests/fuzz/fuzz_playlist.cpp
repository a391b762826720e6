// libFuzzer entry point for the one playlist reader, under both its uses. The first byte picks
// the server's content type (bits 0-2, for playing) and the imported file's format (the rest, for
// importing); the others are the body. Beyond not crashing, what comes out must hold:
// - playing: network streams only, at most maxEntries, titles clean, and every entry the reader
//   found either played or refused (none dropped unsaid) until the cap;
// - importing: http(s) URLs with a server name only, names never empty and clean (one line, no
//   bidirectional overrides), every station the reader found either an entry or a refusal, and
//   what is written back reads back the same.
#include "base/NetworkText.h"
#include "catalogue/StationFile.h"
#include "catalogue/StationImport.h"
#include "playback/PlaylistParser.h"
#include "playback/StreamUrl.h"

#include <QUrl>
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
const StationFile::Format kImportFormats[] = {StationFile::Format::M3u, StationFile::Format::Pls,
                                              StationFile::Format::Xspf};

bool isStationUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

void play(QByteArrayView body, const QString &contentType)
{
    const Playlist playlist =
        PlaylistParser::parse(body, contentType, QUrl(QStringLiteral("http://host.example/dir/list")));
    if (playlist.entries.size() > PlaylistParser::maxEntries)
        std::abort();
    for (const PlaylistEntry &entry : playlist.entries) {
        if (StreamUrl::rejectionReason(entry.url) || NetworkText::clean(entry.title) != entry.title)
            std::abort();
    }
    const auto document = PlaylistReader::read(body, PlaylistReader::formatOfContentType(contentType));
    if (document.format != playlist.format)
        std::abort();
    if (playlist.entries.size() < PlaylistParser::maxEntries &&
        playlist.entries.size() + playlist.refused.size() != document.items.size())
        std::abort(); // an entry went missing without a word
}

void import(const QByteArray &body, StationFile::Format format)
{
    const auto contents = StationFile::read(body, format);
    if (!contents)
        return;
    for (const StationFile::Entry &e : contents->entries) {
        if (!isStationUrl(e.url) || e.name.isEmpty() ||
            NetworkText::clean(e.name, NetworkText::noLimit) != e.name ||
            NetworkText::clean(e.category, NetworkText::noLimit) != e.category)
            std::abort();
    }
    for (const StationFile::Refusal &r : contents->refused) {
        if (NetworkText::clean(r.text) != r.text)
            std::abort(); // quoted in messages as it is
    }
    const PlaylistFormat hint = format == StationFile::Format::M3u   ? PlaylistFormat::M3u
                                : format == StationFile::Format::Pls ? PlaylistFormat::Pls
                                                                     : PlaylistFormat::Xspf;
    const auto items = PlaylistReader::read(body, hint).items;
    const auto stations =
        std::count_if(items.begin(), items.end(), [](const auto &item) { return !item.mirror; });
    if (contents->entries.size() + contents->refused.size() != stations)
        std::abort(); // a station went missing without a word
    Catalogue catalogue;
    StationImport::apply(catalogue, *contents, QString(), QStringLiteral("file"));
    const auto again = StationFile::read(StationFile::write(catalogue, format), format);
    if (!again)
        std::abort();
    Catalogue back;
    StationImport::apply(back, *again, QString(), QStringLiteral("file"));
    if (back != catalogue)
        std::abort(); // an export does not read back the same
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray body(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    play(body, QString::fromLatin1(kContentTypes[data[0] % std::size(kContentTypes)]));
    import(body, kImportFormats[(data[0] / std::size(kContentTypes)) % std::size(kImportFormats)]);
    return 0;
}
