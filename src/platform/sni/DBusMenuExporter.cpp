#include "sni/DBusMenuExporter.h"

#include "base/Logging.h"
#include "sni/DBusMenuAdaptor.h"

#include <QSet>
#include <algorithm>
#include <functional>
#include <utility>

namespace {
const QString kType = QStringLiteral("type");
const QString kLabel = QStringLiteral("label");
const QString kEnabled = QStringLiteral("enabled");
const QString kVisible = QStringLiteral("visible");
const QString kIconName = QStringLiteral("icon-name");
const QString kToggleType = QStringLiteral("toggle-type");
const QString kToggleState = QStringLiteral("toggle-state");
const QString kChildrenDisplay = QStringLiteral("children-display");
constexpr int kRootId = 0;

// dbusmenu reads a single underscore as the mnemonic marker, so a literal one is doubled.
QString escapedLabel(const QString &label)
{
    QString escaped = label;
    return escaped.replace(QLatin1Char('_'), QLatin1String("__"));
}

// Only values that differ from the protocol's defaults are sent, as the protocol asks.
QVariantMap propertiesOf(const TrayMenuEntry &entry)
{
    QVariantMap properties;
    if (!entry.visible)
        properties.insert(kVisible, false);
    if (entry.isSeparator) {
        properties.insert(kType, QStringLiteral("separator"));
        return properties;
    }
    properties.insert(kLabel, escapedLabel(entry.label));
    if (!entry.enabled)
        properties.insert(kEnabled, false);
    if (!entry.iconName.isEmpty())
        properties.insert(kIconName, entry.iconName);
    if (entry.toggle != TrayMenuEntry::Toggle::None) {
        properties.insert(kToggleType, entry.toggle == TrayMenuEntry::Toggle::Radio
                                           ? QStringLiteral("radio")
                                           : QStringLiteral("checkmark"));
        properties.insert(kToggleState, entry.checked ? 1 : 0);
    }
    if (!entry.children.isEmpty())
        properties.insert(kChildrenDisplay, QStringLiteral("submenu"));
    return properties;
}

QVariantMap filtered(const QVariantMap &properties, const QStringList &names)
{
    if (names.isEmpty())
        return properties;
    QVariantMap result;
    for (const QString &name : names) {
        const auto it = properties.constFind(name);
        if (it != properties.cend())
            result.insert(name, it.value());
    }
    return result;
}

void collectIds(const QList<TrayMenuEntry> &entries, QSet<int> &valid, int &maxId)
{
    for (const TrayMenuEntry &entry : entries) {
        if (entry.id > 0 && !valid.contains(entry.id))
            valid.insert(entry.id);
        maxId = std::max(maxId, entry.id);
        if (!entry.isSeparator)
            collectIds(entry.children, valid, maxId);
    }
}
} // namespace

DBusMenuExporter::DBusMenuExporter(const QDBusConnection &bus, const QString &path, QObject *parent)
    : QObject(parent), m_bus(bus), m_path(path)
{
    registerTrayDBusTypes();
    m_adaptor = new DBusMenuAdaptor(this);
    m_nodes = flatten({});
}

DBusMenuExporter::~DBusMenuExporter()
{
    if (m_registered)
        m_bus.unregisterObject(m_path);
}

bool DBusMenuExporter::start()
{
    if (m_registered)
        return true;
    if (!m_bus.registerObject(m_path, this)) {
        qCWarning(lcApp, "Tray menu unavailable: cannot export %s: %s", qUtf8Printable(m_path),
                  qUtf8Printable(m_bus.lastError().message()));
        return false;
    }
    m_registered = true;
    return true;
}

DBusMenuExporter::NodeMap DBusMenuExporter::flatten(const QList<TrayMenuEntry> &entries)
{
    // The application's ids become the D-Bus ids so that they stay stable across updates
    // (a panel may still hold an open menu). Entries without a usable id get one above all
    // of them and report no clicks.
    QSet<int> valid;
    int nextFreeId = 0;
    collectIds(entries, valid, nextFreeId);
    ++nextFreeId;

    NodeMap nodes;
    QSet<int> taken;
    const std::function<QList<int>(const QList<TrayMenuEntry> &)> add =
        [&](const QList<TrayMenuEntry> &level) {
            QList<int> ids;
            for (const TrayMenuEntry &entry : level) {
                int id = entry.id;
                const bool ownId = id > 0 && !taken.contains(id);
                if (!ownId) {
                    if (!entry.isSeparator)
                        qCWarning(lcApp,
                                  "Tray menu entry \"%s\" has no unique positive id (%d); its clicks are "
                                  "not reported",
                                  qUtf8Printable(entry.label), entry.id);
                    id = nextFreeId++;
                }
                taken.insert(id);
                Node node;
                node.properties = propertiesOf(entry);
                if (!entry.isSeparator)
                    node.children = add(entry.children);
                node.reportsClicks = ownId && !entry.isSeparator && entry.enabled && entry.children.isEmpty();
                nodes.insert(id, node);
                ids.append(id);
            }
            return ids;
        };
    Node root;
    root.properties.insert(kChildrenDisplay, QStringLiteral("submenu"));
    root.children = add(entries);
    nodes.insert(kRootId, root);
    return nodes;
}

