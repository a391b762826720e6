// File names from hostile titles: safe on every file system, and never an existing file's name.
#include "base/SafeFileName.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSafeFileName : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void part_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << "Artist - Title"
                               << "Artist - Title";
        QTest::newRow("path separators") << "../../etc/passwd"
                                         << "_.._etc_passwd";
        QTest::newRow("leading dots hide nothing") << "...hidden"
                                                   << "hidden";
        QTest::newRow("dot and dot-dot") << ".."
                                         << "fallback";
        QTest::newRow("controls and line breaks") << "a\r\nb\x1b[2J\x07"
                                                     "c"
                                                  << "a b[2Jc";
        QTest::newRow("refused elsewhere") << "AC/DC: \"Who?\" <live>|*\\"
                                           << "AC_DC_ _Who__ _live____";
        QTest::newRow("trailing dots and blanks") << "Title. . "
                                                  << "Title";
        QTest::newRow("only blanks") << "  \t "
                                     << "fallback";
        QTest::newRow("device name") << "nul.mp3"
                                     << "_nul.mp3";
        QTest::newRow("device-like word stays") << "Console"
                                                << "Console";
        QTest::newRow("capped in bytes, whole characters")
            << QString(150, QChar(0x00e9)) << QString(100, QChar(0x00e9));
        QString notes;
        for (int i = 0; i < 60; ++i)
            notes += QString::fromUtf8("\xf0\x9f\x8e\xb5"); // 4 bytes, a surrogate pair
        QTest::newRow("pairs never split") << notes << notes.left(100);
    }

    void part()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString name = SafeFileName::part(text, QStringLiteral("fallback"));
        QCOMPARE(name, expected);
        QVERIFY(name.toUtf8().size() <= SafeFileName::maxBytes);
        QCOMPARE(SafeFileName::part(name, QStringLiteral("fallback")), name); // idempotent
    }

    void neverAnExistingFile()
    {
        QTemporaryDir dir;
        const auto touch = [&](const QString &name) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        };
        QCOMPARE(SafeFileName::unusedPath(dir.path(), QStringLiteral("Song"), QStringLiteral("mp3")),
                 dir.filePath(QStringLiteral("Song.mp3")));
        touch(QStringLiteral("Song.mp3"));
        touch(QStringLiteral("Song (2).mp3.part")); // a recording still growing
        QCOMPARE(SafeFileName::unusedPath(dir.path(), QStringLiteral("Song"), QStringLiteral("mp3")),
                 dir.filePath(QStringLiteral("Song (3).mp3")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("Link.mp3"))));
        QCOMPARE(SafeFileName::unusedPath(dir.path(), QStringLiteral("Link"), QStringLiteral("mp3")),
                 dir.filePath(QStringLiteral("Link (2).mp3")));
    }
};

QTEST_GUILESS_MAIN(TestSafeFileName)
#include "tst_safefilename.moc"
