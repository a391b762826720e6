// A scheduler and clock driven by the test: advance() runs what has come due, in order.
#pragma once

#include "base/Scheduler.h"

#include <QList>
#include <QPointer>

class ManualClock final : public Clock
{
public:
    std::chrono::milliseconds now() const override { return m_now; }
    void set(std::chrono::milliseconds t) { m_now = t; }
    void advance(std::chrono::milliseconds by) { m_now += by; }

private:
    std::chrono::milliseconds m_now{100000};
};

class ManualScheduler final : public Scheduler
{
public:
    explicit ManualScheduler(ManualClock *clock = nullptr) : m_clock(clock) {}

    void schedule(std::chrono::milliseconds delay, QObject *context, std::function<void()> action) override;
    // Moves time forward by `by`, running every action due by then (also ones scheduled by
    // the actions themselves), in due order.
    void advance(std::chrono::milliseconds by);
    int pending() const { return int(m_tasks.size()); }
    // The delays of the pending actions, in the order they were scheduled.
    QList<std::chrono::milliseconds> pendingDelays() const;

private:
    struct Task {
        std::chrono::milliseconds due;
        std::chrono::milliseconds delay;
        quint64 order;
        QPointer<QObject> context;
        bool hadContext;
        std::function<void()> action;
    };
    ManualClock *m_clock;
    std::chrono::milliseconds m_now{0};
    quint64 m_order = 0;
    QList<Task> m_tasks;
};
