// System sleep and wake as the logic sees them. willSleep() is handled synchronously; a receiver
// whose part finishes later (a pause that the audio pipeline carries out on a thread of its own)
// calls holdSleep() before it returns and releaseSleep() once done, and an adapter that holds
// back sleep (a delay lock) lets go when every hold is released.
#pragma once

#include <QObject>

class SleepMonitor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~SleepMonitor() override = default;

    void holdSleep() { ++m_holds; }
    void releaseSleep()
    {
        if (m_holds > 0 && --m_holds == 0)
            sleepReleased();
    }
    bool isSleepHeld() const { return m_holds > 0; }

Q_SIGNALS:
    void willSleep();
    void didWake();

protected:
    // The last hold was released.
    virtual void sleepReleased() {}
    // Forgets the holds (at wake: what they waited for no longer matters).
    void dropHolds() { m_holds = 0; }

private:
    int m_holds = 0;
};
