#include "app/TrayShell.h"

#include "app/AppInfo.h"
#include "app/Logging.h"
#include "app/MenuBarLabel.h"
#include "app/SettingsStore.h"
#include "app/TrayMenu.h"
#include "app/ZeffiraApp.h"
#include "app/tray/TrayItem.h"
#include "app/tray/TrayItemFactory.h"
#include "app/xdg/XdgAutostartLoginItem.h"
#include "catalogue/StationManager.h"
#include "playback/RadioPlayer.h"
#include "system/GeneralSettingsModel.h"
#include "ui/AppActions.h"
#include "ui/UiObjects.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlComponent>
#include <QQuickStyle>
#include <QQmlEngine>
#include <QScreen>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ZeffiraPlugin)

namespace {
// A click on the tray icon first takes the focus from an open panel, which closes it; the
// activation that follows within this time belongs to that same click.
constexpr qint64 kClickAfterCloseMs = 300;
// One notch of a mouse wheel is 120; it moves the volume by 5 %.
constexpr double kVolumePerNotch = 0.05;

QString trayIconName(const QString &symbol)
{
    return symbol == QLatin1String("radio") ? QStringLiteral("zeffira-radio") : QStringLiteral("zeffira-antenna");
}
} // namespace

TrayShell::TrayShell(ZeffiraApp *app, QObject *parent)
    : QObject(parent), m_app(app), m_actions(std::make_unique<AppActions>(app->player(), app->audioDeviceManager())),
      m_loginItem(std::make_unique<XdgAutostartLoginItem>()),
      m_generalSettings(std::make_unique<GeneralSettingsModel>(app->settings(), m_loginItem.get(),
                                                               app->audioDeviceManager(), app->player()))
{
    publishUiObjects(m_app->player(), m_app->stationManager(), m_app->audioDeviceManager(), m_app->settings(),
                     m_actions.get());
    publishSettingsObjects(m_generalSettings.get());
    connect(m_actions.get(), &AppActions::settingsRequested, this, &TrayShell::openSettings);
    connect(m_actions.get(), &AppActions::aboutRequested, this, &TrayShell::openAbout);
    connect(m_actions.get(), &AppActions::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(m_actions.get(), &AppActions::panelContentShown, m_app, &ZeffiraApp::setupMediaKeyHandler);
    connect(m_app, &ZeffiraApp::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

TrayShell::~TrayShell()
{
    // Windows first: they bind to the objects the engine was given.
    delete m_panel;
    delete m_settingsWindow;
    delete m_aboutWindow;
    m_engine.reset();
}

bool TrayShell::start()
{
    m_tray = createTrayItem(AppInfo::appId(), QStringLiteral("Zeffira"), AppInfo::iconThemePath());
    connect(m_tray.get(), &TrayItem::activated, this, &TrayShell::togglePanel);
    connect(m_tray.get(), &TrayItem::secondaryActivated, this, [this] {
        if (m_app->player()->hasStation())
            m_app->player()->togglePlayPause();
    });
    connect(m_tray.get(), &TrayItem::scrolled, this, [this](int delta, Qt::Orientation orientation) {
        if (orientation == Qt::Vertical)
            m_app->player()->setVolume(m_app->player()->volume() + delta / 120.0 * kVolumePerNotch);
    });
    connect(m_tray.get(), &TrayItem::menuEntryTriggered, this, &TrayShell::onMenuEntry);
    connect(m_tray.get(), &TrayItem::menuAboutToShow, this, &TrayShell::updateMenu);
    connect(m_tray.get(), &TrayItem::contextMenuRequested, this, &TrayShell::togglePanel);

    RadioPlayer *player = m_app->player();
    for (auto signal : {&RadioPlayer::isPlayingChanged, &RadioPlayer::currentStationChanged,
                        &RadioPlayer::playbackStateChanged}) {
        connect(player, signal, this, &TrayShell::updateLabel);
        connect(player, signal, this, &TrayShell::updateMenu);
    }
    connect(m_app->stationManager(), &StationManager::categoriesChanged, this, &TrayShell::updateMenu);
    // Also when another program changes the settings file.
    connect(m_app->settings(), &SettingsStore::changed, this, [this](const QString &key) {
        if (key == SettingsKey::ShowStationInMenuBar)
            updateLabel();
    });
    updateLabel();
    updateMenu();
    return m_tray->start();
}

void TrayShell::updateLabel()
{
    RadioPlayer *player = m_app->player();
    const MenuBarLabel label = MenuBarLabel::compute(
        m_app->settings()->boolValue(SettingsKey::ShowStationInMenuBar), player->currentStation(), player->isPlaying());
    const QString icon = trayIconName(label.iconName);
    if (icon != m_lastIcon) {
        m_lastIcon = icon;
        m_tray->setIconName(icon);
        m_tray->setIconPixmaps(QIcon(AppInfo::iconFile(icon)));
    }
    // The panel puts its own gap between icon and label.
    m_tray->setLabel(label.text.trimmed(), label.text.trimmed());

    QString state;
    if (!player->hasStation())
        state = QStringLiteral("Geen station gekozen");
    else if (player->playbackState().kind() == PlaybackState::Loading)
        state = player->currentStationName() + QStringLiteral(" (laden...)");
    else if (player->isPlaying())
        state = player->currentStationName();
    else
        state = player->currentStationName() + QStringLiteral(" (gepauzeerd)");
    m_tray->setToolTip(QStringLiteral("Zeffira"), state);
}

void TrayShell::updateMenu()
{
    if (m_tray)
        m_tray->setMenu(TrayMenu::build(*m_app->player(), m_app->stationManager()->categories()));
}

void TrayShell::onMenuEntry(int id)
{
    RadioPlayer *player = m_app->player();
    switch (id) {
    case TrayMenu::OpenPanel:
        togglePanel(QPoint());
        return;
    case TrayMenu::PlayPause:
        player->togglePlayPause();
        return;
    case TrayMenu::Stop:
        player->stop();
        return;
    case TrayMenu::Settings:
        openSettings();
        return;
    case TrayMenu::About:
        openAbout();
        return;
    case TrayMenu::Quit:
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    default:
        if (const auto station = TrayMenu::stationFor(id, m_app->stationManager()->categories()))
            player->play(*station);
    }
}

QQmlEngine *TrayShell::engine()
{
    if (!m_engine) {
        // A fixed style keeps the look the same on every desktop; it follows the palette.
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
        m_engine = std::make_unique<QQmlEngine>();
        m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }
    return m_engine.get();
}

QWindow *TrayShell::loadWindow(const QString &file)
{
    QQmlComponent component(engine(), QUrl(QStringLiteral("qrc:/qt/qml/Zeffira/") + file));
    QObject *object = component.create();
    auto *window = qobject_cast<QWindow *>(object);
    if (!window) {
        qCCritical(lcApp, "Cannot show %s: %s", qUtf8Printable(file), qUtf8Printable(component.errorString()));
        delete object;
        return nullptr;
    }
    return window;
}

void TrayShell::togglePanel(const QPoint &globalPos)
{
    if (!m_panel) {
        m_panel = loadWindow(QStringLiteral("menu/PanelWindow.qml"));
        if (!m_panel)
            return;
        connect(m_panel, &QWindow::visibleChanged, this, [this](bool visible) {
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
        const int x = std::clamp(at.x() - size.width() / 2, area.left(), std::max(area.left(), area.right() - size.width()));
        const int y = at.y() > area.center().y() ? at.y() - size.height() : at.y();
        m_panel->setPosition(x, std::clamp(y, area.top(), std::max(area.top(), area.bottom() - size.height())));
    }
    m_panel->show();
    m_panel->raise();
    m_panel->requestActivate();
}

void TrayShell::showWindow(QPointer<QWindow> &window, const QString &file)
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

void TrayShell::openSettings()
{
    showWindow(m_settingsWindow, QStringLiteral("settings/SettingsWindow.qml"));
}

void TrayShell::openAbout()
{
    showWindow(m_aboutWindow, QStringLiteral("menu/AboutWindow.qml"));
}
