// Checks the shipped starter list itself: a careless edit of data/stations.xml must fail here,
// not show up as a silently shortened or broken catalogue on a user's first start.
#include "catalogue/StationXMLParser.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

class tst_BuiltInStations : public QObject
{
    Q_OBJECT

private:
    QString m_path;
    QByteArray m_bytes;

private Q_SLOTS:
    void initTestCase()
    {
        const QString dataDir = qEnvironmentVariable("ZEFFIRA_DATA_DIR");
        QVERIFY2(!dataDir.isEmpty(), "ZEFFIRA_DATA_DIR is not set; it must name the data/ folder");
        m_path = dataDir + QStringLiteral("/stations.xml");
        QFile file(m_path);
        QVERIFY2(file.open(QIODevice::ReadOnly),
                 qPrintable(QStringLiteral("built-in station list missing: %1").arg(m_path)));
        m_bytes = file.readAll();
    }

    void documentIsComplete()
    {
        StationXMLParser parser;
        QVERIFY2(parser.parse(m_bytes), "stations.xml is not well-formed XML");
        QVERIFY2(!parser.currentCategory, "a category is left open at the end of the document");

        // The loader drops stations without a name/url, with an unparsable url or outside a
        // category without a word; compare against the raw element count to catch that.
        qsizetype rawCategories = 0;
        qsizetype rawStations = 0;
        QXmlStreamReader reader(m_bytes);
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QLatin1String("category"))
                ++rawCategories;
            else if (reader.name() == QLatin1String("station"))
                ++rawStations;
        }

        const Catalogue catalogue = loadBuiltInStations(m_path);
        qsizetype loadedStations = 0;
        for (const StationCategory &category : catalogue)
            loadedStations += category.stations.size();
        QVERIFY2(catalogue.size() == rawCategories,
                 qPrintable(QStringLiteral("%1 <category> elements, %2 loaded (one lacks a name?)")
                                .arg(rawCategories)
                                .arg(catalogue.size())));
        QVERIFY2(loadedStations == rawStations,
                 qPrintable(QStringLiteral("%1 <station> elements, %2 loaded (missing attribute, "
                                           "unparsable url or station outside a category)")
                                .arg(rawStations)
                                .arg(loadedStations)));
        QVERIFY2(catalogue.size() >= 6,
                 qPrintable(QStringLiteral("only %1 categories").arg(catalogue.size())));
        QVERIFY2(loadedStations >= 30, qPrintable(QStringLiteral("only %1 stations").arg(loadedStations)));
    }

    void entriesAreUsable()
    {
        const Catalogue catalogue = loadBuiltInStations(m_path);
        QVERIFY2(!catalogue.isEmpty(), "loadBuiltInStations returned no categories");

        QSet<QString> categoryNames;
        QSet<QString> urls;
        for (const StationCategory &category : catalogue) {
            QVERIFY2(!category.name.trimmed().isEmpty(), "a category has an empty name");
            QVERIFY2(!categoryNames.contains(category.name),
                     qPrintable(QStringLiteral("category listed twice: %1").arg(category.name)));
            categoryNames.insert(category.name);
            QVERIFY2(!category.stations.isEmpty(),
                     qPrintable(QStringLiteral("category without stations: %1").arg(category.name)));

            for (const RadioStation &station : category.stations) {
                const QString where = category.name + QStringLiteral(" / ") + station.name;
                QVERIFY2(!station.name.trimmed().isEmpty(),
                         qPrintable(QStringLiteral("station with empty name in %1").arg(category.name)));
                QVERIFY2(isParsableUrl(station.url), qPrintable(QStringLiteral("bad URL: ") + where));
                const QString scheme = station.qurl().scheme();
                QVERIFY2(scheme == QLatin1String("http") || scheme == QLatin1String("https"),
                         qPrintable(QStringLiteral("URL is not http(s): ") + where));
                QVERIFY2(!station.qurl().host().isEmpty(),
                         qPrintable(QStringLiteral("URL without host: ") + where));
                QVERIFY2(!urls.contains(station.url),
                         qPrintable(QStringLiteral("URL listed twice: %1 (%2)").arg(station.url, where)));
                urls.insert(station.url);
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_BuiltInStations)
#include "tst_builtinstations.moc"
