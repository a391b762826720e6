// The desktop's media controls over MPRIS 2 on the session bus, a pure adapter: it shows the
// now-playing snapshot the player publishes (state, volume, station, stream title) and hands
// every call (the five media keys, Stop, Volume, OpenUri) to the remote-command handler
// registered for it, which decides whether and how it is taken.
#pragma once

#include "mediakeys/RemoteCommandCenter.h"
#include "playback/NowPlayingSink.h"

#include <QPointer>

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QVariantMap>
#include <functional>

class QDBusMessage;
class TimeshiftBackend;

class MprisService final : public QObject, public RemoteCommandCenter, public NowPlayingSink
{
    Q_OBJECT
public:
    static inline const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");

    explicit MprisService(const QDBusConnection &bus, QObject *parent = nullptr);
    ~MprisService() override;

    // Registers the object and takes the bus name; false (and a warning) when the bus is not there.
    bool start();
    QString serviceName() const { return m_serviceName; }
    void setCanRaise(bool canRaise);
    // The rewind buffer that Seek, SetPosition and Position move in; may be null (live only).
    void setTimeshift(TimeshiftBackend *timeshift);

    // RemoteCommandCenter
    void removeAllTargets(RemoteCommand command) override;
    void setEnabled(RemoteCommand command, bool enabled) override;
    void addTarget(RemoteCommand command, Handler handler) override;
    // NowPlayingSink
    void publishNowPlaying(const NowPlayingInfo &info) override;

    // What the D-Bus interfaces read and call.
    bool canRaise() const { return m_canRaise; }
    bool isRegistered(RemoteCommand command) const;
    bool canControl() const;
    QString playbackStatus() const;
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);
    // While a rewind buffer exists: its playing moment and length in µs, and the moves in it
    // (`absolute`: SetPosition's position from the buffer's start, else Seek's offset).
    bool canSeek() const;
    qlonglong positionUs() const;
    void seek(qlonglong us, bool absolute);
    // A Set of Volume: refused with an error when the handler did not take it.
    void changeVolume(double volume, const QDBusMessage &message);
    // Runs `command` and answers the caller with an error when it was not taken (InvalidArgs when
    // the call came with arguments).
    void dispatch(RemoteCommand command, const QDBusMessage &message);
    // OpenUri: answers with the handler's refusal as an error.
    void openUri(const QString &uri, const QDBusMessage &message);
    // Answers the call with a D-Bus error instead of the normal reply.
    void refuse(const QDBusMessage &message, const QString &why, const QString &errorName = {});

    // Hands `request` to its handler; failed when none is registered.
    RemoteAnswer run(const RemoteRequest &request);

Q_SIGNALS:
    void raiseRequested();
    // Commands were registered or dropped (canControl() may have changed).
    void controlsChanged();
    void quitRequested();

private:
    void schedulePropertiesChanged();
    void sendPropertiesChanged();
    // True for a call without arguments; otherwise refuses it with InvalidArgs.
    bool takesNoArguments(const QDBusMessage &message);

    QDBusConnection m_bus;
    QString m_serviceName;
    QHash<RemoteCommand, QList<Handler>> m_targets;
    QHash<RemoteCommand, bool> m_enabled;
    NowPlayingInfo m_nowPlaying;
    QPointer<TimeshiftBackend> m_timeshift;
    bool m_canRaise = false;
    bool m_changePending = false;
    QVariantMap m_lastRoot;
    QVariantMap m_lastPlayer;
};
