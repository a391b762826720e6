// A record of the older flat station file; only ever read, once, for migration.
#pragma once

#include <QString>
#include <optional>

struct LegacyStation {
    QString name;
    QString url;
    std::optional<QString> category;

    friend bool operator==(const LegacyStation &, const LegacyStation &) = default;
};
