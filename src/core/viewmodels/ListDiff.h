// How an old list became a new one as far as the settings' list models can say cheaply: rows
// taken out, rows kept (in order), rows added at the end. Always exact, even when it is not
// the smallest description; models fall back to a reset when nothing was kept.
#pragma once

#include <QList>

struct ListDiff {
    QList<qsizetype> removed;   // indices into the old list, ascending
    QList<qsizetype> kept;      // indices into the old list; the n-th kept row is new row n
    qsizetype appendedFrom = 0; // new rows from here on are additions

    // Walks both lists once: an old row matching the next new row is kept, any other is taken
    // out, and the new rows left over are additions.
    template <typename T, typename Same>
    static ListDiff compute(const QList<T> &before, const QList<T> &after, Same same)
    {
        ListDiff diff;
        qsizetype next = 0;
        for (qsizetype i = 0; i < before.size(); ++i) {
            if (next < after.size() && same(before.at(i), after.at(next))) {
                diff.kept.append(i);
                ++next;
            } else {
                diff.removed.append(i);
            }
        }
        diff.appendedFrom = next;
        return diff;
    }
};
