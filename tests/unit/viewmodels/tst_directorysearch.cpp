// The add-station sheet's directory search: searching once typing pauses, superseded searches,
// the status line for each outcome, and choosing a result.
#include "support/FakeStationDirectory.h"
#include "support/ManualScheduler.h"
#include "viewmodels/DirectorySearchModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using Status = DirectorySearchModel::Status;

namespace {
const DirectoryStation kJazz{
    "u1", "Jazz", "https://jazz.example/live.mp3", "NL", "MP3", 128, {"jazz", "lounge"}, QString()};
}

class TestDirectorySearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void searchesOnceTypingPauses()
    {
        FakeStationDirectory directory;
        ManualScheduler scheduler;
        DirectorySearchModel model(&directory, &scheduler);
        for (const char *typed : {"j", "ja", "jaz"}) {
            model.setQuery(QString::fromLatin1(typed));
            scheduler.advance(DirectorySearchModel::debounce - 1ms);
        }
        QVERIFY(directory.searches.isEmpty());
        QCOMPARE(model.status(), Status::Searching);
        scheduler.advance(1ms);
        QCOMPARE(directory.searches, QStringList{"jaz"});
        // Every keystroke dropped the search under way: an older answer never shows.
        QCOMPARE(directory.cancels, 3);
    }

    void outcomes_data()
    {
        QTest::addColumn<int>("outcome"); // 0: results, 1: none, 2: no server, 3: bad answer
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("hasText");
        QTest::newRow("results") << 0 << Status::Results << 1 << false;
        QTest::newRow("none") << 1 << Status::NoResults << 0 << true;
        QTest::newRow("no server") << 2 << Status::NoServer << 0 << true;
        QTest::newRow("bad answer") << 3 << Status::BadAnswer << 0 << true;
    }

    void outcomes()
    {
        QFETCH(int, outcome);
        QFETCH(Status, status);
        QFETCH(int, count);
        QFETCH(bool, hasText);
        FakeStationDirectory directory;
        ManualScheduler scheduler;
        DirectorySearchModel model(&directory, &scheduler);
        model.setQuery(QStringLiteral("jazz"));
        scheduler.advance(DirectorySearchModel::debounce);
        if (outcome < 2)
            directory.reportFound(outcome == 0 ? QList<DirectoryStation>{kJazz} : QList<DirectoryStation>{});
        else
            directory.reportFailed(outcome == 2 ? StationDirectory::Failure::NoServer
                                                : StationDirectory::Failure::BadAnswer);
        QCOMPARE(model.status(), status);
        QCOMPARE(model.count(), count);
        QCOMPARE(!model.statusText().isEmpty(), hasText);
    }

    void rowsAndChoosing()
    {
        FakeStationDirectory directory;
        ManualScheduler scheduler;
        DirectorySearchModel model(&directory, &scheduler);
        model.setQuery(QStringLiteral("jazz"));
        scheduler.advance(DirectorySearchModel::debounce);
        directory.reportFound({kJazz});
        const QModelIndex row = model.index(0);
        QCOMPARE(row.data(DirectorySearchModel::DetailsRole).toString(), QStringLiteral("MP3 · 128 kbps"));
        QCOMPARE(row.data(DirectorySearchModel::TagsRole).toString(), QStringLiteral("jazz, lounge"));
        const QVariantMap chosen = model.choose(0);
        QCOMPARE(chosen.value("name").toString(), kJazz.name);
        QCOMPARE(chosen.value("url").toString(), kJazz.url);
        QCOMPARE(directory.clicks, QStringList{"u1"});
        QVERIFY(model.choose(1).isEmpty());
        QCOMPARE(directory.clicks.size(), 1);
    }

    void clearingDropsResultsAndLateAnswers()
    {
        FakeStationDirectory directory;
        ManualScheduler scheduler;
        DirectorySearchModel model(&directory, &scheduler);
        model.setQuery(QStringLiteral("jazz"));
        scheduler.advance(DirectorySearchModel::debounce);
        directory.reportFound({kJazz});
        model.setQuery(QStringLiteral("jazz fm"));
        model.clear();
        scheduler.advance(DirectorySearchModel::debounce);
        directory.reportFound({kJazz}); // late, for a search that was dropped
        QCOMPARE(model.status(), Status::Idle);
        QCOMPARE(model.count(), 0);
        QCOMPARE(directory.searches.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDirectorySearch)
#include "tst_directorysearch.moc"
