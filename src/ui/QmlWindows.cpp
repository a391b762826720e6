#include "QmlWindows.h"

#include "QmlTypes.h"
#include "base/Logging.h"

#include <QCursor>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QScreen>
#include <cmath>

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

QPoint QmlWindows::logicalFromDevicePixels(const QPoint &devicePos)
{
    // A screen's top-left corner is the same in both coordinate systems; within it, device
    // pixels are the screen's device pixel ratio (QT_SCALE_FACTOR included) apart.
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        const QRect device(logical.topLeft(), (QSizeF(logical.size()) * ratio).toSize());
        if (device.contains(devicePos)) {
            // The logical pixel a device pixel lies in, not the nearest one.
            const QPointF offset = QPointF(devicePos - logical.topLeft()) / ratio;
            return logical.topLeft() + QPoint(int(std::floor(offset.x())), int(std::floor(offset.y())));
        }
    }
    return devicePos;
}

bool QmlWindows::ensurePanel()
{
    if (m_panel)
        return true;
    m_panel = loadWindow(QStringLiteral("panel/PanelWindow.qml"));
    if (!m_panel)
        return false;
    QObject::connect(m_panel, &QWindow::visibleChanged, m_panel, [this](bool visible) {
        // Only a closing by focus loss can be the start of a click on the tray icon.
        if (!visible && m_panel->property("closedByFocusLoss").toBool())
            m_panelHidden.start();
        else if (!visible)
            m_panelHidden.invalidate();
    });
    // The panel grows and shrinks with its content (a station starting, a search): it
    // stays against its anchor and on the screen.
    QObject::connect(m_panel, &QWindow::heightChanged, m_panel, [this] { placePanel(); });
    return true;
}

void QmlWindows::togglePanel(const QPoint &globalPos)
{
    if (!ensurePanel())
        return;
    if (m_panel->isVisible()) {
        m_panel->hide();
        return;
    }
    if (m_panelHidden.isValid() && m_panelHidden.elapsed() < kClickAfterCloseMs)
        return;
    openPanel(globalPos);
}

void QmlWindows::showPanel()
{
    if (!ensurePanel())
        return;
    if (m_panel->isVisible()) {
        m_panel->raise();
        m_panel->requestActivate();
        return;
    }
    openPanel(QPoint());
}

void QmlWindows::setPanelIsWindow(bool isWindow)
{
    m_panelIsWindow = isWindow;
}

void QmlWindows::openPanel(const QPoint &globalPos)
{
    // The form is chosen while the panel is hidden: window managers read the flags on mapping.
    m_panel->setFlags(m_panelIsWindow ? Qt::Window
                                      : Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_panel->setProperty("hideOnDeactivate", !m_panelIsWindow);
    if (m_panelIsWindow) {
        m_panelArea = QRect();
        QScreen *screen = QGuiApplication::primaryScreen();
        if (screen)
            m_panel->setProperty("availableHeight", screen->availableGeometry().height());
        // Centred the first time where the platform lets us place windows; Wayland
        // compositors put it where they put new windows.
        if (!m_windowPlaced && screen && QGuiApplication::platformName() == QLatin1String("xcb")) {
            const QRect area = screen->availableGeometry();
            m_panel->setPosition(area.center() - QPoint(m_panel->width() / 2, m_panel->height() / 2));
        }
        m_windowPlaced = true;
    } else {
        const QPoint at = globalPos.isNull() ? QCursor::pos() : logicalFromDevicePixels(globalPos);
        QScreen *screen = QGuiApplication::screenAt(at);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        m_panelArea = screen->availableGeometry();
        m_panelAnchor = at;
        // A tray at the bottom of the screen: the panel stands on the click and grows upwards.
        m_panelOpensUpwards = at.y() > m_panelArea.center().y();
        const int room = m_panelOpensUpwards ? at.y() - m_panelArea.top() : m_panelArea.bottom() + 1 - at.y();
        m_panel->setProperty("availableHeight", std::clamp(room, 200, m_panelArea.height()));
        placePanel();
    }
    m_panel->show();
    m_panel->raise();
    m_panel->requestActivate();
}

void QmlWindows::placePanel()
{
    // On X11 the panel drops from the click, kept on the screen; Wayland compositors place
    // windows themselves.
    if (!m_panel || QGuiApplication::platformName() != QLatin1String("xcb") || m_panelArea.isEmpty())
        return;
    const QRect &area = m_panelArea;
    const QSize size(m_panel->width(), m_panel->height());
    const int x = std::clamp(m_panelAnchor.x() - size.width() / 2, area.left(),
                             std::max(area.left(), area.right() + 1 - size.width()));
    const int y = m_panelOpensUpwards ? m_panelAnchor.y() - size.height() : m_panelAnchor.y();
    m_panel->setPosition(x,
                         std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
}

bool QmlWindows::isPanelVisible() const
{
    return m_panel && m_panel->isVisible();
}

void QmlWindows::showWindow(QPointer<QWindow> &window, const QString &file,
                            const std::optional<QPoint> &position)
{
    if (!window) {
        window = loadWindow(file);
        if (!window)
            return;
        if (position) {
            window->setPosition(*position);
        } else if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            window->setPosition(area.center() - QPoint(window->width() / 2, window->height() / 2));
        }
    }
    // The tray's panel steps aside; the panel as a window is the program's main window, which
    // the user may have no other way to bring back.
    if (m_panel && !m_panelIsWindow)
        m_panel->hide();
    window->show();
    window->raise();
    window->requestActivate();
}

void QmlWindows::showSettings()
{
    const bool opening = !m_settingsWindow;
    showWindow(m_settingsWindow, QStringLiteral("settings/SettingsWindow.qml"), m_settingsPosition);
    if (!opening || !m_settingsWindow)
        return;
    // Closed is gone: the next opening builds a new window from the stored state, not one
    // with the old error row, login switch, device list and selection. It opens where the
    // user left this one.
    QObject::connect(m_settingsWindow, &QWindow::visibleChanged, m_settingsWindow, [this](bool visible) {
        if (visible || !m_settingsWindow)
            return;
        m_settingsPosition = m_settingsWindow->position();
        m_settingsWindow->deleteLater();
        m_settingsWindow = nullptr;
    });
}

void QmlWindows::showAlarmSettings()
{
    showSettings();
    if (m_settingsWindow)
        QMetaObject::invokeMethod(m_settingsWindow, "showAlarms");
}

void QmlWindows::showAbout()
{
    showWindow(m_aboutWindow, QStringLiteral("about/AboutWindow.qml"));
}

extern "C" Q_DECL_EXPORT AppWindows *zeffira_create_app_windows(const AppWindows::Objects &objects)
{
    return new QmlWindows(objects);
}
