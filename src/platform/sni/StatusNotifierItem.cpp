#include "sni/StatusNotifierItem.h"

#include "base/Logging.h"
#include "sni/DBusMenuExporter.h"
#include "sni/StatusNotifierItemAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtEndian>
#include <algorithm>

namespace {
const QString kServicePattern = QStringLiteral("org.kde.StatusNotifierItem-%1-%2");
// More items than this in one process on one bus means something is looping.
constexpr int kMaxInstances = 64;
// What panels ask for: 16 to 24 on most, 32 and up on high-density screens.
constexpr int kScalableSizes[] = {16, 22, 24, 32, 48, 64};
constexpr int kLargestSize = 256;
} // namespace

StatusNotifierItem::StatusNotifierItem(const QString &id, const QString &title, const QString &iconThemePath,
                                       const QDBusConnection &bus, QObject *parent)
    : TrayItem(parent), m_id(id), m_title(title), m_iconThemePath(iconThemePath), m_bus(bus)
{
    registerTrayDBusTypes();
    m_adaptor = new StatusNotifierItemAdaptor(this);
    m_menu = new DBusMenuExporter(m_bus, DBusMenuExporter::DefaultPath, this);
    if (!iconThemePath.isEmpty())
        m_menu->setIconThemePath({iconThemePath});
    connect(m_menu, &DBusMenuExporter::menuEntryTriggered, this, &TrayItem::menuEntryTriggered);
    connect(m_menu, &DBusMenuExporter::menuAboutToShow, this, &TrayItem::menuAboutToShow);
}

StatusNotifierItem::~StatusNotifierItem()
{
    // Releasing the name is what tells the watcher that the item is gone.
    if (!m_serviceName.isEmpty())
        m_bus.unregisterService(m_serviceName);
    if (m_objectRegistered)
        m_bus.unregisterObject(ObjectPath);
}

bool StatusNotifierItem::start()
{
    if (!m_serviceName.isEmpty())
        return true;
    if (!m_bus.isConnected() || !m_bus.interface()) {
        qCWarning(lcApp, "Tray item unavailable: no session bus (%s)",
                  qUtf8Printable(m_bus.lastError().message()));
        return false;
    }
    if (!m_objectRegistered) {
        if (!m_bus.registerObject(ObjectPath, this)) {
            qCWarning(lcApp, "Tray item unavailable: cannot export %s: %s", qUtf8Printable(ObjectPath),
                      qUtf8Printable(m_bus.lastError().message()));
            return false;
        }
        m_objectRegistered = true;
    }
    if (!m_menu->start())
        return false;

    // The n of "-<pid>-<n>" counts items of this process; a name we already own would be granted
    // again, so taken names are skipped by asking first.
    const qint64 pid = QCoreApplication::applicationPid();
    QDBusConnectionInterface *daemon = m_bus.interface();
    for (int instance = 1; instance <= kMaxInstances && m_serviceName.isEmpty(); ++instance) {
        const QString name = kServicePattern.arg(pid).arg(instance);
        const QDBusReply<bool> taken = daemon->isServiceRegistered(name);
        if (!taken.isValid()) {
            qCWarning(lcApp, "Tray item unavailable: %s", qUtf8Printable(taken.error().message()));
            return false;
        }
        if (taken.value())
            continue;
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = daemon->registerService(
            name, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
            m_serviceName = name;
    }
    if (m_serviceName.isEmpty()) {
        qCWarning(lcApp, "Tray item unavailable: no free bus name of the form %s",
                  qUtf8Printable(kServicePattern.arg(pid).arg(QLatin1String("<n>"))));
        return false;
    }

    // A panel that starts (or restarts) after us knows nothing of the item until it registers
    // again; watching before the first attempt leaves no gap in which a watcher could be missed.
    m_watcherWatch =
        new QDBusServiceWatcher(WatcherService, m_bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_watcherWatch, &QDBusServiceWatcher::serviceRegistered, this,
            &StatusNotifierItem::registerWithWatcher);
    registerWithWatcher();
    return true;
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(WatcherService, WatcherPath, WatcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    // A missing watcher is the normal case on desktops without a tray; do not start one.
    call.setAutoStartService(false);
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<> reply = *finished;
        if (!reply.isError()) {
            Q_EMIT hostRegistered();
            return;
        }
        // Without auto-start the bus answers "no owner" rather than "service unknown".
        const QString name = reply.error().name();
        if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
            name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            qCDebug(lcApp, "No StatusNotifierWatcher yet; the tray item registers when one appears");
        else
            qCWarning(lcApp, "Tray item not registered with the panel: %s",
                      qUtf8Printable(reply.error().message()));
    });
}

