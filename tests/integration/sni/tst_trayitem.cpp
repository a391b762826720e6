// The tray item read and driven over D-Bus on a private session bus, the way a panel does it:
// registration with a python3-dbusmock StatusNotifierWatcher (also when the watcher comes
// late or restarts), the item's properties and change signals, clicks and scrolls, and the
// dbusmenu layout, events and updates. A second connection plays the desktop, so every call
// crosses the bus. Also the QMenu of the plain-tray fallback.
#include "sni/DBusMenuExporter.h"
#include "sni/StatusNotifierItem.h"
#include "sni/SystemTrayFallback.h"
#include "sni/TrayDBusTypes.h"
#include "sni/TrayItemFactory.h"
#include "support/DBusMock.h"
#include "support/PrivateBus.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");
const QString kAppId = QStringLiteral("nl.zeffira.Zeffira");
const QString kThemePath = QStringLiteral("/usr/share/zeffira/icons");
// Bound for what happens on the bus; only a broken run waits this long.
constexpr int kWaitMs = 20000;

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

TrayMenuEntry entry(int id, const QString &label)
{
    TrayMenuEntry result;
    result.id = id;
    result.label = label;
    return result;
}

TrayMenuEntry toggle(int id, const QString &label, TrayMenuEntry::Toggle kind, bool checked)
{
    TrayMenuEntry result = entry(id, label);
    result.toggle = kind;
    result.checked = checked;
    return result;
}

// Play/pause with a check mark, a separator (no id of its own), a submenu of two radio
// stations of which one is disabled, a hidden entry and an entry with an icon.
QList<TrayMenuEntry> sampleMenu()
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

// The layout as the desktop decodes it, written out as text: id{key=value;...}(children).
QString layoutText(const QDBusArgument &argument)
{
    int id = -1;
    QVariantMap properties;
    argument.beginStructure();
    argument >> id >> properties;
    QStringList parts;
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        parts << it.key() + QLatin1Char('=') + it.value().toString();
    QString text = QString::number(id) + QLatin1Char('{') + parts.join(QLatin1Char(';')) + QLatin1Char('}');
    QStringList children;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        children << layoutText(child.variant().value<QDBusArgument>());
    }
    argument.endArray();
    argument.endStructure();
    if (!children.isEmpty())
        text += QLatin1Char('(') + children.join(QLatin1Char(' ')) + QLatin1Char(')');
    return text;
}

// "WxH" and the pixel bytes in hex of each image of an a(iiay) value.
QStringList imagesText(const QDBusArgument &argument)
{
    QStringList images;
    argument.beginArray();
    while (!argument.atEnd()) {
        int width = 0, height = 0;
        QByteArray bytes;
        argument.beginStructure();
        argument >> width >> height >> bytes;
        argument.endStructure();
        images << QStringLiteral("%1x%2 ").arg(width).arg(height) + QString::fromLatin1(bytes.toHex(' '));
    }
    argument.endArray();
    return images;
}

// "Name arg arg" for each signal the desktop saw.
QString signalText(const QDBusMessage &message)
{
    QStringList parts{message.member()};
    for (const QVariant &argument : message.arguments())
        parts << argument.toString();
    return parts.join(QLatin1Char(' '));
}
} // namespace

// Collects the D-Bus signals the desktop connection receives.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    QList<QDBusMessage> messages;
    QStringList texts() const
    {
        QStringList result;
        for (const QDBusMessage &message : messages)
            result << signalText(message);
        return result;
    }
public Q_SLOTS:
    void record(const QDBusMessage &message) { messages.append(message); }
};

class TstTrayItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void registersWithTheWatcherUnderItsName();
    void registersAgainWhenAWatcherAppears();
    void propertiesReadOverTheBus_data();
    void propertiesReadOverTheBus();
    void toolTipAndPixmapsHaveTheProtocolsLayout();
    void changesAreSignalled_data();
    void changesAreSignalled();
    void clicksAndScrollsReachTheApplication_data();
    void clicksAndScrollsReachTheApplication();
    void layoutIsServed_data();
    void layoutIsServed();
    void itemPropertiesAreServed();
    void menuEventsReachTheApplication_data();
    void menuEventsReachTheApplication();
    void menuUpdatesAreAnnounced();
    void aboutToShowLetsTheApplicationRefresh();
    void factoryPrefersTheStatusNotifierItem();
    void fallbackBuildsTheMenuAndTooltip();

