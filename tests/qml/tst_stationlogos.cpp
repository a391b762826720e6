// Stations' logos as the views fetch them from the local test server: a picture is kept once, as a
// 64-pixel PNG where the media controls find it too; a broken or oversized one is ignored, and
// not asked for again in the same run.
#include "QmlTypes.h"
#include "catalogue/StationLogo.h"
#include "support/StreamServer.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestStationLogos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(StationLogo::folder()).removeRecursively();
        if (!m_server.start(120))
            QSKIP(qPrintable(m_server.errorString()));
    }

    void keptOnceOrIgnored_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("kept");
        QTest::newRow("picture") << "/logo.png" << true;
        QTest::newRow("broken") << "/logo-broken.png" << false;
        QTest::newRow("over 1 MiB") << "/logo-huge.png" << false;
        QTest::newRow("not there") << "/no-logo.png" << false;
    }
    void keptOnceOrIgnored()
    {
        QFETCH(QString, path);
        QFETCH(bool, kept);
        QmlStationLogos logos;
        QSignalSpy changed(&logos, &QmlStationLogos::changed);
        const QString url = m_server.url(path);
        QVERIFY(logos.source(url).isEmpty()); // asked for, not there yet
        QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount(path) == 1, 10000);
        if (kept) {
            QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 10000);
            const QImage image(logos.source(url).toLocalFile());
            QCOMPARE(image.size(), QSize(StationLogo::size, StationLogo::size / 2));
            QCOMPARE(StationLogo::cachedFile(url), logos.source(url).toLocalFile());
        } else {
            QVERIFY(!changed.wait(1500) && changed.isEmpty());
            QVERIFY(logos.source(url).isEmpty());
            QVERIFY(StationLogo::cachedFile(url).isEmpty());
            QTest::qWait(300);
            QCOMPARE(m_server.requestCount(path), 1);
        }
    }

private:
    StreamServer m_server;
};

QTEST_MAIN(TestStationLogos)
#include "tst_stationlogos.moc"
