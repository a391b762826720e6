#include "HistoryCommand.h"

#include "history/HistoryCsv.h"
#include "history/HistoryStore.h"
#include "sqlite/HistoryLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>
#include <memory>

namespace {

// A tab or line break inside a field would shift the columns of every reader.
QString field(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

namespace HistoryCommand {

int print(const QDate &since, bool json)
{
    QTextStream out(stdout);
    const QString path = HistoryLibrary::defaultFilePath();
    QList<HistoryEntry> entries;
    if (QFileInfo::exists(path)) {
        QString error;
        const std::unique_ptr<HistoryStore> history(HistoryLibrary::open(path, false, 0, &error));
        if (!history) {
            QTextStream(stderr) << "zeffira: "
                                << QCoreApplication::translate("HistoryCommand",
                                                               "kan de geschiedenis niet lezen: %1")
                                       .arg(error)
                                << "\n";
            return 1;
        }
        entries = history->entries(since.isValid() ? since.startOfDay() : QDateTime(), QString());
        std::reverse(entries.begin(), entries.end());
    }
    if (json) {
        QJsonArray array;
        for (const HistoryEntry &entry : entries) {
            array.append(QJsonObject{
                {QStringLiteral("time"), HistoryCsv::localTime(entry.startedAt)},
                {QStringLiteral("station"), entry.stationName},
                {QStringLiteral("url"), entry.stationUrl},
                {QStringLiteral("artist"), entry.artist.isEmpty() ? QJsonValue() : QJsonValue(entry.artist)},
                {QStringLiteral("title"), entry.title},
                {QStringLiteral("starred"), entry.starred},
            });
        }
        out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return 0;
    }
    for (const HistoryEntry &entry : entries) {
        out << HistoryCsv::localTime(entry.startedAt) << '\t' << field(entry.stationName) << '\t'
            << field(entry.artist) << '\t' << field(entry.title) << '\n';
    }
    return 0;
}

} // namespace HistoryCommand