private:
    void startWatcher();
    QDBusMessage call(const QString &service, const QString &path, const QString &interface,
                      const QString &method, const QVariantList &arguments = {});
    QDBusMessage callItem(const QString &method, const QVariantList &arguments = {});
    QDBusMessage callMenu(const QString &method, const QVariantList &arguments = {});
    QVariant itemProperty(const QString &name);
    QStringList registrations();
    void listen(const QString &path, const QString &interface, const QStringList &names, SignalLog *log);

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<DBusMock> m_watcher;
    QTemporaryDir m_dir;
    QString m_templatePath;
    QDBusConnection m_itemBus{QString()};
    QDBusConnection m_desktop{QString()};
    std::unique_ptr<StatusNotifierItem> m_item;
};

void TstTrayItem::initTestCase()
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

void TstTrayItem::init()
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

void TstTrayItem::cleanup()
{
    m_item.reset();
}

void TstTrayItem::cleanupTestCase()
{
    m_watcher.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("tray-item"));
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    m_bus.reset();
}

void TstTrayItem::startWatcher()
{
    QVERIFY2(
        m_watcher->startTemplate(m_templatePath, StatusNotifierItem::WatcherService),
        qPrintable(QStringLiteral("python3-dbusmock StatusNotifierWatcher: ") + m_watcher->errorString()));
}

// Asynchronous with a bounded wait: the item answers on this thread, so a blocking call would
// wait for itself.
QDBusMessage TstTrayItem::call(const QString &service, const QString &path, const QString &interface,
                               const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCall pending = m_desktop.asyncCall(message, kWaitMs);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, kWaitMs))
        qWarning("no answer to %s", qPrintable(method));
    return pending.reply();
}

QDBusMessage TstTrayItem::callItem(const QString &method, const QVariantList &arguments)
{
    return call(m_item->serviceName(), StatusNotifierItem::ObjectPath, kItemInterface, method, arguments);
}

QDBusMessage TstTrayItem::callMenu(const QString &method, const QVariantList &arguments)
{
    return call(m_item->serviceName(), m_item->menuPath(), kMenuInterface, method, arguments);
}

QVariant TstTrayItem::itemProperty(const QString &name)
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
QStringList TstTrayItem::registrations()
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

void TstTrayItem::listen(const QString &path, const QString &interface, const QStringList &names,
                         SignalLog *log)
{
    for (const QString &name : names)
        QVERIFY(
            m_desktop.connect(m_item->serviceName(), path, interface, name, log, SLOT(record(QDBusMessage))));
    // The bus handles a connection's messages in order: once this answer is back, the match
    // rules sent before it are in force and no signal can slip past them.
    QVERIFY(m_desktop.interface()->isServiceRegistered(m_item->serviceName()).value());
}

void TstTrayItem::registersWithTheWatcherUnderItsName()
{
    const QString name = m_item->serviceName();
    QCOMPARE(name, QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()));
    QTRY_COMPARE_WITH_TIMEOUT(registrations(), QStringList{name}, kWaitMs);
    QCOMPARE(m_desktop.interface()->serviceOwner(name).value(), m_itemBus.baseService());
    QVERIFY(StatusNotifierItem::watcherAvailable(m_desktop));

    // Leaving the bus is how the watcher learns that the item is gone.
    m_item.reset();
    QVERIFY(!m_desktop.interface()->isServiceRegistered(name).value());
}

