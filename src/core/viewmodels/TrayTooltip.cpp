#include "viewmodels/TrayTooltip.h"

#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "viewmodels/StreamErrorText.h"

#include <QCoreApplication>

TrayTooltip TrayTooltip::compute(const RadioPlayer &player, const SleepTimer *sleepTimer,
                                 const QString &alarmText, const QStringList &moreLines)
{
    TrayTooltip tooltip = compute(player);
    for (const QString &line : moreLines)
        tooltip.text += QLatin1Char('\n') + line;
    if (sleepTimer && sleepTimer->isActive())
        tooltip.text += QLatin1Char('\n') + sleepTimer->statusText();
    if (!alarmText.isEmpty())
        tooltip.text += QLatin1Char('\n') + alarmText;
    return tooltip;
}

TrayTooltip TrayTooltip::compute(const RadioPlayer &player)
{
    const QString title = QStringLiteral("Zeffira");
    if (!player.hasStation())
        return {title, QCoreApplication::translate("TrayTooltip", "Geen station gekozen")};
    QString text = player.currentStationName();
    const PlaybackState state = player.playbackState();
    if (state.kind() == PlaybackState::Loading)
        text += QCoreApplication::translate("TrayTooltip", " (laden...)");
    else if (state.kind() == PlaybackState::Failed)
        text += QCoreApplication::translate("TrayTooltip", " (mislukt)");
    else if (!player.isPlaying())
        text += QCoreApplication::translate("TrayTooltip", " (gepauzeerd)");
    // The second line: what went wrong, else what is on the air.
    QString detail = player.errorMessageText();
    if (detail.isEmpty() && state.kind() == PlaybackState::Failed)
        detail = StreamErrorText::describe(state.failure());
    if (detail.isEmpty())
        detail = player.streamTitle();
    if (!detail.isEmpty())
        text += QLatin1Char('\n') + detail;
    return {title, text};
}
