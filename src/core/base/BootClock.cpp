#include "base/BootClock.h"

#include <time.h>

std::chrono::milliseconds BootClock::now() const
{
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return std::chrono::seconds(ts.tv_sec) +
           std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::nanoseconds(ts.tv_nsec));
}
