#include "playback/TimeshiftBuffer.h"

#include "base/Logging.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>

using std::chrono::milliseconds;

TimeshiftBuffer::TimeshiftBuffer(const QString &folder, std::function<qint64()> freeBytes, QObject *parent)
    : QObject(parent), m_folder(folder), m_freeBytes(std::move(freeBytes))
{
    if (!m_freeBytes)
        m_freeBytes = [this] { return QStorageInfo(m_folder).bytesAvailable(); };
}

TimeshiftBuffer::~TimeshiftBuffer()
{
    clear();
}

QString TimeshiftBuffer::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Zeffira/timeshift");
}

void TimeshiftBuffer::removeStale(const QString &folder)
{
    QDir dir(folder);
    if (!dir.exists())
        return;
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        // A folder in it is removed whole; a link is removed, never followed.
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
    if (!names.isEmpty())
        qCInfo(lcPlayer, "Removed a stale rewind buffer (%lld files)", qlonglong(names.size()));
}

void TimeshiftBuffer::setMinutes(int minutes)
{
    m_minutes = std::max(0, minutes);
    if (m_minutes == 0)
        clear();
    else
        trim();
}

void TimeshiftBuffer::begin()
{
    clear();
    QDir().mkpath(m_folder);
}

void TimeshiftBuffer::clear()
{
    m_segment.close();
    m_segment.setFileName(QString());
    for (qint64 index = m_startOffset / segmentBytes; index * segmentBytes < m_endOffset; ++index)
        QFile::remove(segmentPath(index));
    m_startOffset = m_endOffset = 0;
    m_marks.clear();
    m_checkedAt = -1;
    if (m_diskLow) {
        m_diskLow = false;
        Q_EMIT diskLowChanged(false);
    }
}

QString TimeshiftBuffer::segmentPath(qint64 index) const
{
    return QDir(m_folder).filePath(QStringLiteral("segment-%1.bin").arg(index, 8, 10, QLatin1Char('0')));
}

bool TimeshiftBuffer::append(const QByteArray &bytes, milliseconds time, const QString &title)
{
    if (m_minutes == 0 || bytes.isEmpty())
        return false;
    // Asked about once a segment (and while low, until there is room): a statfs per received
    // block would be wasted.
    if (m_diskLow || m_checkedAt < 0 || m_endOffset - m_checkedAt >= segmentBytes) {
        m_checkedAt = m_endOffset;
        const bool low = m_freeBytes() < minFreeBytes;
        if (low != m_diskLow) {
            m_diskLow = low;
            if (low)
                qCWarning(lcPlayer, "Rewind buffer: less than 500 MB free on disk, it stops growing");
            Q_EMIT diskLowChanged(low);
        }
    }
    if (m_diskLow)
        return false;
    // A mark a second, and one at every title change: enough to find a moment and a song's
    // start, and the index stays small.
    if (m_marks.isEmpty() || m_marks.constLast().title != title ||
        time - m_marks.constLast().time >= milliseconds(1000)) {
        const Mark mark{m_endOffset, time, title};
        m_marks.append(mark);
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 index = m_endOffset / segmentBytes;
        const qint64 room = (index + 1) * segmentBytes - m_endOffset;
        const qsizetype take = qsizetype(std::min<qint64>(room, bytes.size() - written));
        // The segment being written stays open: an open and a close for each block received
        // would cost more than the write.
        if (m_segment.fileName() != segmentPath(index)) {
            m_segment.close();
            m_segment.setFileName(segmentPath(index));
            if (!m_segment.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
                qCWarning(lcPlayer, "Rewind buffer: cannot write %s: %s",
                          qUtf8Printable(m_segment.fileName()), qUtf8Printable(m_segment.errorString()));
                m_segment.setFileName(QString());
                return false;
            }
        }
        if (m_segment.write(bytes.constData() + written, take) != take) {
            qCWarning(lcPlayer, "Rewind buffer: cannot write %s: %s", qUtf8Printable(m_segment.fileName()),
                      qUtf8Printable(m_segment.errorString()));
            return false;
        }
        written += take;
        m_endOffset += take;
    }
    trim();
    return true;
}

void TimeshiftBuffer::trim()
{
    if (m_marks.isEmpty())
        return;
    const milliseconds span = m_marks.constLast().time - m_marks.constFirst().time;
    if (span < rateWindow)
        return;
    // The measured bit rate, over what is kept.
    const double bytesPerMs =
        double(m_marks.constLast().offset - m_marks.constFirst().offset) / double(span.count());
    const auto cap = qint64(bytesPerMs * 60000.0 * m_minutes);
    while (m_endOffset - m_startOffset > cap) {
        const qint64 index = m_startOffset / segmentBytes;
        const qint64 next = (index + 1) * segmentBytes;
        if (next > m_endOffset)
            break; // the segment being written stays
        QFile::remove(segmentPath(index));
        m_startOffset = next;
    }
    // The marks before the start go, but the last of them stays: it dates the first byte.
    while (m_marks.size() > 1 && m_marks.at(1).offset <= m_startOffset)
        m_marks.removeFirst();
}

