// The editing operations (the six of the settings window plus editing a station and renaming a
// category): their rules, refusals (nothing changes, nothing is written) and
// that every accepted change is on disk when the call returns.
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"
#include "support/LogCapture.h"
#include "support/TestText.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

namespace {
RadioStation st(const char *name, const char *url)
{
    return RadioStation(QString::fromUtf8(name), QString::fromUtf8(url));
}
const QString stations = QStringLiteral("stations");

} // namespace

class TestCatalogueEditing : public QObject
{
    Q_OBJECT

    // The fixture's built-in list: Publiek: p1,p2 / Jazz: j1.
    std::unique_ptr<CatalogueFixture> fx;
    std::unique_ptr<StationManager> store;

    // Asserts that a refused operation logged `line` as an error and left memory and file alone.
    void expectRefused(const std::function<void()> &operation, const QString &line)
    {
        const QStringList before = CatalogueFixture::layout(store->categories());
        const QByteArray fileBefore = fx->readCatalogueFile();
        const QDateTime modified = QFileInfo(fx->catalogueFile()).lastModified();
        QSignalSpy changed(store.get(), &StationManager::categoriesChanged);
        LogCapture log;
        operation();
        QCOMPARE(log.texts(stations), QStringList{line});
        QCOMPARE(log.lines().constFirst().type, QtCriticalMsg);
        QCOMPARE(CatalogueFixture::layout(store->categories()), before);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(fx->readCatalogueFile(), fileBefore);
        QCOMPARE(QFileInfo(fx->catalogueFile()).lastModified(), modified);
    }

    void expectSaved() { QCOMPARE(fx->savedCatalogue(), store->categories()); }

private Q_SLOTS:
    void init()
    {
        fx = std::make_unique<CatalogueFixture>();
        store = std::make_unique<StationManager>(fx->folder(), fx->builtInPath());
    }
    void cleanup()
    {
        store.reset();
        fx.reset();
    }

    void addStation()
    {
        LogCapture log;
        store->addStation(QStringLiteral("  \tRadio  Eén \n"), QStringLiteral("http://new/1"),
                          QStringLiteral("Jazz"));
        store->addStation(QStringLiteral("Zonder"), QStringLiteral("http://new/2"), QString());
        store->addStation(QStringLiteral("Spaties"), QStringLiteral("http://new/3"), QStringLiteral("  "));
        QCOMPARE(CatalogueFixture::layout(store->categories()),
                 (QStringList{"Publiek:p1,p2", "Jazz:j1,Radio  Eén", "Eigen stations:Zonder", "  :Spaties"}));
        QCOMPARE(log.texts(stations).constFirst(),
                 QStringLiteral("Added station: Radio  Eén to category: Jazz"));
        QCOMPARE(log.texts(stations).at(1),
                 QStringLiteral("Added station: Zonder to category: Eigen stations"));
        expectSaved();
    }

    void addStationRefusals()
    {
        expectRefused(
            [&] { store->addStation(QStringLiteral(" \n\u00a0 "), QStringLiteral("http://x/"), QString()); },
            QStringLiteral("Attempted to add station with empty name"));
        // The same URL text anywhere, whatever the name or category.
        expectRefused(
            [&] {
                store->addStation(QStringLiteral(" Ander "), QStringLiteral("https://j.example/1"),
                                  QStringLiteral("Publiek"));
            },
            QStringLiteral("Station already exists: Ander"));
        // Letter case makes another URL.
        store->addStation(QStringLiteral("Hoofd"), QStringLiteral("HTTPS://j.example/1"),
                          QStringLiteral("Jazz"));
        QCOMPARE(store->categories().at(1).stations.size(), 2);
    }

    void removeStation()
    {
        store->addCategory(QStringLiteral("Leeg"));
        LogCapture log;
        // Found by URL alone; the empty category made before goes too.
        store->removeStation(st("andere naam", "https://p.example/1"));
        QCOMPARE(CatalogueFixture::layout(store->categories()), (QStringList{"Publiek:p2", "Jazz:j1"}));
        store->removeStation(st("j1", "https://j.example/1"));
        QCOMPARE(CatalogueFixture::layout(store->categories()), QStringList{"Publiek:p2"});
        expectSaved();
        // Unknown station: logged and saved all the same, nothing changes.
        store->removeStation(st("spook", "http://ghost/"));
        QCOMPARE(log.texts(stations), (QStringList{"Removing station: andere naam", "Removing station: j1",
                                                   "Removing station: spook"}));
        QCOMPARE(CatalogueFixture::layout(store->categories()), QStringList{"Publiek:p2"});
    }

