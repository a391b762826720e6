// The panel's skip notice: shown on each entry into the failed state that skips the station,
// naming it and the reason, hidden 2.0 s after the latest one.
#include "base/SettingsStore.h"
#include "playback/RadioPlayer.h"
#include "support/FakeNetworkMonitor.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"
#include "viewmodels/SkipBanner.h"
#include "viewmodels/StreamErrorText.h"

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
        QCOMPARE(rig.banner.title(), QStringLiteral("Alfa overgeslagen"));
        QCOMPARE(rig.banner.reason(), QStringLiteral("niet gevonden (HTTP 404)"));
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

    void noBannerWhileWaitingForTheNetwork()
    {
        Rig rig;
        FakeNetworkMonitor network;
        rig.player.setNetworkMonitor(&network);
        network.set(NetworkMonitor::Reachability::Offline);
        rig.player.play(a);
        rig.backend.reportFailed(QStringLiteral("host not found"));
        QCOMPARE(rig.player.playbackState().kind(), PlaybackState::Failed);
        QVERIFY(!rig.banner.isVisible()); // nothing was skipped
    }

    void reasonsInPlainWords_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("refused") << "connection refused"
                                 << "verbinding geweigerd";
        QTest::newRow("unknown host") << "host not found"
                                      << "server niet gevonden";
        QTest::newRow("no answer") << "connection timed out"
                                   << "server reageert niet";
        QTest::newRow("403") << "HTTP 403"
                             << "geen toegang (HTTP 403)";
        QTest::newRow("503") << "HTTP 503"
                             << "serverfout (HTTP 503)";
        QTest::newRow("web page") << "not an audio stream"
                                  << "geen audiostream";
        QTest::newRow("unreadable response") << "no stream from the server"
                                             << "ongeldig antwoord van de server";
        QTest::newRow("silence") << "no data for 8 s"
                                 << "geen geluid ontvangen";
        QTest::newRow("codec") << "no decoder for audio/x-foo"
                               << "geen decoder voor audio/x-foo";
        QTest::newRow("local playlist") << "playlist holds no network streams"
                                        << "afspeellijst zonder streams";
        QTest::newRow("unknown: as it is") << "Internal data stream error."
                                           << "Internal data stream error.";
    }

    void reasonsInPlainWords()
    {
        QFETCH(QString, error);
        QFETCH(QString, shown);
        QCOMPARE(StreamErrorText::describe(error), shown);
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