milliseconds TimeshiftBuffer::startTime() const
{
    return timeAt(m_startOffset);
}

milliseconds TimeshiftBuffer::endTime() const
{
    return timeAt(m_endOffset);
}

milliseconds TimeshiftBuffer::timeAt(qint64 offset) const
{
    if (m_marks.isEmpty())
        return milliseconds(0);
    auto after = std::upper_bound(m_marks.cbegin(), m_marks.cend(), offset,
                                  [](qint64 value, const Mark &mark) { return value < mark.offset; });
    if (after == m_marks.cbegin())
        return m_marks.constFirst().time;
    const Mark &before = *(after - 1);
    // Past the last mark: at its rate so far, measured from the first.
    const Mark &next = after != m_marks.cend() ? *after : m_marks.constLast();
    const Mark &from = after != m_marks.cend() ? before : m_marks.constFirst();
    if (next.offset == from.offset)
        return before.time;
    const double fraction = double(offset - from.offset) / double(next.offset - from.offset);
    return from.time + milliseconds(qint64(fraction * double((next.time - from.time).count())));
}

qint64 TimeshiftBuffer::offsetAt(milliseconds time) const
{
    if (m_marks.isEmpty())
        return m_endOffset;
    auto after = std::upper_bound(m_marks.cbegin(), m_marks.cend(), time,
                                  [](milliseconds value, const Mark &mark) { return value < mark.time; });
    qint64 offset = 0;
    if (after == m_marks.cbegin()) {
        offset = m_startOffset;
    } else {
        const Mark &before = *(after - 1);
        const qint64 nextOffset = after != m_marks.cend() ? after->offset : m_endOffset;
        const milliseconds nextTime = after != m_marks.cend() ? after->time : endTime();
        offset = nextTime > before.time ? before.offset + qint64(double(nextOffset - before.offset) *
                                                                 double((time - before.time).count()) /
                                                                 double((nextTime - before.time).count()))
                                        : before.offset;
    }
    return std::clamp(offset, m_startOffset, m_endOffset);
}

QByteArray TimeshiftBuffer::read(qint64 offset, qint64 maxBytes) const
{
    QByteArray out;
    offset = std::max(offset, m_startOffset);
    while (offset < m_endOffset && out.size() < maxBytes) {
        const qint64 index = offset / segmentBytes;
        QFile segment(segmentPath(index));
        if (!segment.open(QIODevice::ReadOnly) || !segment.seek(offset - index * segmentBytes))
            break;
        const QByteArray chunk =
            segment.read(std::min(maxBytes - out.size(), (index + 1) * segmentBytes - offset));
        if (chunk.isEmpty())
            break;
        out += chunk;
        offset += chunk.size();
    }
    return out;
}

std::optional<TimeshiftBuffer::Song> TimeshiftBuffer::songAt(qint64 offset, bool previous) const
{
    if (m_marks.isEmpty() || isEmpty())
        return std::nullopt;
    offset = std::clamp(offset, m_startOffset, m_endOffset);
    auto after = std::upper_bound(m_marks.cbegin(), m_marks.cend(), offset,
                                  [](qint64 value, const Mark &mark) { return value < mark.offset; });
    qsizetype last = std::max<qsizetype>(0, (after - m_marks.cbegin()) - 1);
    // The first mark of the run of marks that share the title of mark `index`.
    const auto runStart = [this](qsizetype index) {
        while (index > 0 && m_marks.at(index - 1).title == m_marks.at(index).title)
            --index;
        return index;
    };
    qsizetype first = runStart(last);
    qint64 to = offset;
    if (previous) {
        if (first == 0)
            return std::nullopt;
        to = m_marks.at(first).offset;
        last = first - 1;
        first = runStart(last);
    }
    const QString title = m_marks.at(last).title;
    // Before the first title announced, a station that was already playing that song.
    bool changeKept = false;
    for (qsizetype i = 0; i < first && !changeKept; ++i)
        changeKept = !m_marks.at(i).title.isEmpty();
    const qint64 from = std::max(m_marks.at(first).offset, m_startOffset);
    if (title.isEmpty() || to <= from)
        return std::nullopt;
    return Song{from, to, title, !changeKept || m_marks.at(first).offset < m_startOffset};
}
