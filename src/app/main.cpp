#include "app/CommandLine.h"
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
    case CommandLine::Mode::Tray:
        break;
    }
    QTextStream(stderr) << "This build offers only --list-stations so far; see --help.\n";
    return 1;
}
