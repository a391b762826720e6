// The logind sleep monitor against python3-dbusmock's logind on a private system bus: the
// delay lock's life cycle as logind sees it, sleep and wake, and running without logind or
// without any system bus.
#include "logind/LogindSleepMonitor.h"
#include "support/DBusMock.h"
#include "support/LogCapture.h"
#include "support/PrivateBus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {
const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");
const QString kProbePath = QStringLiteral("/nl/zeffira/Probe");
const QString kProbeInterface = QStringLiteral("nl.zeffira.Probe");
const char kChildVariable[] = "ZEFFIRA_TST_LOGIND_CHILD";
// Polling bound for what happens on the bus or in the mock; the order of events is what is
// tested, this only keeps a broken run from hanging.
constexpr int kWaitMs = 20000;

struct Inhibitor {
    QString what, who, why, mode;
};

int unavailableLines(const LogCapture &log)
{
    int count = 0;
    for (const LogLine &line : log.lines()) {
        if (line.type == QtWarningMsg && line.text.startsWith(QLatin1String("Sleep handling unavailable: ")))
            ++count;
    }
    return count;
}

// The child process for "no system bus at all": the system bus connection is made once per
// process, so this case cannot share a process with the others.
int runWithoutBusChild()
{
    LogCapture log;
    LogindSleepMonitor monitor;
    int signalsSeen = 0;
    QObject::connect(&monitor, &SleepMonitor::willSleep, [&] { ++signalsSeen; });
    QObject::connect(&monitor, &SleepMonitor::didWake, [&] { ++signalsSeen; });
    monitor.start();
    QCoreApplication::processEvents();
    std::printf("status=%d lock=%d unavailable=%d signals=%d\n", int(monitor.status()),
                int(monitor.holdsLock()), unavailableLines(log), signalsSeen);
    for (const LogLine &line : log.lines())
        std::printf("log: %s\n", qPrintable(line.text));
    return 0;
}
} // namespace

// Counts a marker signal that the test sends after the message under test: signals from one
// sender reach a receiver in order, so once the marker is here the earlier one was handled.
class Barrier : public QObject
{
    Q_OBJECT
public:
    int count = 0;
public Q_SLOTS:
    void hit() { ++count; }
};

class TstLogindSleep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void withoutLogindRunsWithoutSleepHandling();
    void takesTheDelayLockAtStart();
    void sleepReleasesTheLockAfterWillSleepAndWakeTakesItAgain();
    void aHoldKeepsTheLockUntilReleasedAtMostLogindsDelay();
    void ignoresSleepSignalsFromOtherSenders();
    void dropsALockGrantedAfterSleepBegan();
    void refusedLockStillReportsSleepAndWake();
    void withoutSystemBusRunsWithoutSleepHandling();

private:
    QDBusConnection control() const { return QDBusConnection(QStringLiteral("control")); }
    void startLogind();
    void emitFromLogind(bool sleeping);
    void sendBarrierAndWait();
    QList<Inhibitor> inhibitors();

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<DBusMock> m_logind;
    Barrier m_barrier;
};

void TstLogindSleep::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>(PrivateBus::Type::System);
    QVERIFY2(m_bus->start(), qPrintable(QStringLiteral("private system bus: ") + m_bus->errorString()));
    // Before anything touches QDBusConnection::systemBus(), which connects once per process.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus->address().toUtf8());
    QVERIFY(QDBusConnection::systemBus().isConnected());

    // The test's own connection: it drives the mock and plays the stranger on the bus.
    const QDBusConnection own = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("control"));
    QVERIFY2(own.isConnected(), qPrintable(own.lastError().message()));
    QVERIFY(QDBusConnection::systemBus().connect(QString(), kProbePath, kProbeInterface,
                                                 QStringLiteral("Barrier"), &m_barrier, SLOT(hit())));
    m_logind = std::make_unique<DBusMock>(*m_bus);
}

void TstLogindSleep::cleanup()
{
    m_logind->stop();
}

void TstLogindSleep::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("control"));
    m_logind.reset();
    m_bus.reset();
}

void TstLogindSleep::startLogind()
{
    QVERIFY2(m_logind->startTemplate(QStringLiteral("logind"), kLogind),
             qPrintable(QStringLiteral("python3-dbusmock logind template: ") + m_logind->errorString()));
}

