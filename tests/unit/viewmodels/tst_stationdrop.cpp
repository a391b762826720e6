// Dropping a dragged station on a category row: the refusal, moving at once or after the
// confirmation, "Vraag dit niet opnieuw", cancelling, and the "Verplaats naar..." targets.
#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"
#include "viewmodels/StationDrop.h"

#include <QSignalSpy>
#include <QTest>

namespace {
QString layout(const Catalogue &catalogue)
{
    QStringList out;
    for (const StationCategory &c : catalogue) {
        QStringList names;
        for (const RadioStation &s : c.stations)
            names << s.name;
        out << c.name + QLatin1Char(':') + names.join(QLatin1Char(','));
    }
    return out.join(QLatin1Char('|'));
}

const RadioStation publiek1(QStringLiteral("p1"), QStringLiteral("https://p.example/1"));
const RadioStation jazz1(QStringLiteral("j1"), QStringLiteral("https://j.example/1"));
const QString builtInLayout = QStringLiteral("Publiek:p1,p2|Jazz:j1");

struct Rig {
    explicit Rig(bool skip = false) : store(fixture.folder(), fixture.builtInPath()), drop(&store, &settings)
    {
        if (skip)
            settings.setValue(SettingsKey::SkipMoveConfirmation, true);
    }
    CatalogueFixture fixture; // Publiek: p1, p2 / Jazz: j1
    SettingsStore settings{QString()};
    StationManager store;
    StationDrop drop;
};
} // namespace

