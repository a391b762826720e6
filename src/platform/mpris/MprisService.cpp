#include "mpris/MprisService.h"

#include "base/AppInfo.h"
#include "base/Logging.h"
#include "base/MainThread.h"
#include "mpris/MprisAdaptors.h"
#include "playback/RadioPlayer.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QTimer>
#include <cmath>

namespace {
const QString kServicePrefix = QStringLiteral("org.mpris.MediaPlayer2.zeffira");
const QString kRootInterface = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kGnomeService = QStringLiteral("org.gnome.SettingsDaemon.MediaKeys");
const QString kGnomePath = QStringLiteral("/org/gnome/SettingsDaemon/MediaKeys");
const QString kGnomeInterface = QStringLiteral("org.gnome.SettingsDaemon.MediaKeys");
const QString kNotTaken = QStringLiteral("org.mpris.MediaPlayer2.zeffira.Error.NotTaken");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

QVariantMap rootProperties(const MprisService &service)
{
    return {{QStringLiteral("CanRaise"), service.canRaise()}};
}

QVariantMap playerProperties(const MprisService &service)
{
    return {
        {QStringLiteral("PlaybackStatus"), service.playbackStatus()},
        {QStringLiteral("Metadata"), service.metadata()},
        {QStringLiteral("Volume"), service.volume()},
        {QStringLiteral("CanGoNext"), service.isRegistered(RemoteCommand::NextTrack)},
        {QStringLiteral("CanGoPrevious"), service.isRegistered(RemoteCommand::PreviousTrack)},
        {QStringLiteral("CanPlay"), service.isRegistered(RemoteCommand::Play)},
        {QStringLiteral("CanPause"), service.isRegistered(RemoteCommand::Pause)},
        {QStringLiteral("CanControl"), service.canControl()},
    };
}

QVariantMap changedEntries(const QVariantMap &before, const QVariantMap &after)
{
    QVariantMap changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    return changed;
}
} // namespace

MprisService::MprisService(RadioPlayer *player, const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_player(player), m_bus(bus)
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    new MprisPropertiesAdaptor(this);
    for (auto signal : {&RadioPlayer::isPlayingChanged, &RadioPlayer::playbackStateChanged,
                        &RadioPlayer::volumeChanged, &RadioPlayer::currentStationChanged})
        connect(m_player, signal, this, &MprisService::schedulePropertiesChanged);
    connect(m_player, &RadioPlayer::streamTitleChanged, this, [this](const QString &title) {
        m_streamTitle = title;
        schedulePropertiesChanged();
    });
}

MprisService::~MprisService()
{
    if (m_keysGrabbed)
        m_bus.asyncCall(QDBusMessage::createMethodCall(kGnomeService, kGnomePath, kGnomeInterface,
                                                       QStringLiteral("ReleaseMediaPlayerKeys"))
                        << AppInfo::appId());
    if (!m_serviceName.isEmpty())
        m_bus.unregisterService(m_serviceName);
    m_bus.unregisterObject(ObjectPath);
}

bool MprisService::start()
{
    if (!m_bus.isConnected()) {
        qCWarning(lcMediaKeys, "Media controls unavailable: no session bus (%s)",
                  qUtf8Printable(m_bus.lastError().message()));
        return false;
    }
    if (!m_bus.registerObject(ObjectPath, this)) {
        qCWarning(lcMediaKeys, "Media controls unavailable: %s", qUtf8Printable(m_bus.lastError().message()));
        return false;
    }
    // A second running copy takes an instance name, as the MPRIS convention allows.
    m_serviceName = kServicePrefix;
    if (!m_bus.registerService(m_serviceName)) {
        m_serviceName = kServicePrefix + QStringLiteral(".instance") +
                        QString::number(QCoreApplication::applicationPid());
        if (!m_bus.registerService(m_serviceName)) {
            qCWarning(lcMediaKeys, "Media controls unavailable: %s",
                      qUtf8Printable(m_bus.lastError().message()));
            m_serviceName.clear();
            return false;
        }
    }
    m_bus.connect(kGnomeService, kGnomePath, kGnomeInterface, QStringLiteral("MediaPlayerKeyPressed"), this,
                  SLOT(onGnomeMediaKey(QString, QString)));
    m_lastRoot = rootProperties(*this);
    m_lastPlayer = playerProperties(*this);
    updateKeyGrab();
    return true;
}

void MprisService::setCanRaise(bool canRaise)
{
    m_canRaise = canRaise;
    schedulePropertiesChanged();
}

void MprisService::removeAllTargets(RemoteCommand command)
{
    m_targets.remove(command);
    schedulePropertiesChanged();
}

void MprisService::setEnabled(RemoteCommand command, bool enabled)
{
    m_enabled[command] = enabled;
    schedulePropertiesChanged();
}

void MprisService::addTarget(RemoteCommand command, Handler handler)
{
    m_targets[command].append(std::move(handler));
    schedulePropertiesChanged();
}

void MprisService::publishNowPlaying(const std::optional<NowPlayingInfo> &info)
{
    // A new station's stream has not announced its title yet.
    if (!info || !m_nowPlaying || info->title != m_nowPlaying->title)
        m_streamTitle.clear();
    m_nowPlaying = info;
    schedulePropertiesChanged();
}

bool MprisService::isRegistered(RemoteCommand command) const
{
    MainThread::check(Q_FUNC_INFO);
    return m_enabled.value(command) && !m_targets.value(command).isEmpty();
}

bool MprisService::canControl() const
{
    return std::any_of(std::begin(allCommands), std::end(allCommands),
                       [this](RemoteCommand c) { return isRegistered(c); });
}

