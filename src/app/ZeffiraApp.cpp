#include "ZeffiraApp.h"

#include "TrayShell.h"

#include "alarm/AlarmClock.h"
#include "base/AppInfo.h"
#include "base/BootClock.h"
#include "base/Logging.h"
#include "base/Scheduler.h"
#include "base/SettingsStore.h"
#include "base/WallClock.h"
#include "catalogue/StationManager.h"
#include "desktop/TrayItem.h"
#include "devices/AudioDeviceManager.h"
#include "gnome/GnomeMediaKeys.h"
#include "gstreamer/GstStreamBackend.h"
#include "gstreamer/GstStreamTap.h"
#include "history/HistoryRecorder.h"
#include "keychain/TokenLibrary.h"
#include "logind/LogindSleepMonitor.h"
#include "mediakeys/MediaKeyHandler.h"
#include "mediakeys/ScriptControl.h"
#include "mpris/MprisService.h"
#include "network/DeferredNetworkMonitor.h"
#include "network/DeferredPlaylistFetcher.h"
#include "network/DeferredStationDirectory.h"
#include "network/NetworkLibrary.h"
#include "notifications/FreedesktopNotifier.h"
#include "playback/LoudnessControl.h"
#include "playback/OpenRequest.h"
#include "playback/OutputRouting.h"
#include "playback/PlaybackSequence.h"
#include "playback/PlaylistResolver.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "playback/SongKeeper.h"
#include "playback/StreamRecorder.h"
#include "playback/TimeshiftBackend.h"
#include "playback/TimeshiftBuffer.h"
#include "playback/TitleNotifications.h"
#include "pulseaudio/PulseAudioDeviceSource.h"
#include "scrobble/Scrobbler.h"
#include "sni/TrayItemFactory.h"
#include "sqlite/DeferredHistoryStore.h"
#include "sqlite/HistoryLibrary.h"
#include "viewmodels/AppActions.h"
#include "viewmodels/GeneralSettingsModel.h"
#include "viewmodels/StreamErrorText.h"
#include "xdg/DesktopApplicationService.h"
#include "xdg/XdgAutostartLoginItem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTextStream>

#include <algorithm>
#include <cmath>

