// A piece of a stream's own bytes as a file of its own: cut on frame boundaries (MPEG audio and
// AAC in ADTS; Ogg on its pages), so that no player meets half a frame at either end, and (MPEG
// and ADTS) tagged with an ID3v2.4 tag (artist, title, station, date) that players read on both.
// Nothing is re-encoded.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <functional>

namespace SongFile {

enum class Kind { Unknown, Mpeg, Adts, Ogg };

// The framing of a stream of `mediaType` (GStreamer's caps name, with its mpegversion).
Kind kindFor(const QString &mediaType, int mpegVersion);
// The file name extension for it ("mp3", "aac", "ogg"); empty where songs cannot be cut.
QString extension(Kind kind);

// The length of the frame whose header starts at `data` (`size` bytes are there), 0 when no valid
// header starts there.
int frameLength(Kind kind, const uchar *data, qsizetype size);

// Where the first frame in `data` begins: one followed by another where its length says (a sync
// word inside the audio is not taken for one); -1 when none is there.
qsizetype firstFrame(Kind kind, const QByteArray &data);

struct Tags {
    QString artist;
    QString title;
    QString station;
    QDate date;
};
QByteArray id3Tag(const Tags &tags);

// An Ogg page at `data`: whether it begins a logical stream (BOS) and its granule position.
struct OggPage {
    int length = 0; // 0: no page starts there (or its header is not all there)
    bool begins = false;
    qint64 granule = 0;
};
OggPage oggPage(const uchar *data, qsizetype size);

// The pages that carry an Ogg stream's headers (the decoder's set-up), gathered as the stream
// arrives: a stream's first page (BOS) and the pages after it with granule position 0. A chained
// stream (a new logical stream at each title, as some servers send) gets its own; each is kept
// with the stream offset where its stream began, for playing or cutting from later on.
class OggHeaders
{
public:
    // The bytes received at stream offset `offset`.
    void take(const QByteArray &bytes, qint64 offset);
    // The headers in effect at `offset` (empty when none).
    QByteArray at(qint64 offset) const;
    // Headers of streams that began before `offset` are dropped, but the one in effect there.
    void dropBefore(qint64 offset);
    void clear();

private:
    struct Chain {
        qint64 offset;
        QByteArray headers;
    };
    QList<Chain> m_chains;
    QByteArray m_carry; // a page not yet whole
    qint64 m_carryOffset = 0;
    bool m_gathering = false;
};

// Writes the frames of [from, to) that `read(offset, maxBytes)` returns, whole frames only, through
// `write` (false stops it). A frame counts as found when the next one follows it where its length
// says (or it ends at `to`), so that a stray sync word inside the audio does not start the file.
// Returns the bytes of audio written; -1 when `write` failed.
qint64 writeFrames(Kind kind, qint64 from, qint64 to, const std::function<QByteArray(qint64, qint64)> &read,
                   const std::function<bool(const QByteArray &)> &write);

} // namespace SongFile
