// What counts as a song among the texts a station announces, and how "Artist - Title" splits.
// Pure functions; the rule about a station's slogan needs the play's past and lives in
// HistoryRecorder.
#pragma once

#include <QString>
#include <optional>

struct Song {
    QString artist; // empty when the text names none
    QString title;
};

namespace SongRules {

// An artist-less text announced this often in one play is the station's own slogan, not a song.
inline constexpr int sloganAnnouncements = 3;

// The song in `text` (already cleaned), or nothing when it is empty, only punctuation, the
// station's own name, or an advertising marker. "Artist - Title" splits at the first " - " (or
// en or em dash between spaces); with one side empty, the other is the title.
std::optional<Song> song(const QString &text, const QString &stationName);

// What "Kopieer titel" copies of an announced text: the song as "Artist - Title" (the history's
// form, whatever dash the station used), else the text itself, trimmed.
QString copyText(const QString &text, const QString &stationName);

// The form two announcements are compared in: case and runs of spaces do not count.
QString comparable(const QString &text);

} // namespace SongRules
