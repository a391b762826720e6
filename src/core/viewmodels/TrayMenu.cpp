#include "viewmodels/TrayMenu.h"

#include "history/SongRules.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "viewmodels/PlayingMark.h"

#include <QCoreApplication>

namespace {
TrayMenuEntry entry(int id, const QString &label, const QString &icon, bool enabled = true)
{
    TrayMenuEntry e;
    e.id = id;
    e.label = label;
    e.iconName = icon;
    e.enabled = enabled;
    return e;
}

TrayMenuEntry sleepTimerMenu(const SleepTimer &timer)
{
    TrayMenuEntry submenu =
        entry(TrayMenu::SleepTimerMenu,
              timer.isActive() ? timer.statusText() : QCoreApplication::translate("TrayMenu", "Slaaptimer"),
              QStringLiteral("weather-clear-night-symbolic"));
    int id = TrayMenu::FirstSleepTimerChoice;
    for (const int minutes : SleepTimer::choices) {
        TrayMenuEntry item =
            entry(id++, QCoreApplication::translate("TrayMenu", "%n minuten", nullptr, minutes), QString());
        item.toggle = TrayMenuEntry::Toggle::Radio;
        item.checked = timer.chosenMinutes() == minutes;
        submenu.children << item;
    }
    TrayMenuEntry off =
        entry(TrayMenu::SleepTimerOff, QCoreApplication::translate("TrayMenu", "Uit"), QString());
    off.toggle = TrayMenuEntry::Toggle::Radio;
    off.checked = !timer.isActive();
    submenu.children << off;
    return submenu;
}

TrayMenuEntry rewindMenu(const TrayMenu::Rewind &rewind, bool selected)
{
    const bool behind = rewind.behindMs > 0;
    TrayMenuEntry submenu =
        entry(TrayMenu::RewindMenu,
              behind ? QCoreApplication::translate("TrayMenu", "Terugspoelen: %1 achter live")
                           .arg(TrayMenu::behindText(rewind.behindMs))
                     : QCoreApplication::translate("TrayMenu", "Terugspoelen"),
              QStringLiteral("media-seek-backward"), selected);
    if (!rewind.possible) {
        // Said where the entries would be, so that greyed entries are not a riddle.
        submenu.children << entry(0, QCoreApplication::translate("TrayMenu", "Niet bij HLS-streams"),
                                  QString(), false);
    }
    const bool available = rewind.possible && rewind.available;
    submenu.children
        << entry(TrayMenu::SeekBack, QCoreApplication::translate("TrayMenu", "30 seconden terug"),
                 QStringLiteral("media-seek-backward"), available)
        << entry(TrayMenu::SeekForward, QCoreApplication::translate("TrayMenu", "30 seconden vooruit"),
                 QStringLiteral("media-seek-forward"), available && behind)
        << entry(TrayMenu::GoLive, QCoreApplication::translate("TrayMenu", "Live"), QString(),
                 available && behind)
        << TrayMenuEntry::separator()
        << entry(TrayMenu::SaveSong, QCoreApplication::translate("TrayMenu", "Bewaar dit nummer"),
                 QStringLiteral("document-save"), available)
        << entry(TrayMenu::SavePreviousSong, QCoreApplication::translate("TrayMenu", "Bewaar vorig nummer"),
                 QString(), available)
        << TrayMenuEntry::separator()
        << entry(TrayMenu::Record,
                 rewind.recording ? QCoreApplication::translate("TrayMenu", "Stop opname")
                                  : QCoreApplication::translate("TrayMenu", "Neem op"),
                 rewind.recording ? QStringLiteral("media-playback-stop") : QStringLiteral("media-record"),
                 rewind.recording || (selected && rewind.possible));
    return submenu;
}
} // namespace

