#include "CatalogueCommands.h"
#include "CommandLine.h"
#include "HistoryCommand.h"
#include "RemoteCommands.h"
#include "UnixSignals.h"
#include "ZeffiraApp.h"
#include "alarm/AlarmClock.h"
#include "base/AppInfo.h"
#include "base/Translations.h"
#include "catalogue/StationManager.h"
#include "desktop/TrayItem.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "playback/StreamRecorder.h"
#include "sni/TrayLibrary.h"
#include "xdg/DesktopApplicationService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QTextStream>
#include <QUrl>

#include <memory>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Each connection to a station decodes on new streaming threads, and glibc gives a new thread an
// arena of its own, up to 8 a core: the audio a connection held stayed behind as free but written
// pages in an arena the next connection might not use, and hang-ups added them up. Two arenas
// serve the player's few threads without contention. Set before any thread starts;
// MALLOC_ARENA_MAX in the environment still decides.
void limitMallocArenas()
{
#ifdef __GLIBC__
    if (qEnvironmentVariableIsEmpty("MALLOC_ARENA_MAX"))
        mallopt(M_ARENA_MAX, 2);
#endif
}

int listStations()
{
    // The same start-up as the application: creates, repairs and migrates the files.
    const StationManager store;
    QTextStream out(stdout);
    for (const StationCategory &category : store.categories()) {
        out << category.name << "\n";
        for (const RadioStation &station : category.stations)
            out << "  " << station.name << "  " << station.url << "\n";
    }
    return 0;
}

// Runs `app`'s event loop until it quits: asked by the user or a desktop, by a signal (logout's
// hang-up among them), or (headless) when nothing is left to play.
int runLoop(QCoreApplication &loop, ZeffiraApp &app, bool endWhenNothingPlays)
{
    UnixSignals signals_;
    QObject::connect(&signals_, &UnixSignals::terminationRequested, &app, [&] { app.quit(0); });
    if (endWhenNothingPlays) {
        QObject::connect(&app, &ZeffiraApp::gaveUp, &app, [&](const QString &reason) {
            QTextStream(stderr) << "zeffira: " << reason << "\n";
            app.quit(1);
        });
    }
    return loop.exec();
}

void startSleepTimer(ZeffiraApp &app, const CommandLine &command)
{
    if (command.sleepTimer)
        app.sleepTimer()->startFor(*command.sleepTimer);
}

int runHeadless(QCoreApplication &loop, const CommandLine &command)
{
    // The only player of the session takes the app id too, so that the desktop's actions and the
    // command line's remote options reach it; beside a running one it plays on its own.
    std::optional<DesktopApplicationService> service;
    if (QDBusConnection::sessionBus().isConnected()) {
        service.emplace(AppInfo::appId(), QDBusConnection::sessionBus());
        if (service->claim() != DesktopApplicationService::Claim::Owned)
            service.reset();
    }
    ZeffiraApp app;
    if (service)
        app.serveActions(&*service);
    // An alarm's player stays to chime when no station plays.
    const bool playing =
        !command.alarmAt && (!command.playTarget.isEmpty() || !command.openArguments.isEmpty());
    if (!command.recordTarget.isEmpty()) {
        const QString refusal = app.recordWhenPlaying(command.recordTarget, command.recordDuration);
        if (!refusal.isEmpty()) {
            QTextStream(stderr) << "zeffira: " << refusal << "\n";
            return 2;
        }
        // A headless recorder whose recording is over has nothing left to do.
        QObject::connect(app.recorder(), &StreamRecorder::finished, &app,
                         [&](const QString &path, const std::optional<StreamFailure> &failure) {
                             if (!path.isEmpty())
                                 QTextStream(stdout)
                                     << QCoreApplication::translate("main", "Opgenomen: %1").arg(path)
                                     << "\n";
                             if (failure)
                                 QTextStream(stderr)
                                     << "zeffira: "
                                     << QCoreApplication::translate("main", "de opname brak af: %1")
                                            .arg(failure->logText())
                                     << "\n";
                             app.quit(failure ? 1 : 0);
                         });
    }
    if (command.alarmAt) {
        // Nothing plays before the alarm.
    } else if (!command.openArguments.isEmpty()) {
        // Without a display, links given as for the desktop play as with --headless --play.
        const QString refusal = app.open(command.openArguments, QDir::currentPath(), true);
        if (!refusal.isEmpty())
            QTextStream(stderr) << "zeffira: " << refusal << "\n";
        if (!app.player()->hasStation())
            return 2;
    } else if (!command.playTarget.isEmpty() && !app.play(command.playTarget)) {
        return 2;
    }
    if (command.alarmAt) {
        // Waits for the alarm, which plays the station given with --play.
        if (const QString refusal = app.alarmClock()->addOnce(
                *command.alarmAt, command.playTarget, false, command.alarmFade.value_or(Alarm::defaultFade),
                command.alarmVolume.value_or(Alarm::defaultVolume));
            !refusal.isEmpty()) {
            QTextStream(stderr) << "zeffira: " << refusal << "\n";
            return 2;
        }
    }
    startSleepTimer(app, command);
    // A headless player whose sleep timer ran out has nothing left to do. Queued: the media
    // controls announce the pause before the program goes.
    QObject::connect(
        app.sleepTimer(), &SleepTimer::ended, &app, [&] { app.quit(0); }, Qt::QueuedConnection);
    return runLoop(loop, app, playing);
}

