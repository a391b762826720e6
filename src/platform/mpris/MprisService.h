// The desktop's media controls over MPRIS 2 on the session bus: serves the five remote commands
// (plus Stop) to clients such as media keys and panel widgets, and publishes the player's state,
// volume and now-playing entry. Also grabs the keys from GNOME's settings daemon where it runs.
#pragma once

#include "mediakeys/RemoteCommandCenter.h"
#include "playback/NowPlayingSink.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QVariantMap>
#include <functional>

class QDBusMessage;
class RadioPlayer;

class MprisService final : public QObject, public RemoteCommandCenter, public NowPlayingSink
{
    Q_OBJECT
public:
    static inline const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");

    MprisService(RadioPlayer *player, const QDBusConnection &bus, QObject *parent = nullptr);
    ~MprisService() override;

    // Registers the object and takes the bus name; false (and a warning) when the bus is not there.
    bool start();
    QString serviceName() const { return m_serviceName; }
    void setCanRaise(bool canRaise);

    // RemoteCommandCenter
    void removeAllTargets(RemoteCommand command) override;
    void setEnabled(RemoteCommand command, bool enabled) override;
    void addTarget(RemoteCommand command, Handler handler) override;
    // NowPlayingSink
    void publishNowPlaying(const std::optional<NowPlayingInfo> &info) override;

    // What the D-Bus interfaces read and call.
    bool canRaise() const { return m_canRaise; }
    bool isRegistered(RemoteCommand command) const;
    bool canControl() const;
    QString playbackStatus() const;
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);
    // Runs `command` and answers the caller with an error when it was not taken (InvalidArgs when
    // the call came with arguments).
    void dispatch(RemoteCommand command, const QDBusMessage &message);
    void stop(const QDBusMessage &message);
    // OpenUri: plays `uri` through onOpenUri, or answers with its refusal as an error.
    void openUri(const QString &uri, const QDBusMessage &message);
    // Plays a URI; returns the refusal (for the caller), empty when taken. Unset: nothing opens.
    std::function<QString(const QString &uri)> onOpenUri;
    // Answers the call with a D-Bus error instead of the normal reply.
    void refuse(const QDBusMessage &message, const QString &why, const QString &errorName = {});

Q_SIGNALS:
    void raiseRequested();
    void quitRequested();

private:
    void schedulePropertiesChanged();
    void sendPropertiesChanged();
    void updateKeyGrab();
    RemoteCommandStatus run(RemoteCommand command);
    // True for a call without arguments; otherwise refuses it with InvalidArgs.
    bool takesNoArguments(const QDBusMessage &message);

private Q_SLOTS:
    void onGnomeMediaKey(const QString &application, const QString &key);

private:
    RadioPlayer *m_player;
    QDBusConnection m_bus;
    QString m_serviceName;
    QHash<RemoteCommand, QList<Handler>> m_targets;
    QHash<RemoteCommand, bool> m_enabled;
    std::optional<NowPlayingInfo> m_nowPlaying;
    QString m_streamTitle;
    bool m_canRaise = false;
    bool m_changePending = false;
    bool m_keysGrabbed = false;
    QVariantMap m_lastRoot;
    QVariantMap m_lastPlayer;
};
