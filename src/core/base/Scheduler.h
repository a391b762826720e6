// One-shot delays and a monotonic clock, injected so that the 0.3, 0.5, 1.5 and 2.0 second
// rules are tested without sleeping.
#pragma once

#include <QObject>
#include <chrono>
#include <functional>

class Scheduler
{
public:
    virtual ~Scheduler() = default;
    // Runs `action` once after `delay` on the main thread, unless `context` is gone by then.
    virtual void schedule(std::chrono::milliseconds delay, QObject *context,
                          std::function<void()> action) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::chrono::milliseconds now() const = 0;
};

// The real ones: Qt timers on the event loop, and the monotonic clock.
class QtScheduler final : public Scheduler
{
public:
    void schedule(std::chrono::milliseconds delay, QObject *context, std::function<void()> action) override;
};

class SteadyClock final : public Clock
{
public:
    std::chrono::milliseconds now() const override;
};
