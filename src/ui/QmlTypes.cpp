#include "QmlTypes.h"

#include "base/Logging.h"

#include "viewmodels/TrayMenu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJSEngine>

namespace {
AppWindows::Objects g_objects;
// Stateless: one serves every banner.
QtScheduler g_scheduler;
} // namespace

void publishViewObjects(const AppWindows::Objects &objects)
{
    g_objects = objects;
}

const AppWindows::Objects &publishedViewObjects()
{
    return g_objects;
}

QObject *QmlTypes::handOut(QObject *object, const char *name)
{
    if (!object) {
        qCWarning(lcApp, "QML asked for %s before it was published", name);
        return nullptr;
    }
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    return object;
}

QmlStationListModel::QmlStationListModel(QObject *parent)
    : StationListModel(g_objects.stations, g_objects.player, parent)
{
}

QmlCategoryListModel::QmlCategoryListModel(QObject *parent) : CategoryListModel(g_objects.stations, parent) {}

QmlCategoryStationsModel::QmlCategoryStationsModel(QObject *parent)
    : CategoryStationsModel(g_objects.stations, parent)
{
}

QmlStationDrop::QmlStationDrop(QObject *parent) : StationDrop(g_objects.stations, g_objects.settings, parent)
{
}

QmlStationInput::QmlStationInput(QObject *parent) : StationInput(g_objects.stations, parent) {}

QmlOutputDeviceModel::QmlOutputDeviceModel(QObject *parent) : OutputDeviceModel(g_objects.devices, parent) {}

QmlSkipBanner::QmlSkipBanner(QObject *parent) : SkipBanner(g_objects.player, &g_scheduler, parent) {}

QmlDirectorySearch::QmlDirectorySearch(QObject *parent)
    : DirectorySearchModel(g_objects.directory, &g_scheduler, parent)
{
}

QmlStationTransfer::QmlStationTransfer(QObject *parent)
    : StationTransfer(g_objects.stations, g_objects.history, parent)
{
}

QmlHistoryListModel::QmlHistoryListModel(QObject *parent)
    : HistoryListModel(g_objects.history, g_objects.historyRecorder, {}, parent)
{
}

void QmlClipboard::setText(const QString &text)
{
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

bool QmlClipboard::copyPlayingTitle()
{
    const QString text = g_objects.player ? TrayMenu::titleToCopy(*g_objects.player) : QString();
    setText(text);
    return !text.isEmpty();
}

QmlAlarmListModel::QmlAlarmListModel(QObject *parent)
    : AlarmListModel(g_objects.alarmClock, g_objects.stations, parent)
{
}
