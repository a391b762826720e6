#include "TrayBusFixture.h"

#include "SignalLog.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QFile>
#include <QTest>

namespace {
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

// A watcher with its methods in place before it owns its name: one given its methods through
// AddMethod after start-up would answer an item that registers at once with "unknown method".
const char kWatcherTemplate[] = R"(import dbus
BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False

def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [
        ('RegisterStatusNotifierItem', 's', '', ''),
        ('RegisterStatusNotifierHost', 's', '', ''),
    ])
    mock.AddProperties(MAIN_IFACE, {
        'RegisteredStatusNotifierItems': dbus.Array([], signature='s'),
        'IsStatusNotifierHostRegistered': True,
        'ProtocolVersion': dbus.Int32(0),
    })
)";
} // namespace

TrayMenuEntry TrayBusFixture::entry(int id, const QString &label)
{
    TrayMenuEntry result;
    result.id = id;
    result.label = label;
    return result;
}

TrayMenuEntry TrayBusFixture::toggle(int id, const QString &label, TrayMenuEntry::Toggle kind, bool checked)
{
    TrayMenuEntry result = entry(id, label);
    result.toggle = kind;
    result.checked = checked;
    return result;
}

QList<TrayMenuEntry> TrayBusFixture::sampleMenu()
{
    TrayMenuEntry play = toggle(1, QStringLiteral("Play_Pause"), TrayMenuEntry::Toggle::Checkmark, true);
    play.iconName = QStringLiteral("media-playback-start");
    TrayMenuEntry stations = entry(2, QStringLiteral("Stations"));
    TrayMenuEntry second = toggle(4, QStringLiteral("Radio 2"), TrayMenuEntry::Toggle::Radio, false);
    second.enabled = false;
    stations.children = {toggle(3, QStringLiteral("Radio 1"), TrayMenuEntry::Toggle::Radio, true), second};
    TrayMenuEntry hidden = entry(5, QStringLiteral("Hidden"));
    hidden.visible = false;
    TrayMenuEntry quit = entry(6, QStringLiteral("Rock & Roll"));
    quit.iconName = QStringLiteral("application-exit");
    quit.isDefault = true;
    return {play, TrayMenuEntry::separator(), stations, hidden, quit};
}

void TrayBusFixture::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>(PrivateBus::Type::Session);
    QVERIFY2(m_bus->start(), qPrintable(QStringLiteral("private session bus: ") + m_bus->errorString()));
    // Keeps anything that reaches for the default session bus (Qt's own tray probe) off the
    // user's desktop bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
    m_itemBus = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("tray-item"));
    QVERIFY2(m_itemBus.isConnected(), qPrintable(m_itemBus.lastError().message()));
    m_desktop = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("desktop"));
    QVERIFY2(m_desktop.isConnected(), qPrintable(m_desktop.lastError().message()));

    QVERIFY(m_dir.isValid());
    m_templatePath = m_dir.filePath(QStringLiteral("statusnotifierwatcher.py"));
    QFile file(m_templatePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kWatcherTemplate);
    file.close();
    m_watcher = std::make_unique<DBusMock>(*m_bus);
}

void TrayBusFixture::init()
{
    if (!m_watcher->isRunning())
        startWatcher();
    QCOMPARE(call(StatusNotifierItem::WatcherService, StatusNotifierItem::WatcherPath, kMock,
                  QStringLiteral("ClearCalls"))
                 .type(),
             QDBusMessage::ReplyMessage);
    m_item = std::make_unique<StatusNotifierItem>(kAppId, QStringLiteral("Zeffira"), kThemePath, m_itemBus);
    QVERIFY(m_item->start());
}

void TrayBusFixture::cleanup()
{
    m_item.reset();
}

void TrayBusFixture::cleanupTestCase()
{
    m_watcher.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("tray-item"));
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    m_bus.reset();
}

void TrayBusFixture::startWatcher()
{
    QVERIFY2(
        m_watcher->startTemplate(m_templatePath, StatusNotifierItem::WatcherService),
        qPrintable(QStringLiteral("python3-dbusmock StatusNotifierWatcher: ") + m_watcher->errorString()));
}

// Asynchronous with a bounded wait: the item answers on this thread, so a blocking call would
// wait for itself.
QDBusMessage TrayBusFixture::call(const QString &service, const QString &path, const QString &interface,
                                  const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCall pending = m_desktop.asyncCall(message, kWaitMs);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, kWaitMs))
        qWarning("no answer to %s", qPrintable(method));
    return pending.reply();
}

QDBusMessage TrayBusFixture::callItem(const QString &method, const QVariantList &arguments)
{
    return call(m_item->serviceName(), StatusNotifierItem::ObjectPath, kItemInterface, method, arguments);
}

QDBusMessage TrayBusFixture::callMenu(const QString &method, const QVariantList &arguments)
{
    return call(m_item->serviceName(), m_item->menuPath(), kMenuInterface, method, arguments);
}

QVariant TrayBusFixture::itemProperty(const QString &name)
{
    const QDBusMessage answer = call(m_item->serviceName(), StatusNotifierItem::ObjectPath, kProperties,
                                     QStringLiteral("Get"), {kItemInterface, name});
    if (answer.type() != QDBusMessage::ReplyMessage) {
        qWarning("Get %s: %s", qPrintable(name), qPrintable(answer.errorMessage()));
        return {};
    }
    return answer.arguments().constFirst().value<QDBusVariant>().variant();
}

// The service names the watcher was asked to register, in order.
QStringList TrayBusFixture::registrations()
{
    QStringList names;
    const QDBusMessage reply = call(StatusNotifierItem::WatcherService, StatusNotifierItem::WatcherPath,
                                    kMock, QStringLiteral("GetCalls"));
    if (reply.type() != QDBusMessage::ReplyMessage)
        return names;
    const QDBusArgument calls = reply.arguments().constFirst().value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 time = 0;
        QString method;
        QVariantList arguments;
        calls.beginStructure();
        calls >> time >> method >> arguments;
        calls.endStructure();
        if (method == QLatin1String("RegisterStatusNotifierItem") && arguments.size() == 1)
            names << arguments.constFirst().toString();
    }
    calls.endArray();
    return names;
}

void TrayBusFixture::listen(const QString &path, const QString &interface, const QStringList &names,
                            SignalLog *log)
{
    for (const QString &name : names)
        QVERIFY(
            m_desktop.connect(m_item->serviceName(), path, interface, name, log, SLOT(record(QDBusMessage))));
    // The bus handles a connection's messages in order: once this answer is back, the match
    // rules sent before it are in force and no signal can slip past them.
    QVERIFY(m_desktop.interface()->isServiceRegistered(m_item->serviceName()).value());
}