class TestStationDrop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedDrops_data()
    {
        QTest::addColumn<bool>("skip");
        QTest::addColumn<bool>("drag");
        QTest::addColumn<RadioStation>("dragged");
        QTest::addColumn<QString>("target");
        QTest::newRow("nothing dragged") << false << false << publiek1 << "Jazz";
        QTest::newRow("onto its own category") << false << true << publiek1 << "Publiek";
        QTest::newRow("onto its own category, not asking") << true << true << publiek1 << "Publiek";
        // Another name, the same URL text: the target already holds that station.
        QTest::newRow("same URL under another name")
            << true << true << RadioStation(QStringLiteral("Ander"), jazz1.url) << "Jazz";
    }

    void refusedDrops()
    {
        QFETCH(bool, skip);
        QFETCH(bool, drag);
        QFETCH(RadioStation, dragged);
        QFETCH(QString, target);
        Rig rig(skip);
        if (drag)
            rig.drop.startDrag(dragged.name, dragged.url);
        const QByteArray file = rig.fixture.readCatalogueFile();
        QCOMPARE(rig.drop.handleDrop(target), false);
        QVERIFY(!rig.drop.hasDraggedStation()); // cleared all the same
        QVERIFY(!rig.drop.showMoveConfirmation());
        QCOMPARE(layout(rig.store.categories()), builtInLayout);
        QCOMPARE(rig.fixture.readCatalogueFile(), file);
    }

    void urlComparedExactly()
    {
        Rig rig(true);
        // Differs from j1 only in letter case: another station, so the drop is accepted.
        rig.drop.startDrag(QStringLiteral("J"), QStringLiteral("https://J.example/1"));
        QCOMPARE(rig.drop.handleDrop(QStringLiteral("Jazz")), true);
        QCOMPARE(layout(rig.store.categories()), QStringLiteral("Publiek:p1,p2|Jazz:j1,J"));
    }

    void movesAtOnceWhenNotAsking_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        QTest::newRow("existing category") << "Jazz"
                                           << "Publiek:p2|Jazz:j1,p1";
        QTest::newRow("missing category is created") << "Nieuw"
                                                     << "Publiek:p2|Jazz:j1|Nieuw:p1";
    }

    void movesAtOnceWhenNotAsking()
    {
        QFETCH(QString, target);
        QFETCH(QString, expected);
        Rig rig(true);
        rig.drop.startDrag(publiek1);
        QCOMPARE(rig.drop.handleDrop(target), true);
        QVERIFY(!rig.drop.showMoveConfirmation());
        QVERIFY(!rig.drop.hasPendingMove());
        QCOMPARE(layout(rig.store.categories()), expected);
        QCOMPARE(layout(rig.fixture.savedCatalogue()), expected);
    }

    void askFirstThenConfirm_data()
    {
        QTest::addColumn<bool>("dontAskAgain");
        QTest::newRow("asking again") << false;
        QTest::newRow("Vraag dit niet opnieuw") << true;
    }

    void askFirstThenConfirm()
    {
        QFETCH(bool, dontAskAgain);
        Rig rig;
        rig.drop.setDontAskAgain(true); // left over from an earlier sheet
        rig.drop.startDrag(publiek1);
        QSignalSpy sheet(&rig.drop, &StationDrop::moveConfirmationChanged);
        QCOMPARE(rig.drop.handleDrop(QStringLiteral("Jazz")), true);
        QCOMPARE(sheet.count(), 1);
        QVERIFY(rig.drop.showMoveConfirmation());
        QCOMPARE(rig.drop.pendingStationName(), QStringLiteral("p1"));
        QCOMPARE(rig.drop.pendingTargetCategory(), QStringLiteral("Jazz"));
        QCOMPARE(rig.drop.dontAskAgain(), false);                // each sheet starts with the switch off
        QCOMPARE(layout(rig.store.categories()), builtInLayout); // waits for the sheet

        rig.drop.setDontAskAgain(dontAskAgain);
        rig.drop.confirmMove();
        QCOMPARE(layout(rig.store.categories()), QStringLiteral("Publiek:p2|Jazz:j1,p1"));
        QVERIFY(!rig.drop.showMoveConfirmation());
        QVERIFY(!rig.drop.hasPendingMove());
        QCOMPARE(rig.settings.boolValue(SettingsKey::SkipMoveConfirmation), dontAskAgain);
        QCOMPARE(rig.drop.skipMoveConfirmation(), dontAskAgain);

        // The next drop asks again only when the switch was off.
        rig.drop.startDrag(jazz1);
        QVERIFY(rig.drop.handleDrop(QStringLiteral("Publiek")));
        QCOMPARE(rig.drop.showMoveConfirmation(), !dontAskAgain);
    }

    void cancelMovesAndStoresNothing()
    {
        Rig rig;
        rig.drop.startDrag(publiek1);
        QVERIFY(rig.drop.handleDrop(QStringLiteral("Jazz")));
        rig.drop.setDontAskAgain(true);
        rig.drop.cancelMove();
        QVERIFY(!rig.drop.showMoveConfirmation());
        QVERIFY(!rig.drop.hasPendingMove());
        QCOMPARE(layout(rig.store.categories()), builtInLayout);
        QVERIFY(!rig.settings.contains(SettingsKey::SkipMoveConfirmation));
    }

    void confirmMovesThePairCapturedAtTheDrop()
    {
        Rig rig;
        rig.drop.startDrag(publiek1);
        QVERIFY(rig.drop.handleDrop(QStringLiteral("Jazz")));
        // Another drag starts while the sheet is up; the pending move is still p1 to Jazz.
        rig.drop.startDrag(jazz1);
        rig.drop.confirmMove();
        QCOMPARE(layout(rig.store.categories()), QStringLiteral("Publiek:p2|Jazz:j1,p1"));
        QVERIFY(rig.drop.hasDraggedStation());
    }

    void settingChangedElsewhereIsFollowed()
    {
        Rig rig;
        QSignalSpy changed(&rig.drop, &StationDrop::skipMoveConfirmationChanged);
        rig.settings.setValue(SettingsKey::SkipMoveConfirmation, true);
        QCOMPARE(changed.count(), 1);
        rig.drop.startDrag(publiek1);
        QVERIFY(rig.drop.handleDrop(QStringLiteral("Jazz")));
        QVERIFY(!rig.drop.showMoveConfirmation());
    }

    void moveTargets()
    {
        Rig rig;
        QCOMPARE(rig.drop.moveTargets(QStringLiteral("Publiek")), QStringList({QStringLiteral("Jazz")}));
        rig.store.addCategory(QStringLiteral("Leeg"));
        QCOMPARE(rig.drop.moveTargets(QStringLiteral("Jazz")),
                 QStringList({QStringLiteral("Publiek"), QStringLiteral("Leeg")}));
        QCOMPARE(rig.drop.moveTargets(QStringLiteral("jazz")),
                 QStringList({QStringLiteral("Publiek"), QStringLiteral("Jazz"), QStringLiteral("Leeg")}));
    }
};

QTEST_GUILESS_MAIN(TestStationDrop)
#include "tst_stationdrop.moc"