void TstTrayItem::registersAgainWhenAWatcherAppears()
{
    const QString first = m_item->serviceName();
    QTRY_COMPARE_WITH_TIMEOUT(registrations(), QStringList{first}, kWaitMs);

    // A second item (one object path per connection, so on a connection of its own) started
    // while no watcher runs takes the next instance number.
    m_watcher->stop();
    QVERIFY(!StatusNotifierItem::watcherAvailable(m_desktop));
    const QDBusConnection secondBus =
        QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("tray-item-2"));
    const auto disconnect =
        qScopeGuard([] { QDBusConnection::disconnectFromBus(QStringLiteral("tray-item-2")); });
    StatusNotifierItem late(kAppId, QStringLiteral("Zeffira"), kThemePath, secondBus);
    QVERIFY(late.start());
    QCOMPARE(late.serviceName(),
             QStringLiteral("org.kde.StatusNotifierItem-%1-2").arg(QCoreApplication::applicationPid()));

    // The watcher comes (back): both register with it, and again after it restarts.
    for (int round = 0; round < 2; ++round) {
        if (round > 0)
            m_watcher->stop();
        startWatcher();
        QTRY_COMPARE_WITH_TIMEOUT(registrations().size(), 2, kWaitMs);
        QStringList names = registrations();
        names.sort();
        QCOMPARE(names, (QStringList{first, late.serviceName()}));
    }
}

void TstTrayItem::propertiesReadOverTheBus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("Category") << "Category" << QVariant(QStringLiteral("ApplicationStatus"));
    QTest::newRow("Id") << "Id" << QVariant(kAppId);
    QTest::newRow("Title") << "Title" << QVariant(QStringLiteral("Zeffira"));
    QTest::newRow("Status") << "Status" << QVariant(QStringLiteral("Active"));
    QTest::newRow("WindowId") << "WindowId" << QVariant(0);
    QTest::newRow("IconName") << "IconName" << QVariant(QStringLiteral("zeffira-antenna"));
    QTest::newRow("IconThemePath") << "IconThemePath" << QVariant(kThemePath);
    QTest::newRow("AttentionIconName") << "AttentionIconName" << QVariant(QString());
    QTest::newRow("ItemIsMenu") << "ItemIsMenu" << QVariant(false);
    QTest::newRow("Menu") << "Menu" << QVariant(QStringLiteral("/MenuBar"));
    QTest::newRow("XAyatanaLabel") << "XAyatanaLabel" << QVariant(QStringLiteral("Radio 1"));
    QTest::newRow("XAyatanaLabelGuide") << "XAyatanaLabelGuide" << QVariant(QStringLiteral("Radio 1000"));
}

void TstTrayItem::propertiesReadOverTheBus()
{
    QFETCH(QString, name);
    QFETCH(QVariant, expected);
    m_item->setIconName(QStringLiteral("zeffira-antenna"));
    m_item->setLabel(QStringLiteral("Radio 1"), QStringLiteral("Radio 1000"));

    QVariant value = itemProperty(name);
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        value = value.value<QDBusObjectPath>().path();
    QCOMPARE(value.metaType(), expected.metaType());
    QCOMPARE(value, expected);
}

