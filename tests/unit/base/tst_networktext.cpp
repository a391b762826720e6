// Texts from the network: plain single lines without controls, decoded leniently, capped.
#include "base/NetworkText.h"

#include <QTest>

class TestNetworkText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clean_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // as the server sent them
        QTest::addColumn<QString>("expected");

        const QString ellipsis(QChar(0x2026));
        QTest::newRow("plain") << QByteArray("Artist - Title") << "Artist - Title";
        QTest::newRow("markup stays text")
            << QByteArray("<b>Bold</b> <img src=x>") << "<b>Bold</b> <img src=x>";
        QTest::newRow("forged log line")
            << QByteArray("Song\r\nplayer: State: failed") << "Song player: State: failed";
        QTest::newRow("terminal escapes and bell") << QByteArray("a\x1b[2Jb\x07") << "a[2Jb";
        QTest::newRow("NUL inside") << QByteArray("a\0b", 3) << "ab";
        QTest::newRow("runs of blanks, trimmed") << QByteArray("  spaced\t\tout  \n") << "spaced out";
        QTest::newRow("C1 controls") << QByteArray("a\xc2\x85"
                                                   "b\xc2\x9b"
                                                   "c")
                                     << "a bc";
        QTest::newRow("bidirectional override") << QByteArray("abc\xe2\x80\xae"
                                                              "fed")
                                                << "abcfed";
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9") << "Café";
        QTest::newRow("not UTF-8: Latin-1")
            << QByteArray("Caf\xe9 \xff\xfe au lait") << QString::fromUtf8("Café ÿþ au lait");
        QTest::newRow("only controls") << QByteArray("\r\n\x1b\x07") << QString();
        QTest::newRow("capped") << QByteArray(300, 'x') << QString(255, QLatin1Char('x')) + ellipsis;
        QTest::newRow("exactly the cap") << QByteArray(256, 'x') << QString(256, QLatin1Char('x'));
        QTest::newRow("capped before a blank")
            << QByteArray(255, 'x') + " yz" << QString(255, QLatin1Char('x')) + ellipsis;
        QByteArray emoji;
        QString emojiText;
        for (int i = 0; i < 300; ++i) {
            emoji += "\xf0\x9f\x8e\xb5";
            if (i < 255)
                emojiText += QString::fromUtf8("\xf0\x9f\x8e\xb5");
        }
        QTest::newRow("capped by characters, pairs kept whole") << emoji << emojiText + ellipsis;
    }

    void clean()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString cleaned = NetworkText::fromBytes(bytes);
        QCOMPARE(cleaned, expected);
        QVERIFY(cleaned.toUcs4().size() <= NetworkText::maxLength);
        QCOMPARE(NetworkText::clean(cleaned), cleaned); // idempotent
    }

    void loneSurrogate()
    {
        const QString text = QStringLiteral("a") + QChar(0xd800) + QStringLiteral("b");
        QCOMPARE(NetworkText::clean(text), QStringLiteral("a") + QChar(0xfffd) + QStringLiteral("b"));
    }
};

QTEST_GUILESS_MAIN(TestNetworkText)
#include "tst_networktext.moc"
