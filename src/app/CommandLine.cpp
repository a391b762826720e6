#include "CommandLine.h"

#include "base/AppInfo.h"

#include <QCommandLineParser>
#include <QTextStream>

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zeffira: internet radio in the panel tray."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption list(QStringLiteral("list-stations"),
                                  QStringLiteral("Print the station catalogue and exit."));
    const QCommandLineOption headless(QStringLiteral("headless"),
                                      QStringLiteral("Run the player without a window or tray icon."));
    const QCommandLineOption play(QStringLiteral("play"),
                                  QStringLiteral("With --headless: play this station (a name from the "
                                                 "catalogue or a stream URL)."),
                                  QStringLiteral("name-or-url"));
    parser.addOptions({help, version, list, headless, play});

    CommandLine result;
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n"
            << "Try 'zeffira --help'.\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "Unexpected argument: " << parser.positionalArguments().constFirst() << "\n"
            << "Try 'zeffira --help'.\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        result.mode = Mode::Exit;
        return result;
    }
    if (parser.isSet(version)) {
        out << "zeffira " << AppInfo::version() << " (build " << AppInfo::buildNumber() << ")\n";
        result.mode = Mode::Exit;
        return result;
    }
    if (parser.isSet(play) && !parser.isSet(headless)) {
        err << "--play needs --headless.\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(list))
        result.mode = Mode::ListStations;
    else if (parser.isSet(headless))
        result.mode = Mode::Headless;
    result.playTarget = parser.value(play);
    return result;
}
