// The "Gehoord" list on a store: newest first with day headings, the search and "Bewaard", the
// star kept in the store, the copy text, and a new song shown as the recorder stores it.
#include "base/SettingsStore.h"
#include "history/HistoryRecorder.h"
#include "playback/RadioPlayer.h"
#include "support/FakeHistoryStore.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"
#include "viewmodels/HistoryListModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

class TestHistoryListModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsStarsAndCopies()
    {
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        RadioPlayer player(&backend, &settings, &scheduler);
        FakeHistoryStore store;
        const QDate today(2026, 3, 10);
        QDateTime now(today.addDays(-1), QTime(23, 50));
        HistoryRecorder recorder(&player, &store, [&] { return now; });
        HistoryListModel model(&store, &recorder, [&] { return today; });
        QAbstractItemModelTester tester(&model);

        player.play(RadioStation(QStringLiteral("Alfa"), QStringLiteral("http://a.example/")));
        backend.reportReady();
        backend.reportTitle(QStringLiteral("Moby - Porcelain"));
        now = QDateTime(today, QTime(0, 5));
        backend.reportTitle(QStringLiteral("Nieuws"));
        backend.reportTitle(QStringLiteral("Live from the studio"));
        QCOMPARE(model.count(), 2);
        QCOMPARE(model.data(model.index(0), HistoryListModel::TextRole).toString(),
                 QStringLiteral("Live from the studio"));
        QCOMPARE(model.data(model.index(0), HistoryListModel::DayRole).toString(), QStringLiteral("Vandaag"));
        QCOMPARE(model.data(model.index(1), HistoryListModel::DayRole).toString(),
                 QStringLiteral("Gisteren"));
        QCOMPARE(model.data(model.index(1), HistoryListModel::TimeRole).toString(), QStringLiteral("23:50"));
        QCOMPARE(model.copyText(1), QStringLiteral("Moby - Porcelain"));
        QCOMPARE(model.copyText(5), QString());

        model.setStarred(1, true);
        QVERIFY(store.stored_.constFirst().starred);
        QVERIFY(model.data(model.index(1), HistoryListModel::StarredRole).toBool());
        model.setStarredOnly(true);
        QCOMPARE(model.count(), 1);
        model.setStarred(0, false);
        QCOMPARE(model.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHistoryListModel)
#include "tst_historylistmodel.moc"
