#include "network/DeferredNetworkMonitor.h"

#include "network/NetworkLibrary.h"

DeferredNetworkMonitor::~DeferredNetworkMonitor() = default;

void DeferredNetworkMonitor::activate()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_monitor.reset(NetworkLibrary::createNetworkMonitor());
    if (!m_monitor)
        return;
    connect(m_monitor.get(), &NetworkMonitor::reachabilityChanged, this,
            &NetworkMonitor::reachabilityChanged);
    m_monitor->activate();
}

NetworkMonitor::Reachability DeferredNetworkMonitor::reachability() const
{
    return m_monitor ? m_monitor->reachability() : Reachability::Unknown;
}
