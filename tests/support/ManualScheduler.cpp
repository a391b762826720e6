#include "support/ManualScheduler.h"

#include <algorithm>

void ManualScheduler::schedule(std::chrono::milliseconds delay, QObject *context,
                               std::function<void()> action)
{
    m_tasks.append(Task{m_now + delay, delay, m_order++, context, context != nullptr, std::move(action)});
}

void ManualScheduler::advance(std::chrono::milliseconds by)
{
    const auto end = m_now + by;
    for (;;) {
        auto next = std::min_element(m_tasks.begin(), m_tasks.end(), [](const Task &a, const Task &b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (next == m_tasks.end() || next->due > end)
            break;
        Task task = std::move(*next);
        m_tasks.erase(next);
        if (m_clock)
            m_clock->advance(task.due - m_now);
        m_now = task.due;
        if (!task.hadContext || task.context)
            task.action();
    }
    if (m_clock)
        m_clock->advance(end - m_now);
    m_now = end;
}

QList<std::chrono::milliseconds> ManualScheduler::pendingDelays() const
{
    QList<std::chrono::milliseconds> delays;
    for (const Task &task : m_tasks)
        delays.append(task.delay);
    return delays;
}
