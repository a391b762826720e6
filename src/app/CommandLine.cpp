#include "CommandLine.h"

#include "alarm/AlarmSchedule.h"
#include "base/AppInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cmath>

std::optional<std::chrono::milliseconds> CommandLine::parseSleepMinutes(const QString &text)
{
    // The C locale: "0.5" on every desktop, whatever its language.
    bool ok = false;
    const double minutes = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(minutes) || minutes > maxSleepMinutes)
        return std::nullopt;
    const auto seconds = std::llround(minutes * 60);
    if (seconds < 1)
        return std::nullopt;
    return std::chrono::seconds(seconds);
}

std::optional<QDateTime> CommandLine::parseAlarmTime(const QString &text, const QDateTime &now)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('+'))) {
        const auto wait = parseSleepMinutes(trimmed.mid(1));
        if (!wait)
            return std::nullopt;
        return now.addMSecs(wait->count());
    }
    Alarm alarm;
    alarm.time = QTime::fromString(trimmed, QStringLiteral("H:mm"));
    if (!alarm.time.isValid())
        return std::nullopt;
    alarm.days = {1, 2, 3, 4, 5, 6, 7};
    return AlarmSchedule().nextDue(alarm, now);
}

namespace {
QString filesHelp()
{
    const QString appId = AppInfo::appId();
    return QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Bestanden:") + QLatin1Char('\n') +
           QCoreApplication::translate(
               "CommandLine", "  $XDG_DATA_HOME/Zeffira/stations.json (~/.local/share/...)\n"
                              "      de zenderlijst\n"
                              "  $XDG_DATA_HOME/Zeffira/history.sqlite\n"
                              "      de gehoorde nummers (SQLite)\n"
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
    const QCommandLineOption sleepTimer(
        QStringLiteral("sleep-timer"),
        QCoreApplication::translate("CommandLine",
                                    "Pauzeer na dit aantal minuten (tot 1440; breuken zoals 0.5 mogen en "
                                    "tellen in hele seconden), met uitfaden in de laatste 30 seconden. Met "
                                    "--headless stopt het programma daarna; in het systeemvak is het de "
                                    "slaaptimer van het menu."),
        QCoreApplication::translate("CommandLine", "minuten"));
    const QCommandLineOption record(
        QStringLiteral("record"),
        QCoreApplication::translate(
            "CommandLine", "Met --headless en --play: neem het station op in dit bestand, in de "
                           "eigen codering van de stream (het groeit als bestand.part en krijgt zijn "
                           "naam als de opname klaar is; een bestaand bestand blijft staan). Een map "
                           "krijgt een bestand met de naam van het station en de tijd."),
        QCoreApplication::translate("CommandLine", "bestand"));
    const QCommandLineOption duration(
        QStringLiteral("duration"),
        QCoreApplication::translate("CommandLine",
                                    "Met --record: stop de opname en het programma na dit aantal minuten "
                                    "(tot 1440; breuken zoals 0.5 mogen)."),
        QCoreApplication::translate("CommandLine", "minuten"));
    const QCommandLineOption search(
        QStringLiteral("search"),
        QCoreApplication::translate("CommandLine", "Zoek in de openbare zendergids naar stations "
                                                   "waarvan de naam deze tekst bevat, toon ze en "
                                                   "stop."),
        QCoreApplication::translate("CommandLine", "tekst"));
    const QCommandLineOption importFile(
        QStringLiteral("import"),
        QCoreApplication::translate("CommandLine",
                                    "Voeg de stations uit dit bestand (.m3u, .m3u8, .pls, .xspf "
                                    "of .json) toe aan de catalogus en stop."),
        QCoreApplication::translate("CommandLine", "bestand"));
    const QCommandLineOption exportFile(
        QStringLiteral("export"),
        QCoreApplication::translate("CommandLine",
                                    "Schrijf de catalogus naar dit bestand (.m3u, .m3u8, .pls, "
                                    ".xspf of .json) en stop."),
        QCoreApplication::translate("CommandLine", "bestand"));
    const QCommandLineOption category(
        QStringLiteral("category"),
        QCoreApplication::translate("CommandLine",
                                    "Met --import: zet elk station in deze categorie (standaard: de "
                                    "categorieën uit het bestand, anders een naar het bestand genoemde). "
                                    "Met --export: schrijf alleen deze categorie."),
        QCoreApplication::translate("CommandLine", "naam"));
    // The running player, driven from scripts.
    const QCommandLineOption playPause(
        QStringLiteral("play-pause"),
        QCoreApplication::translate("CommandLine", "Speelt Zeffira al: pauzeer of hervat (zonder station: "
                                                   "speel het eerste)."));
    const QCommandLineOption stop(QStringLiteral("stop"),
                                  QCoreApplication::translate("CommandLine", "Speelt Zeffira al: stop."));
    const QCommandLineOption next(
        QStringLiteral("next"),
        QCoreApplication::translate("CommandLine", "Speelt Zeffira al: speel het volgende station."));
    const QCommandLineOption previous(
        QStringLiteral("previous"),
        QCoreApplication::translate("CommandLine", "Speelt Zeffira al: speel het vorige station."));
    const QCommandLineOption station(
        QStringLiteral("station"),
        QCoreApplication::translate("CommandLine", "Speelt Zeffira al: speel dit station uit de catalogus."),
        QCoreApplication::translate("CommandLine", "naam"));
    const QCommandLineOption goLive(
        QStringLiteral("go-live"),
        QCoreApplication::translate("CommandLine",
                                    "Speelt Zeffira al: terug naar live (na pauze of terugspoelen)."));
    const QCommandLineOption saveSong(
        QStringLiteral("save-song"),
        QCoreApplication::translate("CommandLine", "Speelt Zeffira al: bewaar het nummer dat speelt, vanaf "
                                                   "zijn begin, in de muziekmap (Zeffira/<station>/)."));
    const QCommandLineOption volume(
        QStringLiteral("volume"),
        QCoreApplication::translate("CommandLine", "Speelt Zeffira al: zet het volume (0 tot 100)."),
        QCoreApplication::translate("CommandLine", "0-100"));
    const QCommandLineOption status(
        QStringLiteral("status"),
        QCoreApplication::translate(
            "CommandLine", "Speelt Zeffira al: toon station, toestand, titel, volume en slaaptimer."));
    const QCommandLineOption json(
        QStringLiteral("json"),
        QCoreApplication::translate("CommandLine", "Met --status of --history: toon JSON."));
    const QCommandLineOption history(
        QStringLiteral("history"),
        QCoreApplication::translate("CommandLine",
                                    "Toon de gehoorde nummers, oudste eerst (tijd, station, artiest en "
                                    "titel, gescheiden door tabs) en stop."));
    const QCommandLineOption since(
        QStringLiteral("since"),
        QCoreApplication::translate("CommandLine", "Met --history: alleen vanaf deze dag (JJJJ-MM-DD)."),
        QCoreApplication::translate("CommandLine", "datum"));
    const QCommandLineOption alarm(
        QStringLiteral("alarm"),
        QCoreApplication::translate(
            "CommandLine", "Zet een eenmalige wekker in het spelende Zeffira, om UU:MM of over +MINUTEN "
                           "(breuken zoals +0.5 mogen), met --station voor het station. Met --headless "
                           "--play: wacht tot dan en speel dan."),
        QCoreApplication::translate("CommandLine", "UU:MM|+minuten"));
    const QCommandLineOption fade(
        QStringLiteral("fade"),
        QCoreApplication::translate("CommandLine", "Met --alarm: faad in over zoveel seconden (0 tot 3600; "
                                                   "anders 60)."),
        QCoreApplication::translate("CommandLine", "seconden"));
    const QCommandLineOption alarmVolume(
        QStringLiteral("alarm-volume"),
        QCoreApplication::translate(
            "CommandLine", "Met --alarm: het volume waarnaar de wekker infaadt (0 tot 100; anders 50)."),
        QCoreApplication::translate("CommandLine", "0-100"));
    // What the D-Bus service file starts; not for people.
    QCommandLineOption busActivated(QStringLiteral("gapplication-service"));
    busActivated.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help,      version, list,       headless,    play,     sleepTimer, record,
                       duration,  search,  importFile, exportFile,  category, history,    since,
                       playPause, stop,    next,       previous,    station,  volume,     status,
                       json,      alarm,   fade,       alarmVolume, goLive,   saveSong,   busActivated});
    parser.addPositionalArgument(
        QStringLiteral("url"),
        QCoreApplication::translate(
            "CommandLine", "Internetstreams of afspeellijsten om te spelen: een adres (http://...) of "
                           "een afspeellijstbestand (.pls, .m3u, .asx, .xspf). Speelt Zeffira al, dan "
                           "speelt het daar; zonder adres komt het venster van Zeffira naar voren."),
        QCoreApplication::translate("CommandLine", "[url|bestand...]"));

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
    if (!parser.positionalArguments().isEmpty() &&
        (parser.isSet(headless) || parser.isSet(list) || parser.isSet(search) || parser.isSet(importFile) ||
         parser.isSet(exportFile) || parser.isSet(history))) {
        err << QCoreApplication::translate("CommandLine", "Onverwacht argument: %1")
                   .arg(parser.positionalArguments().constFirst())
            << "\n"
            << QCoreApplication::translate("CommandLine", "Probeer 'zeffira --help'.") << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was invoked (a path, or "<executable_name>"
        // before the application object exists); users know it by its name.
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        const QString invoked = arguments.isEmpty() ? QString() : arguments.constFirst();
        for (const QString &name : {QStringLiteral("<executable_name>"), invoked}) {
            const qsizetype at = name.isEmpty() ? -1 : text.indexOf(name + QLatin1Char(' '));
            if (at >= 0 && at < lineEnd) {
                text.replace(at, name.size(), QStringLiteral("zeffira"));
                break;
            }
        }
        out << text << filesHelp();
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
    if (parser.isSet(record) && (!parser.isSet(headless) || !parser.isSet(play))) {
        err << QCoreApplication::translate("CommandLine", "--record werkt alleen met --headless en --play.")
            << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(duration)) {
        result.recordDuration = parseSleepMinutes(parser.value(duration));
        if (!parser.isSet(record) || !result.recordDuration) {
            err << (parser.isSet(record)
                        ? QCoreApplication::translate("CommandLine",
                                                      "--duration neemt een aantal minuten groter dan 0 en "
                                                      "hoogstens 1440, niet \"%1\".")
                              .arg(parser.value(duration))
                        : QCoreApplication::translate("CommandLine", "--duration werkt alleen met --record."))
                << "\n";
            result.mode = Mode::Exit;
            result.exitCode = 2;
            return result;
        }
    }
    const int commands = int(parser.isSet(list)) + int(parser.isSet(search)) + int(parser.isSet(importFile)) +
                         int(parser.isSet(exportFile)) + int(parser.isSet(headless)) +
                         int(parser.isSet(history));
    if (commands > 1) {
        err << QCoreApplication::translate("CommandLine", "--list-stations, --search, --import, --export, "
                                                          "--history en --headless gaan één tegelijk.")
            << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(category) && !parser.isSet(importFile) && !parser.isSet(exportFile)) {
        err << QCoreApplication::translate("CommandLine", "--category werkt alleen met --import of --export.")
            << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(since) && !parser.isSet(history)) {
        err << QCoreApplication::translate("CommandLine", "--since werkt alleen met --history.") << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(since)) {
        result.historySince = QDate::fromString(parser.value(since), QStringLiteral("yyyy-MM-dd"));
        if (!result.historySince.isValid()) {
            err << QCoreApplication::translate("CommandLine",
                                               "--since neemt een datum als 2025-03-31, niet \"%1\".")
                       .arg(parser.value(since))
                << "\n";
            result.mode = Mode::Exit;
            result.exitCode = 2;
            return result;
        }
    }
    if (parser.isSet(search) && parser.value(search).trimmed().isEmpty()) {
        err << QCoreApplication::translate("CommandLine", "--search heeft een tekst nodig om naar te zoeken.")
            << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(sleepTimer)) {
        result.sleepTimer = parseSleepMinutes(parser.value(sleepTimer));
        if (!result.sleepTimer) {
            err << QCoreApplication::translate("CommandLine",
                                               "--sleep-timer neemt een aantal minuten groter dan 0 en "
                                               "hoogstens 1440, niet \"%1\".")
                       .arg(parser.value(sleepTimer))
                << "\n";
            result.mode = Mode::Exit;
            result.exitCode = 2;
            return result;
        }
        if (parser.isSet(list) || parser.isSet(search) || parser.isSet(importFile) ||
            parser.isSet(exportFile) || parser.isSet(history)) {
            err << QCoreApplication::translate("CommandLine",
                                               "--sleep-timer gaat niet samen met --list-stations, "
                                               "--search, --import, --export of --history.")
                << "\n";
            result.mode = Mode::Exit;
            result.exitCode = 2;
            return result;
        }
    }
    const QList<std::pair<const QCommandLineOption *, QString>> remoteActions = {
        {&playPause, QStringLiteral("play-pause")},
        {&stop, QStringLiteral("stop")},
        {&next, QStringLiteral("next")},
        {&previous, QStringLiteral("previous")},
        {&station, QStringLiteral("station")},
        {&volume, QStringLiteral("volume")},
        {&goLive, QStringLiteral("go-live")},
        {&saveSong, QStringLiteral("save-song")},
        {&status, QStringLiteral("status")}};
    int remoteCount = 0;
    for (const auto &[option, action] : remoteActions) {
        // With --alarm, --station names the alarm's station.
        if (parser.isSet(*option) && !(option == &station && parser.isSet(alarm))) {
            ++remoteCount;
            result.remoteAction = action;
        }
    }
    const auto usageError = [&](const QString &text) {
        err << text << "\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    };
    if (remoteCount > 1 || (remoteCount == 1 && (commands > 0 || parser.isSet(sleepTimer) ||
                                                 !parser.positionalArguments().isEmpty())))
        return usageError(QCoreApplication::translate(
            "CommandLine", "--play-pause, --stop, --next, --previous, --station, --volume en --status gaan "
                           "één tegelijk en alleen."));
    if (parser.isSet(alarm)) {
        result.alarmAt = parseAlarmTime(parser.value(alarm), QDateTime::currentDateTimeUtc());
        if (!result.alarmAt)
            return usageError(QCoreApplication::translate(
                                  "CommandLine", "--alarm neemt een tijd als 07:30 of een aantal minuten "
                                                 "als +5 (hoogstens +1440), niet \"%1\".")
                                  .arg(parser.value(alarm)));
        if (remoteCount > 0 || (commands > 0 && !parser.isSet(headless)) ||
            !parser.positionalArguments().isEmpty() || (parser.isSet(headless) && parser.isSet(station)))
            return usageError(QCoreApplication::translate(
                "CommandLine", "--alarm gaat alleen samen met --station, of met --headless en --play."));
        // Whole numbers in range, as --volume takes them.
        const auto wholeNumber = [&](const QCommandLineOption &option, int highest) -> std::optional<int> {
            if (!parser.isSet(option))
                return std::nullopt;
            bool ok = false;
            const int number = parser.value(option).trimmed().toInt(&ok);
            return ok && number >= 0 && number <= highest ? std::optional<int>(number) : std::nullopt;
        };
        if (parser.isSet(fade)) {
            const auto seconds = wholeNumber(fade, int(Alarm::maxFade.count()));
            if (!seconds)
                return usageError(
                    QCoreApplication::translate(
                        "CommandLine", "--fade neemt een aantal seconden van 0 tot 3600, niet \"%1\".")
                        .arg(parser.value(fade)));
            result.alarmFade = std::chrono::seconds(*seconds);
        }
        if (parser.isSet(alarmVolume)) {
            result.alarmVolume = wholeNumber(alarmVolume, 100);
            if (!result.alarmVolume)
                return usageError(
                    QCoreApplication::translate(
                        "CommandLine", "--alarm-volume neemt een geheel getal van 0 tot 100, niet \"%1\".")
                        .arg(parser.value(alarmVolume)));
        }
        if (!parser.isSet(headless)) {
            ++remoteCount;
            result.remoteAction = QStringLiteral("alarm");
            result.remoteArgument =
                QVariantMap{{QStringLiteral("at"), result.alarmAt->toString(Qt::ISODateWithMs)},
                            {QStringLiteral("station"), parser.value(station)},
                            {QStringLiteral("fadeSeconds"),
                             qlonglong(result.alarmFade.value_or(Alarm::defaultFade).count())},
                            {QStringLiteral("volume"), result.alarmVolume.value_or(Alarm::defaultVolume)}};
        }
    } else if (parser.isSet(fade) || parser.isSet(alarmVolume)) {
        return usageError(QCoreApplication::translate("CommandLine",
                                                      "--fade en --alarm-volume werken alleen met --alarm."));
    }
    if (parser.isSet(json) && !parser.isSet(status) && !parser.isSet(history))
        return usageError(
            QCoreApplication::translate("CommandLine", "--json werkt alleen met --status of --history."));
    if (parser.isSet(station) && !parser.isSet(alarm)) {
        if (parser.value(station).trimmed().isEmpty())
            return usageError(QCoreApplication::translate("CommandLine", "--station heeft een naam nodig."));
        result.remoteArgument = parser.value(station);
    }
    if (parser.isSet(volume)) {
        bool ok = false;
        const int level = parser.value(volume).trimmed().toInt(&ok);
        if (!ok || level < 0 || level > 100)
            return usageError(QCoreApplication::translate("CommandLine",
                                                          "--volume neemt een geheel getal van 0 tot 100, "
                                                          "niet \"%1\".")
                                  .arg(parser.value(volume)));
        result.remoteArgument = level;
    }
    result.json = parser.isSet(json);
    if (remoteCount == 1)
        result.mode = Mode::Remote;
    else if (parser.isSet(list))
        result.mode = Mode::ListStations;
    else if (parser.isSet(search))
        result.mode = Mode::Search;
    else if (parser.isSet(importFile))
        result.mode = Mode::Import;
    else if (parser.isSet(exportFile))
        result.mode = Mode::Export;
    else if (parser.isSet(headless))
        result.mode = Mode::Headless;
    else if (parser.isSet(history))
        result.mode = Mode::History;
    result.playTarget = parser.value(play);
    result.recordTarget = parser.value(record);
    result.searchText = parser.value(search).trimmed();
    result.file = parser.isSet(importFile) ? parser.value(importFile) : parser.value(exportFile);
    result.category = parser.value(category);
    result.openArguments = parser.positionalArguments();
    result.busActivated = parser.isSet(busActivated);
    return result;
}
