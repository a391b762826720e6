// The playlist forms as stations hand them out, sloppy ones included: what is recognised, which
// entries come out (absolute, network streams only, titles cleaned) and what is left out.
#include "playback/PlaylistParser.h"

#include <QTest>

using Format = Playlist::Format;

class TestPlaylistParser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("entries"); // "url | title"
        QTest::addColumn<int>("refused");

        QTest::newRow("PLS, CRLF, out of order, comment")
            << QByteArray("[playlist]\r\n; comment\r\nFile2=http://b.example/\r\nTitle2=B\r\n"
                          "File1=http://a.example/live\r\nTitle1=<b>A</b>\r\nNumberOfEntries=2\r\n")
            << "audio/x-scpls" << int(Format::Pls)
            << QStringList{"http://a.example/live | <b>A</b>", "http://b.example/ | B"} << 0;
        QTest::newRow("PLS sniffed: BOM, blank lines, lower case, Latin-1 title")
            << QByteArray("\xef\xbb\xbf\n\n[Playlist]\nfile1=http://a.example/\ntitle1=Caf\xe9\n")
            << "application/octet-stream" << int(Format::Pls) << QStringList{"http://a.example/ | Café"} << 0;
        QTest::newRow("M3U: relative entries, titles, comments")
            << QByteArray("#EXTM3U\r\n#EXTINF:-1,Radio One\r\nstream.mp3\r\n# note\r\n../other/live\r\n")
            << "" << int(Format::M3u)
            << QStringList{"http://host.example/pl/stream.mp3 | Radio One",
                           "http://host.example/other/live | "}
            << 0;
        QTest::newRow("M3U by content type, title with controls")
            << QByteArray("#EXTINF:-1,Bad\x1b[2J\x07 title\nhttp://a.example/\n")
            << "audio/x-mpegurl; charset=utf-8" << int(Format::M3u)
            << QStringList{"http://a.example/ | Bad[2J title"} << 0;
        QTest::newRow("HLS is left to the player")
            << QByteArray("#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\nseg.ts\n") << "" << int(Format::Hls)
            << QStringList{} << 0;
        QTest::newRow("text/uri-list") << QByteArray("# comment\r\nhttp://a.example/\r\n") << "text/uri-list"
                                       << int(Format::UriList) << QStringList{"http://a.example/ | "} << 0;
        QTest::newRow("bare list of URLs")
            << QByteArray("http://a.example/\nhttps://b.example/x\n") << "" << int(Format::UriList)
            << QStringList{"http://a.example/ | ", "https://b.example/x | "} << 0;
        QTest::newRow("plain text") << QByteArray("Hello world\nhttp://a.example/\n") << "text/plain"
                                    << int(Format::NotAPlaylist) << QStringList{} << 0;
        QTest::newRow("HTML page") << QByteArray(
                                          "<!DOCTYPE html><html><a href=\"http://a.example/\">x</a></html>")
                                   << "text/html" << int(Format::NotAPlaylist) << QStringList{} << 0;
        QTest::newRow("ASX: mixed case, bare ampersand, entities, entryref")
            << QByteArray("<ASX version=\"3.0\"><Entry><Title>A &amp; B</Title>"
                          "<Ref HREF=\"http://a.example/x?p=1&q=2\"/><ref href='http://b.example/'/></Entry>"
                          "<EntryRef href=\"http://c.example/more.asx\"/></ASX>")
            << "" << int(Format::Asx)
            << QStringList{"http://a.example/x?p=1&q=2 | A & B", "http://b.example/ | A & B",
                           "http://c.example/more.asx | "}
            << 0;
        QTest::newRow("XSPF: relative location, CDATA title")
            << QByteArray("<?xml version=\"1.0\"?><playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">"
                          "<trackList><track><title><![CDATA[T <1>]]></title><location>live.ogg</location>"
                          "</track></trackList></playlist>")
            << "application/xspf+xml" << int(Format::Xspf)
            << QStringList{"http://host.example/pl/live.ogg | T <1>"} << 0;
        QTest::newRow("XSPF: a track opened inside an open location")
            << QByteArray("<playlist xmlns=\"http://xspf.org/ns/0/\"><track><location>http://a.example/"
                          "<track>x</track></playlist>")
            << "" << int(Format::Xspf) << QStringList{} << 0;
        QTest::newRow("network streams only")
            << QByteArray("[playlist]\nFile1=file:///etc/passwd\nFile2=fd://0\nFile3=http://ok.example/\n"
                          "File4=http://\n")
            << "" << int(Format::Pls) << QStringList{"http://ok.example/ | "} << 3;
        QByteArray many("#EXTM3U\n");
        for (int i = 0; i < 100; ++i)
            many += "http://s" + QByteArray::number(i) + ".example/\n";
        QTest::newRow("entries capped") << many << "" << int(Format::M3u) << QStringList{} << 0;
    }

    void parse()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, contentType);
        QFETCH(int, format);
        QFETCH(QStringList, entries);
        QFETCH(int, refused);
        const Playlist playlist =
            PlaylistParser::parse(body, contentType, QUrl(QStringLiteral("http://host.example/pl/list")));
        QCOMPARE(int(playlist.format), format);
        if (QByteArray(QTest::currentDataTag()) == "entries capped") {
            QCOMPARE(playlist.entries.size(), PlaylistParser::maxEntries);
            return;
        }
        QStringList got;
        for (const PlaylistEntry &entry : playlist.entries)
            got << entry.url + QStringLiteral(" | ") + entry.title;
        QCOMPARE(got, entries);
        QCOMPARE(playlist.refused.size(), refused);
    }
};

QTEST_GUILESS_MAIN(TestPlaylistParser)
#include "tst_playlistparser.moc"
