#include "base/Scheduler.h"

#include <QTimer>

void QtScheduler::schedule(std::chrono::milliseconds delay, QObject *context, std::function<void()> action)
{
    QTimer::singleShot(delay, context, std::move(action));
}

std::chrono::milliseconds SteadyClock::now() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}
