// Where listens wait until the server took them: on disk, so that none is lost while offline or
// over a restart. The logic owns this interface; the history's SQLite adapter implements it.
// Called on the main thread only.
#pragma once

#include "scrobble/Listen.h"

#include <QList>

class ListenQueue
{
public:
    virtual ~ListenQueue() = default;

    // Queues `listen` (its id is ignored) and returns the new id, 0 when it could not be kept
    // (the store logs why).
    virtual qint64 append(const Listen &listen) = 0;
    // The oldest `limit` listens, oldest first.
    virtual QList<Listen> oldest(int limit) = 0;
    // The server took it.
    virtual void dequeue(qint64 id) = 0;
    virtual int count() = 0;
};
