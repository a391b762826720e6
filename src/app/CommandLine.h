// What the command line asks for. Parsing lives here so that main() stays a dispatcher.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Mode { Tray, Headless, ListStations, Exit };

    Mode mode = Mode::Tray;
    QString playTarget; // --play: a station name or a URL
    // Links and local playlist files to play (the desktop entry's %U), as given.
    QStringList openArguments;
    // Started by the session bus for the desktop, which says next what it wants (Activate or
    // Open): nothing is shown before that.
    bool busActivated = false;
    int exitCode = 0; // for Mode::Exit (help, version, usage errors)

    // Parses `arguments` (argv as text); help, version and errors are printed here.
    static CommandLine parse(const QStringList &arguments);
};
