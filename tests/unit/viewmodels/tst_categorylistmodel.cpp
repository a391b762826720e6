// The Stations tab's category column: rows and counts following every catalogue edit (in place
// where the edit allows it), and the tab's category rules: create, delete, rename, first selection.
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"
#include "viewmodels/CategoryListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {
RadioStation st(const char *name, const char *url)
{
    return RadioStation(QString::fromUtf8(name), QString::fromUtf8(url));
}

Catalogue sample()
{
    return {StationCategory(QStringLiteral("Nieuws"),
                            {st("n1", "https://n.example/1"), st("n2", "https://n.example/2")}),
            StationCategory(QStringLiteral("Jazz"), {st("j1", "https://j.example/1")}),
            StationCategory(QStringLiteral("Klassiek"),
                            {st("k1", "https://k.example/1"), st("k2", "https://k.example/2"),
                             st("k3", "https://k.example/3")})};
}

// "name=count" per row.
QString rows(const QAbstractItemModel &model)
{
    QStringList out;
    for (int i = 0; i < model.rowCount(); ++i) {
        const QModelIndex index = model.index(i, 0);
        out << index.data(CategoryListModel::NameRole).toString() + QLatin1Char('=') +
                   QString::number(index.data(CategoryListModel::StationCountRole).toInt());
    }
    return out.join(QLatin1Char(' '));
}

QString expectedRows(const Catalogue &catalogue)
{
    QStringList out;
    for (const StationCategory &c : catalogue)
        out << c.name + QLatin1Char('=') + QString::number(c.stations.size());
    return out.join(QLatin1Char(' '));
}

struct Rig {
    explicit Rig(const Catalogue &catalogue = sample())
    {
        fixture.writeCatalogue(CatalogueCodec::encodeCatalogue(catalogue));
        store = std::make_unique<StationManager>(fixture.folder(), fixture.builtInPath());
        model = std::make_unique<CategoryListModel>(store.get());
        tester = std::make_unique<QAbstractItemModelTester>(
            model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    CatalogueFixture fixture;
    std::unique_ptr<StationManager> store;
    std::unique_ptr<CategoryListModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

using Edit = std::function<void(StationManager &)>;
} // namespace

Q_DECLARE_METATYPE(Edit)

class TestCategoryListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAndRoles()
    {
        Rig rig;
        QCOMPARE(rows(*rig.model), QStringLiteral("Nieuws=2 Jazz=1 Klassiek=3"));
        QCOMPARE(rig.model->count(), 3);
        QCOMPARE(rig.model->roleNames().value(CategoryListModel::HasStationsRole), QByteArray("hasStations"));
        rig.store->addCategory(QStringLiteral("Leeg"));
        QCOMPARE(rig.model->index(3, 0).data(CategoryListModel::HasStationsRole), QVariant(false));
        QCOMPARE(rig.model->index(3, 0).data(CategoryListModel::StationCountRole), QVariant(0));
        QCOMPARE(rig.model->index(0, 0).data(CategoryListModel::HasStationsRole), QVariant(true));
    }

    void followsEdits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("signals"); // which structural signals the edit gives

        QTest::newRow("station added to a category") << Edit([](StationManager &s) {
            s.addStation(QStringLiteral("j2"), QStringLiteral("https://j.example/2"), QStringLiteral("Jazz"));
        }) << "Nieuws=2 Jazz=2 Klassiek=3"
                                                     << "data";
        QTest::newRow("station added to a new default category") << Edit([](StationManager &s) {
            s.addStation(QStringLiteral("e"), QStringLiteral("https://e.example/"), QString());
        }) << "Nieuws=2 Jazz=1 Klassiek=3 Eigen stations=1"
                                                                 << "insert";
        QTest::newRow("category added")
            << Edit([](StationManager &s) { s.addCategory(QStringLiteral("Leeg")); })
            << "Nieuws=2 Jazz=1 Klassiek=3 Leeg=0"
            << "insert";
        QTest::newRow("station removed")
            << Edit([](StationManager &s) { s.removeStation(st("k2", "https://k.example/2")); })
            << "Nieuws=2 Jazz=1 Klassiek=2"
            << "data";
        QTest::newRow("last station removed takes the category")
            << Edit([](StationManager &s) { s.removeStation(st("j1", "https://j.example/1")); })
            << "Nieuws=2 Klassiek=3"
            << "remove";
        QTest::newRow("moved between categories") << Edit([](StationManager &s) {
            s.moveStation(st("k1", "https://k.example/1"), QStringLiteral("Nieuws"));
        }) << "Nieuws=3 Jazz=1 Klassiek=2"
                                                  << "data";
        QTest::newRow("moved out of its category into a new one") << Edit([](StationManager &s) {
            s.moveStation(st("j1", "https://j.example/1"), QStringLiteral("Nieuw"));
        }) << "Nieuws=2 Klassiek=3 Nieuw=1"
                                                                  << "remove insert";
        QTest::newRow("reordered: nothing to redraw")
            << Edit([](StationManager &s) { s.moveStations(QStringLiteral("Klassiek"), {0}, 3); })
            << "Nieuws=2 Jazz=1 Klassiek=3"
            << "";
    }

