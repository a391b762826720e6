// What plays next: the walk over the catalogue after a failure (order, wrap-around, marked stations
// passed over every half second, the end of the chain, delayed plays that the user has overtaken)
// and streams played alone.
#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "catalogue/StationWalk.h"
#include "playback/PlaybackSequence.h"
#include "playback/RadioPlayer.h"
#include "support/CatalogueFixture.h"
#include "support/FakeStreamBackend.h"
#include "support/LogCapture.h"
#include "support/ManualScheduler.h"
#include "support/TestText.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {
RadioStation st(const QString &name)
{
    return RadioStation(name, QStringLiteral("http://") + name.section(QLatin1Char(' '), 0, 0) +
                                  QStringLiteral(".example/"));
}

// Catalogue: C1: s1, s2 / C2: s3 / C3: s1 (duplicate URL), s4
const char *kCatalogue = "[{'name':'C1','stations':[{'name':'s1','url':'http://s1.example/"
                         "'},{'name':'s2','url':'http://s2.example/'}]},"
                         "{'name':'C2','stations':[{'name':'s3','url':'http://s3.example/'}]},"
                         "{'name':'C3','stations':[{'name':'s1 "
                         "again','url':'http://s1.example/'},{'name':'s4','url':'http://s4.example/'}]}]";
} // namespace

class TestSkipChain : public QObject
{
    Q_OBJECT

