#include "CommandLine.h"

#include "base/AppInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Zeffira: internetradio in het systeemvak."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Toon deze hulp en stop."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Toon de versie en stop."));
    const QCommandLineOption list(
        QStringLiteral("list-stations"),
        QCoreApplication::translate("CommandLine", "Toon de stationscatalogus en stop."));
    const QCommandLineOption headless(QStringLiteral("headless"),
                                      QCoreApplication::translate("CommandLine",
                                                                  "Speel zonder venster en zonder "
                                                                  "pictogram in het systeemvak."));
    const QCommandLineOption play(QStringLiteral("play"),
                                  QCoreApplication::translate("CommandLine",
                                                              "Met --headless: speel dit station (een "
                                                              "naam uit de catalogus of een stream-URL)."),
                                  QCoreApplication::translate("CommandLine", "naam-of-url"));
    parser.addOptions({help, version, list, headless, play});

    CommandLine result;
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n"
            << QCoreApplication::translate("CommandLine", "Probeer 'zeffira --help'.") << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << QCoreApplication::translate("CommandLine", "Onverwacht argument: %1")
                   .arg(parser.positionalArguments().constFirst())
            << "\n"
            << QCoreApplication::translate("CommandLine", "Probeer 'zeffira --help'.") << "\n";
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
        err << QCoreApplication::translate("CommandLine", "--play werkt alleen met --headless.") << "\n";
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
