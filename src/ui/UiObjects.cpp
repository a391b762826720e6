#include "ui/UiObjects.h"

#include "app/Logging.h"

#include <QJSEngine>
#include <QPointer>

namespace {
// Guarded: an object destroyed before a late engine asks for it reads as null, not dangling.
QPointer<RadioPlayer> g_player;
QPointer<StationManager> g_stations;
QPointer<AudioDeviceManager> g_devices;
QPointer<SettingsStore> g_settings;
QPointer<AppActions> g_app;
QPointer<GeneralSettingsModel> g_general;
} // namespace

void publishUiObjects(RadioPlayer *player, StationManager *stations, AudioDeviceManager *devices,
                      SettingsStore *settings, AppActions *app)
{
    g_player = player;
    g_stations = stations;
    g_devices = devices;
    g_settings = settings;
    g_app = app;
}

void publishSettingsObjects(GeneralSettingsModel *general)
{
    g_general = general;
}

namespace UiObjects {
RadioPlayer *player() { return g_player; }
StationManager *stations() { return g_stations; }
AudioDeviceManager *devices() { return g_devices; }
SettingsStore *settings() { return g_settings; }
AppActions *app() { return g_app; }
GeneralSettingsModel *generalSettings() { return g_general; }

QObject *handOut(QObject *object, QJSEngine *engine, const char *name)
{
    if (!object) {
        qCWarning(lcApp, "QML asked for %s before it was published", name);
        return nullptr;
    }
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    Q_UNUSED(engine);
    return object;
}
} // namespace UiObjects
