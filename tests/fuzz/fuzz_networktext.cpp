// libFuzzer entry point for the cleaner of network texts (stream titles, server error texts,
// playlist names). Its promises are checked on every input: no control or line-breaking
// character survives, at most maxLength characters, no blank at either end, and cleaning again
// changes nothing.
#include "base/NetworkText.h"

#include <QList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString cleaned =
        NetworkText::fromBytes(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QList<uint> codePoints = cleaned.toUcs4();
    if (codePoints.size() > NetworkText::maxLength)
        std::abort();
    for (uint c : codePoints) {
        if (c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x2028 || c == 0x2029 ||
            (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069) || (c >= 0xd800 && c <= 0xdfff))
            std::abort();
    }
    if (cleaned.startsWith(QLatin1Char(' ')) || cleaned.endsWith(QLatin1Char(' ')) ||
        NetworkText::clean(cleaned) != cleaned)
        std::abort();
    return 0;
}
