// The real logic objects the QML tests and the screenshot tool drive: a store on a temporary
// folder, a player on the fake stream backend, a device manager on a fake source, settings in
// memory, the sleep timer on the manual clock, the application actions and the General tab's model on a fake
// login item, published for the Zeffira module. Exposed to QML as the singleton TestRig (module ZeffiraTest)
// to report stream results, set the catalogue and read back what was saved.
#pragma once

#include "alarm/AlarmClock.h"
#include "alarm/ChimePlayer.h"
#include "base/SettingsStore.h"
#include "base/WallClock.h"
#include "catalogue/StationManager.h"
#include "desktop/AppWindows.h"
#include "devices/AudioDeviceManager.h"
#include "history/HistoryRecorder.h"
#include "playback/RadioPlayer.h"
#include "playback/SleepTimer.h"
#include "playback/SongKeeper.h"
#include "playback/StreamRecorder.h"
#include "playback/TimeshiftBackend.h"
#include "playback/TimeshiftBuffer.h"
#include "scrobble/Scrobbler.h"
#include "support/CatalogueFixture.h"
#include "support/FakeAudioDeviceSource.h"
#include "support/FakeHistoryStore.h"
#include "support/FakeLoginItem.h"
#include "support/FakeStationDirectory.h"
#include "support/FakeStreamBackend.h"
#include "support/FakeStreamTap.h"
#include "support/ManualScheduler.h"
#include "viewmodels/AppActions.h"
#include "viewmodels/GeneralSettingsModel.h"

#include <QObject>
#include <QUrl>
#include <QVariantList>
#include <memory>

class TestRig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList backendCalls READ backendCalls)
    Q_PROPERTY(QString lastOpenedUrl READ lastOpenedUrl)
    Q_PROPERTY(QStringList directorySearches READ directorySearches)
    Q_PROPERTY(QStringList directoryClicks READ directoryClicks)
    Q_PROPERTY(int historyReads READ historyReads)
public:
    TestRig();
    ~TestRig() override;

    // Publishes the objects for the Zeffira module; call before an engine loads it.
    void publish();
    // The objects as the shell hands them to the views library.
    AppWindows::Objects objects();
    // Registers TestRig in QML (module ZeffiraTest); once per process.
    void registerInQml();

    RadioPlayer *player() const { return m_player.get(); }
    AudioDeviceManager *devices() const { return m_devices.get(); }
    StationManager *stations() const { return m_stations.get(); }
    SleepTimer *sleepTimer() const { return m_sleepTimer.get(); }

    QStringList backendCalls() const { return m_backend.calls; }
    QString lastOpenedUrl() const { return m_lastOpenedUrl; }
    QStringList directorySearches() const { return m_directory.searches; }
    QStringList directoryClicks() const { return m_directory.clicks; }
    // How often the views read the history.
    int historyReads() const { return m_history.reads; }

    // A song heard `daysAgo` days ago at noon, as the recorder would have stored it.
    Q_INVOKABLE void addHeard(const QString &artist, const QString &title, int daysAgo);
    // The stored songs, oldest first: [{text, starred}].
    Q_INVOKABLE QVariantList storedHistory() const;
    Q_INVOKABLE QString clipboardText() const;

    // The directory answers the latest search: [{uuid, name, url, country, codec, bitrate, tags}].
    Q_INVOKABLE void answerDirectory(const QVariantList &stations);
    // The directory search fails: no server, or (false) a bad answer.
    Q_INVOKABLE void failDirectory(bool noServer);

    // The stream of the current station reports ready / failure.
    Q_INVOKABLE void reportReady() { m_backend.reportReady(); }
    void reportFailed(const StreamFailure &failure) { m_backend.reportFailed(failure); }
    // The server answers the stream with HTTP `status`.
    Q_INVOKABLE void reportHttpFailure(int status) { m_backend.reportFailed(StreamFailure::http(status)); }
    Q_INVOKABLE void reportTitle(const QString &title) { m_backend.reportTitle(title); }
    // Moves the manual clock and its timers on by `ms`.
    // The rewind row with `seconds` received into the buffer, played `behindSeconds` behind live.
    void fillRewind(int seconds, int behindSeconds);
    Q_INVOKABLE void advance(int ms) { m_scheduler.advance(std::chrono::milliseconds(ms)); }
    Q_INVOKABLE void setErrorMessage(const QString &message) { m_player->setErrorMessage(message); }
    // Replaces the catalogue file with `json` and reloads it, as at start-up.
    Q_INVOKABLE void setCatalogue(const QString &json);
    // [{id, uid, name}, ...]: the devices the fake sound server lists now.
    Q_INVOKABLE void setDevices(const QVariantList &devices);
    // The device the sound server plays to by default ("" for none), announced as a server does.
    Q_INVOKABLE void setDefaultDevice(const QString &uid);
    // How often the device list was read from the fake sound server.
    int deviceReads() const { return m_deviceSource.reads; }
    // Sets or removes BETA in this process's environment.
    Q_INVOKABLE void setBeta(bool present);
    // Back to a stopped player with no failures, the default catalogue, volume 0.5, no device.
    Q_INVOKABLE void reset();

    // The catalogue as saved in "stations.json": [{name, stations: [{name, url}]}].
    Q_INVOKABLE QVariantList savedCatalogue() const;
    // A stored setting, or undefined when the key is absent.
    Q_INVOKABLE QVariant setting(const QString &key) const;
    Q_INVOKABLE void setSetting(const QString &key, const QVariant &value);
    // The login item's status as another program would have set it.
    Q_INVOKABLE void setLoginItemEnabled(bool enabled) { m_loginItem.enabled = enabled; }
    Q_INVOKABLE bool loginItemEnabled() const { return m_loginItem.enabled; }
    // The next register or unregister fails with `error` as the system's description.
    Q_INVOKABLE void failNextLoginCall(const QString &error) { m_loginItem.nextError = error; }
    Q_INVOKABLE QStringList loginCalls() const { return m_loginItem.calls; }

    static QString defaultCatalogueJson();

