// The application's entry in the user's session start-up ("start at login"): whether it is
// enabled, and registering or removing it. Failures come back as a readable description.
#pragma once

#include <QString>
#include <optional>

class LoginItem
{
public:
    // Nothing on success, else the system's description of what went wrong.
    using Error = std::optional<QString>;

    virtual ~LoginItem() = default;

    virtual bool isEnabled() const = 0;
    virtual Error registerItem() = 0;
    virtual Error unregisterItem() = 0;
};
