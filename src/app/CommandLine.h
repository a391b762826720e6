// What the command line asks for. Parsing lives here so that main() stays a dispatcher.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <chrono>
#include <optional>

struct CommandLine {
    enum class Mode { Tray, Headless, ListStations, Search, Import, Export, History, Remote, Exit };

    Mode mode = Mode::Tray;
    QString playTarget; // --play: a station name or a URL
    // --sleep-timer: pause after this long (whole seconds; the option takes minutes, fractions
    // allowed).
    std::optional<std::chrono::milliseconds> sleepTimer;
    // --record: the file (or folder) a headless player records the station to; --duration: for
    // how long (whole seconds; the option takes minutes, fractions allowed), else until it ends.
    QString recordTarget;
    std::optional<std::chrono::milliseconds> recordDuration;
    QString searchText; // --search
    QString file;       // --import, --export
    QString category;   // --category: where --import puts the stations, what --export writes
    // Mode::Remote: the running player's action ("play-pause", "station", ...; "status" asks
    // for its state) and the action's argument, if any.
    QString remoteAction;
    QVariant remoteArgument;
    QDate historySince; // --since: the first day --history prints (local time); invalid for all
    bool json = false;  // --json: --status and --history print JSON
    // --alarm: the moment of a one-off alarm (in the running player, or with --headless here).
    std::optional<QDateTime> alarmAt;
    // --fade, --alarm-volume: that alarm's fade-in and the volume (0 to 100) it fades in to.
    std::optional<std::chrono::seconds> alarmFade;
    std::optional<int> alarmVolume;
    // Links and local playlist files to play (the desktop entry's %U), as given.
    QStringList openArguments;
    // Started by the session bus for the desktop, which says next what it wants (Activate or
    // Open): nothing is shown before that.
    bool busActivated = false;
    int exitCode = 0; // for Mode::Exit (help, version, usage errors)

    static constexpr double maxSleepMinutes = 1440;

    // Parses `arguments` (argv as text); help, version and errors are printed here.
    static CommandLine parse(const QStringList &arguments);
    // "30", "0.5": minutes up to a day, at least a second, rounded to whole seconds; nothing
    // for anything else.
    static std::optional<std::chrono::milliseconds> parseSleepMinutes(const QString &text);
    // "07:30": the next time the local clock shows it after `now`; "+5", "+0.2": that many
    // minutes (up to a day, at least a second) from `now`. Nothing for anything else.
    static std::optional<QDateTime> parseAlarmTime(const QString &text, const QDateTime &now);
};
