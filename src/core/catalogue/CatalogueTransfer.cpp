#include "catalogue/CatalogueTransfer.h"

#include "catalogue/StationManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString unknownFormat(const QString &path)
{
    return QCoreApplication::translate(
               "CatalogueTransfer",
               "%1: onbekend formaat (de naam moet eindigen op .m3u, .m3u8, .pls, .xspf of .json)")
        .arg(path);
}

QString cannotRead(const QString &path, const QFile &file)
{
    return QCoreApplication::translate("CatalogueTransfer", "kan %1 niet lezen: %2")
        .arg(path, file.errorString());
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        outcome.error = cannotRead(path, file);
        return outcome;
    }
    // One byte more than allowed is enough to refuse a file that is too large.
    const QByteArray bytes = file.read(StationFile::maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        outcome.error = cannotRead(path, file);
        return outcome;
    }
    QString problem;
    const auto contents = StationFile::read(bytes, *format, &problem);
    if (!contents) {
        outcome.error = QStringLiteral("%1: %2").arg(path, problem);
        return outcome;
    }
    outcome.report = store.importStations(*contents, category, QFileInfo(path).completeBaseName());
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
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(store.fileURL()).canonicalFilePath() &&
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
