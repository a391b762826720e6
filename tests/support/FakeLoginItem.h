// A login item whose status the test sets and whose next register/unregister can be made to
// fail with a given text; records the calls.
#pragma once

#include "desktop/LoginItem.h"

#include <QStringList>

class FakeLoginItem final : public LoginItem
{
public:
    bool isEnabled() const override { return enabled; }

    Error registerItem() override
    {
        calls << QStringLiteral("register");
        return finish(true);
    }
    Error unregisterItem() override
    {
        calls << QStringLiteral("unregister");
        return finish(false);
    }

    bool enabled = false;
    // When set, the next call fails with this text and leaves `enabled` alone.
    std::optional<QString> nextError;
    QStringList calls;

private:
    Error finish(bool enable)
    {
        if (nextError)
            return std::exchange(nextError, std::nullopt);
        enabled = enable;
        return std::nullopt;
    }
};
