// Whether the computer is connected to a network, as the system's network service knows it.
// Watching starts with activate() (the first stream), so that an idle tray loads nothing for it.
// Reports arrive on the main thread.
#pragma once

#include <QObject>

class NetworkMonitor : public QObject
{
    Q_OBJECT
public:
    enum class Reachability {
        Unknown, // no network service to ask, or it does not know
        Offline, // known to be down
        Online,
    };

    using QObject::QObject;
    ~NetworkMonitor() override = default;

    // Starts watching; later calls do nothing.
    virtual void activate() = 0;
    virtual Reachability reachability() const = 0;

Q_SIGNALS:
    void reachabilityChanged();
};
