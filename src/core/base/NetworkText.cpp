#include "base/NetworkText.h"

#include <QList>
#include <QStringDecoder>

#include <limits>

namespace {

// Characters that break a line where they stand: shown as one space.
bool breaksLine(char32_t c)
{
    return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

// Controls (C0, DEL, C1), the bidirectional overrides and isolates, which can make a text
// display as something other than what it is, and the invisible byte-order mark.
bool isRemoved(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xfeff;
}

} // namespace

namespace NetworkText {

QString clean(QStringView text, qsizetype limit)
{
    const qsizetype cap = limit < 0 ? std::numeric_limits<qsizetype>::max() / 2 : limit;
    QString out;
    out.reserve(std::min<qsizetype>(text.size(), cap * 2));
    qsizetype codePoints = 0;
    bool pendingSpace = false;
    bool truncated = false;
    for (char32_t c : text.toUcs4()) {
        if (breaksLine(c) || c == ' ') {
            pendingSpace = !out.isEmpty();
            continue;
        }
        if (isRemoved(c))
            continue;
        // A lone surrogate is not a character; U+FFFE and U+FFFF are none either.
        if ((c >= 0xd800 && c <= 0xdfff) || c == 0xfffe || c == 0xffff)
            c = 0xfffd;
        if (codePoints + (pendingSpace ? 2 : 1) > cap) {
            truncated = true;
            break;
        }
        if (pendingSpace) {
            out += QLatin1Char(' ');
            ++codePoints;
            pendingSpace = false;
        }
        out += QStringView(QChar::fromUcs4(c));
        ++codePoints;
    }
    if (truncated) {
        // Room for the ellipsis: drop the last character (both halves of a surrogate pair).
        if (codePoints >= cap) {
            out.chop(out.back().isLowSurrogate() ? 2 : 1);
            --codePoints;
        }
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        out += QChar(0x2026);
    }
    return out;
}

QString decode(QByteArrayView bytes)
{
    for (const auto &[mark, encoding] :
         {std::pair{"\xff\xfe", QStringDecoder::Utf16LE}, std::pair{"\xfe\xff", QStringDecoder::Utf16BE}}) {
        if (bytes.startsWith(mark)) {
            QStringDecoder utf16(encoding, QStringDecoder::Flag::Stateless);
            return utf16.decode(bytes.sliced(2));
        }
    }
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

QString fromBytes(QByteArrayView bytes)
{
    return clean(decode(bytes));
}

} // namespace NetworkText
