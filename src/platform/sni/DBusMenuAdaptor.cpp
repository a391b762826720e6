#include "sni/DBusMenuAdaptor.h"

#include "sni/DBusMenuExporter.h"

#include <QDBusError>
#include <QGuiApplication>

DBusMenuAdaptor::DBusMenuAdaptor(DBusMenuExporter *exporter)
    : QDBusAbstractAdaptor(exporter), m_exporter(exporter)
{
}

QString DBusMenuAdaptor::textDirection() const
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                 : QStringLiteral("ltr");
}

QStringList DBusMenuAdaptor::iconThemePath() const
{
    return m_exporter->iconThemePath();
}

void DBusMenuAdaptor::refuse(const QString &message)
{
    if (m_exporter->calledFromDBus())
        m_exporter->sendErrorReply(QDBusError::InvalidArgs, message);
}

void DBusMenuAdaptor::refuseUnknownId(int id)
{
    refuse(QStringLiteral("Unknown menu item id %1").arg(id));
}

uint DBusMenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                DBusMenuLayoutItem &layout)
{
    const std::optional<DBusMenuLayoutItem> found =
        m_exporter->layout(parentId, recursionDepth, propertyNames);
    if (!found) {
        refuseUnknownId(parentId);
        return 0;
    }
    layout = *found;
    return m_exporter->revision();
}

DBusMenuItemList DBusMenuAdaptor::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    return m_exporter->groupProperties(ids, propertyNames);
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString &name)
{
    const std::optional<QVariant> value = m_exporter->property(id, name);
    if (!value) {
        refuse(QStringLiteral("Menu item %1 has no property \"%2\"").arg(id).arg(name));
        return QDBusVariant(QString());
    }
    return QDBusVariant(*value);
}

void DBusMenuAdaptor::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (!m_exporter->handleEvent(id, eventId))
        refuseUnknownId(id);
}

QList<int> DBusMenuAdaptor::EventGroup(const DBusMenuEventList &events)
{
    QList<int> idErrors;
    for (const DBusMenuEvent &event : events) {
        if (!m_exporter->handleEvent(event.id, event.eventId))
            idErrors.append(event.id);
    }
    // The protocol answers a group in which no event found its item with an error.
    if (!events.isEmpty() && idErrors.size() == events.size())
        refuse(QStringLiteral("No event of the group names a known menu item"));
    return idErrors;
}

bool DBusMenuAdaptor::AboutToShow(int id)
{
    const std::optional<bool> changed = m_exporter->aboutToShow(id);
    if (!changed) {
        refuseUnknownId(id);
        return false;
    }
    return *changed;
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    QList<int> updatesNeeded;
    idErrors.clear();
    for (int id : ids) {
        const std::optional<bool> changed = m_exporter->aboutToShow(id);
        if (!changed)
            idErrors.append(id);
        else if (*changed)
            updatesNeeded.append(id);
    }
    return updatesNeeded;
}