void TstTrayItem::toolTipAndPixmapsHaveTheProtocolsLayout()
{
    // A property of an unregistered type would be missing from GetAll without any error.
    const QDBusMessage all = call(m_item->serviceName(), StatusNotifierItem::ObjectPath, kProperties,
                                  QStringLiteral("GetAll"), {kItemInterface});
    QCOMPARE(all.type(), QDBusMessage::ReplyMessage);
    QVariantMap properties;
    all.arguments().constFirst().value<QDBusArgument>() >> properties;
    for (const char *name : {"ToolTip", "IconPixmap", "OverlayIconPixmap", "AttentionIconPixmap", "Menu",
                             "XAyatanaLabel", "XAyatanaLabelGuide", "OverlayIconName", "AttentionMovieName"})
        QVERIFY2(properties.contains(QLatin1String(name)), name);

    m_item->setToolTip(QStringLiteral("Zeffira"), QStringLiteral("Radio 1 speelt\n<b>Song</b> & co"));
    const QDBusArgument toolTip = itemProperty(QStringLiteral("ToolTip")).value<QDBusArgument>();
    QCOMPARE(toolTip.currentSignature(), QStringLiteral("(sa(iiay)ss)"));
    QString iconName, title, text;
    toolTip.beginStructure();
    toolTip >> iconName;
    imagesText(toolTip);
    toolTip >> title >> text;
    toolTip.endStructure();
    QCOMPARE(title, QStringLiteral("Zeffira"));
    // Hosts may read markup: the text's own characters are escaped, its lines are breaks.
    QCOMPARE(text, QStringLiteral("Radio 1 speelt<br/>&lt;b&gt;Song&lt;/b&gt; &amp; co"));

    // Pixels go out as ARGB, most significant byte first, rows top to bottom, not premultiplied.
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xff112233);
    image.setPixel(1, 0, 0x00000000);
    image.setPixel(0, 1, 0xffaabbcc);
    image.setPixel(1, 1, 0xff010203);
    m_item->setIconPixmaps(QIcon(QPixmap::fromImage(image)));
    QDBusArgument pixmaps = itemProperty(QStringLiteral("IconPixmap")).value<QDBusArgument>();
    QCOMPARE(pixmaps.currentSignature(), QStringLiteral("a(iiay)"));
    QCOMPARE(imagesText(pixmaps), QStringList{"2x2 ff 11 22 33 00 00 00 00 ff aa bb cc ff 01 02 03"});

    // Our scalable artwork goes out in the sizes panels ask for.
    const QString svgPath = m_dir.filePath(QStringLiteral("zeffira.svg"));
    QFile svg(svgPath);
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
              "<rect width='16' height='16' fill='#ff0000'/></svg>");
    svg.close();
    QVERIFY2(!QIcon(svgPath).pixmap(16).isNull(),
             "cannot render an SVG icon: Qt's SVG icon engine is missing (Debian package libqt6svg6)");
    m_item->setIconPixmaps(QIcon(svgPath));
    pixmaps = itemProperty(QStringLiteral("IconPixmap")).value<QDBusArgument>();
    QStringList sizes;
    for (const QString &one : imagesText(pixmaps))
        sizes << one.section(QLatin1Char(' '), 0, 2);
    QCOMPARE(sizes, (QStringList{"16x16 ff ff", "22x22 ff ff", "24x24 ff ff", "32x32 ff ff", "48x48 ff ff",
                                 "64x64 ff ff"}));
}

void TstTrayItem::changesAreSignalled_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("expectedSignal");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expectedValue");
    // clang-format off
    QTest::newRow("label")         << "label"    << "XAyatanaNewLabel Radio 2 Radio 1000" << "XAyatanaLabel" << "Radio 2";
    QTest::newRow("label cleared") << "no label" << "XAyatanaNewLabel  "                  << "XAyatanaLabel" << "";
    QTest::newRow("icon name")     << "icon"     << "NewIcon"                             << "IconName"      << "zeffira-antenna";
    QTest::newRow("status")        << "status"   << "NewStatus NeedsAttention"            << "Status"        << "NeedsAttention";
    QTest::newRow("tooltip")       << "tooltip"  << "NewToolTip"                          << ""              << "";
    // clang-format on
}

