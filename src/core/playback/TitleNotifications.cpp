#include "playback/TitleNotifications.h"

#include "base/SettingsStore.h"
#include "desktop/DesktopNotifier.h"
#include "playback/RadioPlayer.h"

TitleNotifications::TitleNotifications(RadioPlayer *player, SettingsStore *settings,
                                       DesktopNotifier *notifier, QObject *parent)
    : QObject(parent), m_player(player), m_settings(settings), m_notifier(notifier)
{
    connect(m_player, &RadioPlayer::streamTitleChanged, this, &TitleNotifications::onTitle);
}

void TitleNotifications::onTitle(const QString &title)
{
    // The title goes with its station; a paused or failed stream announces nothing new.
    if (title.isEmpty() || !m_player->isPlaying() || !m_settings->boolValue(SettingsKey::NotifyOnNewTitle))
        return;
    m_notifier->notify(title, m_player->currentStationName());
}
