// libFuzzer entry point for the station list files an import reads, and the directory's answer.
// The first byte picks the format (or the directory answer), the rest is the file. Beyond not
// crashing, what comes out must hold: http(s) URLs with a server name only, names never empty and
// on one line, and what is written back reads back the same.
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
    const int pick = data[0] % 5;
    if (pick == 4) {
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
    const auto format = StationFile::Format(pick);
    const auto contents = StationFile::read(body, format);
    if (!contents)
        return 0;
    for (const StationFile::Entry &e : contents->entries) {
        if (!isStreamUrl(e.url) || e.name.isEmpty() || e.name.contains(QLatin1Char('\n')) ||
            e.category.contains(QLatin1Char('\n')))
            std::abort();
    }
    Catalogue catalogue;
    StationImport::apply(catalogue, *contents, QString(), QStringLiteral("file"));
    const auto again = StationFile::read(StationFile::write(catalogue, format), format);
    Catalogue back;
    if (!again)
        std::abort();
    StationImport::apply(back, *again, QString(), QStringLiteral("file"));
    if (back != catalogue)
        std::abort();
    return 0;
}
