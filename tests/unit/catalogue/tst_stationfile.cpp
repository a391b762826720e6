// Station list files: what each format yields (names, categories, the line of a refused URL),
// the round trip of every format into an empty catalogue, and an import that leaves what the
// catalogue holds as it is.
#include "catalogue/CatalogueTransfer.h"
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"

#include <QFile>
#include <QTest>

using Format = StationFile::Format;
Q_DECLARE_METATYPE(StationFile::Format)

namespace {
// "category|name|url@line" per entry, then "!line:text" per refusal.
QStringList summary(const StationFile::Contents &contents)
{
    QStringList out;
    for (const StationFile::Entry &e : contents.entries)
        out << QStringLiteral("%1|%2|%3@%4").arg(e.category, e.name, e.url).arg(e.line);
    for (const StationFile::Refusal &r : contents.refused)
        out << QStringLiteral("!%1:%2").arg(r.line).arg(r.text);
    return out;
}

Catalogue sample()
{
    return {StationCategory(QStringLiteral("Jazz & Blues"),
                            {RadioStation(QStringLiteral("Radio \"Één\", <live>"),
                                          QStringLiteral("https://a.example/live?x=1&y=2")),
                             RadioStation(QStringLiteral("B"), QStringLiteral("http://b.example:8000/"))}),
            StationCategory(QStringLiteral("Nieuws"),
                            {RadioStation(QStringLiteral("C"), QStringLiteral("https://c.example/s.mp3"))})};
}
} // namespace

class TestStationFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected"); // empty with an error: refused whole
        QTest::addColumn<bool>("ok");
        QTest::newRow("M3U: names, #EXTGRP, group-title, a bad line")
            << Format::M3u
            << QByteArray("#EXTM3U\r\n#EXTINF:-1,Radio, One\r\n#EXTGRP:Pop\r\nhttps://one.example/\r\n\r\n"
                          "#EXTINF:-1 group-title=\"Rock, Hard\",Two\nhttp://two.example/s\n"
                          "file:///etc/passwd\nhttps://three.example/\n")
            << QStringList{"Pop|Radio, One|https://one.example/@4", "Rock, Hard|Two|http://two.example/s@7",
                           "|https://three.example/|https://three.example/@9", "!8:file:///etc/passwd"}
            << true;
        QTest::newRow("M3U: HLS is not a station list")
            << Format::M3u << QByteArray("#EXTM3U\n#EXT-X-TARGETDURATION:6\nseg1.ts\n") << QStringList()
            << false;
        QTest::newRow("PLS: by number, CategoryN, a relative entry")
            << Format::Pls
            << QByteArray("[playlist]\nFile2=https://two.example/\nTitle2=Two\nFile1=https://one.example/\n"
                          "Title1=One\nCategory1=Talk\nFile3=relative.mp3\nNumberOfEntries=3\n")
            << QStringList{"Talk|One|https://one.example/@4", "|Two|https://two.example/@2",
                           "!7:relative.mp3"}
            << true;
        QTest::newRow("XSPF whose root is not <playlist>")
            << Format::Xspf
            << QByteArray("<html><track><location>https://one.example/</location></track></html>")
            << QStringList() << false;
        QTest::newRow("XSPF: location line, meta category, no location")
            << Format::Xspf
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">\n"
                   "<trackList>\n<track><title>One</title>\n<location>https://one.example/</location>\n"
                   "<meta rel=\"https://zeffira.nl/xspf/category\">Talk</meta></track>\n"
                   "<track><title>Two</title></track>\n<track>\n<location>ftp://x.example/</location>"
                   "</track>\n</trackList></playlist>\n")
            << QStringList{"Talk|One|https://one.example/@5", "!7:", "!9:ftp://x.example/"} << true;
        QTest::newRow("XSPF cut off")
            << Format::Xspf << QByteArray("<playlist><trackList><track><location>") << QStringList() << false;
        QTest::newRow("JSON: the catalogue's own form, line of a bad URL")
            << Format::Json
            << QByteArray(
                   "[{\"name\":\"A\",\"stations\":[\n{\"name\":\"a\",\"url\":\"https://a.example/\"},\n"
                   "{\"name\":\"b\",\"url\":\"mms://b.example/\"}]}]")
            << QStringList{"A|a|https://a.example/@2", "!3:mms://b.example/"} << true;
        QTest::newRow("JSON that is not a catalogue")
            << Format::Json << QByteArray("{\"a\":1}") << QStringList() << false;
    }

    void reading()
    {
        QFETCH(Format, format);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(bool, ok);
        QString error;
        const auto contents = StationFile::read(bytes, format, &error);
        QCOMPARE(bool(contents), ok);
        QCOMPARE(error.isEmpty(), ok);
        if (contents)
            QCOMPARE(summary(*contents), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Format>("format");
        QTest::newRow("m3u") << Format::M3u;
        QTest::newRow("pls") << Format::Pls;
        QTest::newRow("xspf") << Format::Xspf;
        QTest::newRow("json") << Format::Json;
    }

    void roundTrip()
    {
        QFETCH(Format, format);
        const auto contents = StationFile::read(StationFile::write(sample(), format), format);
        QVERIFY(contents);
        Catalogue imported;
        const auto report = StationImport::apply(imported, *contents, QString(), QStringLiteral("file"));
        QCOMPARE(imported, sample());
        QCOMPARE(report.added, 3);
        QCOMPARE(report.categories, (QStringList{"Jazz & Blues", "Nieuws"}));
    }

    void importLeavesTheCatalogueAsItIs()
    {
        CatalogueFixture fixture; // Publiek: p1, p2 / Jazz: j1
        StationManager store(fixture.folder(), fixture.builtInPath());
        const QByteArray m3u = "#EXTINF:-1,again\nhttps://p.example/1\n#EXTINF:-1,j2\n#EXTGRP:jazz\n"
                               "https://j.example/2\n#EXTINF:-1,n1\nhttps://n.example/1\n"
                               "#EXTINF:-1,twice\nhttps://n.example/1\n";
        auto report = store.importStations(*StationFile::read(m3u, Format::M3u), QString(), "lijst");
        // A category matched in other letter case keeps its own name.
        QCOMPARE(CatalogueFixture::layout(store.categories()),
                 (QStringList{"Publiek:p1,p2", "Jazz:j1,j2", "lijst:n1"}));
        QCOMPARE(report.added, 2);
        QCOMPARE(report.duplicates, 2);
        QCOMPARE(fixture.savedCatalogue(), store.categories());

        // A chosen category takes every station, whatever the file's groups.
        const QByteArray again = "#EXTINF:-1,x\n#EXTGRP:Jazz\nhttps://x.example/\n";
        report = store.importStations(*StationFile::read(again, Format::M3u), "Gekozen", "lijst");
        QCOMPARE(CatalogueFixture::layout(store.categories()).last(), QStringLiteral("Gekozen:x"));
    }

    void exportOneCategoryAndRefusals()
    {
        CatalogueFixture fixture;
        StationManager store(fixture.folder(), fixture.builtInPath());
        const QString path = fixture.root() + "/jazz.pls";
        auto outcome = CatalogueTransfer::exportFile(store, path, QStringLiteral("jazz"));
        QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
        QCOMPARE(outcome.stations, 1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("File1=https://j.example/1\nTitle1=j1\nCategory1=Jazz\n"));
        for (const QString &bad : QStringList{fixture.root() + "/list.txt", fixture.catalogueFile(),
                                              fixture.root() + "/no-such-folder/x.m3u"})
            QVERIFY(!CatalogueTransfer::exportFile(store, bad, QString()).error.isEmpty());
        QVERIFY(!CatalogueTransfer::exportFile(store, path, QStringLiteral("Geen")).error.isEmpty());
        QVERIFY(!CatalogueTransfer::importFile(store, fixture.root() + "/missing.m3u", QString())
                     .error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStationFile)
#include "tst_stationfile.moc"
