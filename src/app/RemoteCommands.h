// The command line's remote options: the running player (the one that owns the app id on the
// session bus) does the action or reports its state; nothing is started for them.
#pragma once

struct CommandLine;

namespace RemoteCommands {

// 0 when the player took the action (or answered the status), 1 when no player runs, the bus
// cannot be reached or the player refused (the reason on stderr).
int run(const CommandLine &command);

} // namespace RemoteCommands
