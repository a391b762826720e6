// A station directory that records what was asked of it; the test answers.
#pragma once

#include "directory/StationDirectory.h"

#include <QStringList>

class FakeStationDirectory final : public StationDirectory
{
    Q_OBJECT
public:
    using StationDirectory::StationDirectory;

    void search(const QString &text) override { searches << text; }
    void cancel() override { ++cancels; }
    void countClick(const QString &uuid) override { clicks << uuid; }

    void reportFound(const QList<DirectoryStation> &stations) { Q_EMIT found(stations, 0); }
    void reportFailed(Failure failure) { Q_EMIT failed(failure, QStringLiteral("test")); }

    QStringList searches;
    QStringList clicks;
    int cancels = 0;
};
