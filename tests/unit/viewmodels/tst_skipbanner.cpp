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
        rig.backend.reportFailed(StreamFailure::http(404));
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
        rig.backend.reportFailed(StreamFailure::http(404));
        rig.scheduler.advance(2s);
        // A second failure report while failed is no change of state.
        rig.backend.reportFailed(StreamFailure::http(500));
        QVERIFY(!rig.banner.isVisible());
        QCOMPARE(rig.scheduler.pending(), 0);
    }

    void aNewFailureRestartsTheTime()
    {
        Rig rig;
        rig.player.play(a);
        rig.backend.reportFailed(StreamFailure::http(404));
        rig.scheduler.advance(1500ms);
        rig.player.play(b);
        rig.backend.reportFailed(StreamFailure::Reason::Timeout);
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
        rig.backend.reportFailed(StreamFailure::Reason::HostNotFound);
        QCOMPARE(rig.player.playbackState().kind(), PlaybackState::Failed);
        QVERIFY(!rig.banner.isVisible()); // nothing was skipped
    }

    // Every reason: the words of the log (kept as they always were) and of the user.
    void reasonsInPlainWords_data()
    {
        using R = StreamFailure::Reason;
        QTest::addColumn<StreamFailure>("failure");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("shown");
        const struct {
            StreamFailure failure;
            const char *logged;
            const char *shown;
        } rows[] = {
            {StreamFailure(R::Refused), "connection refused", "verbinding geweigerd"},
            {StreamFailure(R::HostNotFound), "host not found", "server niet gevonden"},
            {StreamFailure(R::HostUnreachable), "host unreachable", "server onbereikbaar"},
            {StreamFailure(R::NetworkUnreachable), "network unreachable", "netwerk onbereikbaar"},
            {StreamFailure(R::Timeout), "connection timed out", "server reageert niet"},
            {StreamFailure::http(404), "HTTP 404", "niet gevonden (HTTP 404)"},
            {StreamFailure::http(401), "HTTP 401", "geen toegang (HTTP 401)"},
            {StreamFailure::http(403), "HTTP 403", "geen toegang (HTTP 403)"},
            {StreamFailure::http(503), "HTTP 503", "serverfout (HTTP 503)"},
            {StreamFailure::http(410), "HTTP 410", "geweigerd (HTTP 410)"},
            {StreamFailure(R::UnsupportedFormat), "not an audio stream", "geen audiostream"},
            {StreamFailure(R::NoStream), "no stream from the server", "ongeldig antwoord van de server"},
            {StreamFailure(R::BadResponse), "bad server response", "ongeldig antwoord van de server"},
            {StreamFailure(R::Ended), "stream ended", "stream afgebroken"},
            {StreamFailure::stalled(std::chrono::seconds(8)), "no data for 8 s", "geen geluid ontvangen"},
            {StreamFailure(R::NoDecoder, QStringLiteral("audio/x-foo")), "no decoder for audio/x-foo",
             "geen decoder voor audio/x-foo"},
            {StreamFailure(R::UnsupportedScheme), "unsupported URL scheme", "adres wordt niet ondersteund"},
            {StreamFailure(R::InvalidUrl), "invalid URL", "ongeldig adres"},
            {StreamFailure(R::TooManyRedirects), "too many redirects", "te veel doorverwijzingen"},
            {StreamFailure(R::InsecureRedirect), "redirect to an insecure address refused",
             "onveilige doorverwijzing geweigerd"},
            {StreamFailure(R::SecureConnectionFailed), "secure connection failed",
             "beveiligde verbinding mislukt"},
            {StreamFailure(R::ProxyFailed), "proxy failed", "proxy werkt niet"},
            {StreamFailure(R::NoPlayableEntry), "playlist holds no network streams",
             "afspeellijst zonder streams"},
            {StreamFailure(R::EmptyPlaylist), "empty playlist", "afspeellijst zonder streams"},
            {StreamFailure(R::PlaylistTooDeep), "playlists nested too deep", "afspeellijst klopt niet"},
            {StreamFailure(R::PlaylistListsItself), "playlist lists itself", "afspeellijst klopt niet"},
            // The platform's own words, cleaned, as they came.
            {StreamFailure(R::Other, QStringLiteral("Internal data\x1b[2J stream error.")),
             "Internal data[2J stream error.", "Internal data[2J stream error."},
            {StreamFailure(), "stream error", "stream error"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.logged)
                << row.failure << QString::fromUtf8(row.logged) << QString::fromUtf8(row.shown);
    }

    void reasonsInPlainWords()
    {
        QFETCH(StreamFailure, failure);
        QFETCH(QString, logged);
        QFETCH(QString, shown);
        QCOMPARE(failure.logText(), logged);
        QCOMPARE(StreamErrorText::describe(failure), shown);
    }

    void theStateAtCreationIsNoChange()
    {
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        RadioPlayer player(&backend, &settings, &scheduler);
        player.play(a);
        backend.reportFailed(StreamFailure::http(404));
        SkipBanner banner(&player, &scheduler);
        QVERIFY(!banner.isVisible());
        player.play(b);
        backend.reportFailed(StreamFailure::http(404));
        QVERIFY(banner.isVisible());
    }
};

QTEST_GUILESS_MAIN(TestSkipBanner)
#include "tst_skipbanner.moc"
