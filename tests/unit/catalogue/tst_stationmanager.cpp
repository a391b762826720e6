// The store's start-up: which file wins, the one-time legacy merge, saving, and bad files that
// must never cost the user their stations.
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"
#include "support/LogCapture.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <sys/stat.h>

namespace {
const RadioStation mine(QStringLiteral("Mijn"), QStringLiteral("http://mine.example/live"));
const Catalogue userCatalogue{StationCategory(QStringLiteral("Eigen"), {mine})};
} // namespace

class TestStationManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstStartSavesBuiltInList()
    {
        CatalogueFixture fx;
        LogCapture log;
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(store.categories(), CatalogueFixture::builtIn());
        QCOMPARE(fx.savedCatalogue(), CatalogueFixture::builtIn());
        QCOMPARE(store.filePath(), fx.catalogueFile());
        QCOMPARE(log.texts(QStringLiteral("stations")),
                 QStringList{QStringLiteral("First launch or empty data, loading from XML")});
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(fx.catalogueFile()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600u);
    }

    void existingFileLoadsWithoutSaving()
    {
        CatalogueFixture fx;
        const QByteArray original = CatalogueCodec::encodeCatalogue(userCatalogue) + " ";
        fx.writeCatalogue(original);
        fx.writeLegacy(j("[{'name':'L','url':'http://legacy/'}]"));
        LogCapture log;
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(store.categories(), userCatalogue);
        QCOMPARE(fx.readCatalogueFile(), original); // not rewritten
        QVERIFY(QFile::exists(fx.legacyFile()));    // neither merged nor deleted
        QVERIFY(log.contains(QStringLiteral("stations"), QtInfoMsg,
                             QStringLiteral("Loaded 1 categories from disk")));
    }

    void emptyArrayIsReplacedWithoutKeepingACopy()
    {
        CatalogueFixture fx;
        fx.writeCatalogue("[]");
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(fx.savedCatalogue(), CatalogueFixture::builtIn());
        QVERIFY(fx.damagedCopies().isEmpty());
    }

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not json") << QByteArray("{{{ not json");
        QTest::newRow("missing key") << QByteArray(j("[{'name':'C','stations':[{'name':'A'}]}]"));
        QTest::newRow("wrong type") << QByteArray(j("[{'name':'C','stations':'x'}]"));
        QTest::newRow("unparsable url")
            << QByteArray(j("[{'name':'C','stations':[{'name':'A','url':'http://a b'}]}]"));
        QTest::newRow("invalid utf-8") << QByteArray("[{\"name\":\"\xc3\x28\",\"stations\":[]}]");
        QTest::newRow("deeply nested") << QByteArray(5000, '[') + QByteArray(5000, ']');
        QTest::newRow("50 MB of garbage") << QByteArray(50 * 1024 * 1024, 'x');
        QTest::newRow("stations twice") << QByteArray(j("[{'name':'C','stations':[],'stations':[]}]"));
    }

    void damagedFileIsKeptAside()
    {
        QFETCH(QByteArray, bytes);
        CatalogueFixture fx;
        fx.writeCatalogue(bytes);
        LogCapture log;
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(store.categories(), CatalogueFixture::builtIn());
        QCOMPARE(fx.savedCatalogue(), CatalogueFixture::builtIn());
        const QStringList copies = fx.damagedCopies();
        QCOMPARE(copies.size(), 1);
        QFile copy(fx.folder() + QLatin1Char('/') + copies.first());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll() == bytes); // the user's bytes survive exactly
        QVERIFY(log.contains(QStringLiteral("stations"), QtInfoMsg,
                             QStringLiteral("First launch or empty data, loading from XML")));
        const bool loggedError = std::any_of(log.lines().cbegin(), log.lines().cend(), [](const LogLine &l) {
            return l.type == QtCriticalMsg && l.text.contains(QStringLiteral("kept it as"));
        });
        QVERIFY(loggedError);
    }

    void largeValidFileLoads()
    {
        CatalogueFixture fx;
        Catalogue big;
        for (int c = 0; c < 100; ++c) {
            StationCategory category(QStringLiteral("Categorie %1").arg(c));
            for (int s = 0; s < 2000; ++s)
                category.stations.append(
                    RadioStation(QStringLiteral("Station %1 %2").arg(c).arg(s),
                                 QStringLiteral("https://s%1.example/c%2/stream.mp3").arg(s).arg(c)));
            big.append(category);
        }
        const QByteArray bytes = CatalogueCodec::encodeCatalogue(big);
        QVERIFY(bytes.size() > 10 * 1024 * 1024);
        fx.writeCatalogue(bytes);
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(store.categories().size(), 100);
        QCOMPARE(store.categories().constLast().stations.size(), 2000);
    }

    void legacyMerge()
    {
        CatalogueFixture fx;
        fx.writeLegacy(
            j("[{'name':'L1','url':'http://l/1','category':'Jazz'},"
              "                           {'name':' L2 ','url':'http://l/2'},"
              "                           {'name':'L3','url':'https://p.example/1','category':null},"
              "                           {'name':'L4','url':'http://l/4','category':'Jazz'},"
              "                           {'name':'L5','url':'http://l/5','category':''},"
              "                           {'name':'  ','url':'http://l/6'},"
              "                           {'name':'L7','url':'http://l/1'}]"));
        LogCapture log;
        StationManager store(fx.folder(), fx.builtInPath());

        // The rules of adding a station hold for migrated ones: names trimmed, no empty name, no
        // URL twice, no category named "".
        Catalogue expected = CatalogueFixture::builtIn();
        expected[1].stations << RadioStation(QStringLiteral("L1"), QStringLiteral("http://l/1"))
                             << RadioStation(QStringLiteral("L4"), QStringLiteral("http://l/4"));
        expected << StationCategory(StationManager::DefaultCategoryName,
                                    {RadioStation(QStringLiteral("L2"), QStringLiteral("http://l/2")),
                                     RadioStation(QStringLiteral("L5"), QStringLiteral("http://l/5"))});
        QCOMPARE(store.categories(), expected);
        QCOMPARE(fx.savedCatalogue(), expected);
        QVERIFY(!QFile::exists(fx.legacyFile()));
        QCOMPARE(log.texts(QStringLiteral("stations")).mid(1, 5),
                 (QStringList{
                     "Migrating 7 legacy stations",
                     "Legacy station not migrated, its URL is in the catalogue already: https://p.example/1",
                     "Legacy station not migrated, its name is empty: http://l/6",
                     "Legacy station not migrated, its URL is in the catalogue already: http://l/1",
                     "Migrated 4 legacy stations, refused 3"}));
    }

    void textThatCannotBeSavedAsItIs_data()
    {
        QTest::addColumn<bool>("legacy");
        QTest::newRow("catalogue") << false;
        QTest::newRow("legacy file") << true;
    }

    void textThatCannotBeSavedAsItIs()
    {
        QFETCH(bool, legacy);
        CatalogueFixture fx;
        const QByteArray bytes =
            legacy ? j("[{'name':'Caf\\ud800e','url':'http://l/1'}]")
                   : j("[{'name':'Eigen','stations':[{'name':'Caf\\ud800e','url':'http://l/1'}]}]");
        legacy ? fx.writeLegacy(bytes) : fx.writeCatalogue(bytes);
        StationManager store(fx.folder(), fx.builtInPath());

        // The station is kept with U+FFFD in place of what UTF-8 cannot hold, and the user's
        // bytes are kept aside exactly.
        const RadioStation repaired(QStringLiteral("Caf\uFFFDe"), QStringLiteral("http://l/1"));
        QCOMPARE(store.categories().constLast().stations, QList<RadioStation>{repaired});
        QCOMPARE(fx.savedCatalogue(), store.categories());
        const QString file = legacy ? fx.legacyFile() : fx.catalogueFile();
        const QStringList copies = QDir(fx.folder()).entryList({QFileInfo(file).fileName() + ".damaged-*"});
        QCOMPARE(copies.size(), 1);
        QFile copy(fx.folder() + QLatin1Char('/') + copies.first());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
        QVERIFY(!QFile::exists(fx.legacyFile()));
    }

    void legacyFileOfAFinishedMerge_data()
    {
        QTest::addColumn<QByteArray>("legacy");
        QTest::addColumn<bool>("removed");
        QTest::newRow("every station in the catalogue")
            << j("[{'name':'p1','url':'https://p.example/1'},{'name':' ','url':'http://refused/'}]") << true;
        QTest::newRow("one station missing")
            << j("[{'name':'p1','url':'https://p.example/1'},{'name':'n','url':'http://new/'}]") << false;
        QTest::newRow("unreadable") << QByteArray("[{") << false;
    }

    void legacyFileOfAFinishedMerge()
    {
        QFETCH(QByteArray, legacy);
        QFETCH(bool, removed);
        CatalogueFixture fx;
        fx.writeCatalogue(CatalogueCodec::encodeCatalogue(CatalogueFixture::builtIn()));
        fx.writeLegacy(legacy);
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(QFile::exists(fx.legacyFile()), !removed);
        QCOMPARE(store.categories(), CatalogueFixture::builtIn());
    }

    void malformedLegacyFileStays()
    {
        CatalogueFixture fx;
        const QByteArray legacy = j("[{'name':'L1','url':'http://l/1'},{'name':'L2'}]");
        fx.writeLegacy(legacy);
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(store.categories(), CatalogueFixture::builtIn());
        QFile file(fx.legacyFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), legacy);
    }

    void legacyFileStaysWhenTheMergedSaveFails()
    {
        CatalogueFixture fx;
        fx.writeLegacy(j("[{'name':'L1','url':'http://l/1'}]"));
        fx.writeCatalogue("[]");
        QFile::setPermissions(fx.catalogueFile(), QFileDevice::ReadOwner); // the save will be refused
        {
            LogCapture log;
            StationManager store(fx.folder(), fx.builtInPath());
            QCOMPARE(store.categories().size(), 3);
            QVERIFY(QFile::exists(fx.legacyFile()));
            QCOMPARE(log.texts(QStringLiteral("stations"))
                         .filter(QStringLiteral("Failed to save stations: "))
                         .size(),
                     1);
        }
        QFile::setPermissions(fx.catalogueFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        StationManager again(fx.folder(), fx.builtInPath());
        QCOMPARE(fx.savedCatalogue().size(), 3);
        QVERIFY(!QFile::exists(fx.legacyFile()));
    }

    void readOnlyFileKeepsMemoryAndNextSaveWritesAll()
    {
        CatalogueFixture fx;
        fx.writeCatalogue(CatalogueCodec::encodeCatalogue(userCatalogue));
        StationManager store(fx.folder(), fx.builtInPath());
        QFile::setPermissions(fx.catalogueFile(), QFileDevice::ReadOwner);
        {
            LogCapture log;
            store.addStation(QStringLiteral("Twee"), QStringLiteral("http://two/"), QStringLiteral("Eigen"));
            QCOMPARE(log.lines().constLast().type, QtCriticalMsg);
            QVERIFY(log.lines().constLast().text.startsWith(QStringLiteral("Failed to save stations: ")));
        }
        QCOMPARE(store.categories().at(0).stations.size(), 2);
        QCOMPARE(fx.savedCatalogue(), userCatalogue);

        QFile::setPermissions(fx.catalogueFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        store.addCategory(QStringLiteral("Nieuw"));
        QCOMPARE(fx.savedCatalogue(), store.categories());
        QCOMPARE(fx.savedCatalogue().at(0).stations.size(), 2);
    }

    void folderThatCannotBeCreated()
    {
        CatalogueFixture fx;
        // A plain file where the data folder should be.
        QFile blocker(fx.root() + QStringLiteral("/blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        LogCapture log;
        StationManager store(fx.root() + QStringLiteral("/blocked/Zeffira"), fx.builtInPath());
        QCOMPARE(store.categories(), CatalogueFixture::builtIn());
        QCOMPARE(
            log.texts(QStringLiteral("stations")).filter(QStringLiteral("Failed to save stations: ")).size(),
            1);
    }

    void missingBuiltInListGivesEmptyCatalogue()
    {
        CatalogueFixture fx;
        StationManager store(fx.folder(), fx.root() + QStringLiteral("/absent.xml"));
        QVERIFY(store.categories().isEmpty());
        QCOMPARE(fx.readCatalogueFile(), QByteArray("[]"));
    }
};

QTEST_GUILESS_MAIN(TestStationManager)
#include "tst_stationmanager.moc"
