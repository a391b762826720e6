// The application's own name on the session bus (its app id) with org.freedesktop.Application
// on it: the desktop launches a DBusActivatable entry through it, a second launch of the
// program hands its arguments to the first one through it instead of starting another player,
// and the command line's remote options send its actions and read the player's state.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>

class QDBusMessage;

class DesktopApplicationService final : public QObject
{
    Q_OBJECT
public:
    enum class Claim { Owned, Taken, Failed };

    DesktopApplicationService(const QString &appId, const QDBusConnection &bus, QObject *parent = nullptr);
    ~DesktopApplicationService() override;

    // Exports the object, then asks for the name: Taken when another process owns it (then
    // nothing stays exported).
    Claim claim();

    // "/nl/example/App" for "nl.example.App": the object path desktops derive from the app id.
    static QString objectPath(const QString &appId);
    // The Wayland activation token (or X11 startup id) the launcher passed, if any.
    static QString activationToken(const QVariantMap &platformData);
    // platform_data for a launch from this process's environment (its activation token).
    static QVariantMap launchPlatformData();
    // Hands the launch over to the process owning `appId`: Open with `uris`, or Activate when
    // there are none. The error's message, empty when the call was taken.
    static QString forward(const QString &appId, const QStringList &uris, const QDBusConnection &bus);
    // Whether a process owns `appId` on `bus` (asked without starting one).
    static bool isRunning(const QString &appId, const QDBusConnection &bus);
    // ActivateAction `action` with `parameter` (none when invalid) in the process owning `appId`,
    // which is never started for it. The error's message, empty when the action was taken.
    static QString sendAction(const QString &appId, const QString &action, const QVariant &parameter,
                              const QDBusConnection &bus);
    // The running process's player state into `status`; the error's message, empty on success.
    static QString queryStatus(const QString &appId, const QDBusConnection &bus, QVariantMap *status);

    // What the calls do; set before the event loop runs.
    std::function<void(const QString &activationToken)> onActivate;
    // Returns the refusal (an error reply), empty when taken.
    std::function<QString(const QStringList &uris, const QString &activationToken)> onOpen;
    // Returns the refusal (an error reply), empty when taken; `parameter` is invalid when the
    // caller sent none.
    std::function<QString(const QString &action, const QVariant &parameter)> onAction;
    // The player's state for the status call.
    std::function<QVariantMap()> onStatus;

    // What the adaptor calls.
    void activate(const QVariantMap &platformData);
    void open(const QStringList &uris, const QVariantMap &platformData, const QDBusMessage &message);
    void activateAction(const QString &action, const QVariantList &parameter, const QDBusMessage &message);
    QVariantMap status() const;

private:
    void refuse(const QDBusMessage &message, const QString &errorName, const QString &why);

    QString m_appId;
    QDBusConnection m_bus;
    bool m_exported = false;
    bool m_owned = false;
};
