#include "mpris/MprisService.h"

#include <QUrl>

#include "base/AppInfo.h"
#include "base/Logging.h"
#include "base/MainThread.h"
#include "mpris/MprisAdaptors.h"
#include "playback/TimeshiftBackend.h"

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
const QString kNotTaken = QStringLiteral("org.mpris.MediaPlayer2.zeffira.Error.NotTaken");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString kNotSupported = QStringLiteral("org.freedesktop.DBus.Error.NotSupported");
const QString kSwitchedOff = QStringLiteral("Media controls are switched off");
const QString kTooSoon = QStringLiteral("Command not taken: it came too soon after the previous one");

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
        {QStringLiteral("CanSeek"), service.canSeek()},
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

MprisService::MprisService(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    new MprisPropertiesAdaptor(this);
}

MprisService::~MprisService()
{
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
    m_lastRoot = rootProperties(*this);
    m_lastPlayer = playerProperties(*this);
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
    Q_EMIT controlsChanged();
}

void MprisService::setEnabled(RemoteCommand command, bool enabled)
{
    m_enabled[command] = enabled;
    schedulePropertiesChanged();
    Q_EMIT controlsChanged();
}

void MprisService::addTarget(RemoteCommand command, Handler handler)
{
    m_targets[command].append(std::move(handler));
    schedulePropertiesChanged();
    Q_EMIT controlsChanged();
}

void MprisService::publishNowPlaying(const NowPlayingInfo &info)
{
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
    switch (m_nowPlaying.status) {
    case NowPlayingInfo::Status::Playing:
        return QStringLiteral("Playing");
    case NowPlayingInfo::Status::Paused:
        return QStringLiteral("Paused");
    case NowPlayingInfo::Status::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap MprisService::metadata() const
{
    if (m_nowPlaying.stationName.isEmpty())
        return {};
    const QString &url = m_nowPlaying.url;
    QVariantMap map{
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(QDBusObjectPath(
             QStringLiteral("/org/zeffira/station/%1").arg(qHash(url), 16, 16, QLatin1Char('0'))))},
        {QStringLiteral("xesam:title"), m_nowPlaying.stationName},
    };
    if (!url.isEmpty())
        map.insert(QStringLiteral("xesam:url"), url);
    if (canSeek())
        map.insert(QStringLiteral("mpris:length"),
                   qlonglong(std::chrono::microseconds(m_timeshift->length()).count()));
    if (!m_nowPlaying.streamTitle.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{m_nowPlaying.streamTitle});
    if (!m_nowPlaying.artFile.isEmpty())
        map.insert(QStringLiteral("mpris:artUrl"), QUrl::fromLocalFile(m_nowPlaying.artFile).toString());
    return map;
}

void MprisService::setTimeshift(TimeshiftBackend *timeshift)
{
    if (m_timeshift)
        disconnect(m_timeshift, nullptr, this, nullptr);
    m_timeshift = timeshift;
    if (m_timeshift)
        connect(m_timeshift, &TimeshiftBackend::positionChanged, this,
                &MprisService::schedulePropertiesChanged);
}

bool MprisService::canSeek() const
{
    return m_timeshift && !m_nowPlaying.stationName.isEmpty() && m_timeshift->available();
}

qlonglong MprisService::positionUs() const
{
    return canSeek() ? qlonglong(std::chrono::microseconds(m_timeshift->position()).count()) : 0;
}

void MprisService::seek(qlonglong us, bool absolute)
{
    if (!canSeek() || !canControl())
        return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::microseconds(us));
    if (absolute)
        m_timeshift->seekTo(ms);
    else
        m_timeshift->seekBy(ms.count());
    auto *player = findChild<MprisPlayerAdaptor *>();
    if (player)
        Q_EMIT player->Seeked(positionUs());
}

double MprisService::volume() const
{
    return m_nowPlaying.volume;
}

void MprisService::setVolume(double volume)
{
    if (std::isnan(volume))
        return;
    run({RemoteCommand::ChangeVolume, std::clamp(volume, 0.0, 1.0), {}});
}

void MprisService::changeVolume(double volume, const QDBusMessage &message)
{
    if (std::isnan(volume))
        return;
    if (!isRegistered(RemoteCommand::ChangeVolume))
        refuse(message, kSwitchedOff);
    else if (run({RemoteCommand::ChangeVolume, std::clamp(volume, 0.0, 1.0), {}}).status !=
             RemoteCommandStatus::Success)
        refuse(message, kTooSoon);
}

RemoteAnswer MprisService::run(const RemoteRequest &request)
{
    if (!isRegistered(request.command))
        return {RemoteCommandStatus::CommandFailed, {}};
    RemoteAnswer answer;
    // Copy: a handler may change the registrations.
    const QList<Handler> handlers = m_targets.value(request.command);
    for (const Handler &handler : handlers)
        answer = handler(request);
    return answer;
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
        refuse(message, kSwitchedOff);
        return;
    }
    if (run({command, 0.0, {}}).status != RemoteCommandStatus::Success)
        refuse(message, kTooSoon);
}

void MprisService::openUri(const QString &uri, const QDBusMessage &message)
{
    if (!isRegistered(RemoteCommand::OpenUri)) {
        refuse(message, kSwitchedOff);
        return;
    }
    const RemoteAnswer answer = run({RemoteCommand::OpenUri, 0.0, uri});
    if (!answer.refusal.isEmpty())
        refuse(message, answer.refusal, kNotSupported);
    else if (answer.status != RemoteCommandStatus::Success)
        refuse(message, kTooSoon);
}

void MprisService::refuse(const QDBusMessage &message, const QString &why, const QString &errorName)
{
    message.setDelayedReply(true);
    m_bus.send(message.createErrorReply(errorName.isEmpty() ? kNotTaken : errorName, why));
}

void MprisService::schedulePropertiesChanged()
{
    MainThread::check(Q_FUNC_INFO);
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
