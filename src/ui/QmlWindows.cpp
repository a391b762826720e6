#include "QmlWindows.h"

#include "QmlTypes.h"
#include "base/Logging.h"

#include <QCursor>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QScreen>

namespace {
// A click on the tray icon first takes the focus from an open panel, which closes it; the
// activation that follows within this time belongs to that same click.
constexpr qint64 kClickAfterCloseMs = 300;
} // namespace

QmlWindows::QmlWindows(const Objects &objects)
{
    publishViewObjects(objects);
}

QmlWindows::~QmlWindows()
{
    // Windows first: they bind to the objects the engine was given.
    delete m_panel;
    delete m_settingsWindow;
    delete m_aboutWindow;
    m_engine.reset();
}

QQmlEngine *QmlWindows::engine()
{
    if (!m_engine) {
        // A fixed style keeps the look the same on every desktop; it follows the palette.
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
        m_engine = std::make_unique<QQmlEngine>();
        m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }
    return m_engine.get();
}

QWindow *QmlWindows::loadWindow(const QString &file)
{
    QQmlComponent component(engine(), QUrl(QStringLiteral("qrc:/qt/qml/Zeffira/qml/") + file));
    QObject *object = component.create();
    auto *window = qobject_cast<QWindow *>(object);
    if (!window) {
        qCCritical(lcApp, "Cannot show %s: %s", qUtf8Printable(file),
                   qUtf8Printable(component.errorString()));
        delete object;
        return nullptr;
    }
    return window;
}

void QmlWindows::togglePanel(const QPoint &globalPos)
{
    if (!m_panel) {
        m_panel = loadWindow(QStringLiteral("panel/PanelWindow.qml"));
        if (!m_panel)
            return;
        QObject::connect(m_panel, &QWindow::visibleChanged, m_panel, [this](bool visible) {
            if (!visible)
                m_panelHidden.start();
        });
    }
    if (m_panel->isVisible()) {
        m_panel->hide();
        return;
    }
    if (m_panelHidden.isValid() && m_panelHidden.elapsed() < kClickAfterCloseMs)
        return;

    // On X11 the panel drops from the click, kept on the screen; Wayland compositors place
    // windows themselves.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        const QPoint at = globalPos.isNull() ? QCursor::pos() : globalPos;
        QScreen *screen = QGuiApplication::screenAt(at);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect area = screen->availableGeometry();
        const QSize size(m_panel->width(), m_panel->height());
        const int x = std::clamp(at.x() - size.width() / 2, area.left(),
                                 std::max(area.left(), area.right() - size.width()));
        const int y = at.y() > area.center().y() ? at.y() - size.height() : at.y();
        m_panel->setPosition(x,
                             std::clamp(y, area.top(), std::max(area.top(), area.bottom() - size.height())));
    }
    m_panel->show();
    m_panel->raise();
    m_panel->requestActivate();
}

bool QmlWindows::isPanelVisible() const
{
    return m_panel && m_panel->isVisible();
}

void QmlWindows::showWindow(QPointer<QWindow> &window, const QString &file)
{
    if (!window) {
        window = loadWindow(file);
        if (!window)
            return;
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            window->setPosition(area.center() - QPoint(window->width() / 2, window->height() / 2));
        }
    }
    if (m_panel)
        m_panel->hide();
    window->show();
    window->raise();
    window->requestActivate();
}

void QmlWindows::showSettings()
{
    showWindow(m_settingsWindow, QStringLiteral("settings/SettingsWindow.qml"));
}

void QmlWindows::showAbout()
{
    showWindow(m_aboutWindow, QStringLiteral("about/AboutWindow.qml"));
}

extern "C" Q_DECL_EXPORT AppWindows *zeffira_create_app_windows(const AppWindows::Objects &objects)
{
    return new QmlWindows(objects);
}
