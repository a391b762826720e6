// One file, both uses: what a playlist file opened from the desktop plays and what the same file
// imported adds. Each row is a case where the player's and the import's readers once disagreed,
// or an encoding or line end neither read; where the two still differ, it is the use's own rule
// (only http and https stations are kept, a broken file is not imported in part).
#include "catalogue/StationFile.h"
#include "playback/PlaylistParser.h"

#include <QTest>

class TestPlaylistReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bothUses_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("played");   // "url | title", then "!" + each refusal
        QTest::addColumn<QStringList>("imported"); // "category|name|url@line", "!line:text"; {} for an error

        const QString m3u = QStringLiteral("#EXTM3U\n#EXTINF:-1,Een\nhttp://a.example/1\n"
                                           "#EXTINF:-1,Twee\nhttp://b.example/2\n");
        const QString pls = QStringLiteral("[playlist]\nFile1=http://a.example/1\nTitle1=Een\n"
                                           "File2=http://b.example/2\nTitle2=Twee\n");
        const QStringList played{"http://a.example/1 | Een", "http://b.example/2 | Twee"};
        const QStringList fromM3u{"|Een|http://a.example/1@3", "|Twee|http://b.example/2@5"};
        const QStringList fromPls{"|Een|http://a.example/1@2", "|Twee|http://b.example/2@4"};
        auto utf16 = [](const QString &text, bool littleEndian) {
            QByteArray bytes(littleEndian ? "\xff\xfe" : "\xfe\xff");
            for (QChar c : text) {
                const char low = char(c.unicode() & 0xff);
                const char high = char(c.unicode() >> 8);
                bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
            }
            return bytes;
        };

        QTest::newRow("UTF-16 LE M3U") << "x.m3u" << utf16(m3u, true) << played << fromM3u;
        QTest::newRow("UTF-16 BE PLS") << "x.pls" << utf16(pls, false) << played << fromPls;
        QTest::newRow("CR line ends")
            << "x.m3u" << QString(m3u).replace('\n', '\r').toUtf8() << played << fromM3u;
        QTest::newRow("CRLF line ends")
            << "x.pls" << QString(pls).replace("\n", "\r\n").toUtf8() << played << fromPls;
        QTest::newRow("PLS without [playlist]")
            << "x.pls" << QByteArray("File1=http://a.example/1\n") << QStringList{"http://a.example/1 | "}
            << QStringList{"|http://a.example/1|http://a.example/1@1"};
        QTest::newRow("PLS in a .m3u: the content says") << "x.m3u" << pls.toUtf8() << played << fromPls;
        QTest::newRow("a comma inside group-title")
            << "x.m3u" << QByteArray("#EXTINF:-1 group-title=\"Rock, Hard\",Twee\nhttp://b.example/2\n")
            << QStringList{"http://b.example/2 | Twee"}
            << QStringList{"Rock, Hard|Twee|http://b.example/2@2"};
        QTest::newRow("bidirectional overrides in names")
            << "x.m3u"
            << QByteArray("#EXTINF:-1,Evil \xe2\x80\xaegnp.exe\xe2\x80\xac \xe2\x81\xa6x\n"
                          "http://a.example/1\n")
            << QStringList{"http://a.example/1 | Evil gnp.exe x"}
            << QStringList{"|Evil gnp.exe x|http://a.example/1@2"};
        QTest::newRow("an entry without a location is reported, not dropped")
            << "x.pls" << QByteArray("[playlist]\nFile1=\nTitle1=Leeg\nFile2=http://b.example/2\n")
            << QStringList{"http://b.example/2 | ", "!(empty): invalid URL"}
            << QStringList{"|http://b.example/2|http://b.example/2@4", "!2:"};
        QTest::newRow("XSPF: tags in other case, a bare ampersand, a mirror")
            << "x.xspf"
            << QByteArray(
                   "<Playlist xmlns=\"http://xspf.org/ns/0/\"><TrackList><Track><Title>A &amp; B</Title>\n"
                   "<Location>http://a.example/?x=1&y=2</Location>\n<location>http://m.example/</location>"
                   "</TRACK></trackList></PLAYLIST>")
            << QStringList{"http://a.example/?x=1&y=2 | A & B", "http://m.example/ | A & B"}
            << QStringList{"|A & B|http://a.example/?x=1&y=2@2"};
        QTest::newRow("XSPF cut off: played up to the break, not imported in part")
            << "x.xspf"
            << QByteArray("<playlist xmlns=\"http://xspf.org/ns/0/\"><trackList>\n<track><location>"
                          "http://a.example/1</location></track>\n<track><location>http://b.exa")
            << QStringList{"http://a.example/1 | "} << QStringList{};
        QTest::newRow("other network schemes play, the catalogue keeps http(s)")
            << "x.m3u" << QByteArray("mms://a.example/live\n") << QStringList{"mms://a.example/live | "}
            << QStringList{"!1:mms://a.example/live"};
    }

    void bothUses()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, played);
        QFETCH(QStringList, imported);

        const Playlist playlist =
            PlaylistParser::parse(bytes, PlaylistReader::formatOfFileName(fileName),
                                  QUrl::fromLocalFile(QStringLiteral("/music/") + fileName));
        QStringList got;
        for (const PlaylistEntry &entry : playlist.entries)
            got << entry.url + QStringLiteral(" | ") + entry.title;
        for (const QString &refused : playlist.refused)
            got << QLatin1Char('!') + refused;
        QCOMPARE(got, played);

        QString error;
        const auto contents = StationFile::read(bytes, *StationFile::formatOf(fileName), &error);
        QCOMPARE(error.isEmpty(), !imported.isEmpty());
        got.clear();
        if (contents) {
            for (const StationFile::Entry &e : contents->entries)
                got << QStringLiteral("%1|%2|%3@%4").arg(e.category, e.name, e.url).arg(e.line);
            for (const StationFile::Refusal &r : contents->refused)
                got << QStringLiteral("!%1:%2").arg(r.line).arg(r.text);
        }
        QCOMPARE(got, imported);
    }
};

QTEST_GUILESS_MAIN(TestPlaylistReader)
#include "tst_playlistreader.moc"