void TstTrayItem::changesAreSignalled()
{
    QFETCH(QString, change);
    QFETCH(QString, expectedSignal);
    QFETCH(QString, property);
    QFETCH(QString, expectedValue);
    m_item->setLabel(QStringLiteral("Radio 1"), QStringLiteral("Radio 1000"));
    SignalLog log;
    listen(StatusNotifierItem::ObjectPath, kItemInterface,
           {QStringLiteral("XAyatanaNewLabel"), QStringLiteral("NewIcon"), QStringLiteral("NewStatus"),
            QStringLiteral("NewToolTip"), QStringLiteral("NewTitle")},
           &log);

    const auto apply = [&] {
        if (change == QLatin1String("label"))
            m_item->setLabel(QStringLiteral("Radio 2"), QStringLiteral("Radio 1000"));
        else if (change == QLatin1String("no label"))
            m_item->setLabel(QString(), QString());
        else if (change == QLatin1String("icon"))
            m_item->setIconName(QStringLiteral("zeffira-antenna"));
        else if (change == QLatin1String("status"))
            m_item->setStatus(TrayItem::Status::NeedsAttention);
        else
            m_item->setToolTip(QStringLiteral("Zeffira"), QStringLiteral("Radio 2"));
    };
    apply();
    QTRY_COMPARE_WITH_TIMEOUT(log.messages.size(), 1, kWaitMs);
    QCOMPARE(log.texts(), QStringList{expectedSignal});
    // The panel reads the new value when the signal arrives.
    if (!property.isEmpty())
        QCOMPARE(itemProperty(property).toString(), expectedValue);

    // The same value again is no change: nothing is sent before the label that follows.
    apply();
    m_item->setLabel(QStringLiteral("Barrier"), QString());
    QTRY_COMPARE_WITH_TIMEOUT(log.messages.size(), 2, kWaitMs);
    QCOMPARE(log.messages.last().member(), QStringLiteral("XAyatanaNewLabel"));
    QCOMPARE(log.messages.last().arguments().constFirst().toString(), QStringLiteral("Barrier"));
}

void TstTrayItem::clicksAndScrollsReachTheApplication_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("primary click") << "Activate"          << QVariantList{10, 20}  << "activated 10,20";
    QTest::newRow("middle click")  << "SecondaryActivate" << QVariantList{-5, 7}   << "secondaryActivated -5,7";
    QTest::newRow("context click") << "ContextMenu"       << QVariantList{300, 0}  << "contextMenuRequested 300,0";
    QTest::newRow("scroll up")     << "Scroll" << QVariantList{120, QStringLiteral("vertical")}   << "scrolled 120 v";
    QTest::newRow("scroll left")   << "Scroll" << QVariantList{-3, QStringLiteral("horizontal")}  << "scrolled -3 h";
    QTest::newRow("capitalised")   << "Scroll" << QVariantList{1, QStringLiteral("Horizontal")}   << "scrolled 1 h";
    // clang-format on
}

void TstTrayItem::clicksAndScrollsReachTheApplication()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, expected);
    QStringList seen;
    const auto point = [](QPoint p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); };
    connect(m_item.get(), &TrayItem::activated, this, [&](QPoint p) { seen << "activated " + point(p); });
    connect(m_item.get(), &TrayItem::secondaryActivated, this,
            [&](QPoint p) { seen << "secondaryActivated " + point(p); });
    connect(m_item.get(), &TrayItem::contextMenuRequested, this,
            [&](QPoint p) { seen << "contextMenuRequested " + point(p); });
    connect(m_item.get(), &TrayItem::scrolled, this, [&](int delta, Qt::Orientation orientation) {
        seen << QStringLiteral("scrolled %1 %2").arg(delta).arg(orientation == Qt::Horizontal ? "h" : "v");
    });

    const QDBusMessage reply = callItem(method, arguments);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    // The reply is sent after the slot ran, so the signal is already here.
    QCOMPARE(seen, QStringList{expected});
}

void TstTrayItem::layoutIsServed_data()
{
    QTest::addColumn<int>("parent");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("expected");
    // The separator has no id of its own and gets the first one above the application's.
    QTest::newRow("whole tree")
        << 0 << -1 << QStringList{}
        << "0{children-display=submenu}("
           "1{icon-name=media-playback-start;label=Play__Pause;toggle-state=1;toggle-type=checkmark} "
           "7{type=separator} "
           "2{children-display=submenu;label=Stations}("
           "3{label=Radio 1;toggle-state=1;toggle-type=radio} "
           "4{enabled=false;label=Radio 2;toggle-state=0;toggle-type=radio}) "
           "5{label=Hidden;visible=false} "
           "6{icon-name=application-exit;label=Rock & Roll})";
    QTest::newRow("one level, labels only")
        << 0 << 1 << QStringList{QStringLiteral("label")}
        << "0{}(1{label=Play__Pause} 7{} 2{label=Stations} 5{label=Hidden} 6{label=Rock & Roll})";
    QTest::newRow("submenu alone") << 2 << 0 << QStringList{} << "2{children-display=submenu;label=Stations}";
    QTest::newRow("submenu's children")
        << 2 << -1 << QStringList{QStringLiteral("toggle-state"), QStringLiteral("enabled")}
        << "2{}(3{toggle-state=1} 4{enabled=false;toggle-state=0})";
}

