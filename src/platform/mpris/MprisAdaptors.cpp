#include "mpris/MprisAdaptors.h"

#include "base/AppInfo.h"
#include "mpris/MprisService.h"
#include "playback/OpenRequest.h"
#include "playback/StreamUrl.h"

#include <QMetaProperty>

namespace {
const QString kUnknownInterface = QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface");
const QString kUnknownProperty = QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty");
const QString kReadOnly = QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

QString interfaceOf(const QObject *adaptor)
{
    const QMetaObject *meta = adaptor->metaObject();
    return QString::fromLatin1(meta->classInfo(meta->indexOfClassInfo("D-Bus Interface")).value());
}

QVariantMap readAll(const QObject *adaptor)
{
    QVariantMap values;
    const QMetaObject *meta = adaptor->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        values.insert(QString::fromLatin1(meta->property(i).name()), meta->property(i).read(adaptor));
    return values;
}
} // namespace

MprisRootAdaptor::MprisRootAdaptor(MprisService *service) : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString MprisRootAdaptor::identity() const
{
    return QStringLiteral("Zeffira");
}
QString MprisRootAdaptor::desktopEntry() const
{
    return AppInfo::appId();
}
QStringList MprisRootAdaptor::supportedUriSchemes() const
{
    return StreamUrl::networkSchemes();
}
QStringList MprisRootAdaptor::supportedMimeTypes() const
{
    // The stream types GStreamer's good plugins decode, and the playlist links.
    return QStringList{QStringLiteral("audio/mpeg"), QStringLiteral("audio/aac"),
                       QStringLiteral("audio/aacp"), QStringLiteral("audio/ogg"),
                       QStringLiteral("audio/opus"), QStringLiteral("audio/flac")} +
           OpenRequest::playlistMimeTypes();
}
bool MprisRootAdaptor::canRaise() const
{
    return m_service->canRaise();
}
void MprisRootAdaptor::Raise()
{
    Q_EMIT m_service->raiseRequested();
}
void MprisRootAdaptor::Quit()
{
    Q_EMIT m_service->quitRequested();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return m_service->playbackStatus();
}
QVariantMap MprisPlayerAdaptor::metadata() const
{
    return m_service->metadata();
}
double MprisPlayerAdaptor::volume() const
{
    return m_service->volume();
}
void MprisPlayerAdaptor::setVolume(double volume)
{
    m_service->setVolume(volume);
}
bool MprisPlayerAdaptor::canGoNext() const
{
    return m_service->isRegistered(RemoteCommand::NextTrack);
}
bool MprisPlayerAdaptor::canGoPrevious() const
{
    return m_service->isRegistered(RemoteCommand::PreviousTrack);
}
bool MprisPlayerAdaptor::canPlay() const
{
    return m_service->isRegistered(RemoteCommand::Play);
}
bool MprisPlayerAdaptor::canPause() const
{
    return m_service->isRegistered(RemoteCommand::Pause);
}
bool MprisPlayerAdaptor::canControl() const
{
    return m_service->canControl();
}

void MprisPlayerAdaptor::Next(const QDBusMessage &message)
{
    m_service->dispatch(RemoteCommand::NextTrack, message);
}
void MprisPlayerAdaptor::Previous(const QDBusMessage &message)
{
    m_service->dispatch(RemoteCommand::PreviousTrack, message);
}
void MprisPlayerAdaptor::Pause(const QDBusMessage &message)
{
    m_service->dispatch(RemoteCommand::Pause, message);
}
void MprisPlayerAdaptor::PlayPause(const QDBusMessage &message)
{
    m_service->dispatch(RemoteCommand::TogglePlayPause, message);
}
void MprisPlayerAdaptor::Stop(const QDBusMessage &message)
{
    m_service->dispatch(RemoteCommand::Stop, message);
}
void MprisPlayerAdaptor::Play(const QDBusMessage &message)
{
    m_service->dispatch(RemoteCommand::Play, message);
}
// Within the rewind buffer; a live stream without one has no position to seek to.
qlonglong MprisPlayerAdaptor::position() const
{
    return m_service->positionUs();
}
bool MprisPlayerAdaptor::canSeek() const
{
    return m_service->canSeek();
}
void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    m_service->seek(offset, false);
}
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath &trackId, qlonglong position)
{
    // The position of another track than the one playing is ignored, as the interface says.
    if (trackId.path() ==
        m_service->metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path())
        m_service->seek(position, true);
}
void MprisPlayerAdaptor::OpenUri(const QString &uri, const QDBusMessage &message)
{
    m_service->openUri(uri, message);
}

