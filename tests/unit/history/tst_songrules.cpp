// What counts as a song: the text rules, and the recorder's rules over one play (repeats, the
// station's slogan, pauses, another station).
#include "base/SettingsStore.h"
#include "history/HistoryRecorder.h"
#include "history/SongRules.h"
#include "playback/RadioPlayer.h"
#include "support/FakeHistoryStore.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QTest>
#include <QTimeZone>

class TestSongRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void song_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // "artist|title", or "-" for not a song
        const auto row = [](const char *name, const char *text, const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(expected);
        };
        row("artist and title", "Nina Simone - Feeling Good", "Nina Simone|Feeling Good");
        row("first separator splits", "AC - DC - Thunder - Live", "AC|DC - Thunder - Live");
        row("en dash", "Björk \u2013 Jóga", "Björk|Jóga");
        row("hyphen inside a name", "Jay-Z - 99 Problems", "Jay-Z|99 Problems");
        row("spaces tidied", "  Moby  -   Porcelain ", "Moby|Porcelain");
        row("no artist", "Morning show with Anna", "|Morning show with Anna");
        row("artist side empty", " - Porcelain", "|Porcelain");
        row("title side empty", "Moby - ", "|Moby");
        row("empty", "", "-");
        row("punctuation only", " - ", "-");
        row("the station's name", "radio alfa", "-");
        row("the station's name as artist", "Radio Alfa - Your hits", "-");
        row("advertising", "Advertisement", "-");
        row("commercial break", "Commercial Break", "-");
        row("reclame with sponsor", "Reclame - Bol", "-");
        row("ad insertion marker", "text=\"Spot\" adw_ad='true'", "-");
        row("adswizz", "AdsWizz insertion", "-");
        row("song named like a marker word", "The Clash - Spot", "The Clash|Spot");
    }
    void song()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::optional<Song> song = SongRules::song(text, QStringLiteral("Radio Alfa"));
        QCOMPARE(song ? song->artist + QLatin1Char('|') + song->title : QStringLiteral("-"), expected);
    }

    void recorder_data()
    {
        QTest::addColumn<QStringList>("events"); // a title, "pause", "resume", "stop" or "@station"
        QTest::addColumn<QStringList>("stored");
        const QString slogan = QStringLiteral("The best mix");
        QTest::newRow("each song once")
            << QStringList{"A - 1", "B - 2", "C - 3"} << QStringList{"A - 1", "B - 2", "C - 3"};
        QTest::newRow("repeat within the play")
            << QStringList{"A - 1", "B - 2", "a  -  1", "B - 2"} << QStringList{"A - 1", "B - 2"};
        QTest::newRow("slogan at the third break")
            << QStringList{"A - 1", slogan, "B - 2", slogan, "C - 3", slogan, "D - 4", slogan}
            << QStringList{"A - 1", "B - 2", "C - 3", "D - 4"};
        QTest::newRow("artist-less twice is kept")
            << QStringList{"Live from the studio", "A - 1", "Live from the studio"}
            << QStringList{"Live from the studio", "A - 1"};
        QTest::newRow("a song three times stays")
            << QStringList{"A - 1", "B - 2", "A - 1", "B - 2", "A - 1"} << QStringList{"A - 1", "B - 2"};
        QTest::newRow("not songs") << QStringList{"", "Radio Alfa", "Advertisement", "A - 1"}
                                   << QStringList{"A - 1"};
        QTest::newRow("paused hears nothing")
            << QStringList{"A - 1", "pause", "B - 2", "resume", "C - 3"} << QStringList{"A - 1", "C - 3"};
        QTest::newRow("resume continues the play")
            << QStringList{"A - 1", "pause", "resume", "B - 2", "A - 1"} << QStringList{"A - 1", "B - 2"};
        QTest::newRow("another station, a new play")
            << QStringList{"A - 1", "@Radio Beta", "A - 1", "@Radio Alfa", "A - 1"}
            << QStringList{"A - 1", "A - 1", "A - 1"};
        QTest::newRow("a stop ends the play")
            << QStringList{"A - 1", "stop", "@Radio Alfa", "A - 1"} << QStringList{"A - 1", "A - 1"};
    }
    void recorder()
    {
        QFETCH(QStringList, events);
        QFETCH(QStringList, stored);
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        RadioPlayer player(&backend, &settings, &scheduler);
        FakeHistoryStore history;
        const QDateTime start(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC);
        int minutes = 0;
        HistoryRecorder recorder(&player, &history, [&] { return start.addSecs(60 * minutes); });

        const auto choose = [&](const QString &name) {
            player.play(RadioStation(name, QStringLiteral("http://%1.example/").arg(name.section(' ', 1))));
            backend.reportReady();
        };
        choose(QStringLiteral("Radio Alfa"));
        for (const QString &event : events) {
            ++minutes;
            if (event.startsWith(QLatin1Char('@')))
                choose(event.mid(1));
            else if (event == QLatin1String("pause") || event == QLatin1String("resume"))
                player.togglePlayPause();
            else if (event == QLatin1String("stop"))
                player.stop();
            else
                backend.reportTitle(event);
            if (event == QLatin1String("resume"))
                backend.reportReady();
        }
        QStringList texts;
        for (const HistoryEntry &entry : history.stored_)
            texts << entry.text();
        QCOMPARE(texts, stored);
    }

    void entryFields()
    {
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        RadioPlayer player(&backend, &settings, &scheduler);
        FakeHistoryStore history;
        const QDateTime at(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
        HistoryRecorder recorder(&player, &history, [&] { return at; });
        player.play(RadioStation(QStringLiteral("Alfa"), QStringLiteral("http://a.example/live")));
        backend.reportReady();
        backend.reportTitle(QStringLiteral("Moby - Porcelain"));
        QCOMPARE(history.stored_.size(), 1);
        const HistoryEntry &entry = history.stored_.constFirst();
        QCOMPARE(entry.startedAt, at);
        QCOMPARE(entry.stationName, QStringLiteral("Alfa"));
        QCOMPARE(entry.stationUrl, QStringLiteral("http://a.example/live"));
        QCOMPARE(entry.artist, QStringLiteral("Moby"));
        QCOMPARE(entry.title, QStringLiteral("Porcelain"));
    }
};

QTEST_GUILESS_MAIN(TestSongRules)
#include "tst_songrules.moc"
