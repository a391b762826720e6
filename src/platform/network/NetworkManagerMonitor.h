// Whether the computer is online, from NetworkManager through QNetworkInformation. Its backend
// plugin and the system-bus connection are loaded on activate() (the first stream), not at
// start, so an idle tray pays nothing for them. Without NetworkManager the reachability stays
// unknown and the player behaves as if the network were up.
#pragma once

#include "playback/NetworkMonitor.h"

class NetworkManagerMonitor final : public NetworkMonitor
{
    Q_OBJECT
public:
    using NetworkMonitor::NetworkMonitor;

    void activate() override;
    Reachability reachability() const override { return m_reachability; }

private:
    void update();

    bool m_activated = false;
    Reachability m_reachability = Reachability::Unknown;
};
