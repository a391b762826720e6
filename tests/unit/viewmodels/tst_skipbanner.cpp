// The panel's skip notice: shown on each entry into the failed state, hidden 2.0 s after the
// latest one.
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"
#include "viewmodels/SkipBanner.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
const RadioStation a(QStringLiteral("Alfa"), QStringLiteral("http://a.example/"));
const RadioStation b(QStringLiteral("Bravo"), QStringLiteral("http://b.example/"));

struct Rig {
    FakeStreamBackend backend;
    SettingsStore settings{QString()};
    ManualScheduler playerScheduler;
    ManualScheduler scheduler;
    RadioPlayer player{&backend, &settings, &playerScheduler};
    SkipBanner banner{&player, &scheduler};
};
} // namespace

class TestSkipBanner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsThenHides()
    {
        Rig rig;
        rig.player.play(a);
        QVERIFY(!rig.banner.isVisible());
        rig.backend.reportFailed(QStringLiteral("HTTP 404"));
        QVERIFY(rig.banner.isVisible());
        rig.scheduler.advance(1999ms);
        QVERIFY(rig.banner.isVisible());
        rig.scheduler.advance(1ms);
        QVERIFY(!rig.banner.isVisible());
    }

    void onlyAnEntryIntoFailedCounts()
    {
        Rig rig;
        rig.player.play(a);
        rig.backend.reportFailed(QStringLiteral("HTTP 404"));
        rig.scheduler.advance(2s);
        // A second failure report while failed is no change of state.
        rig.backend.reportFailed(QStringLiteral("HTTP 500"));
        QVERIFY(!rig.banner.isVisible());
        QCOMPARE(rig.scheduler.pending(), 0);
    }

    void aNewFailureRestartsTheTime()
    {
        Rig rig;
        rig.player.play(a);
        rig.backend.reportFailed(QStringLiteral("HTTP 404"));
        rig.scheduler.advance(1500ms);
        rig.player.play(b);
        rig.backend.reportFailed(QStringLiteral("timeout"));
        rig.scheduler.advance(1000ms); // the first hide comes due and is stale
        QVERIFY(rig.banner.isVisible());
        rig.scheduler.advance(1000ms);
        QVERIFY(!rig.banner.isVisible());
    }

    void theStateAtCreationIsNoChange()
    {
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        RadioPlayer player(&backend, &settings, &scheduler);
        player.play(a);
        backend.reportFailed(QStringLiteral("HTTP 404"));
        SkipBanner banner(&player, &scheduler);
        QVERIFY(!banner.isVisible());
        player.play(b);
        backend.reportFailed(QStringLiteral("HTTP 404"));
        QVERIFY(banner.isVisible());
    }
};

QTEST_GUILESS_MAIN(TestSkipBanner)
#include "tst_skipbanner.moc"
