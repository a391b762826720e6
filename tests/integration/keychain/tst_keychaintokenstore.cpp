// The ListenBrainz token on a private session bus: with gnome-keyring's Secret Service it goes to
// the secret store and no file stays behind; without one, to a file of mode 0600, and the store
// says so. Read back either way.
#include "keychain/KeychainTokenStore.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Place = TokenStore::Place;

class TestKeychainTokenStore : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    PrivateBus m_bus{PrivateBus::Type::Session};
    QProcess m_keyring;

    static Place write(const QString &token)
    {
        KeychainTokenStore store;
        QSignalSpy written(&store, &TokenStore::written);
        store.write(token);
        if (!written.wait(10000))
            return Place::Nowhere;
        return written.constFirst().constFirst().value<Place>();
    }
    static std::pair<QString, Place> read()
    {
        KeychainTokenStore store;
        QSignalSpy read(&store, &TokenStore::tokenRead);
        store.read();
        if (!read.wait(10000))
            return {};
        return {read.constFirst().at(0).toString(), read.constFirst().at(1).value<Place>()};
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("HOME", m_dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
        QVERIFY2(m_bus.start(), qPrintable(m_bus.errorString()));
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toUtf8());
    }

    // First, while the libraries have seen no store at all.
    void secretStore()
    {
        // An unlocked login keyring, made with this password.
        m_keyring.start(QStringLiteral("gnome-keyring-daemon"),
                        {QStringLiteral("--unlock"), QStringLiteral("--foreground"),
                         QStringLiteral("--components=secrets")});
        QVERIFY2(m_keyring.waitForStarted(5000), "gnome-keyring-daemon (package gnome-keyring) is missing");
        m_keyring.write("password");
        m_keyring.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                     QStringLiteral("org.freedesktop.secrets")),
                                 10000);
        QCOMPARE(write(QStringLiteral("tok-1")), Place::SecretStore);
        QVERIFY(!QFile::exists(KeychainTokenStore::filePath()));
        QCOMPARE(read(), std::make_pair(QStringLiteral("tok-1"), Place::SecretStore));
        QCOMPARE(write(QString()), Place::Nowhere);
        QCOMPARE(read().second, Place::Nowhere);
        m_keyring.terminate();
        QVERIFY(m_keyring.waitForFinished(5000));
    }

    void noSecretStore()
    {
        QCOMPARE(write(QStringLiteral("tok-2")), Place::File);
        QCOMPARE(QFile::permissions(KeychainTokenStore::filePath()) & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(read(), std::make_pair(QStringLiteral("tok-2"), Place::File));
    }
};

QTEST_GUILESS_MAIN(TestKeychainTokenStore)
#include "tst_keychaintokenstore.moc"
