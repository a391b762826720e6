// The settings window's General tab: its stored settings and the start-at-login switch with
// its error line (the tab's output-device picker is an OutputDeviceModel). Owns none of the
// objects it is given; the store and the login item must outlive it.
#pragma once

#include <QObject>
#include <QVariantList>

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
    // "Gelijk volume": every station levelled to one loudness.
    Q_PROPERTY(
        bool loudnessLeveling READ loudnessLeveling WRITE setLoudnessLeveling NOTIFY loudnessLevelingChanged)
    // "Terugspoelbuffer": minutes of the live rewind buffer, 0 (off) to 120.
    Q_PROPERTY(
        int timeshiftMinutes READ timeshiftMinutes WRITE setTimeshiftMinutes NOTIFY timeshiftMinutesChanged)
    // The raw text ("resume", "restart", "none") as stored.
    Q_PROPERTY(QString standbyMode READ standbyMode WRITE setStandbyMode NOTIFY standbyModeChanged)
    // One map {label, value} per standby mode, in the enumeration's order.
    Q_PROPERTY(QVariantList standbyModeOptions READ standbyModeOptions CONSTANT)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    // The whole error row, or empty when there is none.
    Q_PROPERTY(QString loginError READ loginError NOTIFY loginErrorChanged)
public:
    GeneralSettingsModel(SettingsStore *settings, LoginItem *loginItem, QObject *parent = nullptr);

    static QString loginErrorText(const QString &error);

    bool showStationInMenuBar() const;
    void setShowStationInMenuBar(bool show);
    bool pauseOnSleep() const;
    void setPauseOnSleep(bool pause);
    bool notifyOnNewTitle() const;
    void setNotifyOnNewTitle(bool notify);
    bool loudnessLeveling() const;
    void setLoudnessLeveling(bool on);
    static constexpr int maxTimeshiftMinutes = 120;
    int timeshiftMinutes() const;
    void setTimeshiftMinutes(int minutes);
    QString standbyMode() const;
    void setStandbyMode(const QString &rawValue);
    QVariantList standbyModeOptions() const;

    bool launchAtLogin() const { return m_launchAtLogin; }
    // The user flipped the switch: registers or unregisters the login item. On failure the
    // switch goes back to the item's real status and the error row shows the reason.
    void setLaunchAtLogin(bool enabled);
    QString loginError() const { return m_loginError; }

    // What showing the tab does: the switch mirrors the login item again. The error row stays.
    Q_INVOKABLE void refresh();
    // What a newly opened settings window starts with: no error row, the switch mirroring the
    // login item.
    Q_INVOKABLE void reset();

Q_SIGNALS:
    void showStationInMenuBarChanged();
    void pauseOnSleepChanged();
    void notifyOnNewTitleChanged();
    void loudnessLevelingChanged();
    void timeshiftMinutesChanged();
    void standbyModeChanged();
    void launchAtLoginChanged();
    void loginErrorChanged();

private:
    void settingChanged(const QString &key);
    // Follows the login item without registering anything: only the user's switch does that.
    void mirrorLoginItem();
    void setLoginError(const QString &text);

    SettingsStore *m_settings;
    LoginItem *m_loginItem;
    bool m_launchAtLogin = false;
    QString m_loginError;
};