ZeffiraApp::ZeffiraApp(QObject *parent)
    : QObject(parent), m_settings(std::make_unique<SettingsStore>(SettingsStore::defaultFilePath())),
      m_stationManager(std::make_unique<StationManager>()), m_scheduler(std::make_unique<QtScheduler>()),
      m_clock(std::make_unique<SteadyClock>()), m_backend(std::make_unique<GstStreamBackend>()),
      m_fetcher(std::make_unique<DeferredPlaylistFetcher>()),
      m_timeshiftTap(std::make_unique<GstStreamTap>()),
      m_timeshiftBuffer(std::make_unique<TimeshiftBuffer>(TimeshiftBuffer::defaultFolder())),
      m_timeshift(std::make_unique<TimeshiftBackend>(
          m_backend.get(), m_timeshiftTap.get(), m_timeshiftBuffer.get(), m_clock.get(), m_scheduler.get())),
      m_resolver(std::make_unique<PlaylistResolver>(m_timeshift.get(), m_fetcher.get())),
      m_network(std::make_unique<DeferredNetworkMonitor>()),
      m_sleepMonitor(std::make_unique<LogindSleepMonitor>()),
      m_player(std::make_unique<RadioPlayer>(m_resolver.get(), m_settings.get(), m_scheduler.get(),
                                             m_sleepMonitor.get())),
      m_loudness(std::make_unique<LoudnessControl>(m_backend.get(), m_player.get(), m_settings.get(),
                                                   m_clock.get())),
      m_sequence(
          std::make_unique<PlaybackSequence>(m_player.get(), m_stationManager.get(), m_scheduler.get())),
      m_bootClock(std::make_unique<BootClock>()),
      m_sleepTimer(std::make_unique<SleepTimer>(m_player.get(), m_scheduler.get(), m_bootClock.get(),
                                                m_sleepMonitor.get())),
      m_deviceSource(std::make_unique<PulseAudioDeviceSource>()),
      m_audioDeviceManager(std::make_unique<AudioDeviceManager>(m_deviceSource.get(), m_settings.get())),
      m_mpris(std::make_unique<MprisService>(QDBusConnection::sessionBus())),
      m_directory(std::make_unique<DeferredStationDirectory>()), m_tap(std::make_unique<GstStreamTap>()),
      m_recorder(std::make_unique<StreamRecorder>(m_tap.get(), m_scheduler.get()))
{
    m_sleepMonitor->start();
    m_player->setNetworkMonitor(m_network.get());
    applyTimeshiftMinutes();
    connect(m_settings.get(), &SettingsStore::changed, this, [this](const QString &key) {
        if (key == SettingsKey::TimeshiftMinutes)
            applyTimeshiftMinutes();
    });

    OutputRouting::follow(m_player.get(), m_audioDeviceManager.get());

    m_mpris->setTimeshift(m_timeshift.get());
    m_player->setNowPlayingSink(m_mpris.get());
    if (m_mpris->start())
        m_gnomeKeys = std::make_unique<GnomeMediaKeys>(m_mpris.get(), QDBusConnection::sessionBus());
    // At start, not on the panel's first showing: an autostarted tray must answer the media
    // keys, and a failing station picked from the tray menu must skip, before anyone clicks.
    m_mediaKeyHandler =
        std::make_unique<MediaKeyHandler>(m_player.get(), m_stationManager.get(), m_sequence.get(),
                                          m_mpris.get(), m_settings.get(), m_clock.get());
    connect(m_mpris.get(), &MprisService::quitRequested, this, [this] { quit(); });
    // Every end of the event loop: quit(), and Qt's own quit when the session ends.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &ZeffiraApp::shutdown);
    m_notifier = std::make_unique<FreedesktopNotifier>(QDBusConnection::sessionBus());
    m_titleNotifications =
        std::make_unique<TitleNotifications>(m_player.get(), m_settings.get(), m_notifier.get());
    // The file opens with the first song heard: an idle tray loads no QtSql.
    m_history = std::make_unique<DeferredHistoryStore>(HistoryLibrary::defaultFilePath(), m_settings.get());
    m_historyRecorder = std::make_unique<HistoryRecorder>(m_player.get(), m_history.get());
    m_wallClock = std::make_unique<SystemWallClock>();
    // Off, nothing of it loads: the queue, the network and the token store come with the first
    // need once it is on.
    Scrobbler::Parts scrobbleParts{
        [this] { return m_history->listenQueue(); },
        [] { return NetworkLibrary::createScrobbleSender(); },
        [] { return TokenLibrary::createTokenStore(); },
    };
    Scrobbler::Options scrobbleOptions;
    if (const QString root = qEnvironmentVariable("ZEFFIRA_LISTENBRAINZ_URL"); !root.isEmpty())
        scrobbleOptions.apiRoot = root;
    scrobbleOptions.environmentToken = qEnvironmentVariable("ZEFFIRA_LISTENBRAINZ_TOKEN").trimmed();
    // For tests only: the play that makes a title count when the next one starts, in seconds.
    bool minimumSet = false;
    const int minimum = qEnvironmentVariableIntValue("ZEFFIRA_TEST_MIN_LISTEN_SECONDS", &minimumSet);
    if (minimumSet && minimum >= 0)
        scrobbleOptions.atNextTitle = std::chrono::seconds(minimum);
    m_scrobbler =
        std::make_unique<Scrobbler>(m_player.get(), m_settings.get(), m_scheduler.get(), m_clock.get(),
                                    m_wallClock.get(), std::move(scrobbleParts), scrobbleOptions);
    m_scrobbler->setNetworkMonitor(m_network.get());
    m_alarmClock = std::make_unique<AlarmClock>(m_player.get(), m_stationManager.get(), m_sleepTimer.get(),
                                                m_settings.get(), m_scheduler.get(), m_wallClock.get(),
                                                m_backend.get(), m_notifier.get(), m_sleepMonitor.get());
    m_scriptControl =
        std::make_unique<ScriptControl>(m_player.get(), m_stationManager.get(), m_mediaKeyHandler.get(),
                                        m_sleepTimer.get(), m_alarmClock.get());
    m_scriptControl->setTimeshift(m_timeshift.get());
    m_songKeeper = std::make_unique<SongKeeper>(m_player.get(), m_timeshift.get(), m_recorder.get(),
                                                m_notifier.get(), SongKeeper::defaultMusicFolder());
    m_scriptControl->setSongKeeper(m_songKeeper.get());

    connect(m_player.get(), &RadioPlayer::playbackStateChanged, this, [this] {
        const PlaybackState state = m_player->playbackState();
        const QString station = m_player->currentStationName();
        if (state.kind() == PlaybackState::Failed)
            qCInfo(lcApp, "State: failed (%s) - %s", qUtf8Printable(state.failure().logText()),
                   qUtf8Printable(station));
        else
            qCInfo(lcApp, "State: %s - %s", qUtf8Printable(state.name()), qUtf8Printable(station));
    });
    connect(m_player.get(), &RadioPlayer::streamTitleChanged, this,
            [](const QString &title) { qCInfo(lcApp, "Stream title: %s", qUtf8Printable(title)); });
    connect(m_player.get(), &RadioPlayer::errorMessageChanged, this, [this] {
        if (m_player->errorMessage() == RadioPlayer::NoWorkingStationsMessage)
            Q_EMIT gaveUp(tr("geen enkel station kon spelen; er is niets meer te proberen."));
        // A URL played alone does not wait for the network: the command line reports and ends.
        else if (m_player->errorMessage() == RadioPlayer::NoNetworkMessage && m_sequence->aloneUrl())
            Q_EMIT gaveUp(
                tr("kon %1 niet afspelen: geen netwerkverbinding").arg(m_player->currentStationUrl()));
    });
    connect(m_sequence.get(), &PlaybackSequence::aloneFailed, this,
            [this](const QStringList &urls, const StreamFailure &failure) {
                Q_EMIT gaveUp(tr("kon %1 niet afspelen: %2")
                                  .arg(urls.join(QLatin1String(", ")), StreamErrorText::describe(failure)));
            });
}

