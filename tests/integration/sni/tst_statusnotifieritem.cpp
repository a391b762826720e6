// The tray item read and driven over D-Bus on a private session bus, the way a panel does it:
// registration with a python3-dbusmock StatusNotifierWatcher (also when the watcher comes
// late or restarts), the item's properties and change signals, clicks and scrolls. A second
// connection plays the desktop, so every call crosses the bus. Also the factory's choice
// between our item and the plain tray, and the QMenu of the plain-tray fallback. The item's
// menu is tested in tst_dbusmenu.
#include "SignalLog.h"
#include "TrayBusFixture.h"
#include "sni/StatusNotifierItem.h"
#include "sni/SystemTrayFallback.h"
#include "sni/TrayItemFactory.h"
#include "sni/TrayLibrary.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include <memory>

namespace {
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
} // namespace

class TstStatusNotifierItem : public TrayBusFixture
{
    Q_OBJECT

private Q_SLOTS:
    void registersWithTheWatcherUnderItsName();
    void registersAgainWhenAWatcherAppears();
    void propertiesReadOverTheBus_data();
    void propertiesReadOverTheBus();
    void toolTipAndPixmapsHaveTheProtocolsLayout();
    void changesAreSignalled_data();
    void changesAreSignalled();
    void clicksAndScrollsReachTheApplication_data();
    void clicksAndScrollsReachTheApplication();
    void factoryPrefersTheStatusNotifierItem();
    void fallbackBuildsTheMenuAndTooltip();
};

void TstStatusNotifierItem::registersWithTheWatcherUnderItsName()
{
    const QString name = m_item->serviceName();
    QCOMPARE(name, QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()));
    QTRY_COMPARE_WITH_TIMEOUT(registrations(), QStringList{name}, kWaitMs);
    QCOMPARE(m_desktop.interface()->serviceOwner(name).value(), m_itemBus.baseService());
    QVERIFY(TrayLibrary::watcherAvailable(m_desktop));

    // Leaving the bus is how the watcher learns that the item is gone.
    m_item.reset();
    QVERIFY(!m_desktop.interface()->isServiceRegistered(name).value());
}

void TstStatusNotifierItem::registersAgainWhenAWatcherAppears()
{
    const QString first = m_item->serviceName();
    QTRY_COMPARE_WITH_TIMEOUT(registrations(), QStringList{first}, kWaitMs);

    // A second item (one object path per connection, so on a connection of its own) started
    // while no watcher runs takes the next instance number.
    m_watcher->stop();
    QVERIFY(!TrayLibrary::watcherAvailable(m_desktop));
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

void TstStatusNotifierItem::propertiesReadOverTheBus_data()
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

void TstStatusNotifierItem::propertiesReadOverTheBus()
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

void TstStatusNotifierItem::toolTipAndPixmapsHaveTheProtocolsLayout()
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

void TstStatusNotifierItem::changesAreSignalled_data()
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

void TstStatusNotifierItem::changesAreSignalled()
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

void TstStatusNotifierItem::clicksAndScrollsReachTheApplication_data()
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

void TstStatusNotifierItem::clicksAndScrollsReachTheApplication()
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

void TstStatusNotifierItem::factoryPrefersTheStatusNotifierItem()
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

void TstStatusNotifierItem::fallbackBuildsTheMenuAndTooltip()
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

QTEST_MAIN(TstStatusNotifierItem)
#include "tst_statusnotifieritem.moc"
