// The network monitor against python3-dbusmock's NetworkManager on a private system bus: nothing
// is asked before activation, then the reachability follows NetworkManager's state.
#include "network/NetworkManagerMonitor.h"
#include "support/DBusMock.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Reachability = NetworkMonitor::Reachability;

class TstNetworkManagerMonitor : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<DBusMock> m_networkManager;

    void setState(uint state)
    {
        const QDBusConnection bus =
            QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("control"));
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.NetworkManager"),
                                                           QStringLiteral("/org/freedesktop/NetworkManager"),
                                                           QStringLiteral("org.freedesktop.DBus.Mock"),
                                                           QStringLiteral("SetGlobalConnectionState"));
        call << state;
        const QDBusMessage reply = bus.call(call);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>(PrivateBus::Type::System);
        QVERIFY2(m_bus->start(), qPrintable(m_bus->errorString()));
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus->address().toUtf8());
        m_networkManager = std::make_unique<DBusMock>(*m_bus);
        QVERIFY2(m_networkManager->startTemplate(QStringLiteral("networkmanager"),
                                                 QStringLiteral("org.freedesktop.NetworkManager")),
                 qPrintable(m_networkManager->errorString()));
    }

    void cleanupTestCase()
    {
        m_networkManager.reset();
        m_bus.reset();
    }

    void followsNetworkManager()
    {
        NetworkManagerMonitor monitor;
        QCOMPARE(monitor.reachability(), Reachability::Unknown); // nothing asked yet
        QSignalSpy changed(&monitor, &NetworkMonitor::reachabilityChanged);
        monitor.activate();
        QCOMPARE(monitor.reachability(), Reachability::Online);

        struct Step {
            uint state; // NMState
            Reachability expected;
        };
        for (const Step step : {Step{20, Reachability::Offline}, Step{70, Reachability::Online},
                                Step{20, Reachability::Offline}, Step{50, Reachability::Online}}) {
            changed.clear();
            setState(step.state);
            QTRY_COMPARE_WITH_TIMEOUT(monitor.reachability(), step.expected, 10000);
            QCOMPARE(changed.size(), 1);
        }
        monitor.activate(); // once only
        QCOMPARE(monitor.reachability(), Reachability::Online);
    }
};

QTEST_GUILESS_MAIN(TstNetworkManagerMonitor)
#include "tst_networkmanagermonitor.moc"