// The running instance takes over: local paths become file URIs, as the desktop would pass them.
int handOver(const QStringList &arguments)
{
    QStringList uris;
    for (const QString &argument : arguments) {
        const QUrl url(argument);
        uris << (url.scheme().isEmpty() || argument.startsWith(QLatin1Char('/'))
                     ? QUrl::fromLocalFile(QDir::current().absoluteFilePath(argument)).toString()
                     : argument);
    }
    const QString error =
        DesktopApplicationService::forward(AppInfo::appId(), uris, QDBusConnection::sessionBus());
    if (error.isEmpty())
        return 0;
    QTextStream(stderr) << "zeffira: " << error << "\n";
    return 1;
}

bool hasGraphicalSession()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    limitMallocArenas();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine command;
    {
        // Every text, --help's too, is in the user's language; the catalogues need an application
        // object, so a small one reads the command line before the one that runs is chosen.
        QCoreApplication early(argc, argv);
        Translations::install();
        command = CommandLine::parse(arguments);
    }
    if (command.mode == CommandLine::Mode::Exit)
        return command.exitCode;

    if (command.mode == CommandLine::Mode::Tray && hasGraphicalSession()) {
        const std::unique_ptr<QCoreApplication> loop(TrayLibrary::createApplication(argc, argv));
        if (!loop)
            return 1;
        Translations::install();
        if (!QDBusConnection::sessionBus().isConnected()) {
            QTextStream(stderr) << "zeffira: "
                                << QCoreApplication::translate("main",
                                                               "kan de sessiebus niet bereiken (%1); het "
                                                               "pictogram in het systeemvak en de "
                                                               "mediatoetsen hebben die nodig.")
                                       .arg(QDBusConnection::sessionBus().lastError().message())
                                << "\n";
            return 1;
        }
        // One player per session: a second launch hands its links (or just itself) to the first.
        // Asked before anything else starts, so that the second one never takes the media keys.
        DesktopApplicationService service(AppInfo::appId(), QDBusConnection::sessionBus());
        switch (service.claim()) {
        case DesktopApplicationService::Claim::Taken:
            return handOver(command.openArguments);
        case DesktopApplicationService::Claim::Failed:
            QTextStream(stderr) << "zeffira: cannot take the bus name " << AppInfo::appId()
                                << "; running without single-instance hand-over.\n";
            break;
        case DesktopApplicationService::Claim::Owned:
            break;
        }
        std::unique_ptr<TrayItem> tray = ZeffiraApp::showTrayItem();
        if (!tray) {
            QTextStream(stderr) << "zeffira: "
                                << QCoreApplication::translate(
                                       "main", "kon het pictogram in het systeemvak niet tonen.")
                                << "\n";
            return 1;
        }
        ZeffiraApp app;
        startSleepTimer(app, command);
        // Links on the command line play as if handed over; a window opens only when nothing
        // shows the tray item and nothing was asked to play.
        const bool showWindow = !command.busActivated && command.openArguments.isEmpty();
        app.startDesktop(&service, showWindow, std::move(tray));
        if (!command.openArguments.isEmpty()) {
            const QString refusal = app.open(command.openArguments, QDir::currentPath(), true);
            if (!refusal.isEmpty())
                QTextStream(stderr) << "zeffira: " << refusal << "\n";
        }
        return runLoop(*loop, app, false);
    }

    QCoreApplication loop(argc, argv);
    Translations::install();
    QCoreApplication::setApplicationName(QStringLiteral("zeffira"));
    switch (command.mode) {
    case CommandLine::Mode::ListStations:
        return listStations();
    case CommandLine::Mode::Search:
        return CatalogueCommands::search(loop, command.searchText);
    case CommandLine::Mode::Import:
        return CatalogueCommands::importFile(command.file, command.category);
    case CommandLine::Mode::Export:
        return CatalogueCommands::exportFile(command.file, command.category);
    case CommandLine::Mode::History:
        return HistoryCommand::print(command.historySince, command.json);
    case CommandLine::Mode::Headless:
        return runHeadless(loop, command);
    case CommandLine::Mode::Remote:
        return RemoteCommands::run(command);
    default:
        QTextStream(stderr) << "zeffira: "
                            << QCoreApplication::translate(
                                   "main", "geen grafische sessie (DISPLAY en WAYLAND_DISPLAY "
                                           "zijn niet gezet); speelt zonder pictogram in het "
                                           "systeemvak, bedienbaar via MPRIS.")
                            << "\n";
        return runHeadless(loop, command);
    }
}
