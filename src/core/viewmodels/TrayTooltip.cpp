#include "viewmodels/TrayTooltip.h"

#include "playback/RadioPlayer.h"

TrayTooltip TrayTooltip::compute(const RadioPlayer &player)
{
    const QString title = QStringLiteral("Zeffira");
    if (!player.hasStation())
        return {title, QStringLiteral("Geen station gekozen")};
    const QString name = player.currentStationName();
    if (player.playbackState().kind() == PlaybackState::Loading)
        return {title, name + QStringLiteral(" (laden...)")};
    if (player.isPlaying())
        return {title, name};
    return {title, name + QStringLiteral(" (gepauzeerd)")};
}
