// The directory's answers as the stand-in server serves them (tests/fixtures/directory): what
// becomes a result, what is left out, and which answers are refused whole.
#include "directory/DirectoryAnswer.h"

#include <QFile>
#include <QTest>

class TestDirectoryAnswer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error"); // what the reason starts with; empty: accepted
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("refused");
        auto file = [](const char *name) {
            QFile f(qEnvironmentVariable("ZEFFIRA_FIXTURES") + "/directory/" + name);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing fixture");
        };
        // Control characters and surrounding spaces go; a file: resolved URL falls back to the
        // listed one; file: URLs and blank names are left out.
        QTest::newRow("good") << file("good.json") << QString()
                              << QStringList{"Jazz Lounge Haarlem", "Bluesradio", "Sax Nights"} << 2;
        QTest::newRow("empty list") << QByteArray("[]") << QString() << QStringList() << 0;
        QTest::newRow("only file and device URLs")
            << file("fileurls.json") << QString() << QStringList() << 2;
        QTest::newRow("HTML") << file("html.html") << "geen JSON: een HTML" << QStringList() << 0;
        QTest::newRow("truncated") << file("truncated.json") << "geen JSON" << QStringList() << 0;
        QTest::newRow("bitrate as text")
            << file("wrongtypes.json") << "zender 1: \"bitrate\"" << QStringList() << 0;
        QTest::newRow("object, not a list") << file("object.json") << "geen lijst" << QStringList() << 0;
        QTest::newRow("list of numbers")
            << QByteArray("[1,2]") << "zender 1 is geen object" << QStringList() << 0;
        QTest::newRow("URL as a number")
            << QByteArray("[{\"name\":\"A\",\"url\":5}]") << "zender 1: \"url\"" << QStringList() << 0;
        QTest::newRow("tags as a list")
            << QByteArray("[{\"name\":\"A\",\"url\":\"http://a.example/\",\"tags\":[]}]")
            << "zender 1: \"tags\"" << QStringList() << 0;
        QByteArray huge = "[" + QByteArray(DirectoryAnswer::maxBytes, ' ') + "]";
        QTest::newRow("too large") << huge << "antwoord te groot" << QStringList() << 0;
    }

    void answers()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        QFETCH(QStringList, names);
        QFETCH(int, refused);
        QString reason;
        const auto result = DirectoryAnswer::parse(body, &reason);
        QCOMPARE(bool(result), error.isEmpty());
        if (!result) {
            QVERIFY2(reason.startsWith(error), qPrintable(reason));
            return;
        }
        QStringList got;
        for (const DirectoryStation &s : result->stations)
            got << s.name;
        QCOMPARE(got, names);
        QCOMPARE(result->refused, refused);
    }

    void fieldsOfAResult()
    {
        QFile f(qEnvironmentVariable("ZEFFIRA_FIXTURES") + "/directory/good.json");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const auto result = DirectoryAnswer::parse(f.readAll());
        QVERIFY(result && result->stations.size() == 3);
        const DirectoryStation expected{"9617a958-0601-11e8-ae97-52543be04c81",
                                        "Jazz Lounge Haarlem",
                                        "https://jazz.example/live.mp3",
                                        "The Netherlands",
                                        "MP3",
                                        128,
                                        {"jazz", "lounge", "smooth jazz"},
                                        "https://jazz.example/logo.png"};
        QCOMPARE(result->stations.at(0), expected);
        QCOMPARE(result->stations.at(1).url, QStringLiteral("https://blues.example/stream.aac"));
        QCOMPARE(result->stations.at(1).favicon, QString()); // a logo that is no web address is left out
        QCOMPARE(result->stations.at(2).url, QStringLiteral("http://sax.example:8000/stream"));
    }

    void atMostFiftyResults()
    {
        QByteArray body = "[";
        for (int i = 0; i < 80; ++i)
            body += QStringLiteral("%1{\"name\":\"S%2\",\"url\":\"https://s.example/%2\"}")
                        .arg(i ? "," : "")
                        .arg(i)
                        .toUtf8();
        const auto result = DirectoryAnswer::parse(body + "]");
        QVERIFY(result);
        QCOMPARE(result->stations.size(), DirectoryAnswer::maxResults);
    }
};

QTEST_GUILESS_MAIN(TestDirectoryAnswer)
#include "tst_directoryanswer.moc"
