// The objects that must stay on the main thread stop the program when another thread calls them
// (the assertions are on in every build with tests). Each call runs in a child process.
#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "devices/AudioDeviceManager.h"
#include "playback/RadioPlayer.h"
#include "support/CatalogueFixture.h"
#include "support/FakeAudioDeviceSource.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QProcess>
#include <QTest>

#include <sys/resource.h>
#include <thread>

namespace {
// The child: makes the objects here and calls `what` of one from a thread of its own (or, for
// "main", every call from here). Returns when the calls were taken.
int runChild(const QString &what)
{
    CatalogueFixture fixture;
    SettingsStore settings(fixture.root() + QStringLiteral("/settings.json"));
    StationManager stations(fixture.folder(), fixture.builtInPath());
    FakeStreamBackend backend;
    ManualScheduler scheduler;
    RadioPlayer player(&backend, &settings, &scheduler);
    FakeAudioDeviceSource source;
    AudioDeviceManager devices(&source, &settings);
    const QHash<QString, std::function<void()>> calls{
        {QStringLiteral("RadioPlayer"),
         [&] { player.play(RadioStation(QStringLiteral("a"), QStringLiteral("http://a"))); }},
        {QStringLiteral("StationManager"),
         [&] { stations.addStation(QStringLiteral("b"), QStringLiteral("http://b"), QString()); }},
        {QStringLiteral("SettingsStore"), [&] { settings.setValue(QStringLiteral("k"), true); }},
        {QStringLiteral("AudioDeviceManager"), [&] { devices.setSelectedDeviceUID(QStringLiteral("x")); }},
    };
    if (what == QLatin1String("main")) {
        for (const auto &call : calls)
            call();
        return 0;
    }
    std::thread(calls.value(what)).join();
    return 0;
}
} // namespace

class TestMainThread : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void callsFromAnotherThreadStop_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("stops");
        QTest::newRow("every call on the main thread") << "main" << false;
        for (const char *what : {"RadioPlayer", "StationManager", "SettingsStore", "AudioDeviceManager"})
            QTest::newRow(what) << what << true;
    }

    void callsFromAnotherThreadStop()
    {
        QFETCH(QString, what);
        QFETCH(bool, stops);
        QProcess child;
        child.setChildProcessModifier([] {
            const rlimit none{0, 0};
            setrlimit(RLIMIT_CORE, &none); // an expected abort leaves no core file
        });
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--call"), what});
        QVERIFY(child.waitForFinished(30000));
        const QString output = QString::fromLocal8Bit(child.readAllStandardError());
        if (!stops) {
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
            return;
        }
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, qPrintable(output));
        QVERIFY2(output.contains(what + QStringLiteral("::")) &&
                     output.contains(QLatin1String("called off the main thread")),
                 qPrintable(output));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() == 3 && app.arguments().at(1) == QLatin1String("--call"))
        return runChild(app.arguments().at(2));
    TestMainThread test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainthread.moc"
