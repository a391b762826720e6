#include "CommandLine.h"

#include "base/AppInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {
QString filesHelp()
{
    const QString appId = AppInfo::appId();
    return QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Bestanden:") + QLatin1Char('\n') +
           QCoreApplication::translate(
               "CommandLine", "  $XDG_DATA_HOME/Zeffira/stations.json (~/.local/share/...)\n"
                              "      de zenderlijst\n"
                              "  $XDG_CONFIG_HOME/Zeffira/settings.json (~/.config/...)\n"
                              "      de instellingen\n"
                              "  $XDG_CONFIG_HOME/autostart/%1.desktop\n"
                              "      starten bij inloggen, als dat aan staat\n"
                              "  %2/stations.xml\n"
                              "      de ingebouwde zenderlijst voor de eerste start\n"
                              "Het logboek gaat naar standaardfout; vanuit het bureaublad gestart naar\n"
                              "het journaal van de sessie (journalctl --user).\n")
               .arg(appId, QStringLiteral(ZEFFIRA_INSTALL_FULL_DATA_DIR));
}
} // namespace

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
    // What the D-Bus service file starts; not for people.
    QCommandLineOption busActivated(QStringLiteral("gapplication-service"));
    busActivated.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, list, headless, play, busActivated});
    parser.addPositionalArgument(
        QStringLiteral("url"),
        QCoreApplication::translate(
            "CommandLine", "Internetstreams of afspeellijsten om te spelen: een adres (http://...) of "
                           "een afspeellijstbestand (.pls, .m3u, .asx, .xspf). Speelt Zeffira al, dan "
                           "speelt het daar; zonder adres komt het venster van Zeffira naar voren."),
        QStringLiteral("[url|bestand...]"));

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
    if (!parser.positionalArguments().isEmpty() && (parser.isSet(headless) || parser.isSet(list))) {
        err << "Unexpected argument: " << parser.positionalArguments().constFirst() << "\n"
            << "Try 'zeffira --help'.\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        // The parser runs before the application object exists and cannot know our name.
        out << parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("zeffira"))
            << filesHelp();
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
    result.openArguments = parser.positionalArguments();
    result.busActivated = parser.isSet(busActivated);
    return result;
}