void TstTrayItem::layoutIsServed()
{
    QFETCH(int, parent);
    QFETCH(int, depth);
    QFETCH(QStringList, names);
    QFETCH(QString, expected);
    m_item->setMenu(sampleMenu());

    const QDBusMessage reply = callMenu(QStringLiteral("GetLayout"), {parent, depth, names});
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    QCOMPARE(reply.signature(), QStringLiteral("u(ia{sv}av)"));
    QVERIFY(reply.arguments().at(0).toUInt() > 0);
    QCOMPARE(layoutText(reply.arguments().at(1).value<QDBusArgument>()), expected);

    const QDBusMessage unknown = callMenu(QStringLiteral("GetLayout"), {99, -1, QStringList{}});
    QCOMPARE(unknown.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(unknown.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
}

void TstTrayItem::itemPropertiesAreServed()
{
    m_item->setMenu(sampleMenu());
    QCOMPARE(itemProperty(QStringLiteral("Menu")).value<QDBusObjectPath>().path(), m_item->menuPath());

    const QDBusMessage version = call(m_item->serviceName(), m_item->menuPath(), kProperties,
                                      QStringLiteral("Get"), {kMenuInterface, QStringLiteral("Version")});
    QCOMPARE(version.arguments().constFirst().value<QDBusVariant>().variant(), QVariant(3u));

    const QDBusMessage state = callMenu(QStringLiteral("GetProperty"), {3, QStringLiteral("toggle-state")});
    QCOMPARE(state.arguments().constFirst().value<QDBusVariant>().variant(), QVariant(1));
    QCOMPARE(callMenu(QStringLiteral("GetProperty"), {3, QStringLiteral("no-such")}).type(),
             QDBusMessage::ErrorMessage);
    QCOMPARE(callMenu(QStringLiteral("GetProperty"), {99, QStringLiteral("label")}).type(),
             QDBusMessage::ErrorMessage);

    // Unknown ids are left out of a group.
    const QDBusMessage group = callMenu(QStringLiteral("GetGroupProperties"),
                                        {QVariant::fromValue(QList<int>{6, 99, 4}), QStringList{"label"}});
    QCOMPARE(group.signature(), QStringLiteral("a(ia{sv})"));
    QStringList items;
    const QDBusArgument list = group.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        int id = 0;
        QVariantMap properties;
        list.beginStructure();
        list >> id >> properties;
        list.endStructure();
        items << QStringLiteral("%1=%2").arg(id).arg(properties.value(QStringLiteral("label")).toString());
    }
    list.endArray();
    QCOMPARE(items, (QStringList{"6=Rock & Roll", "4=Radio 2"}));
}

void TstTrayItem::menuEventsReachTheApplication_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("reported");
    QTest::newRow("entry clicked") << 1 << "clicked" << true;
    QTest::newRow("submenu entry clicked") << 3 << "clicked" << true;
    QTest::newRow("disabled entry") << 4 << "clicked" << false;
    QTest::newRow("submenu itself") << 2 << "clicked" << false;
    QTest::newRow("separator") << 7 << "clicked" << false;
    QTest::newRow("hovered") << 1 << "hovered" << false;
    QTest::newRow("menu opened") << 0 << "opened" << false;
}

void TstTrayItem::menuEventsReachTheApplication()
{
    QFETCH(int, id);
    QFETCH(QString, event);
    QFETCH(bool, reported);
    m_item->setMenu(sampleMenu());
    QSignalSpy triggered(m_item.get(), &TrayItem::menuEntryTriggered);

    const QDBusMessage reply =
        callMenu(QStringLiteral("Event"), {id, event, QVariant::fromValue(QDBusVariant(0)), 0u});
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    QCOMPARE(triggered.count(), reported ? 1 : 0);
    if (reported)
        QCOMPARE(triggered.first().first().toInt(), id);
}

