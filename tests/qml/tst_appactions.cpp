// What the About window shows (version line, beta test, links), the symbol-to-icon table and
// the views' requests, on the same rig the QML tests use.
#include "viewmodels/AppActions.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QSignalSpy>
#include <QTest>

class TestAppActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionLine_data()
    {
        using V = std::optional<QString>;
        QTest::addColumn<V>("version");
        QTest::addColumn<V>("build");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both") << V(QStringLiteral("1.2")) << V(QStringLiteral("45")) << "Versie 1.2 (45)";
        QTest::newRow("no build") << V(QStringLiteral("1.2")) << V() << "Versie 1.0.0";
        QTest::newRow("no version") << V() << V(QStringLiteral("45")) << "Versie 1.0.0";
        QTest::newRow("neither") << V() << V() << "Versie 1.0.0";
        QTest::newRow("empty build setting") << V(QStringLiteral("1.2")) << V(QString()) << "Versie 1.0.0";
        QTest::newRow("shown verbatim")
            << V(QStringLiteral("2.0-rc 1")) << V(QStringLiteral("7a")) << "Versie 2.0-rc 1 (7a)";
    }

    void versionLine()
    {
        QFETCH(std::optional<QString>, version);
        QFETCH(std::optional<QString>, build);
        QFETCH(QString, expected);
        QCOMPARE(AppActions::versionLineFor(version, build), expected);
    }

    void betaFollowsTheEnvironment()
    {
        AppActions app;
        qunsetenv("BETA");
        QVERIFY(!app.isBeta());
        qputenv("BETA", QByteArray());
        QVERIFY(app.isBeta()); // present but empty still counts
        qputenv("BETA", "0");
        QVERIFY(app.isBeta());
        qunsetenv("BETA");
        QVERIFY(!app.isBeta());
    }

    void links()
    {
        AppActions app;
        const QRegularExpression form(QStringLiteral("^https://[^/]+/zeffira/(privacy|support)$"));
        QVERIFY2(form.match(app.privacyUrl()).hasMatch(), qPrintable(app.privacyUrl()));
        QVERIFY(app.privacyUrl().endsWith(QLatin1String("/privacy")));
        QVERIFY2(form.match(app.supportUrl()).hasMatch(), qPrintable(app.supportUrl()));
        QVERIFY(app.supportUrl().endsWith(QLatin1String("/support")));
    }

    // Every symbol the views name has a drawing in the module and in data/icons, and it
    // renders (the SVG image plugin is libqt6svg6).
    void everySymbolHasAnIcon_data()
    {
        QTest::addColumn<QString>("symbol");
        for (const char *symbol : {"antenna.radiowaves.left.and.right",
                                   "radio",
                                   "pause.circle.fill",
                                   "play.circle.fill",
                                   "stop.circle.fill",
                                   "speaker.slash.fill",
                                   "speaker.wave.1.fill",
                                   "speaker.wave.2.fill",
                                   "speaker.wave.3.fill",
                                   "magnifyingglass",
                                   "xmark.circle.fill",
                                   "gearshape",
                                   "gear",
                                   "info.circle",
                                   "power",
                                   "exclamationmark.triangle.fill",
                                   "antenna.radiowaves.left.and.right.circle.fill",
                                   "hifispeaker",
                                   "moon",
                                   "doc.on.doc",
                                   "star",
                                   "star.fill",
                                   "checkmark"})
            QTest::newRow(symbol) << QString::fromLatin1(symbol);
    }

    void everySymbolHasAnIcon()
    {
        QFETCH(QString, symbol);
        AppActions app;
        const QString file = AppActions::iconFileName(symbol);
        QVERIFY(!file.isEmpty());
        QCOMPARE(app.iconSource(symbol), QStringLiteral("qrc:/qt/qml/Zeffira/icons/") + file);
        const QString inData = qEnvironmentVariable("ZEFFIRA_DATA_DIR") + QStringLiteral("/icons/") + file;
        QVERIFY2(QFile::exists(inData), qPrintable(inData));

        QVERIFY2(QImageReader::supportedImageFormats().contains("svg"),
                 "no SVG image plugin: install libqt6svg6");
        QImageReader reader(QStringLiteral(":/qt/qml/Zeffira/icons/") + file);
        reader.setScaledSize(QSize(48, 48));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        // Something is drawn, and not the whole square.
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(opaque > 48 && opaque < 48 * 48 * 9 / 10, qPrintable(QString::number(opaque)));
    }

    void unknownSymbol()
    {
        AppActions app;
        QCOMPARE(app.iconSource(QStringLiteral("no.such.symbol")), QString());
    }

    void requestsBecomeSignals()
    {
        AppActions app;
        QSignalSpy settings(&app, &AppActions::settingsRequested);
        QSignalSpy about(&app, &AppActions::aboutRequested);
        QSignalSpy quit(&app, &AppActions::quitRequested);
        app.openSettings();
        app.openAbout();
        app.openAbout();
        QCOMPARE(settings.size(), 1);
        QCOMPARE(about.size(), 2);
        QCOMPARE(quit.size(), 0);
        app.quit();
        QCOMPARE(quit.size(), 1);
    }
};

QTEST_MAIN(TestAppActions)
#include "tst_appactions.moc"