public Q_SLOTS:
    // Receives what Qt.openUrlExternally would open in a browser.
    void openUrl(const QUrl &url) { m_lastOpenedUrl = url.toString(); }

private:
    CatalogueFixture m_fixture;
    FakeStreamBackend m_backend;
    FakeStationDirectory m_directory;
    SettingsStore m_settings{QString()};
    ManualClock m_clock;
    ManualScheduler m_scheduler{&m_clock};
    FakeAudioDeviceSource m_deviceSource;
    std::unique_ptr<StationManager> m_stations;
    std::unique_ptr<RadioPlayer> m_player;
    std::unique_ptr<SleepTimer> m_sleepTimer;
    FakeHistoryStore m_history;
    std::unique_ptr<HistoryRecorder> m_historyRecorder;
    // The panel's alarm line reads a real alarm clock, with no alarm set.
    struct FixedWallClock final : WallClock {
        QDateTime now() const override { return QDateTime(QDate(2026, 1, 5), QTime(12, 0)); }
    };
    struct SilentChime final : ChimePlayer {
        void startChime(float) override {}
        void stopChime() override {}
    };
    FixedWallClock m_wallClock;
    SilentChime m_chime;
    std::unique_ptr<AlarmClock> m_alarmClock;
    // The panel's rewind row reads a real rewind, on a stream of its own that never plays.
    FakeStreamBackend m_timeshiftBackend;
    FakeStreamTap m_tap;
    std::unique_ptr<TimeshiftBuffer> m_timeshiftBuffer;
    std::unique_ptr<TimeshiftBackend> m_timeshift;
    FakeStreamTap m_recorderTap;
    std::unique_ptr<StreamRecorder> m_recorder;
    std::unique_ptr<SongKeeper> m_songKeeper;
    std::unique_ptr<AudioDeviceManager> m_devices;
    std::unique_ptr<AppActions> m_app;
    FakeLoginItem m_loginItem;
    std::unique_ptr<GeneralSettingsModel> m_general;
    // Scrobbling as a fresh install has it: off, no token, nothing queued, nothing loaded.
    std::unique_ptr<Scrobbler> m_scrobbler;
    QString m_lastOpenedUrl;
};
