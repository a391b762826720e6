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
    QObject::connect(&directory, &StationDirectory::found, &loop,
                     [&](const QList<DirectoryStation> &stations, int refused) {
                         for (const DirectoryStation &s : stations) {
                             out << s.name << '\t' << s.url << '\t' << s.country << '\t' << s.codec << '\t'
                                 << (s.bitrate > 0 ? QStringLiteral("%1 kbps").arg(s.bitrate) : QString())
                                 << '\n';
                         }
                         if (stations.isEmpty())
                             out << "No stations found for \"" << text << "\".\n";
                         if (refused > 0)
                             err << "zeffira: left out " << refused
                                 << " stations of the answer whose URL is not an http or https stream URL.\n";
                         loop.exit(0);
                     });
    QObject::connect(&directory, &StationDirectory::failed, &loop,
                     [&](StationDirectory::Failure failure, const QString &detail) {
                         err << (failure == StationDirectory::Failure::NoServer
                                     ? "zeffira: no station directory server answered ("
                                     : "zeffira: the station directory's answer is not a station list (")
                             << detail << ").\n";
                         loop.exit(1);
                     });
    directory.search(text);
    return loop.exec();
}

int importFile(const QString &path, const QString &category)
{
    // The same start-up as the application: creates, repairs and migrates the files.
    StationManager store;
    const auto outcome = CatalogueTransfer::importFile(store, path, category);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!outcome.error.isEmpty()) {
        err << "zeffira: " << outcome.error << "\n";
        return 1;
    }
    const StationImport::Report &report = outcome.report;
    out << "Imported " << report.added << (report.added == 1 ? " station" : " stations");
    if (!report.categories.isEmpty())
        out << " into " << report.categories.join(QStringLiteral(", "));
    out << "; skipped " << report.duplicates << " already in the catalogue and " << report.refused.size()
        << " with an invalid URL.\n";
    for (const StationFile::Refusal &refusal : report.refused) {
        if (refusal.line > 0)
            err << path << ":" << refusal.line << ": " << refusal.reason << ": " << refusal.text << "\n";
        else
            err << path << ": " << refusal.reason << ": " << refusal.text << "\n";
    }
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
    QTextStream(stdout) << "Exported " << outcome.stations
                        << (outcome.stations == 1 ? " station" : " stations") << " in " << outcome.categories
                        << (outcome.categories == 1 ? " category" : " categories") << " to " << path << ".\n";
    return 0;
}

} // namespace CatalogueCommands
