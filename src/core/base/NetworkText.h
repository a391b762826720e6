// Every text that arrives from the network (stream titles, server error texts, playlist entry
// names) passes through here before it is logged, published or shown: decoded leniently, with
// control characters gone, whitespace collapsed, trimmed and capped. A remote server must not be
// able to forge log lines, drive a terminal or flood the views.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace NetworkText {

// At most this many characters (code points) survive; a longer text ends in "…".
constexpr qsizetype maxLength = 256;

// The plain, single-line form of `text`. Idempotent: cleaning a clean text changes nothing.
QString clean(QStringView text);
// Bytes as a server sent them: UTF-8 when they are valid UTF-8, else Latin-1 (what older
// stations send), then cleaned.
QString fromBytes(QByteArrayView bytes);

} // namespace NetworkText
