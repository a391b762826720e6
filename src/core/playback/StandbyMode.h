// What the player does after the system wakes; stored in the settings by its raw text.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

enum class StandbyMode { Resume, Restart, None };

namespace StandbyModes {
// In display order.
inline constexpr StandbyMode all[] = {StandbyMode::Resume, StandbyMode::Restart, StandbyMode::None};
QString rawValue(StandbyMode mode);
// Exact match with a raw text, else nothing.
std::optional<StandbyMode> fromRawValue(const QString &text);
// The label shown in the settings.
QString label(StandbyMode mode);
} // namespace StandbyModes
