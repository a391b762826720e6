#include "TrayShell.h"

#include "ViewsLibrary.h"
#include "ZeffiraApp.h"
#include "alarm/AlarmClock.h"
#include "base/AppInfo.h"
#include "base/Logging.h"
#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "desktop/AppWindows.h"
#include "desktop/DesktopNotifier.h"
#include "desktop/TrayItem.h"
#include "mpris/MprisService.h"
#include "network/DeferredStationDirectory.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "playback/SongKeeper.h"
#include "playback/TimeshiftBackend.h"
#include "sni/TrayLibrary.h"
#include "viewmodels/AppActions.h"
#include "viewmodels/GeneralSettingsModel.h"
#include "viewmodels/MenuBarLabel.h"
#include "viewmodels/TrayMenu.h"
#include "viewmodels/TrayTooltip.h"

#include <QCoreApplication>

namespace {
// One notch of a mouse wheel is 120; it moves the volume by 5 %.
constexpr double kVolumePerNotch = 0.05;

// Symbolic icons: desktops draw them in their panel's text colour, so they show on dark and
// light panels alike; where nothing recolours them, their own grey stands out on both.
QString trayIconName(const QString &symbol)
{
    return symbol == QLatin1String("radio") ? QStringLiteral("zeffira-radio-symbolic")
                                            : QStringLiteral("zeffira-antenna-symbolic");
}
} // namespace

TrayShell::TrayShell(ZeffiraApp *app, AppActions *actions, GeneralSettingsModel *generalSettings,
                     std::unique_ptr<TrayItem> tray, bool panelIsWindow, QObject *parent)
    : QObject(parent), m_app(app), m_actions(actions), m_generalSettings(generalSettings),
      m_tray(std::move(tray)), m_panelIsWindow(panelIsWindow)
{
    connect(m_actions, &AppActions::settingsRequested, this, &TrayShell::openSettings);
    connect(m_actions, &AppActions::alarmsRequested, this, &TrayShell::openAlarmSettings);
    connect(m_actions, &AppActions::aboutRequested, this, &TrayShell::openAbout);
    connect(m_actions, &AppActions::quitRequested, this, [this] { m_app->quit(); });
}

// The windows go first: they bind to the objects below.
TrayShell::~TrayShell()
{
    m_windows.reset();
}

void TrayShell::showIdle(TrayItem &tray)
{
    const QString icon = trayIconName(MenuBarLabel::compute(false, std::nullopt, false).iconName);
    tray.setIconName(icon);
    tray.setIconFile(AppInfo::iconFile(icon));
}

