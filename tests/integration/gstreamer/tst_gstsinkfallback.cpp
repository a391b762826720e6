// A chosen output device that the sound server no longer has: the station plays on the default
// device instead of failing (pulsesink without its sink made playbin report the MP3 decoder as
// missing). Real GStreamer, a private PulseAudio daemon and the local test station.
#include "gstreamer/GstStreamBackend.h"
#include "support/PulseFixture.h"
#include "support/StreamServer.h"

#include <QSignalSpy>
#include <QTest>

class TstGstSinkFallback : public QObject
{
    Q_OBJECT

    PulseFixture m_pulse{{QStringLiteral("a")}};
    StreamServer m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_pulse.start(), qPrintable(m_pulse.errorString()));
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    }

    void goneDevicePlaysOnTheDefault_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("mp3") << QStringLiteral("/mp3");
        QTest::newRow("ogg") << QStringLiteral("/ogg");
    }

    void goneDevicePlaysOnTheDefault()
    {
        QFETCH(QString, path);
        GstStreamBackend backend;
        QSignalSpy ready(&backend, &StreamBackend::ready);
        QSignalSpy failed(&backend, &StreamBackend::failed);
        backend.setOutputDevice(QStringLiteral("alsa_output.usb-gone"));
        backend.start(m_server.url(path));
        QVERIFY2(ready.wait(20000),
                 failed.isEmpty() ? "no report"
                                  : qPrintable(failed.first().first().value<StreamFailure>().logText()));
        QVERIFY(failed.isEmpty());
        QVERIFY(PulseFixture::level(m_pulse.record(QStringLiteral("a"), 1.0)).rms > 0.02);
        backend.clear();
    }
};

QTEST_GUILESS_MAIN(TstGstSinkFallback)
#include "tst_gstsinkfallback.moc"
