// Scrobbling on the real player with a fake stream, queue and server, on the manual clock: which
// titles become listens, and how sending waits out failures, 429s, the rate limit and a rejected
// token.
#include "base/SettingsStore.h"
#include "base/WallClock.h"
#include "playback/RadioPlayer.h"
#include "scrobble/ListenQueue.h"
#include "scrobble/Scrobbler.h"
#include "support/FakeNetworkMonitor.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace std::chrono_literals;
using Outcome = ScrobbleReply::Outcome;

namespace {

struct MemoryQueue final : ListenQueue {
    QList<Listen> listens;
    qint64 lastId = 0;
    qint64 append(const Listen &listen) override
    {
        listens.append(listen);
        return listens.last().id = ++lastId;
    }
    QList<Listen> oldest(int limit) override { return listens.mid(0, limit); }
    void dequeue(qint64 id) override
    {
        listens.removeIf([id](const Listen &l) { return l.id == id; });
    }
    int count() override { return int(listens.size()); }
};

// Records each request as "playing_now A - 1", "single A - 1" or "validate"; the test answers.
struct RecordingSender final : ScrobbleSender {
    QStringList requests;
    void submit(const QString &, const QString &, const QByteArray &body) override
    {
        const QJsonObject root = QJsonDocument::fromJson(body).object();
        const QJsonObject track =
            root[QLatin1String("payload")][0][QLatin1String("track_metadata")].toObject();
        requests << root[QLatin1String("listen_type")].toString() + QLatin1Char(' ') +
                        track[QLatin1String("artist_name")].toString() + QStringLiteral(" - ") +
                        track[QLatin1String("track_name")].toString();
    }
    void validate(const QString &, const QString &) override { requests << QStringLiteral("validate"); }
    void answer(Outcome outcome, std::optional<int> remaining = {}, std::optional<int> resetIn = {})
    {
        ScrobbleReply reply;
        reply.outcome = outcome;
        reply.remaining = remaining;
        if (resetIn)
            reply.resetIn = std::chrono::seconds(*resetIn);
        Q_EMIT finished(reply);
    }
};

// Answers at once, as a secret store that holds "stored".
struct MemoryTokens final : TokenStore {
    QString token = QStringLiteral("stored");
    void read() override { Q_EMIT tokenRead(token, Place::SecretStore); }
    void write(const QString &t) override
    {
        token = t;
        Q_EMIT written(Place::SecretStore);
    }
};

struct FixedWallClock final : WallClock {
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC); }
};

struct Rig {
    FakeStreamBackend backend;
    SettingsStore settings{QString()};
    ManualClock clock;
    ManualScheduler scheduler{&clock};
    FixedWallClock wallClock;
    RadioPlayer player{&backend, &settings, &scheduler};
    MemoryQueue queue;
    RecordingSender *sender = new RecordingSender; // the scrobbler owns it
    std::unique_ptr<Scrobbler> scrobbler;

    MemoryTokens *tokens = new MemoryTokens; // likewise

    // `waiting` listens "Q - 1", "Q - 2", ... are in the queue from an earlier run. Without a
    // token from the environment, scrobbling is off until the setting is switched on.
    explicit Rig(int waiting = 0, const QString &environmentToken = QStringLiteral("token"))
    {
        for (int i = 1; i <= waiting; ++i) {
            Listen l;
            l.artist = QStringLiteral("Q");
            l.track = QString::number(i);
            queue.append(l);
        }
        scrobbler = std::make_unique<Scrobbler>(
            &player, &settings, &scheduler, &clock, &wallClock,
            Scrobbler::Parts{[this] { return &queue; }, [this] { return sender; }, [this] { return tokens; }},
            Scrobbler::Options{QStringLiteral("http://lb.example"), environmentToken});
        player.play(RadioStation(QStringLiteral("Alfa"), QStringLiteral("http://alfa.example/live")));
        backend.reportReady();
    }
    QStringList queued() const
    {
        QStringList texts;
        for (const Listen &l : queue.listens)
            texts << l.artist + QStringLiteral(" - ") + l.track;
        return texts;
    }
};

} // namespace

