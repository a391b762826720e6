// The station directory the program holds from the start: it loads the network library and its
// HTTP directory with the first search, so that a tray nobody searches from maps no QtNetwork.
// Without the library every search fails as "no server".
#pragma once

#include "directory/StationDirectory.h"

#include <memory>

class DeferredStationDirectory final : public StationDirectory
{
    Q_OBJECT
public:
    using StationDirectory::StationDirectory;
    ~DeferredStationDirectory() override;

    void search(const QString &text) override;
    void cancel() override;
    void countClick(const QString &uuid) override;

private:
    StationDirectory *directory();

    std::unique_ptr<StationDirectory> m_directory;
    bool m_loaded = false;
};
