#include "viewmodels/MenuBarLabel.h"

QString MenuBarLabel::shortened(const QString &name)
{
    // Counted in characters as seen, so that a pair of surrogates is never cut in two.
    qsizetype characters = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!name.at(i).isLowSurrogate())
            ++characters;
    }
    if (characters <= MaxNameLength)
        return name;
    qsizetype end = 0;
    for (int kept = 0; kept < MaxNameLength - 1; ++kept)
        end += name.at(end).isHighSurrogate() && end + 1 < name.size() ? 2 : 1;
    return name.left(end).trimmed() + QStringLiteral("…");
}

MenuBarLabel MenuBarLabel::compute(bool showStationInMenuBar,
                                   const std::optional<RadioStation> &currentStation, bool isPlaying)
{
    const QString antenna = QStringLiteral("antenna.radiowaves.left.and.right");
    if (showStationInMenuBar && currentStation && isPlaying)
        return {antenna, QLatin1Char(' ') + shortened(currentStation->name)};
    return {isPlaying ? antenna : QStringLiteral("radio"), QString()};
}
