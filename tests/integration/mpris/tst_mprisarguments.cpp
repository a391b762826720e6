// What the MPRIS service takes from the bus: each method only with its own signature, and Volume
// only as a number. Calls cross a private session bus from a second connection.
#include "base/SettingsStore.h"
#include "mpris/MprisService.h"
#include "playback/RadioPlayer.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>

namespace {
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
constexpr int kWaitMs = 20000;
} // namespace

class TstMprisArguments : public QObject
{
    Q_OBJECT

    // The service answers on this thread, so the call waits without blocking it.
    QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(m_service->serviceName(),
                                                              MprisService::ObjectPath, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = m_client.asyncCall(message, kWaitMs);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, kWaitMs))
            qWarning("no answer to %s", qPrintable(method));
        return pending.reply();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>(PrivateBus::Type::Session);
        QVERIFY2(m_bus->start(), qPrintable(QStringLiteral("private session bus: ") + m_bus->errorString()));
        m_serviceBus = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("service"));
        m_client = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("client"));
        QVERIFY(m_serviceBus.isConnected() && m_client.isConnected());
        m_player = std::make_unique<RadioPlayer>(&m_backend, &m_settings, &m_scheduler);
        m_service = std::make_unique<MprisService>(m_serviceBus);
        m_player->setNowPlayingSink(m_service.get());
        QVERIFY(m_service->start());
        for (RemoteCommand command : RemoteCommandCenter::allCommands) {
            m_service->setEnabled(command, true);
            m_service->addTarget(command, [this](const RemoteRequest &request) {
                ++m_taken;
                if (request.command == RemoteCommand::ChangeVolume)
                    m_player->setVolume(request.volume);
                return RemoteAnswer{};
            });
        }
    }

    void cleanupTestCase()
    {
        m_player->setNowPlayingSink(nullptr);
        m_service.reset();
        m_player.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        m_bus.reset();
    }

    void methodSignatures_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("error"); // empty: taken

        QTest::newRow("PlayPause()") << "PlayPause" << QVariantList{} << QString();
        QTest::newRow("PlayPause(i)") << "PlayPause" << QVariantList{1} << kInvalidArgs;
        QTest::newRow("Next(s)") << "Next" << QVariantList{QStringLiteral("x")} << kInvalidArgs;
        QTest::newRow("Previous(b)") << "Previous" << QVariantList{true} << kInvalidArgs;
        QTest::newRow("Play(ii)") << "Play" << QVariantList{1, 2} << kInvalidArgs;
        QTest::newRow("Pause(d)") << "Pause" << QVariantList{0.5} << kInvalidArgs;
        QTest::newRow("Stop(5 MB string)")
            << "Stop" << QVariantList{QString(5 * 1024 * 1024, QLatin1Char('x'))} << kInvalidArgs;
        QTest::newRow("Stop()") << "Stop" << QVariantList{} << QString();
    }

    void methodSignatures()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, error);
        const int taken = m_taken;
        const QDBusMessage answer = call(kPlayer, method, arguments);
        if (error.isEmpty()) {
            QCOMPARE(answer.type(), QDBusMessage::ReplyMessage);
        } else {
            QCOMPARE(answer.type(), QDBusMessage::ErrorMessage);
            QCOMPARE(answer.errorName(), error);
            QCOMPARE(m_taken, taken); // refused before it reached a command
        }
    }

    void volumeOnlyAsNumber_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<double>("volume");
        QTest::newRow("double") << QVariant(0.25) << 0.25;
        QTest::newRow("string") << QVariant(QStringLiteral("0.75")) << 0.25;
        QTest::newRow("integer") << QVariant(1) << 0.25;
        QTest::newRow("boolean") << QVariant(true) << 0.25;
        QTest::newRow("double out of range") << QVariant(3.0) << 1.0;
    }

    void volumeOnlyAsNumber()
    {
        QFETCH(QVariant, value);
        QFETCH(double, volume);
        const bool isDouble = value.typeId() == QMetaType::Double;
        const QDBusMessage answer =
            call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                 {kPlayer, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(value))});
        QCOMPARE(answer.type(), isDouble ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
        QCOMPARE(m_player->volume(), volume);

        // Read back as a number.
        const QDBusMessage read = call(QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("Get"), {kPlayer, QStringLiteral("Volume")});
        QCOMPARE(read.arguments().value(0).value<QDBusVariant>().variant(), QVariant(volume));
    }

private:
    std::unique_ptr<PrivateBus> m_bus;
    QDBusConnection m_serviceBus{QString()};
    QDBusConnection m_client{QString()};
    FakeStreamBackend m_backend;
    SettingsStore m_settings{QString()};
    ManualScheduler m_scheduler;
    std::unique_ptr<RadioPlayer> m_player;
    std::unique_ptr<MprisService> m_service;
    int m_taken = 0;
};

QTEST_GUILESS_MAIN(TstMprisArguments)
#include "tst_mprisarguments.moc"