void TstLogindSleep::emitFromLogind(bool sleeping)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kLogind, kPath, kMock, QStringLiteral("EmitSignal"));
    call << kManager << QStringLiteral("PrepareForSleep") << QStringLiteral("b")
         << QVariant::fromValue(QVariantList{sleeping});
    const QDBusMessage reply = control().call(call);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
}

void TstLogindSleep::sendBarrierAndWait()
{
    const int before = m_barrier.count;
    QVERIFY(
        control().send(QDBusMessage::createSignal(kProbePath, kProbeInterface, QStringLiteral("Barrier"))));
    QTRY_VERIFY_WITH_TIMEOUT(m_barrier.count > before, kWaitMs);
}

QList<Inhibitor> TstLogindSleep::inhibitors()
{
    QList<Inhibitor> result;
    const QDBusMessage reply = control().call(
        QDBusMessage::createMethodCall(kLogind, kPath, kManager, QStringLiteral("ListInhibitors")));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qWarning("ListInhibitors failed: %s", qPrintable(reply.errorMessage()));
        return result;
    }
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        Inhibitor entry;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> entry.what >> entry.who >> entry.why >> entry.mode >> uid >> pid;
        list.endStructure();
        result.append(entry);
    }
    list.endArray();
    return result;
}

void TstLogindSleep::withoutLogindRunsWithoutSleepHandling()
{
    LogCapture log;
    LogindSleepMonitor monitor;
    QSignalSpy willSleep(&monitor, &SleepMonitor::willSleep);
    QSignalSpy didWake(&monitor, &SleepMonitor::didWake);
    monitor.start();

    QTRY_COMPARE_WITH_TIMEOUT(monitor.status(), LogindSleepMonitor::Status::Unavailable, kWaitMs);
    QVERIFY(!monitor.isAvailable());
    QVERIFY(!monitor.holdsLock());

    // Whoever sends a sleep signal now reaches nobody, and nothing more is logged.
    QVERIFY(control().send(QDBusMessage::createSignal(kPath, kManager, QStringLiteral("PrepareForSleep"))
                           << true));
    sendBarrierAndWait();
    QCOMPARE(willSleep.count(), 0);
    QCOMPARE(didWake.count(), 0);
    QCOMPARE(unavailableLines(log), 1);
    QCOMPARE(log.lines().size(), 1);
}

void TstLogindSleep::takesTheDelayLockAtStart()
{
    startLogind();
    QCOMPARE(inhibitors().size(), 0);

    LogindSleepMonitor monitor;
    QSignalSpy lockChanged(&monitor, &LogindSleepMonitor::lockChanged);
    monitor.start();
    QTRY_VERIFY_WITH_TIMEOUT(monitor.holdsLock(), kWaitMs);
    QVERIFY(monitor.isAvailable());
    QCOMPARE(lockChanged.count(), 1);
    QCOMPARE(lockChanged.at(0).at(0).toBool(), true);

    const QList<Inhibitor> taken = inhibitors();
    QCOMPARE(taken.size(), 1);
    QCOMPARE(taken[0].what, QStringLiteral("sleep"));
    QCOMPARE(taken[0].who, QStringLiteral("Zeffira"));
    QCOMPARE(taken[0].why, QStringLiteral("Pauzeert de radio voor de slaapstand"));
    QCOMPARE(taken[0].mode, QStringLiteral("delay"));
}

