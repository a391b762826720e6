#include "sni/SystemTrayFallback.h"

#include "base/Logging.h"

#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <algorithm>

namespace {
// QMenu reads "&" as the mnemonic marker; station names such as "R&B" must show as written.
QString menuText(const QString &label)
{
    QString text = label;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

SystemTrayFallback::SystemTrayFallback(const QString &title, const QString &iconThemePath, QObject *parent)
    : TrayItem(parent), m_title(title), m_menu(std::make_unique<QMenu>())
{
    if (!iconThemePath.isEmpty() && !QIcon::themeSearchPaths().contains(iconThemePath))
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << iconThemePath);
    m_tray.setContextMenu(m_menu.get());
    connect(m_menu.get(), &QMenu::aboutToShow, this, &TrayItem::menuAboutToShow);
    connect(&m_tray, &QSystemTrayIcon::activated, this, &SystemTrayFallback::onActivated);
    updateToolTip();
}

// The tray icon goes before the menu it points at.
SystemTrayFallback::~SystemTrayFallback()
{
    m_tray.setContextMenu(nullptr);
}

bool SystemTrayFallback::start()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        qCWarning(lcApp, "Tray item unavailable: the desktop has no system tray");
        return false;
    }
    m_started = true;
    m_tray.setVisible(m_status != Status::Passive);
    return true;
}

void SystemTrayFallback::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // The tray gives no position, so the cursor's is the best guess at where the click was
    // (a null position says so: the cursor's is in logical, not device, pixels).
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        Q_EMIT activated(QPoint());
        break;
    case QSystemTrayIcon::MiddleClick:
        Q_EMIT secondaryActivated(QCursor::pos());
        break;
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::DoubleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

void SystemTrayFallback::setIconName(const QString &name)
{
    m_iconName = name;
    updateIcon();
}

void SystemTrayFallback::setIconFile(const QString &path)
{
    setIconPixmaps(path.isEmpty() ? QIcon() : QIcon(path));
}

void SystemTrayFallback::setIconPixmaps(const QIcon &icon)
{
    m_ownIcon = icon;
    updateIcon();
}

void SystemTrayFallback::updateIcon()
{
    m_tray.setIcon(m_iconName.isEmpty() ? m_ownIcon : QIcon::fromTheme(m_iconName, m_ownIcon));
}

void SystemTrayFallback::setToolTip(const QString &title, const QString &text)
{
    m_toolTipTitle = title;
    m_toolTipText = text;
    updateToolTip();
}

void SystemTrayFallback::setLabel(const QString &label, const QString &)
{
    m_label = label;
    updateToolTip();
}

void SystemTrayFallback::updateToolTip()
{
    QStringList lines;
    for (const QString &part :
         {m_toolTipTitle.isEmpty() ? m_title : m_toolTipTitle, m_label, m_toolTipText}) {
        for (const QString &line : part.split(QLatin1Char('\n'))) {
            if (!line.isEmpty() && !lines.contains(line))
                lines.append(line);
        }
    }
    // Qt's tooltip guesses whether a text is rich text; as declared rich text, with the
    // characters escaped, a "<b>" in a song's title shows as it is.
    for (QString &line : lines)
        line = line.toHtmlEscaped();
    m_tray.setToolTip(QStringLiteral("<qt>") + lines.join(QLatin1String("<br/>")) + QStringLiteral("</qt>"));
}

void SystemTrayFallback::setStatus(Status status)
{
    // A plain tray has no passive state: hide the icon instead, as StatusNotifier panels do.
    if (status == m_status)
        return;
    m_status = status;
    if (m_started)
        m_tray.setVisible(status != Status::Passive);
}

void SystemTrayFallback::setMenu(const QList<TrayMenuEntry> &entries)
{
    if (std::equal(entries.cbegin(), entries.cend(), m_entries.cbegin(), m_entries.cend()))
        return;
    m_entries = entries;
    m_menu->clear();
    fill(m_menu.get(), entries);
}

void SystemTrayFallback::fill(QMenu *menu, const QList<TrayMenuEntry> &entries)
{
    // Consecutive radio entries form one exclusive group, as in dbusmenu.
    QActionGroup *radioGroup = nullptr;
    for (const TrayMenuEntry &entry : entries) {
        if (entry.toggle != TrayMenuEntry::Toggle::Radio || entry.isSeparator)
            radioGroup = nullptr;
        QAction *action = nullptr;
        if (entry.isSeparator) {
            action = menu->addSeparator();
        } else if (!entry.children.isEmpty()) {
            QMenu *submenu = menu->addMenu(menuText(entry.label));
            fill(submenu, entry.children);
            action = submenu->menuAction();
        } else {
            action = menu->addAction(menuText(entry.label));
            const int id = entry.id;
            connect(action, &QAction::triggered, this, [this, id] { Q_EMIT menuEntryTriggered(id); });
        }
        if (!entry.isSeparator) {
            if (!entry.iconName.isEmpty())
                action->setIcon(QIcon::fromTheme(entry.iconName));
            action->setEnabled(entry.enabled);
            if (entry.toggle != TrayMenuEntry::Toggle::None) {
                action->setCheckable(true);
                action->setChecked(entry.checked);
            }
            if (entry.toggle == TrayMenuEntry::Toggle::Radio) {
                if (!radioGroup)
                    radioGroup = new QActionGroup(menu);
                radioGroup->addAction(action);
            }
            if (entry.isDefault)
                menu->setDefaultAction(action);
        }
        action->setVisible(entry.visible);
    }
}
