// Hands the application's long-lived objects to QML: publishUiObjects() and
// publishSettingsObjects() record them before any QML loads, and the wrappers below expose them
// as the singletons Player, Stations, Devices, Settings, App and GeneralSettings. The objects
// stay owned by whoever published them.
#pragma once

#include "app/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "playback/RadioPlayer.h"
#include "system/GeneralSettingsModel.h"
#include "system/AudioDeviceManager.h"
#include "ui/AppActions.h"

#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

// Call once, before the first QML engine loads a file of the module. Null pointers are
// allowed for objects a test does not need; QML then sees null.
void publishUiObjects(RadioPlayer *player, StationManager *stations, AudioDeviceManager *devices,
                      SettingsStore *settings, AppActions *app);
// The settings window's General tab; same rules as publishUiObjects().
void publishSettingsObjects(GeneralSettingsModel *general);

namespace UiObjects {
RadioPlayer *player();
StationManager *stations();
AudioDeviceManager *devices();
SettingsStore *settings();
AppActions *app();
GeneralSettingsModel *generalSettings();
// Marks `object` as C++-owned for `engine` so the engine never deletes it.
QObject *handOut(QObject *object, QJSEngine *engine, const char *name);
} // namespace UiObjects

struct PlayerSingleton {
    Q_GADGET
    QML_FOREIGN(RadioPlayer)
    QML_NAMED_ELEMENT(Player)
    QML_SINGLETON
public:
    static RadioPlayer *create(QQmlEngine *, QJSEngine *engine)
    {
        return static_cast<RadioPlayer *>(UiObjects::handOut(UiObjects::player(), engine, "Player"));
    }
};

struct StationsSingleton {
    Q_GADGET
    QML_FOREIGN(StationManager)
    QML_NAMED_ELEMENT(Stations)
    QML_SINGLETON
public:
    static StationManager *create(QQmlEngine *, QJSEngine *engine)
    {
        return static_cast<StationManager *>(UiObjects::handOut(UiObjects::stations(), engine, "Stations"));
    }
};

struct DevicesSingleton {
    Q_GADGET
    QML_FOREIGN(AudioDeviceManager)
    QML_NAMED_ELEMENT(Devices)
    QML_SINGLETON
public:
    static AudioDeviceManager *create(QQmlEngine *, QJSEngine *engine)
    {
        return static_cast<AudioDeviceManager *>(UiObjects::handOut(UiObjects::devices(), engine, "Devices"));
    }
};

struct SettingsSingleton {
    Q_GADGET
    QML_FOREIGN(SettingsStore)
    QML_NAMED_ELEMENT(Settings)
    QML_SINGLETON
public:
    static SettingsStore *create(QQmlEngine *, QJSEngine *engine)
    {
        return static_cast<SettingsStore *>(UiObjects::handOut(UiObjects::settings(), engine, "Settings"));
    }
};

struct AppSingleton {
    Q_GADGET
    QML_FOREIGN(AppActions)
    QML_NAMED_ELEMENT(App)
    QML_SINGLETON
public:
    static AppActions *create(QQmlEngine *, QJSEngine *engine)
    {
        return static_cast<AppActions *>(UiObjects::handOut(UiObjects::app(), engine, "App"));
    }
};

struct GeneralSettingsSingleton {
    Q_GADGET
    QML_FOREIGN(GeneralSettingsModel)
    QML_NAMED_ELEMENT(GeneralSettings)
    QML_SINGLETON
public:
    static GeneralSettingsModel *create(QQmlEngine *, QJSEngine *engine)
    {
        return static_cast<GeneralSettingsModel *>(
            UiObjects::handOut(UiObjects::generalSettings(), engine, "GeneralSettings"));
    }
};
