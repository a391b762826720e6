// The settings window's General tab: its stored settings, the start-at-login switch with
// its error line, and the output-device choice. Owns none of the objects it is given; the store
// and the login item must outlive it, the device manager and player may be absent.
#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantList>

class AudioDeviceManager;
class LoginItem;
class SettingsStore;

class GeneralSettingsModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool showStationInMenuBar READ showStationInMenuBar WRITE setShowStationInMenuBar NOTIFY
                   showStationInMenuBarChanged)
    Q_PROPERTY(bool pauseOnSleep READ pauseOnSleep WRITE setPauseOnSleep NOTIFY pauseOnSleepChanged)
    Q_PROPERTY(
        bool notifyOnNewTitle READ notifyOnNewTitle WRITE setNotifyOnNewTitle NOTIFY notifyOnNewTitleChanged)
    // The raw text ("resume", "restart", "none") as stored.
    Q_PROPERTY(QString standbyMode READ standbyMode WRITE setStandbyMode NOTIFY standbyModeChanged)
    // One map {label, value} per standby mode, in the enumeration's order.
    Q_PROPERTY(QVariantList standbyModeOptions READ standbyModeOptions CONSTANT)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    // The whole error row, or empty when there is none.
    Q_PROPERTY(QString loginError READ loginError NOTIFY loginErrorChanged)
    // The system default's entry: "Systeemstandaard", with the device it stands for when known.
    Q_PROPERTY(QString systemDefaultLabel READ systemDefaultLabel NOTIFY outputDeviceOptionsChanged)
    // The system default (uid "") then one map {label, uid, id} per output device.
    Q_PROPERTY(QVariantList outputDeviceOptions READ outputDeviceOptions NOTIFY outputDeviceOptionsChanged)
    // The chosen device's uid, "" for the system default.
    Q_PROPERTY(QString selectedOutputDevice READ selectedOutputDevice NOTIFY selectedOutputDeviceChanged)
public:
    static inline const QString SystemDefaultLabel = QStringLiteral(QT_TR_NOOP("Systeemstandaard"));

    GeneralSettingsModel(SettingsStore *settings, LoginItem *loginItem, AudioDeviceManager *devices,
                         QObject *parent = nullptr);

    static QString loginErrorText(const QString &error);
    // "Systeemstandaard (<device>)", or "Systeemstandaard" when the device is not known.
    static QString systemDefaultLabelFor(const QString &deviceName);
    QString systemDefaultLabel() const;

    bool showStationInMenuBar() const;
    void setShowStationInMenuBar(bool show);
    bool pauseOnSleep() const;
    void setPauseOnSleep(bool pause);
    bool notifyOnNewTitle() const;
    void setNotifyOnNewTitle(bool notify);
    QString standbyMode() const;
    void setStandbyMode(const QString &rawValue);
    QVariantList standbyModeOptions() const;

    bool launchAtLogin() const { return m_launchAtLogin; }
    // The user flipped the switch: registers or unregisters the login item. On failure the
    // switch goes back to the item's real status and the error row shows the reason.
    void setLaunchAtLogin(bool enabled);
    QString loginError() const { return m_loginError; }

    QVariantList outputDeviceOptions() const;
    QString selectedOutputDevice() const;

    // What showing the tab does: the switch mirrors the login item again and the device list
    // is read afresh. The error row stays.
    Q_INVOKABLE void refresh();
    // What a newly opened settings window starts with: no error row, the switch mirroring the
    // login item.
    Q_INVOKABLE void reset();
    // The picker's choice; "" is the system default. The device manager stores it first, then
    // the player applies it to the current and every later stream.
    Q_INVOKABLE void chooseOutputDevice(const QString &uid);

Q_SIGNALS:
    void showStationInMenuBarChanged();
    void pauseOnSleepChanged();
    void notifyOnNewTitleChanged();
    void standbyModeChanged();
    void launchAtLoginChanged();
    void loginErrorChanged();
    void outputDeviceOptionsChanged();
    void selectedOutputDeviceChanged();

private:
    void settingChanged(const QString &key);
    // Follows the login item without registering anything: only the user's switch does that.
    void mirrorLoginItem();
    void setLoginError(const QString &text);

    SettingsStore *m_settings;
    LoginItem *m_loginItem;
    QPointer<AudioDeviceManager> m_devices;
    bool m_launchAtLogin = false;
    QString m_loginError;
};
