// A network monitor whose reachability the test sets; counts activations.
#pragma once

#include "playback/NetworkMonitor.h"

class FakeNetworkMonitor final : public NetworkMonitor
{
    Q_OBJECT
public:
    using NetworkMonitor::NetworkMonitor;

    void activate() override { ++activations; }
    Reachability reachability() const override { return m_reachability; }

    void set(Reachability reachability)
    {
        m_reachability = reachability;
        Q_EMIT reachabilityChanged();
    }

    int activations = 0;

private:
    Reachability m_reachability = Reachability::Unknown;
};
