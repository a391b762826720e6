// The stream's own bytes kept on disk behind the live moment, so that a paused station goes on
// where it was left: segment files in one folder, and in memory an index of (byte offset, time,
// title). Capped at the chosen minutes of the stream's measured bit rate, oldest segments dropped
// first, the index's marks with them; it stops growing while the disk has less than minFreeBytes
// free. Memory holds the index only (a mark a second at most), never the audio; the disk holds
// the segments only, so the cap bounds both.
#pragma once

#include <QFile>
#include <QList>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

class TimeshiftBuffer : public QObject
{
    Q_OBJECT
public:
    struct Mark {
        qint64 offset = 0; // bytes since the buffer began
        std::chrono::milliseconds time{0};
        QString title;
    };
    // Below this much free space the buffer stops growing.
    static constexpr qint64 minFreeBytes = 500LL * 1024 * 1024;
    // A segment is the unit the cap drops: small enough that the cap is kept closely.
    static constexpr qint64 segmentBytes = 256 * 1024;
    // The cap waits for this much audio before it trusts the measured bit rate.
    static constexpr std::chrono::milliseconds rateWindow{10000};

    // `freeBytes` tells the free space of the folder's disk (the real one when empty).
    explicit TimeshiftBuffer(const QString &folder, std::function<qint64()> freeBytes = {},
                             QObject *parent = nullptr);
    ~TimeshiftBuffer() override;

    // $XDG_CACHE_HOME/Zeffira/timeshift
    static QString defaultFolder();
    QString folder() const { return m_folder; }
    // Whatever a previous run left in `folder` is stale: removed, the folder itself kept.
    static void removeStale(const QString &folder);

    // 0 turns the buffer off (what is kept is dropped).
    void setMinutes(int minutes);
    int minutes() const { return m_minutes; }
    // A new, empty buffer (a new station).
    void begin();
    // Drops everything.
    void clear();
    // Appends received bytes at stream time `time`, and the title that plays then. False when
    // the bytes were not kept (off, or the disk is low).
    bool append(const QByteArray &bytes, std::chrono::milliseconds time, const QString &title);

    qint64 startOffset() const { return m_startOffset; }
    qint64 endOffset() const { return m_endOffset; }
    std::chrono::milliseconds startTime() const;
    std::chrono::milliseconds endTime() const;
    bool isEmpty() const { return m_endOffset == m_startOffset; }
    bool diskLow() const { return m_diskLow; }
    // The bytes kept on disk now (the cap's measure).
    qint64 sizeOnDisk() const { return m_endOffset - m_startOffset; }
    // The offset that plays at `time` (interpolated between marks), clamped to the buffer.
    qint64 offsetAt(std::chrono::milliseconds time) const;
    std::chrono::milliseconds timeAt(qint64 offset) const;
    // Up to `maxBytes` from `offset` (within the buffer); empty past its end.
    QByteArray read(qint64 offset, qint64 maxBytes) const;
    const QList<Mark> &marks() const { return m_marks; }

    // A song in the buffer: the bytes from its title's change to its end.
    struct Song {
        qint64 from = 0;
        qint64 to = 0;
        QString title;
        // Its start is not in the buffer (it began before the buffer did): `from` is the
        // buffer's start.
        bool cutShort = false;
    };
    // The song that plays at `offset`, up to `offset`; with `previous`, the one before it, whole.
    // Nothing where that stretch announced no title.
    std::optional<Song> songAt(qint64 offset, bool previous) const;

Q_SIGNALS:
    // The disk went below minFreeBytes (true) or has room again (false).
    void diskLowChanged(bool low);

private:
    QString segmentPath(qint64 index) const;
    void trim();

    QString m_folder;
    QFile m_segment; // the segment being written
    std::function<qint64()> m_freeBytes;
    int m_minutes = 30;
    qint64 m_startOffset = 0; // the first byte kept (a segment's start)
    qint64 m_endOffset = 0;
    QList<Mark> m_marks; // ascending; the first one at or before m_startOffset
    bool m_diskLow = false;
    qint64 m_checkedAt = -1; // the offset of the last free-space check
};
