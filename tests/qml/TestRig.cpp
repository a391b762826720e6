#include "TestRig.h"

#include "QmlTypes.h"
#include "playback/OutputRouting.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlEngine>

TestRig::TestRig()
{
    m_fixture.writeCatalogue(defaultCatalogueJson().toUtf8());
    m_stations = std::make_unique<StationManager>(m_fixture.folder(), m_fixture.builtInPath());
    m_player = std::make_unique<RadioPlayer>(&m_backend, &m_settings, &m_scheduler);
    m_sleepTimer = std::make_unique<SleepTimer>(m_player.get(), &m_scheduler, &m_clock);
    m_alarmClock =
        std::make_unique<AlarmClock>(m_player.get(), m_stations.get(), m_sleepTimer.get(), &m_settings,
                                     &m_scheduler, &m_wallClock, &m_chime, nullptr, nullptr);
    m_historyRecorder = std::make_unique<HistoryRecorder>(m_player.get(), &m_history);
    m_devices = std::make_unique<AudioDeviceManager>(&m_deviceSource, &m_settings);
    m_timeshiftBuffer = std::make_unique<TimeshiftBuffer>(m_fixture.folder() + QStringLiteral("/timeshift"));
    m_timeshift = std::make_unique<TimeshiftBackend>(&m_timeshiftBackend, &m_tap, m_timeshiftBuffer.get(),
                                                     &m_clock, &m_scheduler);
    m_recorder = std::make_unique<StreamRecorder>(&m_recorderTap, &m_scheduler);
    m_songKeeper = std::make_unique<SongKeeper>(m_player.get(), m_timeshift.get(), m_recorder.get(), nullptr,
                                                m_fixture.folder() + QStringLiteral("/music"));
    // Wired as the application wires them.
    OutputRouting::follow(m_player.get(), m_devices.get());
    m_app = std::make_unique<AppActions>();
    m_general = std::make_unique<GeneralSettingsModel>(&m_settings, &m_loginItem);
    m_scrobbler = std::make_unique<Scrobbler>(m_player.get(), &m_settings, &m_scheduler, &m_clock,
                                              &m_wallClock, Scrobbler::Parts{}, Scrobbler::Options{});
    // Links open here instead of in a browser.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

TestRig::~TestRig()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    publishViewObjects({});
}

AppWindows::Objects TestRig::objects()
{
    AppWindows::Objects objects;
    objects.player = m_player.get();
    objects.stations = m_stations.get();
    objects.devices = m_devices.get();
    objects.settings = &m_settings;
    objects.app = m_app.get();
    objects.generalSettings = m_general.get();
    objects.sleepTimer = m_sleepTimer.get();
    objects.alarmClock = m_alarmClock.get();
    objects.scrobbler = m_scrobbler.get();
    objects.timeshift = m_timeshift.get();
    objects.songKeeper = m_songKeeper.get();
    objects.directory = &m_directory;
    objects.history = &m_history;
    objects.historyRecorder = m_historyRecorder.get();
    return objects;
}

void TestRig::fillRewind(int seconds, int behindSeconds)
{
    m_timeshift->start(QStringLiteral("http://127.0.0.1/rewind"));
    m_timeshiftBackend.reportReady();
    for (int tenth = 0; tenth < seconds * 10; ++tenth) {
        m_clock.advance(std::chrono::milliseconds(100));
        m_tap.receive(QByteArray(1600, '\0'));
    }
    m_timeshift->seekBy(-1000LL * behindSeconds);
}

void TestRig::publish()
{
    publishViewObjects(objects());
}

void TestRig::setDefaultDevice(const QString &uid)
{
    m_deviceSource.defaultUid = uid.isEmpty() ? std::nullopt : std::optional<QString>(uid);
    m_deviceSource.announce();
}

void TestRig::registerInQml()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    qmlRegisterSingletonInstance("ZeffiraTest", 1, 0, "TestRig", this);
}

