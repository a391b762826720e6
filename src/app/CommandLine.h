// What the command line asks for. Parsing lives here so that main() stays a dispatcher.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Mode { Tray, Headless, ListStations, Search, Import, Export, Exit };

    Mode mode = Mode::Tray;
    QString playTarget; // --play: a station name or a URL
    QString searchText; // --search
    QString file;       // --import, --export
    QString category;   // --category: where --import puts the stations, what --export writes
    int exitCode = 0;   // for Mode::Exit (help, version, usage errors)

    // Parses `arguments` (argv as text); help, version and errors are printed here.
    static CommandLine parse(const QStringList &arguments);
};
