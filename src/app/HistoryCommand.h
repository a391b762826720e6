// `zeffira --history`: prints the heard songs from the history file without starting the player,
// read as another process would while the program writes.
#pragma once

#include <QDate>

namespace HistoryCommand {
// Oldest first, from `since` (local day; all when invalid): one song a line, its local time (ISO
// 8601 with offset), station, artist and title separated by tabs, or a JSON array with `json`.
// 0 also when nothing was heard yet; 1 when the file cannot be read.
int print(const QDate &since, bool json);
} // namespace HistoryCommand
