#include "sni/StatusNotifierItemAdaptor.h"

#include "sni/StatusNotifierItem.h"

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem *item)
    : QDBusAbstractAdaptor(item), m_item(item)
{
}

QString StatusNotifierItemAdaptor::id() const
{
    return m_item->id();
}
QString StatusNotifierItemAdaptor::title() const
{
    return m_item->title();
}
QString StatusNotifierItemAdaptor::status() const
{
    return m_item->statusText();
}
QString StatusNotifierItemAdaptor::iconThemePath() const
{
    return m_item->iconThemePath();
}
QString StatusNotifierItemAdaptor::iconName() const
{
    return m_item->iconName();
}
DBusImageList StatusNotifierItemAdaptor::iconPixmap() const
{
    return m_item->iconPixmaps();
}
DBusToolTip StatusNotifierItemAdaptor::toolTip() const
{
    return m_item->toolTip();
}
QDBusObjectPath StatusNotifierItemAdaptor::menu() const
{
    return QDBusObjectPath(m_item->menuPath());
}
QString StatusNotifierItemAdaptor::label() const
{
    return m_item->label();
}
QString StatusNotifierItemAdaptor::labelGuide() const
{
    return m_item->labelGuide();
}

void StatusNotifierItemAdaptor::Activate(int x, int y)
{
    Q_EMIT m_item->activated(QPoint(x, y));
}
void StatusNotifierItemAdaptor::SecondaryActivate(int x, int y)
{
    Q_EMIT m_item->secondaryActivated(QPoint(x, y));
}
void StatusNotifierItemAdaptor::ContextMenu(int x, int y)
{
    Q_EMIT m_item->contextMenuRequested(QPoint(x, y));
}

void StatusNotifierItemAdaptor::Scroll(int delta, const QString &orientation)
{
    // The protocol says "horizontal" or "vertical"; some panels capitalise it.
    const bool horizontal = orientation.compare(QLatin1String("horizontal"), Qt::CaseInsensitive) == 0;
    Q_EMIT m_item->scrolled(delta, horizontal ? Qt::Horizontal : Qt::Vertical);
}

void StatusNotifierItemAdaptor::ProvideXdgActivationToken(const QString &token)
{
    Q_EMIT m_item->activationTokenProvided(token);
}