void TrayShell::start(bool showWindowWithoutTray)
{
    connect(m_tray.get(), &TrayItem::activationTokenProvided, this,
            [this](const QString &token) { m_activationToken = token; });
    // The desktop's tray switched on later (an extension, a panel restart): the item is in it
    // now, and the panel drops from it again.
    connect(m_tray.get(), &TrayItem::hostRegistered, this, [this] {
        if (!m_panelIsWindow)
            return;
        m_panelIsWindow = false;
        qCInfo(lcApp, "A tray host appeared; the panel opens from the tray item");
        if (m_windows)
            m_windows->setPanelIsWindow(false);
    });
    connect(m_tray.get(), &TrayItem::activated, this, &TrayShell::togglePanel);
    connect(m_tray.get(), &TrayItem::secondaryActivated, this, [this] {
        if (m_app->player()->hasStation())
            m_app->player()->togglePlayPause();
    });
    connect(m_tray.get(), &TrayItem::scrolled, this, [this](int delta, Qt::Orientation orientation) {
        if (orientation == Qt::Vertical)
            m_app->player()->setVolume(m_app->player()->volume() + delta / 120.0 * kVolumePerNotch);
    });
    connect(m_tray.get(), &TrayItem::menuEntryTriggered, this, &TrayShell::onMenuEntry);
    connect(m_tray.get(), &TrayItem::menuAboutToShow, this, &TrayShell::updateMenu);
    connect(m_tray.get(), &TrayItem::contextMenuRequested, this, &TrayShell::togglePanel);

    RadioPlayer *player = m_app->player();
    for (auto signal : {&RadioPlayer::isPlayingChanged, &RadioPlayer::currentStationChanged,
                        &RadioPlayer::playbackStateChanged}) {
        connect(player, signal, this, &TrayShell::updateLabel);
        connect(player, signal, this, &TrayShell::updateMenu);
    }
    // The tooltip's second line.
    connect(player, &RadioPlayer::errorMessageChanged, this, &TrayShell::updateLabel);
    connect(player, &RadioPlayer::streamTitleChanged, this, &TrayShell::updateLabel);
    // "Kopieer titel" is there for a title only.
    connect(player, &RadioPlayer::streamTitleChanged, this, &TrayShell::updateMenu);
    connect(m_app->stationManager(), &StationManager::categoriesChanged, this, &TrayShell::updateMenu);
    // The tooltip's last line and the submenu's title and tick.
    connect(m_app->sleepTimer(), &SleepTimer::changed, this, &TrayShell::updateLabel);
    connect(m_app->sleepTimer(), &SleepTimer::changed, this, &TrayShell::updateMenu);
    // The tooltip's alarm line and the menu's.
    connect(m_app->alarmClock(), &AlarmClock::changed, this, &TrayShell::updateLabel);
    connect(m_app->alarmClock(), &AlarmClock::changed, this, &TrayShell::updateMenu);
    // Also when another program changes the settings file.
    connect(m_app->settings(), &SettingsStore::changed, this, [this](const QString &key) {
        if (key == SettingsKey::ShowStationInMenuBar)
            updateLabel();
    });
    // The rewind submenu and the tooltip's "behind live"; the distance grows each second only
    // while paused behind live.
    connect(m_app->timeshift(), &TimeshiftBackend::positionChanged, this, &TrayShell::updateLabel);
    connect(m_app->timeshift(), &TimeshiftBackend::positionChanged, this, [this] {
        const auto state = std::pair(m_app->timeshift()->available(), m_app->timeshift()->behindLive());
        if (std::exchange(m_rewindShown, state) != state)
            updateMenu();
    });
    connect(m_app->songKeeper(), &SongKeeper::changed, this, &TrayShell::updateLabel);
    connect(m_app->songKeeper(), &SongKeeper::changed, this, &TrayShell::updateMenu);
    updateLabel();
    updateMenu();
    // Media controls may bring the panel forward too.
    m_app->mpris()->setCanRaise(true);
    connect(m_app->mpris(), &MprisService::raiseRequested, this, [this] { activate(); });
    if (m_panelIsWindow) {
        qCInfo(lcApp, "No tray host (no StatusNotifierWatcher, no system tray); the panel opens as a window");
        if (showWindowWithoutTray)
            activate();
    }
}

void TrayShell::activate(const QString &activationToken)
{
    if (!activationToken.isEmpty())
        m_activationToken = activationToken;
    if (AppWindows *w = windows()) {
        useActivationToken();
        w->showPanel();
        m_app->prepareToPlay();
    }
}

QString TrayShell::open(const QStringList &uris, const QString &activationToken)
{
    if (!activationToken.isEmpty())
        m_activationToken = activationToken;
    const QString refusal = m_app->open(uris, QString(), true);
    if (!refusal.isEmpty())
        m_app->notifier()->notify(QStringLiteral("Zeffira"), refusal);
    return refusal;
}

