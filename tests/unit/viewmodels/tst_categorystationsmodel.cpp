// The Stations tab's station list: the selected category's rows following every edit (moves
// in place where they are moves), the placeholder state, and the list's own edits.
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"
#include "viewmodels/CategoryStationsModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {
RadioStation st(const char *name, const char *url)
{
    return RadioStation(QString::fromUtf8(name), QString::fromUtf8(url));
}
const RadioStation k1 = st("k1", "https://k.example/1");

Catalogue sample()
{
    return {StationCategory(QStringLiteral("Jazz"), {st("j1", "https://j.example/1")}),
            StationCategory(QStringLiteral("Klassiek"),
                            {k1, st("k2", "https://k.example/2"), st("k3", "https://k.example/3")})};
}

QString names(const QAbstractItemModel &model)
{
    QStringList out;
    for (int i = 0; i < model.rowCount(); ++i)
        out << model.index(i, 0).data(CategoryStationsModel::NameRole).toString();
    return out.join(QLatin1Char(','));
}

struct Rig {
    explicit Rig(const QString &selected = QStringLiteral("Klassiek"))
    {
        fixture.writeCatalogue(CatalogueCodec::encodeCatalogue(sample()));
        store = std::make_unique<StationManager>(fixture.folder(), fixture.builtInPath());
        model = std::make_unique<CategoryStationsModel>(store.get());
        tester = std::make_unique<QAbstractItemModelTester>(
            model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        model->setCategory(selected);
    }
    CatalogueFixture fixture;
    std::unique_ptr<StationManager> store;
    std::unique_ptr<CategoryStationsModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

using Edit = std::function<void(Rig &)>;
} // namespace

Q_DECLARE_METATYPE(Edit)

class TestCategoryStationsModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selection()
    {
        Rig rig{QString()};
        QVERIFY(!rig.model->categoryExists());
        QCOMPARE(rig.model->count(), 0);
        QSignalSpy exists(rig.model.get(), &CategoryStationsModel::categoryExistsChanged);
        rig.model->setCategory(QStringLiteral("Klassiek"));
        QVERIFY(rig.model->categoryExists());
        QCOMPARE(exists.count(), 1);
        QCOMPARE(names(*rig.model), QStringLiteral("k1,k2,k3"));
        QCOMPARE(rig.model->index(0, 0).data(CategoryStationsModel::UrlRole).toString(), k1.url);
        // Names are compared exactly.
        rig.model->setCategory(QStringLiteral("klassiek"));
        QVERIFY(!rig.model->categoryExists());
        QCOMPARE(rig.model->count(), 0);
    }

    void followsEdits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("signals");

