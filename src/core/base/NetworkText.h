// Every text that arrives from the network or from a file the user picked (stream titles, server
// error texts, playlist entry and station names, file content quoted in a message) passes through
// here before it is logged, published, stored or shown: decoded leniently, with control characters
// and bidirectional overrides gone, whitespace collapsed, trimmed and capped. A remote server or a
// crafted file must not be able to forge log lines, drive a terminal, disguise a name or flood the
// views.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace NetworkText {

// At most this many characters (code points) survive; a longer text ends in "…".
constexpr qsizetype maxLength = 256;
// For clean(): no cap (station and category names, which the catalogue keeps whole).
constexpr qsizetype noLimit = -1;

// The plain, single-line form of `text`, at most `limit` characters. Idempotent: cleaning a clean
// text changes nothing. Lone surrogates and the noncharacters U+FFFE and U+FFFF become U+FFFD, so
// that XML can carry the result.
QString clean(QStringView text, qsizetype limit = maxLength);
// Bytes as a server or a file has them: UTF-16 (little or big endian) when they start with its
// byte-order mark, else UTF-8 when they are valid UTF-8 (a byte-order mark dropped), else Latin-1.
// Not cleaned: for whole documents whose lines matter.
QString decode(QByteArrayView bytes);
// decode(), then cleaned: for one text such as a title.
QString fromBytes(QByteArrayView bytes);

} // namespace NetworkText
