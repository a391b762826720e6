// The public station directory, searched by name: one search at a time (a new one supersedes and
// aborts the running one), never blocking the caller. Reports arrive on the main thread and
// concern the latest search(); nothing is reported after cancel().
#pragma once

#include "directory/DirectoryStation.h"

#include <QObject>

class StationDirectory : public QObject
{
    Q_OBJECT
public:
    enum class Failure {
        NoServer,  // no directory server answered (DNS, refused, timed out, HTTP errors)
        BadAnswer, // a server answered with something that is not a station list
    };
    Q_ENUM(Failure)

    // Each server gets this long before the next one is asked.
    static constexpr int timeoutMs = 5000;

    using QObject::QObject;
    ~StationDirectory() override = default;

    // Looks for stations whose name contains `text` (at most DirectoryAnswer::maxResults, broken
    // ones left out).
    virtual void search(const QString &text) = 0;
    virtual void cancel() = 0;
    // Tells the directory that the station `uuid` was picked; nothing is reported back.
    virtual void countClick(const QString &uuid) = 0;

Q_SIGNALS:
    // `refused`: stations of the answer left out because their URL is not a stream URL.
    void found(const QList<DirectoryStation> &stations, int refused);
    // `detail` in plain English for the log and the terminal.
    void failed(StationDirectory::Failure failure, const QString &detail);
};