ZeffiraApp::~ZeffiraApp()
{
    // Unwind in dependency order: the desktop face, the handler, the media controls, then the
    // player before the backend and the monitor it listens to.
    m_shell.reset();
    m_generalSettings.reset();
    m_scriptControl.reset();
    m_songKeeper.reset();
    m_alarmClock.reset();
    m_titleNotifications.reset();
    m_historyRecorder.reset();
    m_scrobbler.reset();
    m_mediaKeyHandler.reset();
    m_gnomeKeys.reset();
    m_player->setNowPlayingSink(nullptr);
    m_mpris.reset();
    m_audioDeviceManager.reset();
    m_sleepTimer.reset();
    m_recorder.reset();
    m_tap.reset();
    m_player.reset();
}

void ZeffiraApp::applyTimeshiftMinutes()
{
    const double minutes = m_settings->doubleValue(SettingsKey::TimeshiftMinutes);
    m_timeshift->setMinutes(std::isfinite(minutes) ? int(std::clamp(minutes, 0.0, 120.0)) : 30);
}

void ZeffiraApp::prepareToPlay()
{
    m_backend->prepare();
}

bool ZeffiraApp::play(const QString &target)
{
    for (const bool byName : {true, false}) {
        for (const StationCategory &category : m_stationManager->categories()) {
            for (const RadioStation &station : category.stations) {
                if ((byName ? station.name : station.url) == target) {
                    m_player->play(station);
                    return true;
                }
            }
        }
    }
    if (isParsableUrl(target) && !QUrl(target).scheme().isEmpty()) {
        m_sequence->playAlone({target});
        return true;
    }
    QTextStream(stderr) << "zeffira: "
                        << tr("er is geen station met de naam \"%1\", en het is geen stream-URL.").arg(target)
                        << "\n";
    return false;
}

HistoryStore *ZeffiraApp::history() const
{
    return m_history.get();
}

DesktopNotifier *ZeffiraApp::notifier() const
{
    return m_notifier.get();
}

QString ZeffiraApp::open(const QStringList &arguments, const QString &workingDir, bool localFiles)
{
    return m_sequence->open(arguments, workingDir, localFiles);
}

std::unique_ptr<TrayItem> ZeffiraApp::showTrayItem()
{
    std::unique_ptr<TrayItem> tray =
        createTrayItem(AppInfo::appId(), QStringLiteral("Zeffira"), AppInfo::iconThemePath());
    // Null: its library could not be loaded (logged).
    if (!tray)
        return nullptr;
    TrayShell::showIdle(*tray);
    return tray->start() ? std::move(tray) : nullptr;
}

void ZeffiraApp::startDesktop(DesktopApplicationService *service, bool showWindowWithoutTray,
                              std::unique_ptr<TrayItem> tray)
{
    m_actions = std::make_unique<AppActions>();
    m_loginItem = std::make_unique<XdgAutostartLoginItem>();
    m_generalSettings = std::make_unique<GeneralSettingsModel>(m_settings.get(), m_loginItem.get());
    m_shell = std::make_unique<TrayShell>(this, m_actions.get(), m_generalSettings.get(), std::move(tray),
                                          !trayHostAvailable());
    if (service) {
        service->onActivate = [this](const QString &token) { m_shell->activate(token); };
        service->onOpen = [this](const QStringList &uris, const QString &token) {
            return m_shell->open(uris, token);
        };
        serveActions(service);
    }
    m_shell->start(showWindowWithoutTray);
}

void ZeffiraApp::serveActions(DesktopApplicationService *service)
{
    service->onAction = [this](const QString &action, const QVariant &parameter) {
        return m_scriptControl->perform(action, parameter);
    };
    service->onStatus = [this] { return m_scriptControl->status(); };
}

QString ZeffiraApp::recordWhenPlaying(const QString &target,
                                      std::optional<std::chrono::milliseconds> duration)
{
    const QString refusal = StreamRecorder::refusal(target);
    if (!refusal.isEmpty())
        return refusal;
    auto *waiting = new QObject(this);
    const auto begin = [this, waiting, target, duration] {
        if (m_player->playbackState().kind() != PlaybackState::Playing || m_resolver->currentUrl().isEmpty())
            return;
        waiting->deleteLater();
        const QString error =
            m_recorder->start(m_resolver->currentUrl(), target, m_player->currentStationName(), duration);
        if (!error.isEmpty())
            Q_EMIT gaveUp(error);
    };
    connect(m_player.get(), &RadioPlayer::playbackStateChanged, waiting, begin);
    begin();
    return {};
}

void ZeffiraApp::quit(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

void ZeffiraApp::shutdown()
{
    // The recording gets its final name before anything else goes.
    m_recorder->stop();
    if (m_player->currentStation())
        m_player->stop();
    m_player->saveVolume();
}
