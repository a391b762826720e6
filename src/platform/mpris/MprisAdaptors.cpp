#include "mpris/MprisAdaptors.h"

#include "base/AppInfo.h"
#include "mpris/MprisService.h"

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
    m_service->stop(message);
}
void MprisPlayerAdaptor::Play(const QDBusMessage &message)
{
    m_service->dispatch(RemoteCommand::Play, message);
}
// A live stream has no position to seek to.
void MprisPlayerAdaptor::Seek(qlonglong) {}
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath &, qlonglong) {}
void MprisPlayerAdaptor::OpenUri(const QString &, const QDBusMessage &message)
{
    m_service->refuse(message, QStringLiteral("Opening URIs is not supported"),
                      QStringLiteral("org.freedesktop.DBus.Error.NotSupported"));
}
