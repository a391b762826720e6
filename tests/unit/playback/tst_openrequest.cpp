// What a link or file handed to the program turns into: network links pass as they are, a local
// playlist file yields its network entries, and everything else is refused with a reason.
#include "playback/OpenRequest.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestOpenRequest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resolve_data()
    {
        QTest::addColumn<QString>("argument"); // "@" stands for the temporary folder
        QTest::addColumn<bool>("localFiles");
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("refusalMentions"); // empty: no refusal

        const QStringList remote{"http://a.example/live"};
        QTest::newRow("stream link") << "http://a.example/live" << false << remote << "";
        QTest::newRow("playlist link, spaces around")
            << " https://b.example/x.pls " << false << QStringList{"https://b.example/x.pls"} << "";
        QTest::newRow("passwd as URI, media controls")
            << "file:///etc/passwd" << false << QStringList{} << "file:///etc/passwd";
        QTest::newRow("other scheme") << "ftp://a.example/x.mp3" << true << QStringList{} << "ftp://";
        QTest::newRow("no host") << "http:///live" << true << QStringList{} << "http:///live";
        QTest::newRow("local PLS by path")
            << "@/list.pls" << true << QStringList{"http://a.example/live", "http://b.example/"} << "";
        QTest::newRow("local PLS as file URI")
            << "file://@/list.pls" << true << QStringList{"http://a.example/live", "http://b.example/"} << "";
        QTest::newRow("relative path")
            << "list.pls" << true << QStringList{"http://a.example/live", "http://b.example/"} << "";
        QTest::newRow("local file refused for media controls")
            << "@/list.pls" << false << QStringList{} << "list.pls";
        QTest::newRow("M3U of local files only") << "@/local.m3u" << true << QStringList{} << "local.m3u";
        QTest::newRow("audio file") << "@/song.mp3" << true << QStringList{} << "song.mp3";
        QTest::newRow("local HLS") << "@/live.m3u8" << true << QStringList{} << "live.m3u8";
        QTest::newRow("missing file") << "@/gone.pls" << true << QStringList{} << "gone.pls";
        QTest::newRow("folder") << "@" << true << QStringList{} << "Kan";
        QTest::newRow("system file") << "/etc/passwd" << true << QStringList{} << "passwd";
        QTest::newRow("UTF-16, CR line ends, as an import reads it")
            << "@/utf16.pls" << true << QStringList{"http://a.example/live"} << "";
        QTest::newRow("a FIFO is refused, not waited on")
            << "@/fifo.m3u" << true << QStringList{} << "openen";
    }

    void resolve()
    {
        QFETCH(QString, argument);
        QFETCH(bool, localFiles);
        QFETCH(QStringList, urls);
        QFETCH(QString, refusalMentions);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto utf16le = [](const char *text) {
            QByteArray bytes("\xff\xfe");
            for (const char *c = text; *c; ++c)
                bytes += QByteArray(c, 1) + QByteArray(1, '\0');
            return bytes;
        };
        const QList<std::pair<const char *, QByteArray>> files{
            {"list.pls",
             "[playlist]\nFile1=http://a.example/live\nFile2=/home/x.mp3\nFile3=http://b.example/\n"},
            {"local.m3u", "#EXTM3U\n/music/a.mp3\nfile:///music/b.ogg\n"},
            {"song.mp3", QByteArray("ID3\x04\0\0\0\0\0\0\xff\xfb\x90\x64", 14)},
            {"live.m3u8", "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\nseg.ts\n"},
            {"utf16.pls", utf16le("[playlist]\rFile1=http://a.example/live\r")}};
        for (const auto &[name, bytes] : files) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.m3u"))).constData(), 0600) == 0);
        argument.replace(QLatin1Char('@'), dir.path());

        const OpenRequest request = OpenRequest::resolve(argument, dir.path(), localFiles);
        QCOMPARE(request.urls, urls);
        if (refusalMentions.isEmpty())
            QVERIFY2(request.refusal.isEmpty(), qPrintable(request.refusal));
        else
            QVERIFY2(request.refusal.contains(refusalMentions), qPrintable(request.refusal));
    }

    void oversizedFileIsNotRead()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("big.pls")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[playlist]\nFile1=http://a.example/\n");
        QVERIFY(file.resize(OpenRequest::maxPlaylistFileSize + 1));
        file.close();
        const OpenRequest request = OpenRequest::resolve(file.fileName(), dir.path(), true);
        QVERIFY(request.urls.isEmpty());
        QVERIFY(!request.refusal.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOpenRequest)
#include "tst_openrequest.moc"