QString TrayMenu::behindText(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("\u2212%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QList<TrayMenuEntry> TrayMenu::build(const RadioPlayer &player, const Catalogue &catalogue,
                                     const SleepTimer *sleepTimer, const std::optional<QString> &alarmText,
                                     const std::optional<Rewind> &rewind)
{
    QList<TrayMenuEntry> menu;
    TrayMenuEntry panel = entry(OpenPanel, QCoreApplication::translate("TrayMenu", "Paneel openen"),
                                QStringLiteral("zeffira-antenna-symbolic"));
    panel.isDefault = true;
    menu << panel;

    const bool selected = player.hasStation();
    const bool loading = player.playbackState().kind() == PlaybackState::Loading;
    // The same words as the panel's buttons.
    menu << entry(PlayPause,
                  player.isPlaying() ? QCoreApplication::translate("TrayMenu", "Pauzeer")
                                     : QCoreApplication::translate("TrayMenu", "Hervat"),
                  player.isPlaying() ? QStringLiteral("media-playback-pause")
                                     : QStringLiteral("media-playback-start"),
                  selected && !loading)
         << entry(Stop, QCoreApplication::translate("TrayMenu", "Stop"),
                  QStringLiteral("media-playback-stop"), selected)
         << entry(CopyTitle, QCoreApplication::translate("TrayMenu", "Kopieer titel"),
                  QStringLiteral("edit-copy"), !titleToCopy(player).isEmpty());
    if (rewind)
        menu << rewindMenu(*rewind, selected);
    if (sleepTimer)
        menu << sleepTimerMenu(*sleepTimer);
    // The next alarm, as the panel's footer shows it; either way a click leads to the alarms.
    if (alarmText)
        menu << entry(Alarms,
                      alarmText->isEmpty() ? QCoreApplication::translate("TrayMenu", "Wekker instellen...")
                                           : *alarmText,
                      QStringLiteral("alarm-symbolic"));
    menu << TrayMenuEntry::separator();

    int id = FirstStation;
    int categoryId = FirstCategory;
    const QString playingUrl = PlayingMark::markedUrl(player);
    for (const StationCategory &category : catalogue) {
        TrayMenuEntry submenu = entry(categoryId < FirstStation ? categoryId++ : 0, category.name, QString());
        for (const RadioStation &station : category.stations) {
            TrayMenuEntry item = entry(id++, station.name, QString());
            item.toggle = TrayMenuEntry::Toggle::Radio;
            item.checked = !playingUrl.isNull() && station.id() == playingUrl;
            submenu.children << item;
        }
        // A category without stations still shows, greyed out, as it does in the panel.
        submenu.enabled = !submenu.children.isEmpty();
        menu << submenu;
    }

    menu << TrayMenuEntry::separator()
         << entry(Settings, QCoreApplication::translate("TrayMenu", "Instellingen..."),
                  QStringLiteral("preferences-system"))
         << entry(About, QCoreApplication::translate("TrayMenu", "Over Zeffira"),
                  QStringLiteral("help-about"))
         << TrayMenuEntry::separator()
         << entry(Quit, QCoreApplication::translate("TrayMenu", "Sluit af"),
                  QStringLiteral("application-exit"));
    return menu;
}

QString TrayMenu::titleToCopy(const RadioPlayer &player)
{
    return player.hasStation() ? SongRules::copyText(player.streamTitle(), player.currentStationName())
                               : QString();
}

std::optional<int> TrayMenu::sleepMinutesFor(int id)
{
    if (id == SleepTimerOff)
        return 0;
    const int index = id - FirstSleepTimerChoice;
    if (index < 0 || index >= int(std::size(SleepTimer::choices)))
        return std::nullopt;
    return SleepTimer::choices[index];
}

std::optional<RadioStation> TrayMenu::stationFor(int id, const Catalogue &catalogue)
{
    int index = id - FirstStation;
    if (index < 0)
        return std::nullopt;
    for (const StationCategory &category : catalogue) {
        if (index < category.stations.size())
            return category.stations.at(index);
        index -= int(category.stations.size());
    }
    return std::nullopt;
}
