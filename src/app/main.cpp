#include "app/CommandLine.h"
#include "app/ZeffiraApp.h"
#include "app/UnixSignals.h"
#include "catalogue/StationManager.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

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

int runHeadless(QCoreApplication &app, const QString &playTarget)
{
    UnixSignals signals_;
    ZeffiraApp player;
    // Without a window there is no panel to wait for: the media controls come up at once.
    player.setupMediaKeyHandler();
    QObject::connect(&signals_, &UnixSignals::terminationRequested, &app, [&] {
        player.shutdown();
        app.exit(0);
    });
    QObject::connect(&player, &ZeffiraApp::quitRequested, &app, [&] {
        player.shutdown();
        app.exit(0);
    });
    QObject::connect(&player, &ZeffiraApp::gaveUp, &app, [&] {
        QTextStream(stderr) << "zeffira: no station could be played; nothing left to try.\n";
        player.shutdown();
        app.exit(1);
    });
    if (!playTarget.isEmpty() && !player.play(playTarget))
        return 2;
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zeffira"));
    const CommandLine command = CommandLine::parse(QCoreApplication::arguments());
    switch (command.mode) {
    case CommandLine::Mode::Exit:
        return command.exitCode;
    case CommandLine::Mode::ListStations:
        return listStations();
    case CommandLine::Mode::Headless:
        return runHeadless(app, command.playTarget);
    case CommandLine::Mode::Tray:
        break;
    }
    QTextStream(stderr) << "zeffira: the tray icon is not part of this build yet; running without it.\n";
    return runHeadless(app, QString());
}
