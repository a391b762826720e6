// The date and time (an absolute moment; zones are the reader's business), injected so that the
// alarms are tested on any day.
#pragma once

#include <QDateTime>

class WallClock
{
public:
    virtual ~WallClock() = default;
    virtual QDateTime now() const = 0;
};

// The real one.
class SystemWallClock final : public WallClock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};
