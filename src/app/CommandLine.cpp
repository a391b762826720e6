#include "CommandLine.h"

#include "base/AppInfo.h"

#include <QCommandLineParser>
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
    const QCommandLineOption sleepTimer(
        QStringLiteral("sleep-timer"),
        QStringLiteral("Pause after this many minutes (up to 1440; fractions such as 0.5 are allowed and "
                       "count in whole seconds), fading out over the last 30 seconds. With --headless "
                       "the program then exits; in the tray it is the tray menu's sleep timer."),
        QStringLiteral("minutes"));
    const QCommandLineOption search(
        QStringLiteral("search"),
        QStringLiteral("Search the public station directory for stations whose name "
                       "contains this text, print them and exit."),
        QStringLiteral("text"));
    const QCommandLineOption importFile(
        QStringLiteral("import"),
        QStringLiteral("Add the stations of this file (.m3u, .m3u8, .pls, .xspf or .json) to the catalogue "
                       "and exit."),
        QStringLiteral("file"));
    const QCommandLineOption exportFile(QStringLiteral("export"),
                                        QStringLiteral("Write the catalogue to this file (.m3u, .m3u8, .pls, "
                                                       ".xspf or .json) and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption category(QStringLiteral("category"),
                                      QStringLiteral("With --import: put every station in this category "
                                                     "(default: the file's own categories, else one named "
                                                     "after the file). With --export: write only this "
                                                     "category."),
                                      QStringLiteral("name"));
    parser.addOptions({help, version, list, headless, play, sleepTimer, search, importFile, exportFile, category});

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
    const int commands = int(parser.isSet(list)) + int(parser.isSet(search)) + int(parser.isSet(importFile)) +
                         int(parser.isSet(exportFile)) + int(parser.isSet(headless));
    if (commands > 1) {
        err << "--list-stations, --search, --import, --export and --headless go one at a time.\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(category) && !parser.isSet(importFile) && !parser.isSet(exportFile)) {
        err << "--category needs --import or --export.\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(search) && parser.value(search).trimmed().isEmpty()) {
        err << "--search needs a text to look for.\n";
        result.mode = Mode::Exit;
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(sleepTimer)) {
        result.sleepTimer = parseSleepMinutes(parser.value(sleepTimer));
        if (!result.sleepTimer) {
            err << "--sleep-timer takes a number of minutes greater than 0 and at most 1440, not \""
                << parser.value(sleepTimer) << "\".\n";
            result.mode = Mode::Exit;
            result.exitCode = 2;
            return result;
        }
        if (parser.isSet(list) || parser.isSet(search) || parser.isSet(importFile) || parser.isSet(exportFile)) {
            err << "--sleep-timer does not go with --list-stations, --search, --import or --export.\n";
            result.mode = Mode::Exit;
            result.exitCode = 2;
            return result;
        }
    }
    if (parser.isSet(list))
        result.mode = Mode::ListStations;
    else if (parser.isSet(search))
        result.mode = Mode::Search;
    else if (parser.isSet(importFile))
        result.mode = Mode::Import;
    else if (parser.isSet(exportFile))
        result.mode = Mode::Export;
    else if (parser.isSet(headless))
        result.mode = Mode::Headless;
    result.playTarget = parser.value(play);
    result.searchText = parser.value(search).trimmed();
    result.file = parser.isSet(importFile) ? parser.value(importFile) : parser.value(exportFile);
    result.category = parser.value(category);
    return result;
}
