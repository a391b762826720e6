// The objects that Qt's event loop drives (the player, the catalogue, the settings, the adapters
// that report to them) live on the main thread and are called there only; HACKING.md ("Threads")
// says which code runs elsewhere. A call from another thread is a fault that a test build
// (ZEFFIRA_ASSERTS, on where the tests are built) stops at once, naming the function.
#pragma once

#include <QCoreApplication>
#include <QThread>

namespace MainThread {

// True on the thread of the application object (and before there is one).
inline bool isCurrent()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

// `where`: Q_FUNC_INFO of the caller.
inline void check([[maybe_unused]] const char *where)
{
    Q_ASSERT_X(isCurrent(), where, "called off the main thread");
}

} // namespace MainThread
