#include "gnome/GnomeMediaKeys.h"

#include "base/AppInfo.h"
#include "mpris/MprisService.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QHash>

namespace {
const QString kService = QStringLiteral("org.gnome.SettingsDaemon.MediaKeys");
const QString kPath = QStringLiteral("/org/gnome/SettingsDaemon/MediaKeys");
const QString kInterface = QStringLiteral("org.gnome.SettingsDaemon.MediaKeys");
} // namespace

GnomeMediaKeys::GnomeMediaKeys(MprisService *commands, const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_commands(commands), m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("MediaPlayerKeyPressed"), this,
                  SLOT(onKeyPressed(QString, QString)));
    connect(m_commands, &MprisService::controlsChanged, this, &GnomeMediaKeys::updateGrab);
    updateGrab();
}

GnomeMediaKeys::~GnomeMediaKeys()
{
    if (m_grabbed)
        m_bus.asyncCall(QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("ReleaseMediaPlayerKeys"))
                        << AppInfo::appId());
}

void GnomeMediaKeys::updateGrab()
{
    const bool want = m_commands->canControl();
    if (want == m_grabbed)
        return;
    m_grabbed = want;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       want ? QStringLiteral("GrabMediaPlayerKeys")
                                                            : QStringLiteral("ReleaseMediaPlayerKeys"));
    call << AppInfo::appId();
    if (want)
        call << 0u;
    call.setAutoStartService(false);
    m_bus.asyncCall(call);
}

void GnomeMediaKeys::onKeyPressed(const QString &application, const QString &key)
{
    if (application != AppInfo::appId())
        return;
    static const QHash<QString, RemoteCommand> commands{
        {QStringLiteral("Play"), RemoteCommand::TogglePlayPause},
        {QStringLiteral("Pause"), RemoteCommand::Pause},
        {QStringLiteral("Next"), RemoteCommand::NextTrack},
        {QStringLiteral("Previous"), RemoteCommand::PreviousTrack},
        {QStringLiteral("Stop"), RemoteCommand::Stop}};
    if (const auto it = commands.constFind(key); it != commands.cend())
        m_commands->run({*it, 0.0, {}});
}