    struct Rig {
        explicit Rig(const QByteArray &catalogue)
        {
            fx.writeCatalogue(catalogue);
            store = std::make_unique<StationManager>(fx.folder(), fx.builtInPath());
            radio = std::make_unique<RadioPlayer>(&backend, &settings, &scheduler);
            sequence = std::make_unique<PlaybackSequence>(radio.get(), store.get(), &scheduler);
        }
        QStringList started() const { return backend.calls.filter(QStringLiteral("start ")); }
        CatalogueFixture fx;
        std::unique_ptr<StationManager> store;
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        std::unique_ptr<RadioPlayer> radio;
        std::unique_ptr<PlaybackSequence> sequence;
    };

private Q_SLOTS:
    void walk_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("previous");
        QTest::newRow("middle") << "s2"
                                << "s3"
                                << "s1";
        QTest::newRow("duplicate URL: first occurrence") << "s1"
                                                         << "s2"
                                                         << "s4";
        QTest::newRow("last wraps to first") << "s4"
                                             << "s1"
                                             << "s1 again";
        QTest::newRow("duplicate URL: its own entry") << "s1 again"
                                                      << "s4"
                                                      << "s3";
        QTest::newRow("unknown station") << "zz"
                                         << "s1"
                                         << "s4";
    }

    void walk()
    {
        QFETCH(QString, from);
        QFETCH(QString, next);
        QFETCH(QString, previous);
        CatalogueFixture fx;
        fx.writeCatalogue(j(kCatalogue));
        StationManager store(fx.folder(), fx.builtInPath());
        QCOMPARE(StationWalk::allStations(store.categories()).size(), 5);
        QCOMPARE(StationWalk::nextStation(store.categories(), st(from))->name, next);
        QCOMPARE(StationWalk::previousStation(store.categories(), st(from))->name, previous);
        QVERIFY(!StationWalk::nextStation({}, st(from)));
        QVERIFY(!StationWalk::previousStation({}, st(from)));
    }

    void failurePlaysTheNextAfterHalfASecond()
    {
        Rig rig(j(kCatalogue));
        rig.radio->play(st(QStringLiteral("s2")));
        LogCapture log;
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        QCOMPARE(log.texts(QStringLiteral("player")),
                 (QStringList{"Player item failed: connection refused",
                              "Attempting to skip to next station due to playback failure",
                              "Playback error detected, attempting to skip to next station"}));
        rig.scheduler.advance(499ms);
        QCOMPARE(rig.started().size(), 1);
        rig.scheduler.advance(1ms);
        QCOMPARE(rig.started().constLast(), QStringLiteral("start http://s3.example/"));
        QCOMPARE(rig.radio->playbackState().kind(), PlaybackState::Loading);
    }

    void markedStationsArePassedOverOneEveryHalfSecond()
    {
        Rig rig(j(kCatalogue));
        for (const char *name : {"s3", "s1"}) { // mark two stations
            rig.radio->play(st(QString::fromLatin1(name)));
            rig.backend.reportFailed(StreamFailure::Reason::Refused);
        }
        rig.scheduler.advance(10s); // let those chains run out
        rig.backend.calls.clear();

        // s4 fails: next is s1 (marked, skipped at once), then s2 one half second later.
        rig.radio->play(st(QStringLiteral("s4")));
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.scheduler.advance(500ms);
        QCOMPARE(rig.started(), QStringList{"start http://s4.example/"});
        rig.scheduler.advance(500ms);
        QCOMPARE(rig.started().constLast(), QStringLiteral("start http://s2.example/"));
        QCOMPARE(rig.scheduler.pending(), 0);
    }

    void everyStationFailedEndsTheChain_data()
    {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::newRow("single station")
            << j("[{'name':'C','stations':[{'name':'s1','url':'http://s1.example/'}]}]");
        QTest::newRow("duplicates only")
            << j("[{'name':'C','stations':[{'name':'s1','url':'http://s1.example/'},"
                 "{'name':'s1b','url':'http://s1.example/'}]}]");
    }

    void everyStationFailedEndsTheChain()
    {
        QFETCH(QByteArray, catalogue);
        Rig rig(catalogue);
        LogCapture log;
        rig.radio->play(st(QStringLiteral("s1")));
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        QCOMPARE(rig.scheduler.pending(), 0);
        QCOMPARE(rig.radio->errorMessage(), std::optional<QString>(RadioPlayer::NoWorkingStationsMessage));
        QVERIFY(log.contains(QStringLiteral("player"), QtCriticalMsg,
                             QStringLiteral("No more stations available to try")));
    }

    void allFailedOneByOne()
    {
        Rig rig(j(kCatalogue));
        rig.radio->play(st(QStringLiteral("s1")));
        // Every station the chain starts fails, until none is left.
        for (int i = 0; i < 10; ++i) {
            rig.backend.reportFailed(StreamFailure::Reason::Refused);
            if (rig.scheduler.pending() == 0)
                break;
            rig.scheduler.advance(500ms);
        }
        QCOMPARE(rig.started(), (QStringList{"start http://s1.example/", "start http://s2.example/",
                                             "start http://s3.example/", "start http://s4.example/"}));
        QCOMPARE(rig.radio->errorMessage(), std::optional<QString>(RadioPlayer::NoWorkingStationsMessage));
        QCOMPARE(rig.scheduler.pending(), 0);
    }

    void aWalkThatCannotReachTheRestEnds()
    {
        // The second copy of s1 is indistinguishable from the first, so s3 is out of reach.
        Rig rig(j("[{'name':'C1','stations':[{'name':'s1','url':'http://s1.example/"
                  "'},{'name':'s2','url':'http://s2.example/'}]},"
                  "{'name':'C2','stations':[{'name':'s1','url':'http://s1.example/"
                  "'},{'name':'s3','url':'http://s3.example/'}]}]"));
        rig.radio->play(st(QStringLiteral("s1")));
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.scheduler.advance(500ms); // s2 starts
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.scheduler.advance(10s);
        QCOMPARE(rig.scheduler.pending(), 0);
        QCOMPARE(rig.radio->errorMessage(), std::optional<QString>(RadioPlayer::NoWorkingStationsMessage));
    }

    void emptyCatalogue()
    {
        Rig rig(j("[{'name':'Leeg','stations':[]}]"));
        rig.radio->play(st(QStringLiteral("adhoc")));
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        QCOMPARE(rig.radio->errorMessage(), std::optional<QString>(RadioPlayer::NoWorkingStationsMessage));
    }

    void userActionsOvertakeAPendingSkip()
    {
        Rig rig(j(kCatalogue));
        rig.radio->play(st(QStringLiteral("s1")));
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.radio->stop();
        rig.scheduler.advance(1s);
        QCOMPARE(rig.started().size(), 1);
        QVERIFY(!rig.radio->currentStation());

        rig.radio->play(st(QStringLiteral("s3")));
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.radio->play(st(QStringLiteral("s4"))); // the user picks another station meanwhile
        rig.scheduler.advance(1s);
        QCOMPARE(rig.radio->currentStation()->name, QStringLiteral("s4"));
        QCOMPARE(rig.started().size(), 3);
    }

    void streamsPlayedAloneNeverLeadToTheCatalogue()
    {
        Rig rig(j(kCatalogue));
        QSignalSpy gaveUp(rig.sequence.get(), &PlaybackSequence::aloneFailed);
        const QStringList urls{QStringLiteral("http://x.example/"), QStringLiteral("http://s1.example/")};
        rig.sequence->playAlone(urls);
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        QCOMPARE(rig.sequence->aloneUrl(), std::nullopt); // failed: nothing plays alone now
        QTRY_COMPARE(rig.started().size(), 2);
        QCOMPARE(rig.sequence->aloneUrl(), std::optional<QString>(urls.at(1)));
        rig.backend.reportFailed(StreamFailure::http(404));
        QCOMPARE(gaveUp.size(), 1);
        QCOMPARE(gaveUp.first().at(1).value<StreamFailure>(), StreamFailure::http(404));
        rig.scheduler.advance(10s);
        QCOMPARE(rig.started(), (QStringList{"start http://x.example/", "start http://s1.example/"}));
    }

    void goneObjectsEndTheChainQuietly()
    {
        Rig rig(j(kCatalogue));
        rig.radio->play(st(QStringLiteral("s1")));
        rig.backend.reportFailed(StreamFailure::Reason::Refused);
        rig.radio.reset(); // the pending play must not touch a destroyed player
        rig.scheduler.advance(1s);
        QCOMPARE(rig.started().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSkipChain)
#include "tst_skipchain.moc"
