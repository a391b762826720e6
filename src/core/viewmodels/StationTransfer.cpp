#include "viewmodels/StationTransfer.h"

#include "catalogue/StationManager.h"

#include <QCoreApplication>
#include <QLocale>
#include <QVariantMap>

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

StationTransfer::StationTransfer(StationManager *stations, QObject *parent)
    : QObject(parent), m_stations(stations)
{
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
