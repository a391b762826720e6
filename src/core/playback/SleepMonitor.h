// System sleep and wake as the logic sees them. willSleep() is handled synchronously, so an
// adapter that holds back sleep (a delay lock) may let go as soon as the signal returns.
#pragma once

#include <QObject>

class SleepMonitor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~SleepMonitor() override = default;

Q_SIGNALS:
    void willSleep();
    void didWake();
};