QString MprisService::playbackStatus() const
{
    if (!m_player->currentStation() || m_player->playbackState().kind() == PlaybackState::Failed)
        return QStringLiteral("Stopped");
    return m_player->isPlaying() ? QStringLiteral("Playing") : QStringLiteral("Paused");
}

QVariantMap MprisService::metadata() const
{
    if (!m_nowPlaying)
        return {};
    const QString url = m_player->currentStation() ? m_player->currentStation()->url : QString();
    QVariantMap map{
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(QDBusObjectPath(
             QStringLiteral("/org/zeffira/station/%1").arg(qHash(url), 16, 16, QLatin1Char('0'))))},
        {QStringLiteral("xesam:title"), m_nowPlaying->title},
    };
    if (!url.isEmpty())
        map.insert(QStringLiteral("xesam:url"), url);
    if (!m_streamTitle.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{m_streamTitle});
    return map;
}

double MprisService::volume() const
{
    return m_player->volume();
}

void MprisService::setVolume(double volume)
{
    if (std::isnan(volume))
        return;
    m_player->setVolume(std::clamp(volume, 0.0, 1.0));
}

RemoteCommandStatus MprisService::run(RemoteCommand command)
{
    if (!isRegistered(command))
        return RemoteCommandStatus::CommandFailed;
    RemoteCommandStatus status = RemoteCommandStatus::Success;
    // Copy: a handler may change the registrations.
    const QList<Handler> handlers = m_targets.value(command);
    for (const Handler &handler : handlers)
        status = handler();
    return status;
}

bool MprisService::takesNoArguments(const QDBusMessage &message)
{
    // Qt hands a call with any arguments to a slot that takes only the message.
    if (message.signature().isEmpty())
        return true;
    refuse(message,
           QStringLiteral("%1 takes no arguments, not \"%2\"")
               .arg(message.member(), message.signature().left(64)),
           kInvalidArgs);
    return false;
}

void MprisService::dispatch(RemoteCommand command, const QDBusMessage &message)
{
    if (!takesNoArguments(message))
        return;
    if (!isRegistered(command)) {
        refuse(message, QStringLiteral("Media controls are switched off"));
        return;
    }
    if (run(command) != RemoteCommandStatus::Success)
        refuse(message, QStringLiteral("Command not taken: it came too soon after the previous one"));
}

void MprisService::stop(const QDBusMessage &message)
{
    if (!takesNoArguments(message))
        return;
    if (!canControl()) {
        refuse(message, QStringLiteral("Media controls are switched off"));
        return;
    }
    if (m_player->currentStation())
        m_player->stop();
}

void MprisService::openUri(const QString &uri, const QDBusMessage &message)
{
    if (!canControl()) {
        refuse(message, QStringLiteral("Media controls are switched off"));
        return;
    }
    const QString refusal = onOpenUri ? onOpenUri(uri) : QStringLiteral("Opening URIs is not supported");
    if (!refusal.isEmpty())
        refuse(message, refusal, QStringLiteral("org.freedesktop.DBus.Error.NotSupported"));
}

void MprisService::refuse(const QDBusMessage &message, const QString &why, const QString &errorName)
{
    message.setDelayedReply(true);
    m_bus.send(message.createErrorReply(errorName.isEmpty() ? kNotTaken : errorName, why));
}

void MprisService::schedulePropertiesChanged()
{
    MainThread::check(Q_FUNC_INFO);
    updateKeyGrab();
    if (m_changePending || m_serviceName.isEmpty())
        return;
    // One PropertiesChanged per turn of the event loop, however many fields changed.
    m_changePending = true;
    QTimer::singleShot(0, this, &MprisService::sendPropertiesChanged);
}

void MprisService::sendPropertiesChanged()
{
    m_changePending = false;
    const QVariantMap root = rootProperties(*this);
    const QVariantMap player = playerProperties(*this);
    const std::pair<QString, QVariantMap> changes[] = {
        {kRootInterface, changedEntries(m_lastRoot, root)},
        {kPlayerInterface, changedEntries(m_lastPlayer, player)}};
    m_lastRoot = root;
    m_lastPlayer = player;
    for (const auto &[interface, changed] : changes) {
        if (changed.isEmpty())
            continue;
        QDBusMessage signal =
            QDBusMessage::createSignal(ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("PropertiesChanged"));
        signal << interface << changed << QStringList();
        m_bus.send(signal);
    }
}

void MprisService::updateKeyGrab()
{
    if (m_serviceName.isEmpty())
        return;
    const bool want = canControl();
    if (want == m_keysGrabbed)
        return;
    m_keysGrabbed = want;
    // Where GNOME's settings daemon runs, it gives the keys to the application that grabbed them.
    // Elsewhere the call fails quietly and the desktop reaches us through MPRIS.
    QDBusMessage call = QDBusMessage::createMethodCall(kGnomeService, kGnomePath, kGnomeInterface,
                                                       want ? QStringLiteral("GrabMediaPlayerKeys")
                                                            : QStringLiteral("ReleaseMediaPlayerKeys"));
    call << AppInfo::appId();
    if (want)
        call << 0u;
    call.setAutoStartService(false);
    m_bus.asyncCall(call);
}

void MprisService::onGnomeMediaKey(const QString &application, const QString &key)
{
    if (application != AppInfo::appId())
        return;
    if (key == QLatin1String("Play"))
        run(RemoteCommand::TogglePlayPause);
    else if (key == QLatin1String("Pause"))
        run(RemoteCommand::Pause);
    else if (key == QLatin1String("Next"))
        run(RemoteCommand::NextTrack);
    else if (key == QLatin1String("Previous"))
        run(RemoteCommand::PreviousTrack);
    else if (key == QLatin1String("Stop") && m_player->currentStation())
        m_player->stop();
}
