// A song cut out of the stream's bytes: whole frames only, from the first real frame (a stray
// sync word in what comes before is not taken for one) to the last frame that ends before the
// cut; and its tag as ID3v2.4 with UTF-8 texts.
#include "playback/SongFile.h"

#include <QTest>

namespace {
// A frame of `length` bytes: `header`, then its number and filler that holds no sync byte.
QByteArray frame(const QByteArray &header, int length, int number)
{
    QByteArray out = header;
    out.append(char(number));
    while (out.size() < length)
        out.append(char(out.size() % 200));
    return out;
}

// An Ogg page of `body` bytes (no CRC: nothing here checks it).
QByteArray oggPage(bool begins, qint64 granule, int body, char fill)
{
    QByteArray page("OggS", 4);
    page.append(char(0)).append(char(begins ? 0x02 : 0));
    for (int i = 0; i < 8; ++i)
        page.append(char((granule >> (8 * i)) & 0xFF));
    page.append(QByteArray(12, '\0')).append(char((body + 254) / 255));
    for (int left = body; left > 0; left -= 255)
        page.append(char(std::min(left, 255)));
    return page + QByteArray(body, fill);
}

QByteArray adtsHeader(int length)
{
    const char bytes[] = {char(0xFF),
                          char(0xF1),
                          char(0x50),
                          char(0x80 | ((length >> 11) & 3)),
                          char((length >> 3) & 0xFF),
                          char(((length & 7) << 5) | 0x1F),
                          char(0xFC)};
    return QByteArray(bytes, 7);
}
} // namespace

class TestSongFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cutsOnFrameBoundaries_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("length");
        // MPEG-1 layer III, 128 kbit/s, 44.1 kHz: 417 bytes a frame.
        QTest::newRow("mp3") << int(SongFile::Kind::Mpeg) << QByteArray("\xFF\xFB\x90\x00", 4) << 417;
        QTest::newRow("adts") << int(SongFile::Kind::Adts) << adtsHeader(300) << 300;
    }
    void cutsOnFrameBoundaries()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, header);
        QFETCH(int, length);
        // The cut begins in the middle of a frame that holds what looks like a header.
        QByteArray stream = QByteArray(37, 'x') + header + QByteArray(60, 'y');
        QByteArray frames;
        for (int i = 0; i < 200; ++i)
            frames += frame(header, length, i);
        stream += frames;
        const qint64 first = 37 + header.size() + 60;
        // Ends in the middle of frame 150.
        const qint64 to = first + 150 * length + length / 2;
        QByteArray out;
        const qint64 written = SongFile::writeFrames(
            SongFile::Kind(kind), 0, to, [&](qint64 offset, qint64 size) { return stream.mid(offset, size); },
            [&](const QByteArray &bytes) {
                out += bytes;
                return true;
            });
        QCOMPARE(written, qint64(150 * length));
        QVERIFY(out == frames.left(150 * length));
        QCOMPARE(SongFile::frameLength(SongFile::Kind(kind),
                                       reinterpret_cast<const uchar *>(header.constData()),
                                       header.size() + 4),
                 length);
    }

    // A chained Ogg stream: each logical stream's header pages, found whatever the pieces it
    // arrives in, are the ones a piece from a later offset needs in front.
    void oggHeadersOfEachStream()
    {
        const QByteArray first = oggPage(true, 0, 30, 'a') + oggPage(false, 0, 600, 'b');
        const QByteArray second = oggPage(true, 0, 30, 'c') + oggPage(false, 0, 300, 'd');
        QByteArray stream = first;
        for (int i = 1; i <= 5; ++i)
            stream += oggPage(false, i * 1024, 700, 'x');
        const qint64 secondAt = stream.size();
        stream += second;
        for (int i = 1; i <= 5; ++i)
            stream += oggPage(false, i * 1024, 700, 'y');
        SongFile::OggHeaders headers;
        for (qint64 at = 0; at < stream.size(); at += 333)
            headers.take(stream.mid(at, 333), at);
        QCOMPARE(headers.at(first.size() + 100), first);
        QCOMPARE(headers.at(stream.size() - 1), second);
        headers.dropBefore(secondAt + 10);
        QCOMPARE(headers.at(secondAt), second);
        // Mid-page, the first whole page that another follows.
        QCOMPARE(SongFile::firstFrame(SongFile::Kind::Ogg, stream.mid(first.size() + 5)),
                 qsizetype(oggPage(false, 1024, 700, 'x').size() - 5));
    }

    void tagsAsId3()
    {
        const QByteArray tag = SongFile::id3Tag({QStringLiteral("Artiest é"), QStringLiteral("Titel"),
                                                 QStringLiteral("Radio"), QDate(2026, 12, 9)});
        QVERIFY(tag.startsWith(QByteArray("ID3\x04\x00\x00", 6)));
        // The size after the header, synchsafe.
        const int size = (tag[6] << 21) | (tag[7] << 14) | (tag[8] << 7) | tag[9];
        QCOMPARE(size, tag.size() - 10);
        const QByteArray artist = QByteArray("TPE1") + QByteArray("\x00\x00\x00\x0B\x00\x00\x03", 7) +
                                  QStringLiteral("Artiest é").toUtf8();
        QVERIFY(tag.contains(artist));
        QVERIFY(tag.contains("TDRC"));
        QVERIFY(tag.contains("2026-12-09"));
    }
};

QTEST_GUILESS_MAIN(TestSongFile)
#include "tst_songfile.moc"
