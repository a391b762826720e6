// The network monitor the program holds from the start: activation loads the network library
// and its NetworkManager monitor, which it then passes on. Without the library the reachability
// stays unknown.
#pragma once

#include "playback/NetworkMonitor.h"

#include <memory>

class DeferredNetworkMonitor final : public NetworkMonitor
{
    Q_OBJECT
public:
    using NetworkMonitor::NetworkMonitor;
    ~DeferredNetworkMonitor() override;

    void activate() override;
    Reachability reachability() const override;

private:
    std::unique_ptr<NetworkMonitor> m_monitor;
    bool m_loaded = false;
};
