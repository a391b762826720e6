// The history as a CSV file (RFC 4180) for spreadsheets and scripts: a header row, then one
// record per song in the order given, with the time in local ISO form with its UTC offset.
#pragma once

#include "history/HistoryEntry.h"

#include <QByteArray>
#include <QList>

namespace HistoryCsv {

// "2026-03-01T14:05:09+01:00": the local time with its offset, so that a reader elsewhere or
// after a clock change knows the moment.
QString localTime(const QDateTime &time);

// One field: quoted when it holds a comma, a quote, a line break or leading or trailing blanks,
// its quotes doubled.
QString field(const QString &text);

// UTF-8, CRLF between records: time,station,url,artist,title,starred (true/false).
QByteArray write(const QList<HistoryEntry> &entries);

} // namespace HistoryCsv