void TrayShell::useActivationToken()
{
    // Qt's Wayland shell reads the token from the environment when a window asks for the
    // focus, and consumes it; X11 has no use for it.
    if (!m_activationToken.isEmpty() && TrayLibrary::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", m_activationToken.toUtf8());
    m_activationToken.clear();
}

void TrayShell::updateLabel()
{
    RadioPlayer *player = m_app->player();
    const MenuBarLabel label =
        MenuBarLabel::compute(m_app->settings()->boolValue(SettingsKey::ShowStationInMenuBar),
                              player->currentStation(), player->isPlaying());
    const QString icon = trayIconName(label.iconName);
    if (icon != m_lastIcon) {
        m_lastIcon = icon;
        m_tray->setIconName(icon);
        m_tray->setIconFile(AppInfo::iconFile(icon));
    }
    // The panel puts its own gap between icon and label.
    m_tray->setLabel(label.text.trimmed(), label.text.trimmed());
    QStringList moreLines;
    // Paused a moment ago is not yet behind.
    if (const TimeshiftBackend *timeshift = m_app->timeshift();
        player->hasStation() && timeshift->behindLive() && timeshift->behindMs() >= 1000)
        moreLines << tr("%1 achter live").arg(TrayMenu::behindText(timeshift->behindMs()).mid(1));
    if (m_app->songKeeper()->isRecording())
        moreLines << tr("Neemt op");
    const TrayTooltip tooltip =
        TrayTooltip::compute(*player, m_app->sleepTimer(), m_app->alarmClock()->nextText(), moreLines);
    if (tooltip.text != m_lastTooltip) {
        m_lastTooltip = tooltip.text;
        m_tray->setToolTip(tooltip.title, tooltip.text);
    }
}

void TrayShell::updateMenu()
{
    if (m_tray)
        m_tray->setMenu(TrayMenu::build(*m_app->player(), m_app->stationManager()->categories(),
                                        m_app->sleepTimer(), m_app->alarmClock()->nextText(), rewindState()));
}

TrayMenu::Rewind TrayShell::rewindState() const
{
    const TimeshiftBackend *timeshift = m_app->timeshift();
    TrayMenu::Rewind rewind;
    // The resolved stream when there is one, else the station's own address.
    const QString url = timeshift->url().isEmpty() ? m_app->player()->currentStationUrl() : timeshift->url();
    rewind.possible = url.isEmpty() || TimeshiftBackend::canRewind(url);
    rewind.available = timeshift->available();
    rewind.behindMs = timeshift->behindLive() ? std::max<qint64>(1, timeshift->behindMs()) : 0;
    rewind.recording = m_app->songKeeper()->isRecording();
    return rewind;
}

void TrayShell::onMenuEntry(int id)
{
    RadioPlayer *player = m_app->player();
    switch (id) {
    case TrayMenu::OpenPanel:
        togglePanel(QPoint());
        return;
    case TrayMenu::PlayPause:
        player->togglePlayPause();
        return;
    case TrayMenu::Stop:
        player->stop();
        return;
    case TrayMenu::CopyTitle:
        if (const QString text = TrayMenu::titleToCopy(*player); !text.isEmpty())
            TrayLibrary::copyToClipboard(text);
        return;
    case TrayMenu::SeekBack:
    case TrayMenu::SeekForward:
        m_app->timeshift()->seekBy((id == TrayMenu::SeekBack ? -1 : 1) * TimeshiftBackend::seekStep.count());
        return;
    case TrayMenu::GoLive:
        m_app->timeshift()->goLive();
        return;
    case TrayMenu::SaveSong:
    case TrayMenu::SavePreviousSong:
        // A refusal is told by the keeper's notification.
        m_app->songKeeper()->saveSong(id == TrayMenu::SavePreviousSong);
        return;
    case TrayMenu::Record:
        m_app->songKeeper()->toggleRecording();
        return;
    case TrayMenu::Settings:
        openSettings();
        return;
    case TrayMenu::Alarms:
        openAlarmSettings();
        return;
    case TrayMenu::About:
        openAbout();
        return;
    case TrayMenu::Quit:
        m_app->quit();
        return;
    default:
        if (const auto minutes = TrayMenu::sleepMinutesFor(id))
            m_app->sleepTimer()->start(*minutes);
        else if (const auto station = TrayMenu::stationFor(id, m_app->stationManager()->categories()))
            player->play(*station);
    }
}

AppWindows *TrayShell::windows()
{
    if (!m_windows && !m_windowsFailed) {
        AppWindows::Objects objects;
        objects.player = m_app->player();
        objects.stations = m_app->stationManager();
        objects.devices = m_app->audioDeviceManager();
        objects.settings = m_app->settings();
        objects.app = m_actions;
        objects.generalSettings = m_generalSettings;
        objects.sleepTimer = m_app->sleepTimer();
        objects.alarmClock = m_app->alarmClock();
        objects.scrobbler = m_app->scrobbler();
        objects.timeshift = m_app->timeshift();
        objects.songKeeper = m_app->songKeeper();
        objects.directory = m_app->directory();
        objects.history = m_app->history();
        objects.historyRecorder = m_app->historyRecorder();
        m_windows.reset(ViewsLibrary::createWindows(objects));
        if (m_windows)
            m_windows->setPanelIsWindow(m_panelIsWindow);
        // Tried once: a library that failed to load does not load on the next click either.
        m_windowsFailed = !m_windows;
    }
    return m_windows.get();
}

void TrayShell::togglePanel(const QPoint &globalPos)
{
    if (AppWindows *w = windows()) {
        useActivationToken();
        w->togglePanel(globalPos);
        m_app->prepareToPlay();
    }
}

void TrayShell::openSettings()
{
    if (AppWindows *w = windows()) {
        useActivationToken();
        w->showSettings();
    }
}

void TrayShell::openAbout()
{
    if (AppWindows *w = windows()) {
        useActivationToken();
        w->showAbout();
    }
}

void TrayShell::openAlarmSettings()
{
    if (AppWindows *w = windows()) {
        useActivationToken();
        w->showAlarmSettings();
    }
}
