#include "catalogue/CatalogueTransfer.h"

#include "base/NetworkText.h"
#include "catalogue/StationManager.h"
#include "playlist/PlaylistFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

namespace {
QString unknownFormat(const QString &path)
{
    return QCoreApplication::translate(
               "CatalogueTransfer",
               "%1: onbekend formaat (de naam moet eindigen op .m3u, .m3u8, .pls, .xspf of .json)")
        .arg(path);
}

// A local file reads in milliseconds; this long only a stalled network mount takes.
constexpr std::chrono::seconds kReadTime{10};

QString dataSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString loadProblem(const QString &path, const PlaylistFile::Loaded &file)
{
    using Problem = PlaylistFile::Loaded::Problem;
    switch (file.problem) {
    case Problem::None:
        break;
    case Problem::CannotOpen:
    case Problem::ReadError:
        return QCoreApplication::translate("CatalogueTransfer", "kan %1 niet lezen: %2")
            .arg(path, file.systemError);
    case Problem::NotAFile:
        return QCoreApplication::translate("CatalogueTransfer",
                                           "kan %1 niet lezen: het is geen gewoon bestand, maar een map, "
                                           "FIFO of apparaat")
            .arg(path);
    case Problem::TooSlow:
        return QCoreApplication::translate("CatalogueTransfer",
                                           "kan %1 niet lezen: het lezen duurde langer dan %n seconden",
                                           nullptr, int(kReadTime.count()))
            .arg(path);
    case Problem::TooLarge:
        if (file.size < 0) // it grew while being read
            return QCoreApplication::translate(
                       "CatalogueTransfer", "%1 is te groot: een stationslijst mag hoogstens %2 zijn, want "
                                            "de catalogus wordt bij elke start helemaal gelezen")
                .arg(path, dataSize(StationFile::maxBytes));
        return QCoreApplication::translate(
                   "CatalogueTransfer", "%1 is te groot: %2; een stationslijst mag hoogstens %3 zijn, want "
                                        "de catalogus wordt bij elke start helemaal gelezen")
            .arg(path, dataSize(file.size), dataSize(StationFile::maxBytes));
    }
    return {};
}
} // namespace

namespace CatalogueTransfer {

ImportOutcome importFile(StationManager &store, const QString &path, const QString &category)
{
    ImportOutcome outcome;
    const auto format = StationFile::formatOf(path);
    if (!format) {
        outcome.error = unknownFormat(path);
        return outcome;
    }
    const PlaylistFile::Loaded file = PlaylistFile::load(path, StationFile::maxBytes, kReadTime);
    if (file.problem != PlaylistFile::Loaded::Problem::None) {
        outcome.error = loadProblem(path, file);
        return outcome;
    }
    QString problem;
    const auto contents = StationFile::read(file.bytes, *format, &problem);
    if (!contents) {
        outcome.error = QStringLiteral("%1: %2").arg(path, problem);
        return outcome;
    }
    // Nothing to add is a failure, not an import of nothing: the user picked the wrong file.
    if (contents->entries.isEmpty() && contents->categories.isEmpty()) {
        outcome.error =
            contents->refused.isEmpty()
                ? QCoreApplication::translate("CatalogueTransfer", "%1: geen stations gevonden").arg(path)
                : QCoreApplication::translate(
                      "CatalogueTransfer",
                      "%1: geen stations gevonden; overgeslagen wegens een ongeldige URL: %n", nullptr,
                      int(contents->refused.size()))
                      .arg(path);
        outcome.report.refused = contents->refused;
        return outcome;
    }
    // The file's name becomes a category name: cleaned like the names inside it.
    const QString fileCategory = NetworkText::clean(QFileInfo(path).completeBaseName(), NetworkText::noLimit);
    outcome.report = store.importStations(*contents, category, fileCategory);
    return outcome;
}

ExportOutcome exportFile(const StationManager &store, const QString &path, const QString &category)
{
    ExportOutcome outcome;
    const auto format = StationFile::formatOf(path);
    if (!format) {
        outcome.error = unknownFormat(path);
        return outcome;
    }
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(store.filePath()).canonicalFilePath() &&
        QFileInfo::exists(path)) {
        outcome.error = QCoreApplication::translate("CatalogueTransfer", "%1 is de catalogus zelf").arg(path);
        return outcome;
    }
    Catalogue selection;
    if (category.trimmed().isEmpty()) {
        selection = store.categories();
    } else {
        const QString name = categoryNameIgnoringCase(store.categories(), category.trimmed());
        for (const StationCategory &c : store.categories()) {
            if (c.name == name) {
                selection << c;
                break;
            }
        }
        if (selection.isEmpty()) {
            outcome.error = QStringLiteral("no category is named \"%1\"").arg(category.trimmed());
            return outcome;
        }
    }
    const QByteArray bytes = StationFile::write(selection, *format);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        outcome.error = QCoreApplication::translate("CatalogueTransfer", "kan %1 niet schrijven: %2")
                            .arg(path, file.errorString());
        file.cancelWriting();
        return outcome;
    }
    outcome.categories = int(selection.size());
    for (const StationCategory &c : selection)
        outcome.stations += int(c.stations.size());
    return outcome;
}

} // namespace CatalogueTransfer
