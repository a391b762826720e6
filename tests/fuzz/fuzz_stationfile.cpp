// libFuzzer entry point for the station lists that are not playlists: an imported file in the
// catalogue's own JSON, and the directory's answer (the playlist forms an import reads are
// fuzz_playlist's). The first byte picks which, the rest is the text. Beyond not crashing, what
// comes out must hold: http(s) URLs with a server name only, names never empty and on one line,
// an error that quotes the file on one line, and what is written back reads back the same.
#include "catalogue/StationFile.h"
#include "catalogue/StationImport.h"
#include "directory/DirectoryAnswer.h"

#include <QUrl>
#include <cstdlib>

namespace {
bool isStreamUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray body(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (data[0] % 2 == 1) {
        if (const auto answer = DirectoryAnswer::parse(body)) {
            if (answer->stations.size() > DirectoryAnswer::maxResults)
                std::abort();
            for (const DirectoryStation &s : answer->stations) {
                if (!isStreamUrl(s.url) || s.name.isEmpty())
                    std::abort();
            }
        }
        return 0;
    }
    QString error;
    const auto contents = StationFile::read(body, StationFile::Format::Json, &error);
    if (!contents) {
        if (error.contains(QLatin1Char('\n')) || error.contains(QLatin1Char('\r')))
            std::abort(); // the file would forge a line in the terminal or the journal
        return 0;
    }
    for (const StationFile::Entry &e : contents->entries) {
        if (!isStreamUrl(e.url) || e.name.isEmpty() || e.name.contains(QLatin1Char('\n')) ||
            e.category.contains(QLatin1Char('\n')))
            std::abort();
    }
    Catalogue catalogue;
    StationImport::apply(catalogue, *contents, QString(), QStringLiteral("file"));
    const auto again = StationFile::read(StationFile::write(catalogue, StationFile::Format::Json),
                                         StationFile::Format::Json);
    Catalogue back;
    if (!again)
        std::abort();
    StationImport::apply(back, *again, QString(), QStringLiteral("file"));
    if (back != catalogue)
        std::abort();
    return 0;
}