class TestScrobbler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Events: a title, "+N" seconds of play, "pause", "resume", "@Beta" (another station).
    void whenAListenIsDue_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("listens");
        QTest::newRow("next title after 30 s")
            << QStringList{"A - 1", "+30", "B - 2"} << QStringList{"A - 1"};
        QTest::newRow("next title before 30 s") << QStringList{"A - 1", "+29", "B - 2"} << QStringList{};
        QTest::newRow("4 minutes without a next title")
            << QStringList{"A - 1", "+240"} << QStringList{"A - 1"};
        QTest::newRow("not before 4 minutes") << QStringList{"A - 1", "+239"} << QStringList{};
        QTest::newRow("4 minutes, then the next title: once")
            << QStringList{"A - 1", "+300", "B - 2", "+31", "C - 3"} << QStringList{"A - 1", "B - 2"};
        QTest::newRow("a non-song ends the song")
            << QStringList{"A - 1", "+31", "Advertisement", "+60", "B - 2"} << QStringList{"A - 1"};
        QTest::newRow("no artist, no listen") << QStringList{"Het nieuws", "+300", "B - 2"} << QStringList{};
        QTest::newRow("the same title again goes on")
            << QStringList{"A - 1", "+20", "A - 1", "+15", "B - 2"} << QStringList{"A - 1"};
        QTest::newRow("a pause ends it uncounted")
            << QStringList{"A - 1", "+100", "pause", "resume", "+200", "B - 2"} << QStringList{};
        QTest::newRow("another station ends it uncounted")
            << QStringList{"A - 1", "+100", "@Beta", "+200", "B - 2"} << QStringList{};
    }
    void whenAListenIsDue()
    {
        QFETCH(QStringList, events);
        QFETCH(QStringList, listens);
        Rig rig;
        for (const QString &event : events) {
            if (event.startsWith(QLatin1Char('+'))) {
                rig.scheduler.advance(std::chrono::seconds(event.mid(1).toInt()));
            } else if (event == QLatin1String("pause") || event == QLatin1String("resume")) {
                rig.player.togglePlayPause();
                if (event == QLatin1String("resume"))
                    rig.backend.reportReady();
            } else if (event.startsWith(QLatin1Char('@'))) {
                rig.player.play(RadioStation(event.mid(1), QStringLiteral("http://b.example/")));
                rig.backend.reportReady();
            } else {
                rig.backend.reportTitle(event);
            }
        }
        QCOMPARE(rig.queued(), listens);
    }

    void listenFields()
    {
        Rig rig;
        rig.backend.reportTitle(QStringLiteral("Moby - Porcelain"));
        rig.scheduler.advance(240s);
        QCOMPARE(rig.queue.listens.size(), 1);
        const QJsonObject body =
            QJsonDocument::fromJson(ListenRules::body(rig.queue.listens[0], false)).object();
        QCOMPARE(body[QLatin1String("listen_type")].toString(), QStringLiteral("single"));
        const QJsonObject item = body[QLatin1String("payload")][0].toObject();
        QCOMPARE(item[QLatin1String("listened_at")].toInteger(), rig.wallClock.now().toSecsSinceEpoch());
        const QJsonObject info =
            item[QLatin1String("track_metadata")][QLatin1String("additional_info")].toObject();
        QCOMPARE(info[QLatin1String("music_service_name")].toString(), QStringLiteral("Alfa"));
        QCOMPARE(info[QLatin1String("origin_url")].toString(), QStringLiteral("http://alfa.example/live"));
        QCOMPARE(info[QLatin1String("media_player")].toString(), QStringLiteral("Zeffira"));
        QVERIFY(!ListenRules::body(rig.queue.listens[0], true).contains("listened_at"));
    }

    void halfTheKnownLength()
    {
        QCOMPARE(ListenRules::dueAfter(3min), 90s);
        QCOMPARE(ListenRules::dueAfter(10min), 4min);
        QCOMPARE(ListenRules::dueAfter(std::nullopt), 4min);
    }

    // Five listens wait; the server answers each request in turn ("503", "429", "401", "200";
    // "reset=N" adds X-RateLimit-Reset-In, and to a 200 X-RateLimit-Remaining 0). `waits`: the
    // seconds until the next request after each answer (-1: none within an hour).
    void sendingWaits_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QList<int>>("waits");
        QTest::newRow("accepted: at once") << QStringList{"200", "200"} << QList<int>{0, 0};
        QTest::newRow("failures double from 5 s")
            << QStringList{"503", "503", "503", "200"} << QList<int>{5, 10, 20, 0};
        QTest::newRow("a success resets the back-off")
            << QStringList{"503", "200", "503"} << QList<int>{5, 0, 5};
        QTest::newRow("429 waits the reset") << QStringList{"429 reset=42", "200"} << QList<int>{42, 0};
        QTest::newRow("429 without a header backs off") << QStringList{"429", "200"} << QList<int>{5, 0};
        QTest::newRow("a spent rate limit waits the reset")
            << QStringList{"200 reset=7", "200"} << QList<int>{7, 0};
        QTest::newRow("a rejected token stops") << QStringList{"401"} << QList<int>{-1};
    }
    void sendingWaits()
    {
        QFETCH(QStringList, answers);
        QFETCH(QList<int>, waits);
        Rig rig(5);
        QStringList expected;
        int next = 1;
        for (int i = 0; i < answers.size(); ++i) {
            expected << QStringLiteral("single Q - %1").arg(next);
            QCOMPARE(rig.sender->requests, expected);
            const QString status = answers[i].section(QLatin1Char(' '), 0, 0);
            const QString reset = answers[i].section(QLatin1String("reset="), 1);
            const std::optional<int> resetIn =
                reset.isEmpty() ? std::nullopt : std::optional<int>(reset.toInt());
            if (status == QLatin1String("200")) {
                rig.sender->answer(Outcome::Accepted, resetIn ? std::optional<int>(0) : std::nullopt,
                                   resetIn);
                ++next;
            } else {
                rig.sender->answer(status == QLatin1String("401")   ? Outcome::TokenRejected
                                   : status == QLatin1String("429") ? Outcome::RateLimited
                                                                    : Outcome::Failed,
                                   {}, resetIn);
            }
            if (waits[i] < 0) {
                rig.scheduler.advance(1h);
                QCOMPARE(rig.sender->requests.size(), i + 1);
                continue;
            }
            if (waits[i] > 0) {
                rig.scheduler.advance(std::chrono::seconds(waits[i]) - 1ms);
                QCOMPARE(rig.sender->requests.size(), i + 1);
                rig.scheduler.advance(1ms);
            }
            QCOMPARE(rig.sender->requests.size(), i + 2);
        }
        // Taken ones are gone from the queue, the rest wait in order.
        QCOMPARE(rig.queued().constFirst(), QStringLiteral("Q - %1").arg(next));
    }

    // A station announcing faster than the back-off grows must not keep the listens waiting.
    void retryAfterAFailureSendsTheWaitingListen()
    {
        Rig rig(1);
        rig.sender->answer(Outcome::Failed);
        rig.backend.reportTitle(QStringLiteral("A - 1"));
        rig.scheduler.advance(5s);
        rig.sender->answer(Outcome::Accepted);
        QCOMPARE(rig.sender->requests, (QStringList{"single Q - 1", "single Q - 1", "playing_now A - 1"}));
    }

    // Back online, what failed goes out at once; a wait the server asked for is kept.
    void theNetworkComingBackEndsTheBackOff()
    {
        Rig rig(2);
        FakeNetworkMonitor network;
        rig.scrobbler->setNetworkMonitor(&network);
        rig.sender->answer(Outcome::Failed);
        for (int seconds : {5, 10, 20}) {
            rig.scheduler.advance(std::chrono::seconds(seconds));
            rig.sender->answer(Outcome::Failed);
        } // the next try is 40 s away
        network.set(NetworkMonitor::Reachability::Offline);
        network.set(NetworkMonitor::Reachability::Online);
        QCOMPARE(rig.sender->requests.size(), 5);
        rig.sender->answer(Outcome::RateLimited, 0, 30);
        network.set(NetworkMonitor::Reachability::Online);
        rig.scheduler.advance(29s);
        QCOMPARE(rig.sender->requests.size(), 5);
        rig.scheduler.advance(1s);
        QCOMPARE(rig.sender->requests.size(), 6);
    }

    void rejectedTokenWaitsForANewOne()
    {
        Rig rig(1, QString());
        rig.settings.setValue(SettingsKey::ScrobbleEnabled, true);
        rig.sender->answer(Outcome::TokenRejected);
        rig.backend.reportTitle(QStringLiteral("A - 1"));
        rig.scheduler.advance(1h);
        QCOMPARE(rig.sender->requests, QStringList{"single Q - 1"});
        QVERIFY(rig.scrobbler->tokenRejected());
        rig.scrobbler->setToken(QStringLiteral("fresh"));
        QVERIFY(!rig.scrobbler->tokenRejected());
        QCOMPARE(rig.tokens->token, QStringLiteral("fresh"));
        rig.sender->answer(Outcome::Accepted);
        QCOMPARE(rig.sender->requests, (QStringList{"single Q - 1", "validate", "playing_now A - 1"}));
        rig.sender->answer(Outcome::Accepted);
        QCOMPARE(rig.sender->requests.last(), QStringLiteral("single Q - 1"));
    }

    void offSendsNothing()
    {
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        ManualClock clock;
        FixedWallClock wallClock;
        RadioPlayer player(&backend, &settings, &scheduler);
        bool loaded = false;
        const auto load = [&loaded] {
            loaded = true;
            return nullptr;
        };
        Scrobbler scrobbler(&player, &settings, &scheduler, &clock, &wallClock,
                            {[&] { return static_cast<ListenQueue *>(load()); },
                             [&] { return static_cast<ScrobbleSender *>(load()); },
                             [&] { return static_cast<TokenStore *>(load()); }},
                            {});
        player.play(RadioStation(QStringLiteral("Alfa"), QStringLiteral("http://alfa.example/live")));
        backend.reportReady();
        backend.reportTitle(QStringLiteral("A - 1"));
        scheduler.advance(1h);
        QVERIFY(!loaded);
        settings.setValue(SettingsKey::ScrobbleEnabled, true);
        QVERIFY(loaded);
    }
};

QTEST_GUILESS_MAIN(TestScrobbler)
#include "tst_scrobbler.moc"
