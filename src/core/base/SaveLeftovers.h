// Leftovers of atomic saves that were cut off (a kill between writing the temporary file and
// renaming it over the real one): QSaveFile's "<name>.XXXXXX" beside the file, or beside its
// symlink's target, where the save happened.
#pragma once

#include <QString>

namespace SaveLeftovers {
// Removes the leftovers of saves of `filePath`; call it holding the file's lock, so that no save
// of ours is under way. A name that reads as a word ("stations.json.backup", ".BACKUP",
// ".Backup") is the user's own and stays. Returns how many were removed.
int remove(const QString &filePath);
} // namespace SaveLeftovers
