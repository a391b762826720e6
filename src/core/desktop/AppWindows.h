// The application's windows: the station panel, the settings and the About window. They live in
// the views library, which the shell loads the first time one of them is asked for, so that a
// tray that is never clicked maps no view toolkit. The shell owns the one instance.
#pragma once

#include <QPoint>

class AlarmClock;
class AppActions;
class AudioDeviceManager;
class GeneralSettingsModel;
class HistoryRecorder;
class HistoryStore;
class RadioPlayer;
class Scrobbler;
class SettingsStore;
class SleepTimer;
class StationDirectory;
class StationManager;
class TimeshiftBackend;
class SongKeeper;

class AppWindows
{
public:
    // The long-lived objects the views read and call; owned by the shell, they outlive the views.
    struct Objects {
        RadioPlayer *player = nullptr;
        StationManager *stations = nullptr;
        AudioDeviceManager *devices = nullptr;
        SettingsStore *settings = nullptr;
        AppActions *app = nullptr;
        GeneralSettingsModel *generalSettings = nullptr;
        SleepTimer *sleepTimer = nullptr;
        StationDirectory *directory = nullptr;
        AlarmClock *alarmClock = nullptr;
        Scrobbler *scrobbler = nullptr;
        // Opens its file with the first call: the views read it only once the heard songs show.
        HistoryStore *history = nullptr;
        HistoryRecorder *historyRecorder = nullptr;
        TimeshiftBackend *timeshift = nullptr;
        SongKeeper *songKeeper = nullptr;
    };

    virtual ~AppWindows() = default;

    // Shows the panel at `globalPos` (the click, in device pixels as the desktop reports it;
    // null for the pointer's position), or hides it
    // when it is open.
    virtual void togglePanel(const QPoint &globalPos) = 0;
    virtual bool isPanelVisible() const = 0;
    // Shows the panel (at the pointer), or brings it forward when it is open.
    virtual void showPanel() = 0;
    // Where no tray shows our item, the panel is an ordinary window: framed, titled, closable
    // (closing hides it), placed by the window manager, and it stays open without the focus.
    // Takes effect at the panel's next showing.
    virtual void setPanelIsWindow(bool isWindow) = 0;
    virtual void showSettings() = 0;
    // The settings on their alarm page.
    virtual void showAlarmSettings() = 0;
    virtual void showAbout() = 0;
};

// The views library's one entry point, looked up by name after loading it. Null on failure
// (the reason is logged).
using CreateAppWindows = AppWindows *(*)(const AppWindows::Objects &objects);
inline constexpr char kCreateAppWindowsSymbol[] = "zeffira_create_app_windows";