QString StatusNotifierItem::menuPath() const
{
    return m_menu->path();
}

QString StatusNotifierItem::statusText() const
{
    switch (m_status) {
    case Status::Passive:
        return QStringLiteral("Passive");
    case Status::NeedsAttention:
        return QStringLiteral("NeedsAttention");
    case Status::Active:
        break;
    }
    return QStringLiteral("Active");
}

DBusToolTip StatusNotifierItem::toolTip() const
{
    // The protocol lets hosts read the tooltip as markup: a station's or a song's "<b>" must
    // show as those characters.
    auto markup = [](const QString &text) {
        return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    };
    return DBusToolTip{{}, {}, markup(m_toolTipTitle), markup(m_toolTipText)};
}

void StatusNotifierItem::setIconName(const QString &name)
{
    if (name == m_iconName)
        return;
    m_iconName = name;
    Q_EMIT m_adaptor->NewIcon();
}

void StatusNotifierItem::setIconFile(const QString &path)
{
    m_iconFile = path;
    m_iconPixmaps.reset();
    Q_EMIT m_adaptor->NewIcon();
}

void StatusNotifierItem::setIconPixmaps(const QIcon &icon)
{
    m_iconFile.clear();
    m_iconPixmaps = imagesFromIcon(icon);
    Q_EMIT m_adaptor->NewIcon();
}

DBusImageList StatusNotifierItem::iconPixmaps() const
{
    if (!m_iconPixmaps)
        m_iconPixmaps = m_iconFile.isEmpty() ? DBusImageList() : imagesFromIcon(QIcon(m_iconFile));
    return *m_iconPixmaps;
}

void StatusNotifierItem::setToolTip(const QString &title, const QString &text)
{
    if (title == m_toolTipTitle && text == m_toolTipText)
        return;
    m_toolTipTitle = title;
    m_toolTipText = text;
    Q_EMIT m_adaptor->NewToolTip();
}

void StatusNotifierItem::setLabel(const QString &label, const QString &guide)
{
    if (label == m_label && guide == m_labelGuide)
        return;
    m_label = label;
    m_labelGuide = guide;
    Q_EMIT m_adaptor->XAyatanaNewLabel(m_label, m_labelGuide);
}

void StatusNotifierItem::setMenu(const QList<TrayMenuEntry> &entries)
{
    m_menu->setMenu(entries);
}

void StatusNotifierItem::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT m_adaptor->NewStatus(statusText());
}

DBusImageList StatusNotifierItem::imagesFromIcon(const QIcon &icon)
{
    DBusImageList images;
    if (icon.isNull())
        return images;
    QList<QSize> sizes;
    for (const QSize &size : icon.availableSizes()) {
        if (size.width() <= kLargestSize && size.height() <= kLargestSize)
            sizes.append(size);
    }
    if (sizes.isEmpty()) {
        for (int extent : kScalableSizes)
            sizes.append(QSize(extent, extent));
    }
    for (const QSize &size : std::as_const(sizes)) {
        // Device pixel ratio 1: the panel scales for its own screen.
        const QImage image = icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        const auto sameSize = [&](const DBusImage &known) {
            return known.width == image.width() && known.height == image.height();
        };
        if (std::any_of(images.cbegin(), images.cend(), sameSize))
            continue;
        DBusImage converted{image.width(), image.height(), {}};
        converted.data.resize(qsizetype(image.width()) * image.height() * 4);
        auto *out = reinterpret_cast<quint32 *>(converted.data.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(row[x]);
        }
        images.append(converted);
    }
    return images;
}
