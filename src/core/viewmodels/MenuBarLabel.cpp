#include "viewmodels/MenuBarLabel.h"

MenuBarLabel MenuBarLabel::compute(bool showStationInMenuBar,
                                   const std::optional<RadioStation> &currentStation, bool isPlaying)
{
    const QString antenna = QStringLiteral("antenna.radiowaves.left.and.right");
    if (showStationInMenuBar && currentStation && isPlaying)
        return {antenna, QLatin1Char(' ') + currentStation->name};
    return {isPlaying ? antenna : QStringLiteral("radio"), QString()};
}
