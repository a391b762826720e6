// The views library's windows as the shell gets them (offscreen, at QT_SCALE_FACTOR=2): tray
// click positions in device pixels, and a settings window that starts from the stored state on
// every opening. A QML warning in any of them fails the test.
#include "QmlWarnings.h"
#include "QmlWindows.h"
#include "TestRig.h"

#include <QGuiApplication>
#include <QPointer>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>

extern "C" AppWindows *zeffira_create_app_windows(const AppWindows::Objects &objects);

namespace {
QQuickWindow *visibleWindow(const QString &title)
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->title() == title && window->isVisible())
            return qobject_cast<QQuickWindow *>(window);
    }
    return nullptr;
}
} // namespace

class TestQmlWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QmlWarnings::pattern()); }

    void devicePixelsToLogical_data()
    {
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<QPoint>("logical");
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint origin = screen.topLeft();
        QTest::newRow("the screen's corner") << origin << origin;
        QTest::newRow("halfway across")
            << origin + QPoint(screen.width(), 8) << origin + QPoint(screen.width() / 2, 4);
        QTest::newRow("the last device pixel")
            << origin + QPoint(2 * screen.width() - 1, 2 * screen.height() - 1)
            << origin + QPoint(screen.width() - 1, screen.height() - 1);
    }

    void devicePixelsToLogical()
    {
        QFETCH(QPoint, device);
        QFETCH(QPoint, logical);
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        QCOMPARE(QmlWindows::logicalFromDevicePixels(device), logical);
    }

    void settingsStartFromTheStoredStateOnEveryOpening()
    {
        TestRig rig;
        std::unique_ptr<AppWindows> windows(zeffira_create_app_windows(rig.objects()));
        windows->showSettings();
        QPointer<QQuickWindow> first = visibleWindow(QStringLiteral("Instellingen"));
        QVERIFY(first);
        auto *view = first->property("view").value<QQuickItem *>();
        auto *tab = view->property("stationsTab").value<QQuickItem *>();

        // Left behind: an error row, another category on the Stations tab. Meanwhile the login
        // item is registered elsewhere.
        rig.failNextLoginCall(QStringLiteral("Permission denied"));
        rig.objects().generalSettings->setLaunchAtLogin(true);
        QVERIFY(!rig.objects().generalSettings->loginError().isEmpty());
        QMetaObject::invokeMethod(view, "showTab", Q_ARG(QVariant, 1));
        tab->setProperty("selectedCategory", QStringLiteral("Jazz"));
        first->close();
        QTRY_VERIFY(first.isNull());
        rig.setLoginItemEnabled(true);
        const int reads = rig.deviceReads();

        windows->showSettings();
        QQuickWindow *second = visibleWindow(QStringLiteral("Instellingen"));
        QVERIFY(second);
        view = second->property("view").value<QQuickItem *>();
        tab = view->property("stationsTab").value<QQuickItem *>();
        QCOMPARE(view->property("currentTab").toInt(), 0);
        QMetaObject::invokeMethod(view, "showTab", Q_ARG(QVariant, 1));
        QCOMPARE(tab->property("selectedCategory").toString(), QStringLiteral("Publiek"));
        QCOMPARE(rig.objects().generalSettings->loginError(), QString());
        QVERIFY(rig.objects().generalSettings->launchAtLogin());
        QVERIFY(rig.deviceReads() > reads);

        // Asked again while open: the same window, brought forward.
        windows->showSettings();
        QCOMPARE(visibleWindow(QStringLiteral("Instellingen")), second);
        windows.reset();
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    TestQmlWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qmlwindows.moc"
