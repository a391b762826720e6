// Every C++ type the QML module `Zeffira` sees, registered in this one file. The application's
// long-lived objects are handed over with publishViewObjects() before any QML loads; the views
// call Player, App, GeneralSettings and SleepTimer as singletons, which stay owned by whoever
// published them. The view-models below are created by the QML that declares them, on the
// published objects (the store, the device manager, the settings and the directory among them).
#pragma once

#include "alarm/AlarmClock.h"
#include "base/Scheduler.h"
#include "base/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "desktop/AppWindows.h"
#include "devices/AudioDeviceManager.h"
#include "playback/PlaybackState.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "playback/SongKeeper.h"
#include "playback/TimeshiftBackend.h"
#include "scrobble/Scrobbler.h"
#include "viewmodels/AlarmListModel.h"
#include "viewmodels/AppActions.h"
#include "viewmodels/CategoryListModel.h"
#include "viewmodels/CategoryStationsModel.h"
#include "viewmodels/DirectorySearchModel.h"
#include "viewmodels/GeneralSettingsModel.h"
#include "viewmodels/HistoryListModel.h"
#include "viewmodels/OutputDeviceModel.h"
#include "viewmodels/SkipBanner.h"
#include "viewmodels/StationDrop.h"
#include "viewmodels/StationInput.h"
#include "viewmodels/StationListModel.h"
#include "viewmodels/StationTransfer.h"

#include <QImage>
#include <QSet>
#include <QUrl>
#include <QtQml/qqml.h>

class QNetworkAccessManager;
class QJSEngine;
class QQmlEngine;

// Call before the first QML engine loads a file of the module; a later call replaces the objects
// for engines made after it. Null members are allowed for objects a test does not need; QML then
// sees null.
void publishViewObjects(const AppWindows::Objects &objects);
const AppWindows::Objects &publishedViewObjects();

namespace QmlTypes {
// Marks `object` as C++-owned so that no engine ever deletes it.
QObject *handOut(QObject *object, const char *name);
} // namespace QmlTypes

#define ZEFFIRA_QML_SINGLETON(Type, Name, member)                                                            \
    struct Name##Singleton {                                                                                 \
        Q_GADGET                                                                                             \
        QML_FOREIGN(Type)                                                                                    \
        QML_NAMED_ELEMENT(Name)                                                                              \
        QML_SINGLETON                                                                                        \
    public:                                                                                                  \
        static Type *create(QQmlEngine *, QJSEngine *)                                                       \
        {                                                                                                    \
            return static_cast<Type *>(QmlTypes::handOut(publishedViewObjects().member, #Name));             \
        }                                                                                                    \
    };

ZEFFIRA_QML_SINGLETON(RadioPlayer, Player, player)
ZEFFIRA_QML_SINGLETON(AppActions, App, app)
ZEFFIRA_QML_SINGLETON(GeneralSettingsModel, GeneralSettings, generalSettings)
ZEFFIRA_QML_SINGLETON(SleepTimer, SleepTimer, sleepTimer)
ZEFFIRA_QML_SINGLETON(AlarmClock, AlarmClock, alarmClock)
ZEFFIRA_QML_SINGLETON(Scrobbler, Scrobbling, scrobbler)
ZEFFIRA_QML_SINGLETON(TimeshiftBackend, Timeshift, timeshift)
ZEFFIRA_QML_SINGLETON(SongKeeper, Keeper, songKeeper)

// The player's states by name: `Player.state === PlaybackState.Loading`.
namespace PlaybackStateForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(PlaybackState)
QML_NAMED_ELEMENT(PlaybackState)
} // namespace PlaybackStateForeign

// The station panel's list: the catalogue filtered by the search, with headers and marks.
class QmlStationListModel : public StationListModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationListModel)
public:
    explicit QmlStationListModel(QObject *parent = nullptr);
};

// The Stations tab's category column.
class QmlCategoryListModel : public CategoryListModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(CategoryListModel)
public:
    explicit QmlCategoryListModel(QObject *parent = nullptr);
};

// The Stations tab's station list of the selected category.
class QmlCategoryStationsModel : public CategoryStationsModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(CategoryStationsModel)
public:
    explicit QmlCategoryStationsModel(QObject *parent = nullptr);
};

// The Stations tab's drag-and-drop rule with its confirmation, one per tab.
class QmlStationDrop : public StationDrop
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationDrop)
public:
    explicit QmlStationDrop(QObject *parent = nullptr);
};

// The add-station sheet's input rules.
class QmlStationInput : public StationInput
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationInput)
public:
    explicit QmlStationInput(QObject *parent = nullptr);
};

// The output-device choice of the panel's route button and the General tab's picker.
class QmlOutputDeviceModel : public OutputDeviceModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(OutputDeviceModel)
public:
    explicit QmlOutputDeviceModel(QObject *parent = nullptr);
};

// The panel's notice after a failing station was skipped, on the event loop's timers.
class QmlSkipBanner : public SkipBanner
{
    Q_OBJECT
    QML_NAMED_ELEMENT(SkipBanner)
public:
    explicit QmlSkipBanner(QObject *parent = nullptr);
};

// The add-station sheet's directory search, debounced on the event loop's timers.
class QmlDirectorySearch : public DirectorySearchModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(DirectorySearch)
public:
    explicit QmlDirectorySearch(QObject *parent = nullptr);
};

// The Stations tab's import and export.
class QmlStationTransfer : public StationTransfer
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationTransfer)
public:
    explicit QmlStationTransfer(QObject *parent = nullptr);
};

// The settings' alarm page.
class QmlAlarmListModel : public AlarmListModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(AlarmListModel)
public:
    explicit QmlAlarmListModel(QObject *parent = nullptr);
};

// The panel's heard songs ("Gehoord"). Reads the history only when told to (reload(), a search,
// the filter), so that a panel that never shows them opens no history file.
class QmlHistoryListModel : public HistoryListModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(HistoryListModel)
public:
    explicit QmlHistoryListModel(QObject *parent = nullptr);
};

// Stations' logos for the views: the kept file of a logo address, fetched once the first time a
// view asks for it (at most 1 MiB, 10 s; PNG, JPEG, ICO or SVG, at most 4096 pixels a side;
// anything else, or a broken image, is ignored for the rest of the run), scaled to 64 pixels.
class QmlStationLogos : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationLogos)
    QML_SINGLETON
    // Goes up when a logo arrives: bindings that read source() read it again.
    Q_PROPERTY(int revision READ revision NOTIFY changed)
public:
    static constexpr qint64 maxBytes = 1024 * 1024;
    static constexpr int maxEdge = 4096;

    explicit QmlStationLogos(QObject *parent = nullptr);

    // The kept file's URL, or empty (asked for, when it was not asked for yet).
    Q_INVOKABLE QUrl source(const QString &logoUrl);
    int revision() const { return m_revision; }
    // `bytes` as a logo of StationLogo::size pixels; a null image when they are none.
    static QImage decode(const QByteArray &bytes);

Q_SIGNALS:
    void changed();

private:
    void fetch(const QString &logoUrl);

    QNetworkAccessManager *m_network = nullptr; // made with the first fetch
    QSet<QString> m_asked;
    int m_revision = 0;
};

// The desktop's clipboard, for "Kopieer" and Ctrl+C.
class QmlClipboard : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Clipboard)
    QML_SINGLETON
public:
    explicit QmlClipboard(QObject *parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE void setText(const QString &text);
    // Copies the title the playing station announces, as the tray menu's "Kopieer titel" does;
    // false when there is none.
    Q_INVOKABLE bool copyPlayingTitle();
};
