#include "viewmodels/GeneralSettingsModel.h"

#include "base/SettingsStore.h"
#include "desktop/LoginItem.h"
#include "playback/StandbyMode.h"

#include <algorithm>
#include <cmath>

GeneralSettingsModel::GeneralSettingsModel(SettingsStore *settings, LoginItem *loginItem, QObject *parent)
    : QObject(parent), m_settings(settings), m_loginItem(loginItem)
{
    connect(m_settings, &SettingsStore::changed, this, &GeneralSettingsModel::settingChanged);
    m_launchAtLogin = m_loginItem->isEnabled();
}

QString GeneralSettingsModel::loginErrorText(const QString &error)
{
    return tr("Fout: %1. Installeer de app via 'make install'.").arg(error);
}

bool GeneralSettingsModel::showStationInMenuBar() const
{
    return m_settings->boolValue(SettingsKey::ShowStationInMenuBar);
}

void GeneralSettingsModel::setShowStationInMenuBar(bool show)
{
    // The store announces the change; settingChanged passes it on.
    m_settings->setValue(SettingsKey::ShowStationInMenuBar, show);
}

bool GeneralSettingsModel::pauseOnSleep() const
{
    return m_settings->boolValue(SettingsKey::PauseOnSleep);
}

void GeneralSettingsModel::setPauseOnSleep(bool pause)
{
    m_settings->setValue(SettingsKey::PauseOnSleep, pause);
}

bool GeneralSettingsModel::notifyOnNewTitle() const
{
    return m_settings->boolValue(SettingsKey::NotifyOnNewTitle);
}

void GeneralSettingsModel::setNotifyOnNewTitle(bool notify)
{
    m_settings->setValue(SettingsKey::NotifyOnNewTitle, notify);
}

bool GeneralSettingsModel::loudnessLeveling() const
{
    return m_settings->boolValue(SettingsKey::LoudnessLeveling);
}

void GeneralSettingsModel::setLoudnessLeveling(bool on)
{
    m_settings->setValue(SettingsKey::LoudnessLeveling, on);
}

int GeneralSettingsModel::timeshiftMinutes() const
{
    const double minutes = m_settings->doubleValue(SettingsKey::TimeshiftMinutes);
    return std::isfinite(minutes) ? int(std::clamp(minutes, 0.0, double(maxTimeshiftMinutes))) : 0;
}

void GeneralSettingsModel::setTimeshiftMinutes(int minutes)
{
    m_settings->setValue(SettingsKey::TimeshiftMinutes, std::clamp(minutes, 0, maxTimeshiftMinutes));
}

QString GeneralSettingsModel::standbyMode() const
{
    return m_settings->stringValue(SettingsKey::StandbyMode);
}

void GeneralSettingsModel::setStandbyMode(const QString &rawValue)
{
    m_settings->setValue(SettingsKey::StandbyMode, rawValue);
}

QVariantList GeneralSettingsModel::standbyModeOptions() const
{
    QVariantList options;
    for (StandbyMode mode : StandbyModes::all) {
        options.append(QVariantMap{{QStringLiteral("label"), StandbyModes::label(mode)},
                                   {QStringLiteral("value"), StandbyModes::rawValue(mode)}});
    }
    return options;
}

void GeneralSettingsModel::settingChanged(const QString &key)
{
    if (key == SettingsKey::ShowStationInMenuBar)
        Q_EMIT showStationInMenuBarChanged();
    else if (key == SettingsKey::PauseOnSleep)
        Q_EMIT pauseOnSleepChanged();
    else if (key == SettingsKey::StandbyMode)
        Q_EMIT standbyModeChanged();
    else if (key == SettingsKey::NotifyOnNewTitle)
        Q_EMIT notifyOnNewTitleChanged();
    else if (key == SettingsKey::LoudnessLeveling)
        Q_EMIT loudnessLevelingChanged();
    else if (key == SettingsKey::TimeshiftMinutes)
        Q_EMIT timeshiftMinutesChanged();
}

void GeneralSettingsModel::setLaunchAtLogin(bool enabled)
{
    if (enabled == m_launchAtLogin)
        return;
    m_launchAtLogin = enabled;
    Q_EMIT launchAtLoginChanged();

    const LoginItem::Error error = enabled ? m_loginItem->registerItem() : m_loginItem->unregisterItem();
    if (!error)
        return; // the error row, if any, stays until the next failure
    // Going back to the real status is not the user's change: it must not register again.
    mirrorLoginItem();
    setLoginError(loginErrorText(*error));
}

void GeneralSettingsModel::mirrorLoginItem()
{
    const bool enabled = m_loginItem->isEnabled();
    if (enabled == m_launchAtLogin)
        return;
    m_launchAtLogin = enabled;
    Q_EMIT launchAtLoginChanged();
}

void GeneralSettingsModel::setLoginError(const QString &text)
{
    if (text == m_loginError)
        return;
    m_loginError = text;
    Q_EMIT loginErrorChanged();
}

void GeneralSettingsModel::refresh()
{
    mirrorLoginItem();
}

void GeneralSettingsModel::reset()
{
    setLoginError(QString());
    refresh();
}
