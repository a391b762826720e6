// Shows a desktop notification with each new song title of the playing station, when the user
// switched that on ("notifyOnNewTitle", off by default): the title as the summary, the station as
// the body. Owns nothing it is given; all of it must outlive this object.
#pragma once

#include <QObject>

class DesktopNotifier;
class RadioPlayer;
class SettingsStore;

class TitleNotifications : public QObject
{
    Q_OBJECT
public:
    TitleNotifications(RadioPlayer *player, SettingsStore *settings, DesktopNotifier *notifier,
                       QObject *parent = nullptr);

private:
    void onTitle(const QString &title);

    RadioPlayer *m_player;
    SettingsStore *m_settings;
    DesktopNotifier *m_notifier;
};
