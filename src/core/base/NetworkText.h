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
// Bytes as a server or an older file has them: UTF-8 when they are valid UTF-8 (a byte-order
// mark dropped), else Latin-1. Not cleaned: for whole documents whose lines matter.
QString decode(QByteArrayView bytes);
// decode(), then cleaned: for one text such as a title.
QString fromBytes(QByteArrayView bytes);

} // namespace NetworkText
