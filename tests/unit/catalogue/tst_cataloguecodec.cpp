// Station records and their JSON forms: identity, equality, all-or-nothing decoding.
#include "catalogue/CatalogueCodec.h"
#include "support/TestText.h"

#include <QTest>

class TestCatalogueCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void identityAndEquality()
    {
        const RadioStation lower(QStringLiteral("A"), QStringLiteral("http://radio.example/stream"));
        const RadioStation upper(QStringLiteral("A"), QStringLiteral("HTTP://Radio.example/stream"));
        QVERIFY(lower.id() != upper.id());

        const RadioStation renamed(QStringLiteral("B"), lower.url);
        QCOMPARE(renamed.id(), lower.id());
        QVERIFY(renamed != lower);
        QVERIFY(qHash(renamed) != qHash(lower));
        QCOMPARE(qHash(RadioStation(lower)), qHash(lower));

        // Category identity is its exact name; equality includes the stations in order.
        const StationCategory ab(QStringLiteral("Jazz"), {lower, renamed});
        const StationCategory ba(QStringLiteral("Jazz"), {renamed, lower});
        QCOMPARE(ab.id(), ba.id());
        QVERIFY(ab != ba);
    }

    void roundTrip()
    {
        const Catalogue catalogue{
            StationCategory(QStringLiteral("Nieuws \"en\" praat\\"),
                            {RadioStation(QStringLiteral("Één\tstation\n"),
                                          QStringLiteral("https://a.example/x?y=1&z=%20")),
                             RadioStation(QString(), QStringLiteral("http://b.example:8000/live"))}),
            StationCategory(QStringLiteral("Leeg")),
            StationCategory(QStringLiteral("Met logo"), {logoStation()}),
            StationCategory(QStringLiteral("控制\x01"),
                            {RadioStation(QStringLiteral("x"), QStringLiteral("http://[::1]:80/s"))}),
        };
        const QByteArray bytes = CatalogueCodec::encodeCatalogue(catalogue);
        QVERIFY(!bytes.contains('\n'));
        const auto decoded = CatalogueCodec::decodeCatalogue(bytes);
        QVERIFY(decoded);
        QCOMPARE(*decoded, catalogue);
        QCOMPARE(CatalogueCodec::encodeCatalogue({}), QByteArray("[]"));
        QCOMPARE(CatalogueCodec::decodeCatalogue("[]")->size(), 0);
    }

    static RadioStation logoStation()
    {
        RadioStation station(QStringLiteral("L"), QStringLiteral("https://l.example/live"));
        station.logoUrl = QStringLiteral("https://l.example/logo.png?s=64");
        return station;
    }

    // The logo is optional both ways: older files have none, and older builds read the name and
    // url of a newer file's station and pass over the rest (the extra keys above). A logo that is
    // no web address is left out, the station kept.
    void logoIsOptional()
    {
        QCOMPARE(CatalogueCodec::encodeStation(logoStation()).value(QStringLiteral("logo")).toString(),
                 logoStation().logoUrl);
        QVERIFY(
            !CatalogueCodec::encodeCatalogue(
                 {StationCategory(QStringLiteral("C"),
                                  {RadioStation(QStringLiteral("A"), QStringLiteral("https://a.example/"))})})
                 .contains("logo"));
        for (const char *logo : {"'javascript:alert(1)'", "'file:///etc/passwd'", "5", "'https://'"}) {
            const auto decoded = CatalogueCodec::decodeCatalogue(
                j(QStringLiteral(
                      "[{'name':'C','stations':[{'name':'A','url':'https://a.example/','logo':%1}]}]")
                      .arg(QLatin1String(logo))
                      .toUtf8()
                      .constData()));
            QVERIFY2(decoded && decoded->at(0).stations.at(0).logoUrl.isEmpty(), logo);
        }
    }

    void escapedSlashesAndExtraKeysAreRead()
    {
        const auto decoded = CatalogueCodec::decodeCatalogue(j(
            "[{'extra':1,'stations':[{'url':'https:\\/\\/a.example\\/s','name':'A','x':null}],'name':'C'}]"));
        QVERIFY(decoded);
        QCOMPARE(decoded->at(0).stations.at(0).url, QStringLiteral("https://a.example/s"));
    }

    void rejectsWholeFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("malformed") << QByteArray(j("[{'name':'C','stations':["));
        QTest::newRow("not an array") << QByteArray(j("{'name':'C','stations':[]}"));
        QTest::newRow("station without url")
            << QByteArray(j("[{'name':'C','stations':[{'name':'A','url':'http://a/'},{'name':'B'}]}]"));
        QTest::newRow("category without stations") << QByteArray(j("[{'name':'C'}]"));
        QTest::newRow("category without name") << QByteArray(j("[{'stations':[]}]"));
        QTest::newRow("name is a number") << QByteArray(j("[{'name':1,'stations':[]}]"));
        QTest::newRow("url is null") << QByteArray(j("[{'name':'C','stations':[{'name':'A','url':null}]}]"));
        QTest::newRow("stations is an object") << QByteArray(j("[{'name':'C','stations':{}}]"));
        QTest::newRow("unparsable url")
            << QByteArray(j("[{'name':'C','stations':[{'name':'A','url':'http://a b/'}]}]"));
        QTest::newRow("empty url") << QByteArray(j("[{'name':'C','stations':[{'name':'A','url':''}]}]"));
        QTest::newRow("invalid utf-8") << QByteArray("[{\"name\":\"\xff\xfe\",\"stations\":[]}]");
        QTest::newRow("empty input") << QByteArray();
        QTest::newRow("deep nesting") << QByteArray(100000, char(91)) + QByteArray(100000, char(93));
        // A repeated key is ambiguous: reading one of its values would silently drop the other.
        QTest::newRow("stations twice")
            << QByteArray(j("[{'name':'C','stations':[{'name':'A','url':'http://a/'}],'stations':[]}]"));
        QTest::newRow("name twice, once escaped")
            << QByteArray(j("[{'name':'C','stations':[{'name':'A','url':'http://a/','n\\u0061me':'B'}]}]"));
    }

    void rejectsWholeFile()
    {
        QFETCH(QByteArray, json);
        QString error;
        QVERIFY(!CatalogueCodec::decodeCatalogue(json, &error));
        QVERIFY2(!error.isEmpty(), "a rejection carries a reason");
    }

    void legacyRecords()
    {
        const auto records = CatalogueCodec::decodeLegacyStations(
            j("[{'name':'A','url':'http://a/'},{'name':'B','url':'http://b/','category':null},"
              "{'name':'C','url':'http://c/','category':''},{'name':'D','url':'http://d/"
              "','category':'Jazz'}]"));
        QVERIFY(records);
        QCOMPARE(records->size(), 4);
        QVERIFY(!records->at(0).category);
        QVERIFY(!records->at(1).category);
        QCOMPARE(records->at(2).category, std::optional<QString>(QString()));
        QCOMPARE(records->at(3).category, std::optional<QString>(QStringLiteral("Jazz")));

        QVERIFY(!CatalogueCodec::decodeLegacyStations(j("[{'name':'A','url':'http://a/'},{'name':'B'}]")));
        QVERIFY(!CatalogueCodec::decodeLegacyStations(j("[{'name':'A','url':'http://a/','category':3}]")));
        QVERIFY(
            !CatalogueCodec::decodeLegacyStations(j("[{'name':'A','url':'http://a/','url':'http://b/'}]")));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueCodec)
#include "tst_cataloguecodec.moc"
