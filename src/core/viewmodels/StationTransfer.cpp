#include "viewmodels/StationTransfer.h"

#include "catalogue/StationManager.h"
#include "history/HistoryCsv.h"
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSaveFile>
#include <QVariantMap>
#include <algorithm>

namespace {
QVariantMap transferResult(bool ok, const QString &title, const QString &message,
                           const QString &category = {})
{
    return {{QStringLiteral("ok"), ok},
            {QStringLiteral("title"), title},
            {QStringLiteral("message"), message},
            {QStringLiteral("category"), category}};
}
} // namespace

StationTransfer::StationTransfer(StationManager *stations, HistoryStore *history, QObject *parent)
    : QObject(parent), m_stations(stations), m_history(history)
{
}

QStringList StationTransfer::historyNameFilters() const
{
    return {tr("CSV-bestanden (*.csv)")};
}

QStringList StationTransfer::nameFilters() const
{
    return {tr("Stationslijsten (*.m3u *.m3u8 *.pls *.xspf *.json)"), tr("M3U (*.m3u *.m3u8)"),
            tr("PLS (*.pls)"), tr("XSPF (*.xspf)"), tr("Zeffira JSON (*.json)")};
}

QString StationTransfer::refusalList(const QList<StationFile::Refusal> &refused)
{
    QStringList where;
    for (const StationFile::Refusal &refusal : refused.mid(0, CatalogueTransfer::listedRefusals))
        where << (refusal.line > 0 ? tr("regel %1: %2").arg(refusal.line).arg(refusal.text) : refusal.text);
    if (refused.size() > CatalogueTransfer::listedRefusals)
        where << tr("en nog %n", nullptr, int(refused.size()) - CatalogueTransfer::listedRefusals);
    return where.join(QLatin1Char('\n'));
}

QString StationTransfer::importMessage(const CatalogueTransfer::ImportOutcome &outcome)
{
    const StationImport::Report &report = outcome.report;
    if (!outcome.error.isEmpty()) {
        QString message =
            tr("Het bestand kon niet worden gelezen als stationslijst.") + QLatin1Char('\n') + outcome.error;
        if (!report.refused.isEmpty())
            message += QLatin1Char('\n') + refusalList(report.refused);
        return message;
    }
    QStringList lines;
    if (report.added == 0)
        lines << tr("Er zijn geen stations toegevoegd.");
    else
        lines << tr("Stations toegevoegd: %n, in %1.", nullptr, report.added)
                     .arg(QLocale().createSeparatedList(report.categories));
    if (report.duplicates > 0)
        lines << tr("Overgeslagen omdat ze al in de lijst staan: %n.", nullptr, report.duplicates);
    if (!report.refused.isEmpty())
        lines << tr("Overgeslagen wegens een ongeldige URL: %n.", nullptr, int(report.refused.size())) +
                     QLatin1Char('\n') + refusalList(report.refused);
    return lines.join(QLatin1Char('\n'));
}

QVariantMap StationTransfer::importFile(const QUrl &file)
{
    if (!m_stations)
        return transferResult(false, tr("Importeren mislukt"), QString());
    const auto outcome = CatalogueTransfer::importFile(*m_stations, file.toLocalFile(), QString());
    if (!outcome.error.isEmpty())
        return transferResult(false, tr("Importeren mislukt"), importMessage(outcome));
    return transferResult(true, tr("Import voltooid"), importMessage(outcome),
                          outcome.report.categories.value(0));
}

QVariantMap StationTransfer::exportFile(const QUrl &file, const QString &category)
{
    if (!m_stations)
        return transferResult(false, tr("Exporteren mislukt"), QString());
    QString path = file.toLocalFile();
    if (!StationFile::formatOf(path))
        path += QStringLiteral(".m3u");
    const auto outcome = CatalogueTransfer::exportFile(*m_stations, path, category);
    if (!outcome.error.isEmpty())
        return transferResult(false, tr("Exporteren mislukt"), outcome.error);
    return transferResult(true, tr("Export voltooid"),
                          tr("Stations opgeslagen: %n, in %1.", nullptr, outcome.stations).arg(path));
}

QVariantMap StationTransfer::exportHistory(const QUrl &file)
{
    const QString failed = tr("Exporteren mislukt");
    if (!m_history)
        return transferResult(false, failed, tr("De geschiedenis is niet beschikbaar."));
    QString path = file.toLocalFile();
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    QList<HistoryEntry> entries = m_history->entries({}, {});
    std::reverse(entries.begin(), entries.end());
    const QByteArray bytes = HistoryCsv::write(entries);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        const QString error = out.errorString();
        out.cancelWriting();
        return transferResult(false, failed, tr("Kan %1 niet schrijven: %2").arg(path, error));
    }
    return transferResult(true, tr("Export voltooid"),
                          tr("Nummers opgeslagen: %n, in %1.", nullptr, int(entries.size())).arg(path));
}
