#include "CatalogueCommands.h"

#include "catalogue/CatalogueTransfer.h"
#include "catalogue/StationManager.h"
#include "network/DeferredStationDirectory.h"

#include <QCoreApplication>
#include <QTextStream>

namespace CatalogueCommands {

int search(QCoreApplication &loop, const QString &text)
{
    DeferredStationDirectory directory;
    QTextStream out(stdout);
    QTextStream err(stderr);
    QObject::connect(
        &directory, &StationDirectory::found, &loop,
        [&](const QList<DirectoryStation> &stations, int refused) {
            for (const DirectoryStation &s : stations) {
                out << s.name << '\t' << s.url << '\t' << s.country << '\t' << s.codec << '\t'
                    << (s.bitrate > 0 ? QStringLiteral("%1 kbps").arg(s.bitrate) : QString()) << '\n';
            }
            if (stations.isEmpty())
                out << QCoreApplication::translate("CatalogueCommands", "Geen stations gevonden voor \"%1\".")
                           .arg(text)
                    << "\n";
            if (refused > 0)
                err << "zeffira: "
                    << QCoreApplication::translate("CatalogueCommands",
                                                   "Stations uit het antwoord weggelaten omdat de URL geen "
                                                   "http- of https-stream is: %n.",
                                                   nullptr, refused)
                    << "\n";
            loop.exit(0);
        });
    QObject::connect(
        &directory, &StationDirectory::failed, &loop,
        [&](StationDirectory::Failure failure, const QString &detail) {
            err << "zeffira: "
                << (failure == StationDirectory::Failure::NoServer
                        ? QCoreApplication::translate("CatalogueCommands",
                                                      "geen server van de zendergids antwoordde (%1).")
                        : QCoreApplication::translate(
                              "CatalogueCommands",
                              "het antwoord van de zendergids is geen zenderlijst (%1)."))
                       .arg(detail)
                << "\n";
            loop.exit(1);
        });
    directory.search(text);
    return loop.exec();
}

namespace {
// The first few refused entries with their lines, then how many more: a file of garbage must not
// flood the terminal.
void listRefusals(QTextStream &err, const QString &path, const QList<StationFile::Refusal> &refused)
{
    for (const StationFile::Refusal &refusal : refused.mid(0, CatalogueTransfer::listedRefusals)) {
        if (refusal.line > 0)
            err << path << ":" << refusal.line << ": " << refusal.reason << ": " << refusal.text << "\n";
        else
            err << path << ": " << refusal.reason << ": " << refusal.text << "\n";
    }
    const int more = int(refused.size()) - CatalogueTransfer::listedRefusals;
    if (more > 0)
        err << path << ": "
            << QCoreApplication::translate("CatalogueCommands", "en nog %n met een ongeldige URL", nullptr,
                                           more)
            << "\n";
}
} // namespace

int importFile(const QString &path, const QString &category)
{
    // The same start-up as the application: creates, repairs and migrates the files.
    StationManager store;
    const auto outcome = CatalogueTransfer::importFile(store, path, category);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const StationImport::Report &report = outcome.report;
    if (!outcome.error.isEmpty()) {
        err << "zeffira: " << outcome.error << "\n";
        listRefusals(err, path, report.refused);
        return 1;
    }
    out << QCoreApplication::translate("CatalogueCommands", "Stations geïmporteerd: %n", nullptr,
                                       report.added);
    if (!report.categories.isEmpty())
        out << " "
            << QCoreApplication::translate("CatalogueCommands", "in %1")
                   .arg(report.categories.join(QStringLiteral(", ")));
    out << "; "
        << QCoreApplication::translate("CatalogueCommands",
                                       "overgeslagen: %n al in de catalogus en %1 met een ongeldige URL.",
                                       nullptr, report.duplicates)
               .arg(report.refused.size())
        << "\n";
    out.flush();
    listRefusals(err, path, report.refused);
    return 0;
}

int exportFile(const QString &path, const QString &category)
{
    const StationManager store;
    const auto outcome = CatalogueTransfer::exportFile(store, path, category);
    if (!outcome.error.isEmpty()) {
        QTextStream(stderr) << "zeffira: " << outcome.error << "\n";
        return 1;
    }
    // One count per text can follow the plural rules: the categories are a count after a label.
    QTextStream(stdout) << QCoreApplication::translate(
                               "CatalogueCommands", "Stations geëxporteerd: %n (categorieën: %1), naar %2.",
                               nullptr, outcome.stations)
                               .arg(outcome.categories)
                               .arg(path)
                        << "\n";
    return 0;
}

} // namespace CatalogueCommands