        QTest::newRow("moveStations: first of three to offset 2")
            << Edit([](Rig &r) { r.model->moveStations({0}, 2); }) << "k2,k1,k3"
            << "move";
        QTest::newRow("moveStations: last to the front")
            << Edit([](Rig &r) { r.model->moveStations({2}, 0); }) << "k3,k1,k2"
            << "move";
        QTest::newRow("moveStations: two rows to the end") << Edit([](Rig &r) {
            r.model->moveStations({0, 1}, 3);
        }) << "k3,k1,k2"
                                                           << "move";
        QTest::newRow("moveRow: dragged from 0 to end up at 2")
            << Edit([](Rig &r) { r.model->moveRow(0, 2); }) << "k2,k3,k1"
            << "move";
        QTest::newRow("moveRow: dragged from 2 to end up at 1")
            << Edit([](Rig &r) { r.model->moveRow(2, 1); }) << "k1,k3,k2"
            << "move";
        QTest::newRow("moveRow: dropped where it was")
            << Edit([](Rig &r) { r.model->moveRow(1, 1); }) << "k1,k2,k3"
            << "";
        QTest::newRow("removeStation") << Edit([](Rig &r) {
            r.model->removeStation(QStringLiteral("k2"), QStringLiteral("https://k.example/2"));
        }) << "k1,k3"
                                       << "remove";
        QTest::newRow("moveStation elsewhere")
            << Edit([](Rig &r) { r.model->moveStation(k1.name, k1.url, QStringLiteral("Jazz")); }) << "k2,k3"
            << "remove";
        QTest::newRow("moveStation into its own category goes to the end")
            << Edit([](Rig &r) { r.model->moveStation(k1.name, k1.url, QStringLiteral("Klassiek")); })
            << "k2,k3,k1"
            << "move";
        QTest::newRow("station added") << Edit([](Rig &r) {
            r.store->addStation(QStringLiteral("k4"), QStringLiteral("https://k.example/4"),
                                QStringLiteral("Klassiek"));
        }) << "k1,k2,k3,k4"
                                       << "insert";
        QTest::newRow("another category's edit")
            << Edit([](Rig &r) { r.store->addCategory(QStringLiteral("Leeg")); }) << "k1,k2,k3"
            << "";
    }

    void followsEdits()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, expected);
        QFETCH(QString, signals);
        Rig rig;
        QSignalSpy reset(rig.model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy moved(rig.model.get(), &QAbstractItemModel::rowsMoved);
        QSignalSpy inserted(rig.model.get(), &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(rig.model.get(), &QAbstractItemModel::rowsRemoved);
        edit(rig);
        QCOMPARE(names(*rig.model), expected);
        QStringList seen;
        for (const auto &[spy, name] :
             {std::pair{&reset, "reset"}, {&moved, "move"}, {&removed, "remove"}, {&inserted, "insert"}}) {
            if (spy->count())
                seen << QString::fromLatin1(name);
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), signals);
        // Every edit is on disk too.
        QCOMPARE(rig.fixture.savedCatalogue(), rig.store->categories());
    }

    void selectedCategoryDisappearsAndComesBack()
    {
        Rig rig(QStringLiteral("Jazz"));
        QSignalSpy exists(rig.model.get(), &CategoryStationsModel::categoryExistsChanged);
        rig.model->removeStation(QStringLiteral("j1"), QStringLiteral("https://j.example/1"));
        QVERIFY(!rig.model->categoryExists());
        QCOMPARE(rig.model->count(), 0);
        QCOMPARE(rig.model->category(), QStringLiteral("Jazz")); // kept until the user picks another
        rig.store->addStation(QStringLiteral("j2"), QStringLiteral("https://j.example/2"),
                              QStringLiteral("Jazz"));
        QVERIFY(rig.model->categoryExists());
        QCOMPARE(names(*rig.model), QStringLiteral("j2"));
        QCOMPARE(exists.count(), 2);
    }

    void reloadedCatalogueResets()
    {
        Rig rig;
        rig.fixture.writeCatalogue(CatalogueCodec::encodeCatalogue({StationCategory(
            QStringLiteral("Klassiek"), {st("x", "https://x.example/"), st("y", "https://y.example/")})}));
        QSignalSpy reset(rig.model.get(), &QAbstractItemModel::modelReset);
        rig.store->loadStations();
        QCOMPARE(names(*rig.model), QStringLiteral("x,y"));
        QCOMPARE(reset.count(), 1);
    }

    void sameStationTwiceInOneCategory()
    {
        // Only a hand-edited file brings this about; removing the URL takes both rows.
        Rig rig;
        rig.fixture.writeCatalogue(CatalogueCodec::encodeCatalogue(
            {StationCategory(QStringLiteral("Klassiek"), {k1, st("k2", "https://k.example/2"), k1})}));
        rig.store->loadStations();
        rig.model->removeStation(k1.name, k1.url);
        QCOMPARE(names(*rig.model), QStringLiteral("k2"));
    }
};

QTEST_GUILESS_MAIN(TestCategoryStationsModel)
#include "tst_categorystationsmodel.moc"
