#include "playback/StandbyMode.h"

#include <QCoreApplication>

namespace StandbyModes {

QString rawValue(StandbyMode mode)
{
    switch (mode) {
    case StandbyMode::Resume:
        return QStringLiteral("resume");
    case StandbyMode::Restart:
        return QStringLiteral("restart");
    case StandbyMode::None:
        return QStringLiteral("none");
    }
    return {};
}

std::optional<StandbyMode> fromRawValue(const QString &text)
{
    for (StandbyMode mode : all) {
        if (rawValue(mode) == text)
            return mode;
    }
    return std::nullopt;
}

QString label(StandbyMode mode)
{
    switch (mode) {
    case StandbyMode::Resume:
        return QCoreApplication::translate("StandbyModes", "Stream hervatten");
    case StandbyMode::Restart:
        return QCoreApplication::translate("StandbyModes", "Stream opnieuw starten");
    case StandbyMode::None:
        return QCoreApplication::translate("StandbyModes", "Niet automatisch starten");
    }
    return {};
}

} // namespace StandbyModes