void TstLogindSleep::sleepReleasesTheLockAfterWillSleepAndWakeTakesItAgain()
{
    startLogind();
    LogindSleepMonitor monitor;
    QSignalSpy didWake(&monitor, &SleepMonitor::didWake);
    int willSleepCount = 0;
    bool heldDuringWillSleep = false;
    qsizetype inhibitorsDuringWillSleep = -1;
    // What the player's pause sees: the system must still be held back while it runs.
    connect(&monitor, &SleepMonitor::willSleep, this, [&] {
        ++willSleepCount;
        heldDuringWillSleep = monitor.holdsLock();
        inhibitorsDuringWillSleep = inhibitors().size();
    });
    monitor.start();
    QTRY_VERIFY_WITH_TIMEOUT(monitor.holdsLock(), kWaitMs);

    // Several rounds: a lock that is leaked or taken twice shows up in the second one.
    for (int round = 1; round <= 3; ++round) {
        heldDuringWillSleep = false;
        inhibitorsDuringWillSleep = -1;
        emitFromLogind(true);
        QTRY_COMPARE_WITH_TIMEOUT(willSleepCount, round, kWaitMs);
        QVERIFY(heldDuringWillSleep);
        QCOMPARE(inhibitorsDuringWillSleep, qsizetype(1));
        QVERIFY(!monitor.holdsLock());
        // logind sees the lock go only when every copy of the descriptor is closed.
        QTRY_COMPARE_WITH_TIMEOUT(inhibitors().size(), 0, kWaitMs);
        QCOMPARE(didWake.count(), round - 1);

        emitFromLogind(false);
        QTRY_COMPARE_WITH_TIMEOUT(didWake.count(), round, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(monitor.holdsLock(), kWaitMs);
        QCOMPARE(inhibitors().size(), 1);
        QCOMPARE(willSleepCount, round);
    }
}

void TstLogindSleep::aHoldKeepsTheLockUntilReleasedAtMostLogindsDelay()
{
    startLogind();
    QDBusMessage delay = QDBusMessage::createMethodCall(kLogind, kPath, kMock, QStringLiteral("AddProperty"));
    delay << kManager << QStringLiteral("InhibitDelayMaxUSec")
          << QVariant::fromValue(QDBusVariant(QVariant::fromValue(qulonglong(1000000))));
    const QDBusMessage added = control().call(delay);
    QVERIFY2(added.type() == QDBusMessage::ReplyMessage, qPrintable(added.errorMessage()));

    LogCapture log;
    LogindSleepMonitor monitor;
    int willSleepCount = 0;
    connect(&monitor, &SleepMonitor::willSleep, this, [&] {
        ++willSleepCount;
        monitor.holdSleep();
    });
    monitor.start();
    QTRY_VERIFY_WITH_TIMEOUT(monitor.holdsLock(), kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(monitor.holdLimit(), std::chrono::milliseconds(1000), kWaitMs);

    // Released by the one that held it: the lock goes then, not before.
    emitFromLogind(true);
    QTRY_COMPARE_WITH_TIMEOUT(willSleepCount, 1, kWaitMs);
    QVERIFY(monitor.holdsLock());
    QCOMPARE(inhibitors().size(), 1);
    monitor.releaseSleep();
    QVERIFY(!monitor.holdsLock());
    QTRY_COMPARE_WITH_TIMEOUT(inhibitors().size(), 0, kWaitMs);

    // Never released: logind's delay ends the hold.
    emitFromLogind(false);
    QTRY_VERIFY_WITH_TIMEOUT(monitor.holdsLock(), kWaitMs);
    emitFromLogind(true);
    QTRY_COMPARE_WITH_TIMEOUT(willSleepCount, 2, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(inhibitors().size(), 0, kWaitMs);
    QVERIFY(log.contains(QStringLiteral("system"), QtWarningMsg,
                         QStringLiteral("The system goes to sleep before the radio has paused")));
}

void TstLogindSleep::ignoresSleepSignalsFromOtherSenders()
{
    startLogind();
    LogindSleepMonitor monitor;
    QSignalSpy willSleep(&monitor, &SleepMonitor::willSleep);
    monitor.start();
    QTRY_VERIFY_WITH_TIMEOUT(monitor.holdsLock(), kWaitMs);

    // Same path, interface and member as logind's, but not sent by logind.
    QVERIFY(control().send(QDBusMessage::createSignal(kPath, kManager, QStringLiteral("PrepareForSleep"))
                           << true));
    sendBarrierAndWait();
    QCOMPARE(willSleep.count(), 0);
    QVERIFY(monitor.holdsLock());
    QCOMPARE(inhibitors().size(), 1);
}

void TstLogindSleep::dropsALockGrantedAfterSleepBegan()
{
    startLogind();
    // logind announces sleep while our first request is still unanswered: the lock then
    // arrives after willSleep() and would hold the sleep up until logind's delay runs out.
    QDBusMessage lateLock =
        QDBusMessage::createMethodCall(kLogind, kPath, kMock, QStringLiteral("AddMethod"));
    lateLock << kManager << QStringLiteral("Inhibit") << QStringLiteral("ssss") << QStringLiteral("h")
             << QStringLiteral(
                    "import dbusmock.templates.logind as logind\n"
                    "if not getattr(self, 'announced_sleep', False):\n"
                    "    self.announced_sleep = True\n"
                    "    self.EmitSignal('org.freedesktop.login1.Manager', 'PrepareForSleep', 'b', [True])\n"
                    "ret = logind.Inhibit(self, *args)\n");
    const QDBusMessage added = control().call(lateLock);
    QVERIFY2(added.type() == QDBusMessage::ReplyMessage, qPrintable(added.errorMessage()));

    LogindSleepMonitor monitor;
    QSignalSpy willSleep(&monitor, &SleepMonitor::willSleep);
    QSignalSpy didWake(&monitor, &SleepMonitor::didWake);
    monitor.start();
    QTRY_COMPARE_WITH_TIMEOUT(willSleep.count(), 1, kWaitMs);
    // Active once the answer to the request is in.
    QTRY_COMPARE_WITH_TIMEOUT(monitor.status(), LogindSleepMonitor::Status::Active, kWaitMs);
    QVERIFY(!monitor.holdsLock());
    QTRY_COMPARE_WITH_TIMEOUT(inhibitors().size(), 0, kWaitMs);

    emitFromLogind(false);
    QTRY_COMPARE_WITH_TIMEOUT(didWake.count(), 1, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(monitor.holdsLock(), kWaitMs);
    QCOMPARE(inhibitors().size(), 1);
}

void TstLogindSleep::refusedLockStillReportsSleepAndWake()
{
    startLogind();
    QDBusMessage refuse = QDBusMessage::createMethodCall(kLogind, kPath, kMock, QStringLiteral("AddMethod"));
    refuse << kManager << QStringLiteral("Inhibit") << QStringLiteral("ssss") << QStringLiteral("h")
           << QStringLiteral("raise dbus.exceptions.DBusException('Permission denied', "
                             "name='org.freedesktop.DBus.Error.AccessDenied')");
    const QDBusMessage added = control().call(refuse);
    QVERIFY2(added.type() == QDBusMessage::ReplyMessage, qPrintable(added.errorMessage()));

    LogCapture log;
    LogindSleepMonitor monitor;
    QSignalSpy willSleep(&monitor, &SleepMonitor::willSleep);
    QSignalSpy didWake(&monitor, &SleepMonitor::didWake);
    monitor.start();
    QTRY_COMPARE_WITH_TIMEOUT(monitor.status(), LogindSleepMonitor::Status::Active, kWaitMs);
    QVERIFY(!monitor.holdsLock());
    QVERIFY(log.contains(QStringLiteral("system"), QtWarningMsg,
                         QStringLiteral("Could not take the sleep delay lock: Permission denied")));
    QCOMPARE(unavailableLines(log), 0);

    emitFromLogind(true);
    QTRY_COMPARE_WITH_TIMEOUT(willSleep.count(), 1, kWaitMs);
    emitFromLogind(false);
    QTRY_COMPARE_WITH_TIMEOUT(didWake.count(), 1, kWaitMs);
    QVERIFY(!monitor.holdsLock());
    QCOMPARE(inhibitors().size(), 0);
}

void TstLogindSleep::withoutSystemBusRunsWithoutSleepHandling()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + empty.filePath(QStringLiteral("no-bus-here")));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(child.waitForFinished(kWaitMs), "the child without a system bus did not finish");
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, qPrintable(output + QString::fromUtf8(child.readAllStandardError())));

    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty(), "the child printed nothing");
    QCOMPARE(lines.constFirst(), QStringLiteral("status=%1 lock=0 unavailable=1 signals=0")
                                     .arg(int(LogindSleepMonitor::Status::Unavailable)));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[1].startsWith(QLatin1String("log: Sleep handling unavailable: no system bus")),
             qPrintable(lines[1]));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildVariable))
        return runWithoutBusChild();
    TstLogindSleep test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logindsleep.moc"
