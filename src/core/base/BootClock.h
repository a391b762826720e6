// A monotonic clock that keeps counting while the system is suspended, for deadlines the user
// set in wall time ("stop in 30 minutes"): the steady clock stands still during sleep.
#pragma once

#include "base/Scheduler.h"

class BootClock final : public Clock
{
public:
    std::chrono::milliseconds now() const override;
};
