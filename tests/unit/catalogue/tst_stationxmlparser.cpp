// The built-in list reader: which elements count, what is dropped, where a broken document stops.
#include "catalogue/StationXMLParser.h"
#include "support/CatalogueFixture.h"

#include <QTemporaryDir>
#include <QTest>

class TestStationXMLParser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void documents_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two categories in order")
            << QByteArray("<r><category name='A'><station name='a1' url='http://a/1'/><station name='a2' "
                          "url='http://a/2'/></category>"
                          "                <category name='B'><station name='b1' url='http://b/1'/><station "
                          "name='b2' url='http://b/2'/></category></r>")
            << QStringList{"A:a1,a2", "B:b1,b2"};
        QTest::newRow("station outside a category dropped")
            << QByteArray("<r><station name='x' url='http://x/'/><category name='A'><station name='a' "
                          "url='http://a/'/></category></r>")
            << QStringList{"A:a"};
        QTest::newRow("category without name dropped with its stations")
            << QByteArray("<r><category><station name='x' url='http://x/'/></category><category "
                          "name='B'></category></r>")
            << QStringList{"B:"};
        QTest::newRow("bad or incomplete stations skipped")
            << QByteArray(
                   "<r><category name='A'><station name='bad' url='http://a b/'/><station url='http://n/'/>"
                   "                <station name='nourl'/><station name='ok' url='http://ok/'/><station "
                   "name='' url='http://e/'/></category></r>")
            << QStringList{"A:ok,"};
        QTest::newRow("duplicate names kept")
            << QByteArray("<r><category name='A'/><category name='A'/></r>") << QStringList{"A:", "A:"};
        QTest::newRow("truncated inside the second category")
            << QByteArray("<r><category name='A'><station name='a' url='http://a/'/></category><category "
                          "name='B'><station name='b' url='http://b/'/>")
            << QStringList{"A:a"};
        QTest::newRow("other letter case and prefixes ignored")
            << QByteArray("<r xmlns:x='urn:x'><category name='A'><Station name='s' "
                          "url='http://s/'/><x:station name='p' url='http://p/'/>"
                          "                <station name='t' url='http://t/'/></category><Category "
                          "name='C'></Category></r>")
            << QStringList{"A:t"};
        QTest::newRow("nested category loses the outer one")
            << QByteArray("<r><category name='Outer'><station name='o' url='http://o/'/><category "
                          "name='Inner'><station name='i' url='http://i/'/></category></category></r>")
            << QStringList{"Inner:i"};
        QTest::newRow("attribute values untrimmed")
            << QByteArray("<r><category name=' A '><station name=' s ' url='http://s/'/></category></r>")
            << QStringList{" A : s "};
        QTest::newRow("entity expansion bomb stops the parse")
            << QByteArray(
                   "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY a "
                   "'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>"
                   "                <!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'><!ENTITY c "
                   "'&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'>"
                   "                <!ENTITY d '&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;'><!ENTITY e "
                   "'&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;'>"
                   "                <!ENTITY f '&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;'>]>"
                   "                <r><category name='A'><station name='a' "
                   "url='http://a/'/></category><category name='&f;'><station name='b' "
                   "url='http://b/'/></category></r>")
            << QStringList{"A:a"};
    }

    void documents()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, expected);
        StationXMLParser parser;
        parser.parse(xml);
        QCOMPARE(CatalogueFixture::layout(parser.categories), expected);
    }

    void missingOrUnreadableResource()
    {
        QTemporaryDir dir;
        QVERIFY(loadBuiltInStations(QString()).isEmpty());
        QVERIFY(loadBuiltInStations(dir.filePath(QStringLiteral("nope.xml"))).isEmpty());
        QVERIFY(loadBuiltInStations(dir.path()).isEmpty()); // a folder, not a file
    }
};

QTEST_GUILESS_MAIN(TestStationXMLParser)
#include "tst_stationxmlparser.moc"