QString TestRig::defaultCatalogueJson()
{
    return QStringLiteral(
        R"([{"name":"Publiek","stations":[{"name":"NPO Radio 1","url":"https://icecast.example/npo1"},)"
        R"({"name":"NPO Klassiek","url":"https://icecast.example/klassiek"}]},)"
        R"({"name":"Leeg","stations":[]},)"
        R"({"name":"Jazz","stations":[{"name":"Sublime","url":"https://jazz.example/sublime"},)"
        R"({"name":"Jazz Radio Één","url":"https://jazz.example/een"}]}])");
}

void TestRig::setCatalogue(const QString &json)
{
    m_fixture.writeCatalogue(json.toUtf8());
    m_stations->loadStations();
}

void TestRig::setDevices(const QVariantList &devices)
{
    QList<AudioDeviceSource::DeviceInfo> list;
    for (const QVariant &entry : devices) {
        const QVariantMap map = entry.toMap();
        list.append(FakeAudioDeviceSource::output(map.value(QStringLiteral("id")).toUInt(),
                                                  map.value(QStringLiteral("uid")).toString(),
                                                  map.value(QStringLiteral("name")).toString()));
    }
    m_deviceSource.set(list);
    m_devices->refreshDevices();
}

void TestRig::setBeta(bool present)
{
    if (present)
        qputenv("BETA", QByteArray());
    else
        qunsetenv("BETA");
}

void TestRig::reset()
{
    // A failed station stays refused until its stream reports ready once.
    if (m_player->playbackState().kind() == PlaybackState::Failed)
        m_backend.reportReady();
    m_player->stop();
    m_sleepTimer->cancel();
    m_player->setVolume(0.5);
    m_devices->setSelectedDeviceUID(std::nullopt);
    m_deviceSource.defaultUid.reset();
    setDevices({});
    setCatalogue(defaultCatalogueJson());
    m_backend.calls.clear();
    m_lastOpenedUrl.clear();
    m_history.stored_.clear();
    m_history.reads = 0;
    QGuiApplication::clipboard()->clear();
    for (const QString &key :
         {SettingsKey::ShowStationInMenuBar, SettingsKey::PauseOnSleep, SettingsKey::StandbyMode,
          SettingsKey::SkipMoveConfirmation, SettingsKey::ScrobbleEnabled, SettingsKey::Alarms})
        m_settings.remove(key);
    m_loginItem = FakeLoginItem();
    m_general->reset();
}

QVariantList TestRig::savedCatalogue() const
{
    QFile file(m_fixture.catalogueFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).array().toVariantList();
}

QVariant TestRig::setting(const QString &key) const
{
    return m_settings.contains(key) ? m_settings.value(key).toVariant() : QVariant();
}

void TestRig::setSetting(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, QJsonValue::fromVariant(value));
}

void TestRig::answerDirectory(const QVariantList &stations)
{
    QList<DirectoryStation> results;
    for (const QVariant &item : stations) {
        const QVariantMap s = item.toMap();
        results << DirectoryStation{s.value("uuid").toString(),     s.value("name").toString(),
                                    s.value("url").toString(),      s.value("country").toString(),
                                    s.value("codec").toString(),    s.value("bitrate").toInt(),
                                    s.value("tags").toStringList(), s.value("favicon").toString()};
    }
    m_directory.reportFound(results);
}

void TestRig::failDirectory(bool noServer)
{
    m_directory.reportFailed(noServer ? StationDirectory::Failure::NoServer
                                      : StationDirectory::Failure::BadAnswer);
}

void TestRig::addHeard(const QString &artist, const QString &title, int daysAgo)
{
    HistoryEntry entry;
    entry.startedAt = QDateTime(QDate::currentDate().addDays(-daysAgo), QTime(12, 0));
    entry.stationName = QStringLiteral("NPO Radio 1");
    entry.stationUrl = QStringLiteral("https://icecast.example/npo1");
    entry.artist = artist;
    entry.title = title;
    m_history.add(entry);
}

QVariantList TestRig::storedHistory() const
{
    QVariantList songs;
    for (const HistoryEntry &entry : m_history.stored_)
        songs << QVariantMap{{QStringLiteral("text"), entry.text()},
                             {QStringLiteral("starred"), entry.starred}};
    return songs;
}

QString TestRig::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}
