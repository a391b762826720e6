#include "network/NetworkManagerMonitor.h"

#include "base/Logging.h"

#include <QNetworkInformation>

void NetworkManagerMonitor::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    // NetworkManager only: the GLib backend guesses from routes, which tells nothing reliable
    // in containers and on machines without a managed network.
    if (!QNetworkInformation::loadBackendByName(QStringLiteral("networkmanager"))) {
        qCInfo(lcSystem, "Network state unknown (no NetworkManager); failures skip as usual");
        return;
    }
    connect(QNetworkInformation::instance(), &QNetworkInformation::reachabilityChanged, this,
            &NetworkManagerMonitor::update);
    update();
}

void NetworkManagerMonitor::update()
{
    Reachability reachability = Reachability::Unknown;
    switch (QNetworkInformation::instance()->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
        reachability = Reachability::Offline;
        break;
    // A local or site network may carry the station; only a network that is down is offline.
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
    case QNetworkInformation::Reachability::Online:
        reachability = Reachability::Online;
        break;
    case QNetworkInformation::Reachability::Unknown:
        break;
    }
    if (reachability == m_reachability)
        return;
    m_reachability = reachability;
    if (reachability == Reachability::Offline)
        qCWarning(lcSystem, "Network connection lost");
    else if (reachability == Reachability::Online)
        qCInfo(lcSystem, "Network connection is up");
    Q_EMIT reachabilityChanged();
}