void TstTrayItem::menuUpdatesAreAnnounced()
{
    SignalLog log;
    listen(DBusMenuExporter::DefaultPath, kMenuInterface,
           {QStringLiteral("LayoutUpdated"), QStringLiteral("ItemsPropertiesUpdated")}, &log);
    QList<TrayMenuEntry> menu = sampleMenu();
    m_item->setMenu(menu);
    QTRY_COMPARE_WITH_TIMEOUT(log.messages.size(), 1, kWaitMs);
    const uint first = log.messages[0].arguments().at(0).toUInt();
    QCOMPARE(log.messages[0].arguments().at(1).toInt(), 0);

    // The same menu again announces nothing; unchecking play/pause and dropping its icon keeps
    // the shape, so the properties are announced before the layout.
    m_item->setMenu(menu);
    menu[0].checked = false;
    menu[0].iconName.clear();
    m_item->setMenu(menu);
    QTRY_COMPARE_WITH_TIMEOUT(log.messages.size(), 3, kWaitMs);
    QCOMPARE(log.messages[1].member(), QStringLiteral("ItemsPropertiesUpdated"));
    QCOMPARE(log.messages[1].signature(), QStringLiteral("a(ia{sv})a(ias)"));
    DBusMenuItemList updated;
    DBusMenuItemKeysList removed;
    log.messages[1].arguments().at(0).value<QDBusArgument>() >> updated;
    log.messages[1].arguments().at(1).value<QDBusArgument>() >> removed;
    QCOMPARE(updated.size(), 1);
    QCOMPARE(updated[0].id, 1);
    QCOMPARE(updated[0].properties, (QVariantMap{{QStringLiteral("toggle-state"), 0}}));
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0].id, 1);
    QCOMPARE(removed[0].properties, QStringList{"icon-name"});
    QCOMPARE(signalText(log.messages[2]), QStringLiteral("LayoutUpdated %1 0").arg(first + 1));

    // A new entry changes the shape: only the layout is announced, with the next revision,
    // and GetLayout serves that revision.
    menu.append(entry(8, QStringLiteral("Instellingen")));
    m_item->setMenu(menu);
    QTRY_COMPARE_WITH_TIMEOUT(log.messages.size(), 4, kWaitMs);
    QCOMPARE(signalText(log.messages[3]), QStringLiteral("LayoutUpdated %1 0").arg(first + 2));
    const QDBusMessage layout = callMenu(QStringLiteral("GetLayout"), {0, 0, QStringList{}});
    QCOMPARE(layout.arguments().at(0).toUInt(), first + 2);
}

void TstTrayItem::aboutToShowLetsTheApplicationRefresh()
{
    QList<TrayMenuEntry> menu = sampleMenu();
    m_item->setMenu(menu);
    QSignalSpy aboutToShow(m_item.get(), &TrayItem::menuAboutToShow);
    // The first opening finds something to refresh, the second does not.
    bool refresh = true;
    connect(m_item.get(), &TrayItem::menuAboutToShow, this, [&] {
        if (refresh)
            menu.append(entry(8, QStringLiteral("Radio 3")));
        refresh = false;
        m_item->setMenu(menu);
    });

    QCOMPARE(callMenu(QStringLiteral("AboutToShow"), {0}).arguments().value(0), QVariant(true));
    QCOMPARE(callMenu(QStringLiteral("AboutToShow"), {0}).arguments().value(0), QVariant(false));
    QCOMPARE(aboutToShow.count(), 2);
    // A submenu opening is no news to the application; an unknown one is an error.
    QCOMPARE(callMenu(QStringLiteral("AboutToShow"), {2}).arguments().value(0), QVariant(false));
    QCOMPARE(callMenu(QStringLiteral("AboutToShow"), {99}).type(), QDBusMessage::ErrorMessage);
    QCOMPARE(aboutToShow.count(), 2);

    const QDBusMessage group =
        callMenu(QStringLiteral("AboutToShowGroup"), {QVariant::fromValue(QList<int>{0, 99})});
    QCOMPARE(group.signature(), QStringLiteral("aiai"));
    QCOMPARE(qdbus_cast<QList<int>>(group.arguments().at(1)), QList<int>{99});
    QCOMPARE(aboutToShow.count(), 3);

    // A group of events: the known ones are delivered, the unknown ones returned.
    QSignalSpy triggered(m_item.get(), &TrayItem::menuEntryTriggered);
    DBusMenuEventList events{{8, QStringLiteral("clicked"), QDBusVariant(0), 0},
                             {99, QStringLiteral("clicked"), QDBusVariant(0), 0}};
    const QDBusMessage errors = callMenu(QStringLiteral("EventGroup"), {QVariant::fromValue(events)});
    QCOMPARE(qdbus_cast<QList<int>>(errors.arguments().value(0)), QList<int>{99});
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.first().first().toInt(), 8);
}