    void followsEdits()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, expected);
        QFETCH(QString, signals);
        Rig rig;
        QSignalSpy reset(rig.model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(rig.model.get(), &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(rig.model.get(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(rig.model.get(), &QAbstractItemModel::dataChanged);
        edit(*rig.store);
        QCOMPARE(rows(*rig.model), expected);
        QCOMPARE(expectedRows(rig.store->categories()), expected);
        QStringList seen;
        if (reset.count())
            seen << QStringLiteral("reset");
        if (removed.count())
            seen << QStringLiteral("remove");
        if (inserted.count())
            seen << QStringLiteral("insert");
        if (changed.count() && !removed.count() && !inserted.count())
            seen << QStringLiteral("data");
        QCOMPARE(seen.join(QLatin1Char(' ')), signals);
        QCOMPARE(rig.model->count(), int(rig.store->categories().size()));
    }

    void reloadedCatalogueResets()
    {
        Rig rig;
        rig.fixture.writeCatalogue(CatalogueCodec::encodeCatalogue(
            {StationCategory(QStringLiteral("Anders"), {st("a", "https://a.example/")})}));
        QSignalSpy reset(rig.model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy count(rig.model.get(), &CategoryListModel::countChanged);
        rig.store->loadStations();
        QCOMPARE(rows(*rig.model), QStringLiteral("Anders=1"));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(count.count(), 1);
    }

    void emptyCatalogue()
    {
        Rig rig(Catalogue{});
        // An empty file is filled from the built-in list; empty it through the store's edits.
        for (const StationCategory &c : Catalogue(rig.store->categories()))
            for (const RadioStation &s : c.stations)
                rig.store->removeStation(s);
        QCOMPARE(rig.model->count(), 0);
        QCOMPARE(rig.model->initialSelection(QString()), QString());
        rig.store->addCategory(QStringLiteral("Eerste"));
        QCOMPARE(rows(*rig.model), QStringLiteral("Eerste=0"));
    }

    void initialSelection()
    {
        Rig rig;
        QCOMPARE(rig.model->initialSelection(QString()), QStringLiteral("Nieuws"));
        QCOMPARE(rig.model->initialSelection(QStringLiteral("Jazz")), QStringLiteral("Jazz"));
        // A selection that no longer exists is kept (the tab shows its placeholder).
        QCOMPARE(rig.model->initialSelection(QStringLiteral("Weg")), QStringLiteral("Weg"));
    }

    void createCategory_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Pop" << true << "Pop"
                               << "Nieuws=2 Jazz=1 Klassiek=3 Pop=0";
        QTest::newRow("surrounding spaces and tabs") << " \tPop  " << true << "Pop"
                                                     << "Nieuws=2 Jazz=1 Klassiek=3 Pop=0";
        QTest::newRow("inner spaces stay") << "Oude  pop" << true << "Oude  pop"
                                           << "Nieuws=2 Jazz=1 Klassiek=3 Oude  pop=0";
        QTest::newRow("duplicate selects the existing one") << " Jazz " << true << "Jazz"
                                                            << "Nieuws=2 Jazz=1 Klassiek=3";
        QTest::newRow("other letter case selects the existing one") << "jazz" << true << "Jazz"
                                                                    << "Nieuws=2 Jazz=1 Klassiek=3";
        QTest::newRow("spaces and tabs only") << " \t " << false << ""
                                              << "Nieuws=2 Jazz=1 Klassiek=3";
    }

    void createCategory()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        QFETCH(QString, selected);
        QFETCH(QString, expected);
        Rig rig;
        QCOMPARE(CategoryListModel::canCreateCategory(typed), enabled);
        QCOMPARE(rig.model->createCategory(typed), selected);
        QCOMPARE(rows(*rig.model), expected);
    }

    void deleteCategory_data()
    {
        QTest::addColumn<Catalogue>("catalogue");
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("selectedAfter");
        QTest::addColumn<QString>("expected");
        const Catalogue withEmpty{StationCategory(QStringLiteral("A"), {st("a", "https://a.example/")}),
                                  StationCategory(QStringLiteral("B"), {st("b", "https://b.example/")})};
        QTest::newRow("selected one: the first other is selected") << withEmpty << "Leeg"
                                                                   << "Leeg"
                                                                   << "A"
                                                                   << "A=1 B=1";
        QTest::newRow("another one: selection stays") << withEmpty << "Leeg"
                                                      << "B"
                                                      << "B"
                                                      << "A=1 B=1";
        QTest::newRow("with stations: refused by the store") << withEmpty << "A"
                                                             << "B"
                                                             << "B"
                                                             << "A=1 B=1 Leeg=0";
    }

    void deleteCategory()
    {
        QFETCH(Catalogue, catalogue);
        QFETCH(QString, deleted);
        QFETCH(QString, selected);
        QFETCH(QString, selectedAfter);
        QFETCH(QString, expected);
        Rig rig(catalogue);
        rig.store->addCategory(QStringLiteral("Leeg"));
        QCOMPARE(rig.model->deleteCategory(deleted, selected), selectedAfter);
        QCOMPARE(rows(*rig.model), expected);
    }

    void deletingTheOnlyCategoryLeavesNothingSelected()
    {
        Rig rig(Catalogue{StationCategory(QStringLiteral("A"), {st("a", "https://a.example/")})});
        rig.store->removeStation(st("a", "https://a.example/"));
        rig.store->addCategory(QStringLiteral("Enige"));
        QCOMPARE(rig.model->deleteCategory(QStringLiteral("Enige"), QStringLiteral("Enige")), QString());
        QCOMPARE(rig.model->count(), 0);
    }

    void renameCategory_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("expected");
        QTest::newRow("new name, trimmed") << " Jazz & Blues "
                                           << ""
                                           << "Jazz & Blues"
                                           << "Nieuws=2 Jazz & Blues=1 Klassiek=3";
        QTest::newRow("its own name in capitals") << "JAZZ"
                                                  << ""
                                                  << "JAZZ"
                                                  << "Nieuws=2 JAZZ=1 Klassiek=3";
        QTest::newRow("another's name in other case") << "nieuws"
                                                      << "Er is al een categorie 'Nieuws'."
                                                      << "Jazz"
                                                      << "Nieuws=2 Jazz=1 Klassiek=3";
        QTest::newRow("blank") << " \t"
                               << "Vul een naam in."
                               << "Jazz"
                               << "Nieuws=2 Jazz=1 Klassiek=3";
    }

    void renameCategory()
    {
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        QFETCH(QString, selected);
        QFETCH(QString, expected);
        Rig rig;
        QCOMPARE(rig.model->renameProblem(QStringLiteral("Jazz"), typed), problem);
        QCOMPARE(rig.model->renameCategory(QStringLiteral("Jazz"), typed), selected);
        QCOMPARE(rows(*rig.model), expected);
        QCOMPARE(rig.fixture.savedCatalogue(), rig.store->categories());
    }
};

QTEST_GUILESS_MAIN(TestCategoryListModel)
#include "tst_categorylistmodel.moc"
