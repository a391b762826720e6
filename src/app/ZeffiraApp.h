// The composition root: creates every long-lived object once (settings, station store, player on
// GStreamer behind the playlist resolver, network monitor, sleep monitor, sleep timer, output
// devices, what plays next, media controls) and wires them, the same way in every mode, so that
// media keys and skipping work from the start; on the desktop also the tray's objects and the
// single-instance service's requests. Every quit, whoever asks, leaves through quit() and the
// event loop's end, where shutdown() runs. It holds no logic beyond choosing what to play by name
// or URL.
#pragma once

#include <QObject>
#include <chrono>
#include <memory>
#include <optional>

class AlarmClock;
class AppActions;
class AudioDeviceManager;
class BootClock;
class DesktopApplicationService;
class DesktopNotifier;
class FreedesktopNotifier;
class GeneralSettingsModel;
class GnomeMediaKeys;
class GstStreamBackend;
class GstStreamTap;
class DeferredNetworkMonitor;
class DeferredPlaylistFetcher;
class DeferredStationDirectory;
class DeferredHistoryStore;
class HistoryStore;
class HistoryRecorder;
class Scrobbler;
class PlaybackSequence;
class PlaylistResolver;
class TimeshiftBackend;
class TimeshiftBuffer;
class LoginItem;
class LogindSleepMonitor;
class MediaKeyHandler;
class MprisService;
class PulseAudioDeviceSource;
class QtScheduler;
class LoudnessControl;
class RadioPlayer;
class ScriptControl;
class SettingsStore;
class SleepTimer;
class StationManager;
class StreamRecorder;
class SongKeeper;
class SystemWallClock;
class SteadyClock;
class TitleNotifications;
class TrayItem;
class TrayShell;

class ZeffiraApp : public QObject
{
    Q_OBJECT
public:
    explicit ZeffiraApp(QObject *parent = nullptr);
    ~ZeffiraApp() override;

    RadioPlayer *player() const { return m_player.get(); }
    StationManager *stationManager() const { return m_stationManager.get(); }
    AudioDeviceManager *audioDeviceManager() const { return m_audioDeviceManager.get(); }
    SettingsStore *settings() const { return m_settings.get(); }
    MprisService *mpris() const { return m_mpris.get(); }
    MediaKeyHandler *mediaKeyHandler() const { return m_mediaKeyHandler.get(); }
    SleepTimer *sleepTimer() const { return m_sleepTimer.get(); }
    StreamRecorder *recorder() const { return m_recorder.get(); }
    SongKeeper *songKeeper() const { return m_songKeeper.get(); }
    TimeshiftBackend *timeshift() const { return m_timeshift.get(); }
    AlarmClock *alarmClock() const { return m_alarmClock.get(); }
    Scrobbler *scrobbler() const { return m_scrobbler.get(); }
    // The public station directory; its network library loads with the first search.
    DeferredStationDirectory *directory() const { return m_directory.get(); }
    // The heard songs; the SQLite library loads with the first song or the first reading.
    HistoryStore *history() const;
    HistoryRecorder *historyRecorder() const { return m_historyRecorder.get(); }
    DesktopNotifier *notifier() const;

