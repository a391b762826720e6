// The Stations tab's "Importeer..." and "Exporteer...": hands the chosen file to the catalogue's
// import or export, or writes the heard songs as CSV ("Exporteer geschiedenis"), and words the
// outcome for the result message. Owns neither store.
#pragma once

#include "catalogue/CatalogueTransfer.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class HistoryStore;

class StationTransfer : public QObject
{
    Q_OBJECT
    // The file dialogs' filters.
    Q_PROPERTY(QStringList nameFilters READ nameFilters CONSTANT)
    Q_PROPERTY(QStringList historyNameFilters READ historyNameFilters CONSTANT)
public:
    // Without `history` the history's export fails with a message.
    explicit StationTransfer(StationManager *stations, HistoryStore *history = nullptr,
                             QObject *parent = nullptr);

    QStringList nameFilters() const;
    QStringList historyNameFilters() const;

    // Imports `file` into the file's categories and one named after it. {ok, title, message,
    // category: the first category stations went to, or ""}.
    Q_INVOKABLE QVariantMap importFile(const QUrl &file);
    // Exports the catalogue, or only `category` when it is not empty, to `file`; a name without a
    // known extension gets ".m3u". {ok, title, message}.
    Q_INVOKABLE QVariantMap exportFile(const QUrl &file, const QString &category);
    // Writes every heard song, oldest first, as CSV to `file` (".csv" added to a name without
    // it). {ok, title, message}.
    Q_INVOKABLE QVariantMap exportHistory(const QUrl &file);

    // The result message of an import, in the interface's language, failed or not.
    static QString importMessage(const CatalogueTransfer::ImportOutcome &outcome);

private:
    // The first few refused entries with their lines, then how many more.
    static QString refusalList(const QList<StationFile::Refusal> &refused);

    QPointer<StationManager> m_stations;
    HistoryStore *m_history;
};