    void moveStation_data()
    {
        QTest::addColumn<RadioStation>("station");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("to another category")
            << st("p1", "https://p.example/1") << "Jazz" << QStringList{"Publiek:p2", "Jazz:j1,p1"};
        QTest::newRow("into its own category goes to the end")
            << st("p1", "https://p.example/1") << "Publiek" << QStringList{"Publiek:p2,p1", "Jazz:j1"};
        QTest::newRow("last station removes the source")
            << st("j1", "https://j.example/1") << "Publiek" << QStringList{"Publiek:p1,p2,j1"};
        QTest::newRow("unknown target is created at the end")
            << st("p2", "https://p.example/2") << "Nieuw" << QStringList{"Publiek:p1", "Jazz:j1", "Nieuw:p2"};
        QTest::newRow("station not in the catalogue is added")
            << st("x", "http://x/") << "Jazz" << QStringList{"Publiek:p1,p2", "Jazz:j1,x"};
    }

    void moveStation()
    {
        QFETCH(RadioStation, station);
        QFETCH(QString, target);
        QFETCH(QStringList, expected);
        store->addCategory(QStringLiteral("Leeg")); // empty categories never survive a move
        QSignalSpy changed(store.get(), &StationManager::categoriesChanged);
        LogCapture log;
        store->moveStation(station, target);
        QCOMPARE(CatalogueFixture::layout(store->categories()), expected);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(log.texts(stations).constFirst(),
                 QStringLiteral("Moving station %1 to category %2").arg(station.name, target));
        expectSaved();
    }

    void moveStations_data()
    {
        QTest::addColumn<QList<int>>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first to offset 2") << QList<int>{0} << 2 << "P:b,a,c,d";
        QTest::newRow("first to end") << QList<int>{0} << 4 << "P:b,c,d,a";
        QTest::newRow("last to front") << QList<int>{3} << 0 << "P:d,a,b,c";
        QTest::newRow("two apart to offset 2") << QList<int>{0, 3} << 2 << "P:b,a,d,c";
        QTest::newRow("onto itself") << QList<int>{1} << 1 << "P:a,b,c,d";
        QTest::newRow("unsorted offsets keep relative order") << QList<int>{2, 0} << 4 << "P:b,d,a,c";
        QTest::newRow("out of range offsets ignored") << QList<int>{9, -1} << 2 << "P:a,b,c,d";
    }

    void moveStations()
    {
        QFETCH(QList<int>, from);
        QFETCH(int, to);
        QFETCH(QString, expected);
        CatalogueFixture local;
        local.writeCatalogue(
            j("[{'name':'P','stations':[{'name':'a','url':'http://a/'},{'name':'b','url':'http://b/'},"
              "                                "
              "{'name':'c','url':'http://c/'},{'name':'d','url':'http://d/'}]}]"));
        StationManager s(local.folder(), local.builtInPath());
        LogCapture log;
        QLoggingCategory::setFilterRules(QStringLiteral("*.stations.debug=true"));
        s.moveStations(QStringLiteral("P"), from, to);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(CatalogueFixture::layout(s.categories()), QStringList{expected});
        QCOMPARE(local.savedCatalogue(), s.categories());
        QVERIFY(log.contains(stations, QtDebugMsg, QStringLiteral("Reordered stations in category: P")));
    }

    void moveStationsUnknownCategory()
    {
        expectRefused([&] { store->moveStations(QStringLiteral("publiek"), {0}, 2); },
                      QStringLiteral("Cannot reorder: category not found"));
    }