void TstTrayItem::factoryPrefersTheStatusNotifierItem()
{
    m_item.reset();
    const auto isOurItem = [&] {
        const std::unique_ptr<TrayItem> item =
            createTrayItem(kAppId, QStringLiteral("Zeffira"), kThemePath, m_itemBus);
        return dynamic_cast<StatusNotifierItem *>(item.get()) != nullptr;
    };
    QVERIFY(isOurItem());
    // Without a watcher the plain tray is used where there is one (not on the offscreen
    // platform); where there is none either, our item waits for a watcher.
    m_watcher->stop();
    QCOMPARE(isOurItem(), !QSystemTrayIcon::isSystemTrayAvailable());
}

void TstTrayItem::fallbackBuildsTheMenuAndTooltip()
{
    SystemTrayFallback fallback(QStringLiteral("Zeffira"), kThemePath);
    QSignalSpy triggered(&fallback, &TrayItem::menuEntryTriggered);
    fallback.setMenu(sampleMenu());
    const QList<QAction *> actions = fallback.menu()->actions();
    QCOMPARE(actions.size(), 5);
    QCOMPARE(actions[0]->text(), QStringLiteral("Play_Pause"));
    QVERIFY(actions[0]->isCheckable() && actions[0]->isChecked());
    QVERIFY(actions[1]->isSeparator());
    QVERIFY(!actions[3]->isVisible());
    QCOMPARE(actions[4]->text(), QStringLiteral("Rock && Roll"));
    QCOMPARE(fallback.menu()->defaultAction(), actions[4]);

    QMenu *stations = actions[2]->menu();
    QVERIFY(stations);
    const QList<QAction *> radios = stations->actions();
    QCOMPARE(radios.size(), 2);
    QVERIFY(radios[0]->isChecked() && !radios[1]->isChecked());
    QVERIFY(!radios[1]->isEnabled());
    QVERIFY(radios[0]->actionGroup() && radios[0]->actionGroup() == radios[1]->actionGroup());
    QVERIFY(radios[0]->actionGroup()->isExclusive());

    radios[0]->trigger();
    actions[4]->trigger();
    QCOMPARE(triggered.count(), 2);
    QCOMPARE(triggered[0].first().toInt(), 3);
    QCOMPARE(triggered[1].first().toInt(), 6);

    // The plain tray shows no label beside the icon: it goes into the tooltip.
    fallback.setToolTip(QStringLiteral("Zeffira"), QStringLiteral("Speelt af\n<b>Song</b>"));
    fallback.setLabel(QStringLiteral("Radio 1"), QString());
    // Qt's tooltip would guess markup: declared rich text, escaped.
    QCOMPARE(fallback.toolTip(),
             QStringLiteral("<qt>Zeffira<br/>Radio 1<br/>Speelt af<br/>&lt;b&gt;Song&lt;/b&gt;</qt>"));
}

QTEST_MAIN(TstTrayItem)
#include "tst_trayitem.moc"