    // Starts the station named `target` (first exact match in catalogue order), or the station
    // whose URL is `target`; both go on to the next station when they fail. A stream URL that is
    // not in the catalogue is played alone: when it fails, gaveUp() says why. False, with a
    // message on stderr, when `target` is neither a station nor a stream URL.
    bool play(const QString &target);
    // Opens what the user handed over (URLs, local playlist files relative to `workingDir`; with
    // `localFiles` false, network URLs only): a catalogue station by its URL, else the streams
    // alone, each one's successor tried when it fails. Returns the refusals (translated, one a
    // line), empty when everything was taken; nothing plays when nothing was.
    QString open(const QStringList &arguments, const QString &workingDir, bool localFiles);
    // Records the station as soon as it plays (its stream, not a playlist link) to `target` (see
    // StreamRecorder::start), for `duration` or until the program ends. Returns why it cannot
    // (translated), empty when it will.
    QString recordWhenPlaying(const QString &target, std::optional<std::chrono::milliseconds> duration);
    // The desktop's tray item, shown in its idle state; null (logged) when none could be shown.
    // Made before the application, so that the panel gets it before anything the tray can do
    // later starts: the panel reads its state only once the event loop runs, and by then the rest
    // is there.
    static std::unique_ptr<TrayItem> showTrayItem();
    // Wires the desktop face to `tray` (from showTrayItem(): its label, tooltip and menu, the
    // windows on first use) and answers the single-instance service's requests (`service` may be
    // null, and must outlive the app). Where nothing shows tray items, the panel becomes an
    // ordinary window, opened at once when `showWindowWithoutTray`.
    void startDesktop(DesktopApplicationService *service, bool showWindowWithoutTray,
                      std::unique_ptr<TrayItem> tray);
    // Answers the actions and the status call of `service` (which must outlive the app).
    void serveActions(DesktopApplicationService *service);
    // The one way out: ends the event loop with `exitCode`; shutdown() runs as it ends.
    void quit(int exitCode = 0);
    // Stops the stream (the pipeline is torn down) and stores a pending volume. Runs whenever the
    // event loop ends (quit(), or Qt's own quit at the end of the session); harmless twice.
    void shutdown();
    // Something will likely play soon (the panel opened): the sound libraries load meanwhile.
    void prepareToPlay();

Q_SIGNALS:
    // Nothing could be played and nothing is left to try; `reason` for the terminal.
    void gaveUp(const QString &reason);

private:
    void applyTimeshiftMinutes();

    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<StationManager> m_stationManager;
    std::unique_ptr<QtScheduler> m_scheduler;
    std::unique_ptr<SteadyClock> m_clock;
    std::unique_ptr<GstStreamBackend> m_backend;
    std::unique_ptr<DeferredPlaylistFetcher> m_fetcher;
    std::unique_ptr<GstStreamTap> m_timeshiftTap;
    std::unique_ptr<TimeshiftBuffer> m_timeshiftBuffer;
    std::unique_ptr<TimeshiftBackend> m_timeshift;
    std::unique_ptr<PlaylistResolver> m_resolver;
    std::unique_ptr<DeferredNetworkMonitor> m_network;
    std::unique_ptr<LogindSleepMonitor> m_sleepMonitor;
    std::unique_ptr<RadioPlayer> m_player;
    std::unique_ptr<LoudnessControl> m_loudness;
    std::unique_ptr<PlaybackSequence> m_sequence;
    std::unique_ptr<BootClock> m_bootClock;
    std::unique_ptr<SleepTimer> m_sleepTimer;
    std::unique_ptr<PulseAudioDeviceSource> m_deviceSource;
    std::unique_ptr<AudioDeviceManager> m_audioDeviceManager;
    std::unique_ptr<MprisService> m_mpris;
    std::unique_ptr<GnomeMediaKeys> m_gnomeKeys;
    std::unique_ptr<MediaKeyHandler> m_mediaKeyHandler;
    std::unique_ptr<FreedesktopNotifier> m_notifier;
    std::unique_ptr<TitleNotifications> m_titleNotifications;
    std::unique_ptr<DeferredHistoryStore> m_history;
    std::unique_ptr<HistoryRecorder> m_historyRecorder;
    std::unique_ptr<DeferredStationDirectory> m_directory;
    std::unique_ptr<SystemWallClock> m_wallClock;
    std::unique_ptr<AlarmClock> m_alarmClock;
    std::unique_ptr<Scrobbler> m_scrobbler;
    std::unique_ptr<ScriptControl> m_scriptControl;
    std::unique_ptr<GstStreamTap> m_tap;
    std::unique_ptr<StreamRecorder> m_recorder;
    std::unique_ptr<SongKeeper> m_songKeeper;
    // The desktop face, made by startDesktop().
    std::unique_ptr<AppActions> m_actions;
    std::unique_ptr<LoginItem> m_loginItem;
    std::unique_ptr<GeneralSettingsModel> m_generalSettings;
    std::unique_ptr<TrayShell> m_shell;
};