    void categories()
    {
        LogCapture log;
        store->addCategory(QStringLiteral("  Klassiek \n"));
        store->addCategory(QStringLiteral("klassiek")); // other letter case is another category
        QCOMPARE(CatalogueFixture::layout(store->categories()),
                 (QStringList{"Publiek:p1,p2", "Jazz:j1", "Klassiek:", "klassiek:"}));
        QCOMPARE(log.texts(stations).constFirst(), QStringLiteral("Adding category: Klassiek"));
        expectSaved();

        expectRefused([&] { store->addCategory(QStringLiteral(" Klassiek")); },
                      QStringLiteral("Cannot add category: empty or already exists"));
        expectRefused([&] { store->addCategory(QStringLiteral("\t ")); },
                      QStringLiteral("Cannot add category: empty or already exists"));
        expectRefused([&] { store->removeCategory(QStringLiteral("Jazz")); },
                      QStringLiteral("Cannot remove category: not found or not empty"));
        expectRefused([&] { store->removeCategory(QStringLiteral(" Klassiek")); },
                      QStringLiteral("Cannot remove category: not found or not empty"));

        log.clear();
        store->removeCategory(QStringLiteral("Klassiek"));
        QCOMPARE(log.texts(stations), QStringList{"Removing category: Klassiek"});
        QCOMPARE(CatalogueFixture::layout(store->categories()),
                 (QStringList{"Publiek:p1,p2", "Jazz:j1", "klassiek:"}));
        expectSaved();
    }

    void editStation()
    {
        // The same URL in two categories: both copies change, each in its place.
        store->addStation(QStringLiteral("j1"), QStringLiteral("https://x.example/"), QStringLiteral("Jazz"));
        store->moveStations(QStringLiteral("Jazz"), {1}, 0);
        store->addStation(QStringLiteral("kopie"), QStringLiteral("https://p.example/2"),
                          QStringLiteral("Jazz"));
        QSignalSpy changed(store.get(), &StationManager::categoriesChanged);
        LogCapture log;
        store->editStation(st("p1", "https://p.example/1"), QStringLiteral(" Eén \n"),
                           QStringLiteral("https://een.example/"));
        store->editStation(st("j1", "https://x.example/"), QStringLiteral("X"),
                           QStringLiteral("https://x.example/"));
        QCOMPARE(CatalogueFixture::layout(store->categories()), (QStringList{"Publiek:Eén,p2", "Jazz:X,j1"}));
        QCOMPARE(store->categories().at(0).stations.at(0).url, QStringLiteral("https://een.example/"));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(log.texts(stations),
                 (QStringList{"Editing station: p1 to Eén", "Editing station: j1 to X"}));
        expectSaved();

        expectRefused([&] { store->editStation(st("p2", "https://p.example/2"), QStringLiteral(" \t"), {}); },
                      QStringLiteral("Attempted to edit station with empty name"));
        expectRefused(
            [&] {
                store->editStation(st("p2", "https://p.example/2"), QStringLiteral("p2"),
                                   QStringLiteral("https://j.example/1"));
            },
            QStringLiteral("Station already exists: p2"));
        expectRefused(
            [&] {
                store->editStation(st("spook", "http://ghost/"), QStringLiteral("x"),
                                   QStringLiteral("http://y/"));
            },
            QStringLiteral("Cannot edit station: not found"));
    }

    void renameCategory()
    {
        LogCapture log;
        store->renameCategory(QStringLiteral("Jazz"), QStringLiteral("  Jazz & Blues "));
        store->renameCategory(QStringLiteral("Publiek"),
                              QStringLiteral("PUBLIEK")); // its own name, other case
        QCOMPARE(CatalogueFixture::layout(store->categories()),
                 (QStringList{"PUBLIEK:p1,p2", "Jazz & Blues:j1"}));
        QCOMPARE(log.texts(stations), (QStringList{"Renaming category: Jazz to Jazz & Blues",
                                                   "Renaming category: Publiek to PUBLIEK"}));
        expectSaved();

        const QString taken = QStringLiteral("Cannot rename category: empty or already exists");
        expectRefused(
            [&] { store->renameCategory(QStringLiteral("PUBLIEK"), QStringLiteral("jazz & blues")); }, taken);
        expectRefused([&] { store->renameCategory(QStringLiteral("PUBLIEK"), QStringLiteral("\t ")); },
                      taken);
        expectRefused([&] { store->renameCategory(QStringLiteral("Publiek"), QStringLiteral("Nieuw")); },
                      QStringLiteral("Cannot rename category: not found"));
    }

    void removeCategoryNeverTakesOneWithStations()
    {
        // Only the built-in list can bring duplicate names.
        CatalogueFixture local;
        local.writeCatalogue(
            j("[{'name':'D','stations':[{'name':'a','url':'http://a/'}]},{'name':'D','stations':[]}]"));
        StationManager s(local.folder(), local.builtInPath());
        s.removeCategory(QStringLiteral("D"));
        QCOMPARE(CatalogueFixture::layout(s.categories()), (QStringList{"D:a", "D:"}));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueEditing)
#include "tst_catalogueediting.moc"
