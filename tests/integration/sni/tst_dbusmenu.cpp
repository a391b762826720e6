// The tray item's exported menu (com.canonical.dbusmenu) read and driven over D-Bus on a
// private session bus, the way a panel does it: the layout, item properties, events, the
// announcements of updates and aboutToShow. A second connection plays the desktop, so every
// call crosses the bus.
#include "SignalLog.h"
#include "TrayBusFixture.h"
#include "sni/DBusMenuExporter.h"
#include "sni/TrayDBusTypes.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

namespace {
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
} // namespace

class TstDBusMenu : public TrayBusFixture
{
    Q_OBJECT

private Q_SLOTS:
    void layoutIsServed_data();
    void layoutIsServed();
    void itemPropertiesAreServed();
    void menuEventsReachTheApplication_data();
    void menuEventsReachTheApplication();
    void menuUpdatesAreAnnounced();
    void aboutToShowLetsTheApplicationRefresh();
};

void TstDBusMenu::layoutIsServed_data()
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

void TstDBusMenu::layoutIsServed()
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

void TstDBusMenu::itemPropertiesAreServed()
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

void TstDBusMenu::menuEventsReachTheApplication_data()
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

void TstDBusMenu::menuEventsReachTheApplication()
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

void TstDBusMenu::menuUpdatesAreAnnounced()
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

void TstDBusMenu::aboutToShowLetsTheApplicationRefresh()
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

QTEST_MAIN(TstDBusMenu)
#include "tst_dbusmenu.moc"