void DBusMenuExporter::setMenu(const QList<TrayMenuEntry> &entries)
{
    NodeMap nodes = flatten(entries);
    if (nodes == m_nodes)
        return;
    const NodeMap before = std::exchange(m_nodes, std::move(nodes));
    ++m_revision;
    announcePropertyChanges(before);
    Q_EMIT m_adaptor->LayoutUpdated(m_revision, kRootId);
}

// When the tree kept its shape, an open menu can be updated in place (a toggled check mark)
// instead of being rebuilt by the panel.
void DBusMenuExporter::announcePropertyChanges(const NodeMap &before)
{
    if (before.size() != m_nodes.size())
        return;
    for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it) {
        const auto old = before.constFind(it.key());
        if (old == before.cend() || old->children != it->children)
            return;
    }
    DBusMenuItemList updated;
    DBusMenuItemKeysList removed;
    for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it) {
        const QVariantMap &oldProperties = before.value(it.key()).properties;
        DBusMenuItem changes{it.key(), {}};
        for (auto property = it->properties.cbegin(); property != it->properties.cend(); ++property) {
            if (oldProperties.value(property.key()) != property.value())
                changes.properties.insert(property.key(), property.value());
        }
        DBusMenuItemKeys gone{it.key(), {}};
        for (auto property = oldProperties.cbegin(); property != oldProperties.cend(); ++property) {
            if (!it->properties.contains(property.key()))
                gone.properties.append(property.key());
        }
        if (!changes.properties.isEmpty())
            updated.append(changes);
        if (!gone.properties.isEmpty())
            removed.append(gone);
    }
    if (!updated.isEmpty() || !removed.isEmpty())
        Q_EMIT m_adaptor->ItemsPropertiesUpdated(updated, removed);
}

DBusMenuLayoutItem DBusMenuExporter::layoutOf(int id, int recursionDepth,
                                              const QStringList &propertyNames) const
{
    const Node &node = m_nodes[id];
    DBusMenuLayoutItem item{id, filtered(node.properties, propertyNames), {}};
    // -1 is "everything below", 0 is "the item alone".
    if (recursionDepth != 0) {
        for (int child : node.children)
            item.children.append(
                layoutOf(child, recursionDepth < 0 ? -1 : recursionDepth - 1, propertyNames));
    }
    return item;
}

std::optional<DBusMenuLayoutItem> DBusMenuExporter::layout(int parentId, int recursionDepth,
                                                           const QStringList &propertyNames) const
{
    if (!m_nodes.contains(parentId))
        return std::nullopt;
    return layoutOf(parentId, recursionDepth, propertyNames);
}

DBusMenuItemList DBusMenuExporter::groupProperties(const QList<int> &ids,
                                                   const QStringList &propertyNames) const
{
    DBusMenuItemList items;
    // An empty list asks for every item.
    QList<int> wanted = ids;
    if (wanted.isEmpty()) {
        wanted = m_nodes.keys();
        std::sort(wanted.begin(), wanted.end());
    }
    for (int id : std::as_const(wanted)) {
        const auto it = m_nodes.constFind(id);
        if (it != m_nodes.cend())
            items.append({id, filtered(it->properties, propertyNames)});
    }
    return items;
}

std::optional<QVariant> DBusMenuExporter::property(int id, const QString &name) const
{
    const auto it = m_nodes.constFind(id);
    if (it == m_nodes.cend() || !it->properties.contains(name))
        return std::nullopt;
    return it->properties.value(name);
}

bool DBusMenuExporter::handleEvent(int id, const QString &eventId)
{
    const auto it = m_nodes.constFind(id);
    if (it == m_nodes.cend())
        return false;
    // "hovered", "opened" and "closed" need nothing from the application.
    if (eventId == QLatin1String("clicked") && it->reportsClicks)
        Q_EMIT menuEntryTriggered(id);
    return true;
}

std::optional<bool> DBusMenuExporter::aboutToShow(int id)
{
    if (!m_nodes.contains(id))
        return std::nullopt;
    if (id != kRootId)
        return false;
    const uint before = m_revision;
    Q_EMIT menuAboutToShow();
    return m_revision != before;
}