MprisPropertiesAdaptor::MprisPropertiesAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QObject *MprisPropertiesAdaptor::adaptorFor(const QString &interfaceName, const QDBusMessage &message) const
{
    for (QObject *child : m_service->children()) {
        if (child != this && qobject_cast<QDBusAbstractAdaptor *>(child) &&
            interfaceOf(child) == interfaceName)
            return child;
    }
    m_service->refuse(message, QStringLiteral("No interface %1 here").arg(interfaceName), kUnknownInterface);
    return nullptr;
}

int MprisPropertiesAdaptor::propertyIndex(const QObject *adaptor, const QString &propertyName,
                                          const QDBusMessage &message) const
{
    const QMetaObject *meta = adaptor->metaObject();
    const int index = meta->indexOfProperty(propertyName.toLatin1().constData());
    if (index >= meta->propertyOffset())
        return index;
    m_service->refuse(message, QStringLiteral("No property %1 here").arg(propertyName), kUnknownProperty);
    return -1;
}

QDBusVariant MprisPropertiesAdaptor::Get(const QString &interfaceName, const QString &propertyName,
                                         const QDBusMessage &message)
{
    const QObject *adaptor = adaptorFor(interfaceName, message);
    const int index = adaptor ? propertyIndex(adaptor, propertyName, message) : -1;
    if (index < 0)
        return {};
    return QDBusVariant(adaptor->metaObject()->property(index).read(adaptor));
}

QVariantMap MprisPropertiesAdaptor::GetAll(const QString &interfaceName, const QDBusMessage &message)
{
    if (interfaceName.isEmpty()) {
        QVariantMap values;
        for (const QObject *child : m_service->children()) {
            if (child != this && qobject_cast<const QDBusAbstractAdaptor *>(child))
                values.insert(readAll(child));
        }
        return values;
    }
    const QObject *adaptor = adaptorFor(interfaceName, message);
    return adaptor ? readAll(adaptor) : QVariantMap();
}

void MprisPropertiesAdaptor::Set(const QString &interfaceName, const QString &propertyName,
                                 const QDBusVariant &value, const QDBusMessage &message)
{
    QObject *adaptor = adaptorFor(interfaceName, message);
    const int index = adaptor ? propertyIndex(adaptor, propertyName, message) : -1;
    if (index < 0)
        return;
    const QMetaProperty property = adaptor->metaObject()->property(index);
    if (!property.isWritable()) {
        m_service->refuse(message, QStringLiteral("%1 is read-only").arg(propertyName), kReadOnly);
        return;
    }
    if (value.variant().metaType() != property.metaType()) {
        m_service->refuse(message,
                          QStringLiteral("%1 takes a %2, not a %3")
                              .arg(propertyName, QString::fromLatin1(property.typeName()),
                                   QString::fromLatin1(value.variant().typeName())),
                          kInvalidArgs);
        return;
    }
    // The volume goes to the remote-command handler, which may refuse it.
    if (qobject_cast<MprisPlayerAdaptor *>(adaptor) && propertyName == QLatin1String("Volume")) {
        m_service->changeVolume(value.variant().toDouble(), message);
        return;
    }
    property.write(adaptor, value.variant());
}
