#include "history/HistoryCsv.h"

#include <QStringList>
#include <algorithm>

namespace HistoryCsv {

QString localTime(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.toLocalTime().offsetFromUtc()).toString(Qt::ISODate);
}

QString field(const QString &text)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    const bool quote =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return needsQuotes.contains(c); }) ||
        (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray write(const QList<HistoryEntry> &entries)
{
    QString out = QStringLiteral("time,station,url,artist,title,starred\r\n");
    for (const HistoryEntry &entry : entries) {
        out +=
            QStringList{
                localTime(entry.startedAt), field(entry.stationName),
                field(entry.stationUrl),    field(entry.artist),
                field(entry.title),         entry.starred ? QStringLiteral("true") : QStringLiteral("false")}
                .join(QLatin1Char(','));
        out += QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace HistoryCsv
