// The rewind buffer on disk: capped at its minutes of the measured rate, stops growing on a low
// disk, finds the bytes of a moment, and leaves nothing stale behind.
#include "playback/TimeshiftBuffer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using std::chrono::milliseconds;

namespace {
constexpr qint64 kRate = 16000; // bytes a second: 128 kbit/s
constexpr qint64 kStep = 1600;  // a tenth of a second

// The byte at stream offset `i` tells where it was: any piece read back shows its origin.
QByteArray bytesFrom(qint64 offset, qint64 size)
{
    QByteArray out(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        out[i] = char((offset + i) * 7 % 251);
    return out;
}

qint64 feed(TimeshiftBuffer &buffer, qint64 seconds, const QString &title = QStringLiteral("Song"))
{
    qint64 kept = 0;
    for (qint64 step = 0; step < seconds * 10; ++step) {
        const qint64 offset = buffer.endOffset();
        kept += buffer.append(bytesFrom(offset, kStep), milliseconds(offset * 1000 / kRate), title) ? 1 : 0;
    }
    return kept;
}

qint64 segmentsOnDisk(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("segment-*")}, QDir::Files).size();
}
} // namespace

class TestTimeshiftBuffer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cappedAtItsMinutes()
    {
        QTemporaryDir dir;
        TimeshiftBuffer buffer(dir.path(), [] { return TimeshiftBuffer::minFreeBytes * 2; });
        buffer.setMinutes(1);
        buffer.begin();
        feed(buffer, 150);
        const qint64 cap = 60 * kRate;
        QVERIFY2(buffer.sizeOnDisk() <= cap && buffer.sizeOnDisk() > cap - TimeshiftBuffer::segmentBytes,
                 qPrintable(QString::number(buffer.sizeOnDisk())));
        // What the folder holds is what the buffer counts: dropped segments are gone from disk,
        // and nothing else there grows with the time played.
        qint64 onDisk = 0;
        for (const QFileInfo &file : QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden))
            onDisk += file.size();
        QCOMPARE(onDisk, buffer.sizeOnDisk());
        QVERIFY(buffer.marks().size() <= 62); // a mark a second, no more
    }

    void findsTheBytesOfAMoment()
    {
        QTemporaryDir dir;
        TimeshiftBuffer buffer(dir.path(), [] { return TimeshiftBuffer::minFreeBytes * 2; });
        buffer.begin();
        feed(buffer, 20, QStringLiteral("First"));
        feed(buffer, 20, QStringLiteral("Second"));
        for (const qint64 second : {0, 7, 19, 33}) {
            const qint64 offset = buffer.offsetAt(milliseconds(second * 1000));
            QCOMPARE(offset, second * kRate);
            QCOMPARE(buffer.read(offset, 5000), bytesFrom(offset, 5000));
            QCOMPARE(buffer.timeAt(offset), milliseconds(second * 1000));
        }
        QCOMPARE(buffer.endTime(), milliseconds(40000));
        // A title change is a mark at the song's first byte.
        const auto second =
            std::find_if(buffer.marks().cbegin(), buffer.marks().cend(),
                         [](const auto &mark) { return mark.title == QLatin1String("Second"); });
        QVERIFY(second != buffer.marks().cend());
        QCOMPARE(second->offset, 20 * kRate);
    }

    void findsASongFromItsTitleChange()
    {
        QTemporaryDir dir;
        TimeshiftBuffer buffer(dir.path(), [] { return TimeshiftBuffer::minFreeBytes * 2; });
        buffer.setMinutes(1);
        buffer.begin();
        // Seconds: [0, 3) before the first title, A [3, 8), B [8, 12), C [12, 14).
        feed(buffer, 3, QString());
        feed(buffer, 5, QStringLiteral("A"));
        feed(buffer, 4, QStringLiteral("B"));
        feed(buffer, 2, QStringLiteral("C"));
        struct Row {
            qint64 at; // seconds
            bool previous;
            const char *title; // nullptr: no song
            qint64 from, to;   // seconds
            bool cutShort;
        };
        const Row rows[] = {
            {14, false, "C", 12, 14, false},
            {14, true, "B", 8, 12, false},
            {10, false, "B", 8, 10, false},
            // A station already playing its song when tuned in: its start is not known.
            {5, false, "A", 3, 5, true},
            {9, true, "A", 3, 8, true},
            {5, true, nullptr, 0, 0, false},
            {1, false, nullptr, 0, 0, false},
        };
        for (const Row &row : rows) {
            const auto song = buffer.songAt(row.at * kRate, row.previous);
            const QString what = QStringLiteral("at %1 s, previous %2").arg(row.at).arg(row.previous);
            QVERIFY2(song.has_value() == (row.title != nullptr), qPrintable(what));
            if (!song)
                continue;
            QCOMPARE(song->title, QLatin1String(row.title));
            QCOMPARE(song->from, row.from * kRate);
            QCOMPARE(song->to, row.to * kRate);
            QVERIFY2(song->cutShort == row.cutShort, qPrintable(what));
        }
        // The cap dropped D's start: D begins at the buffer's start, and says so.
        feed(buffer, 50, QStringLiteral("D"));
        feed(buffer, 5, QStringLiteral("E"));
        QVERIFY(buffer.startOffset() > 14 * kRate);
        const auto cut = buffer.songAt(buffer.endOffset(), true);
        QVERIFY(cut && cut->title == QLatin1String("D") && cut->from == buffer.startOffset() &&
                cut->cutShort);
        QVERIFY(!buffer.songAt(buffer.endOffset(), false)->cutShort);
    }

    void stopsGrowingOnALowDisk()
    {
        QTemporaryDir dir;
        qint64 free = TimeshiftBuffer::minFreeBytes * 2;
        TimeshiftBuffer buffer(dir.path(), [&] { return free; });
        QSignalSpy low(&buffer, &TimeshiftBuffer::diskLowChanged);
        buffer.begin();
        feed(buffer, 20);
        free = TimeshiftBuffer::minFreeBytes - 1;
        feed(buffer, 40);
        QCOMPARE(low.size(), 1);
        QVERIFY(buffer.sizeOnDisk() < 20 * kRate + TimeshiftBuffer::segmentBytes + kStep);
        free = TimeshiftBuffer::minFreeBytes * 2;
        QVERIFY(feed(buffer, 40) > 0);
        QCOMPARE(low.size(), 2);
    }

    void nothingStaleStays()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("timeshift"));
        {
            TimeshiftBuffer buffer(folder, [] { return TimeshiftBuffer::minFreeBytes * 2; });
            buffer.begin();
            feed(buffer, 40);
            QVERIFY(segmentsOnDisk(folder) > 0);
            // A new station starts a new buffer.
            buffer.begin();
            QCOMPARE(segmentsOnDisk(folder), 0);
            QVERIFY(buffer.isEmpty());
            feed(buffer, 40);
        }
        QCOMPARE(segmentsOnDisk(folder), 0); // gone with the buffer
        // What a crashed run left: removed at the next start, the folder kept.
        QDir(folder).mkpath(QStringLiteral("odd/inner"));
        QFile leftover(folder + QStringLiteral("/segment-00000003.bin"));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();
        TimeshiftBuffer::removeStale(folder);
        QVERIFY(QDir(folder).exists());
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
};

QTEST_GUILESS_MAIN(TestTimeshiftBuffer)
#include "tst_timeshiftbuffer.moc"
