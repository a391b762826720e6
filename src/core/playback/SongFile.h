// A piece of a stream's own bytes as a file of its own: cut on frame boundaries (MPEG audio and
// AAC in ADTS), so that no player meets half a frame at either end, and tagged with an ID3v2.4
// tag (artist, title, station, date) that players read on both. Nothing is re-encoded.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <functional>

namespace SongFile {

enum class Kind { Unknown, Mpeg, Adts };

// The framing of a stream of `mediaType` (GStreamer's caps name, with its mpegversion).
Kind kindFor(const QString &mediaType, int mpegVersion);
// The file name extension for it ("mp3", "aac"); empty where songs cannot be cut.
QString extension(Kind kind);

// The length of the frame whose header starts at `data` (`size` bytes are there), 0 when no valid
// header starts there.
int frameLength(Kind kind, const uchar *data, qsizetype size);

struct Tags {
    QString artist;
    QString title;
    QString station;
    QDate date;
};
QByteArray id3Tag(const Tags &tags);

// Writes the frames of [from, to) that `read(offset, maxBytes)` returns, whole frames only, through
// `write` (false stops it). A frame counts as found when the next one follows it where its length
// says (or it ends at `to`), so that a stray sync word inside the audio does not start the file.
// Returns the bytes of audio written; -1 when `write` failed.
qint64 writeFrames(Kind kind, qint64 from, qint64 to, const std::function<QByteArray(qint64, qint64)> &read,
                   const std::function<bool(const QByteArray &)> &write);

} // namespace SongFile
