#include "app/HeadlessPlayer.h"

#include "app/Logging.h"
#include "app/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "playback/RadioPlayer.h"
#include "playback/Scheduler.h"
#include "playback/gstreamer/GstStreamBackend.h"
#include "playback/logind/LogindSleepMonitor.h"
#include "system/MediaKeyHandler.h"
#include "system/mpris/MprisService.h"

#include <QDBusConnection>

#include <QTextStream>

HeadlessPlayer::HeadlessPlayer(QObject *parent)
    : QObject(parent),
      m_settings(std::make_unique<SettingsStore>(SettingsStore::defaultFilePath())),
      m_store(std::make_unique<StationManager>()),
      m_scheduler(std::make_unique<QtScheduler>()),
      m_clock(std::make_unique<SteadyClock>()),
      m_backend(std::make_unique<GstStreamBackend>()),
      m_sleepMonitor(std::make_unique<LogindSleepMonitor>()),
      m_player(std::make_unique<RadioPlayer>(m_backend.get(), m_settings.get(), m_scheduler.get(),
                                             m_sleepMonitor.get()))
{
    m_sleepMonitor->start();
    // Without a window there is no panel to wait for: the media controls come up at once.
    m_mpris = std::make_unique<MprisService>(m_player.get(), QDBusConnection::sessionBus());
    m_player->setNowPlayingSink(m_mpris.get());
    m_mpris->start();
    connect(m_mpris.get(), &MprisService::quitRequested, this, &HeadlessPlayer::quitRequested);
    m_mediaKeys = std::make_unique<MediaKeyHandler>(m_player.get(), m_store.get(), m_mpris.get(), m_settings.get(),
                                                    m_scheduler.get(), m_clock.get());

    connect(m_player.get(), &RadioPlayer::playbackStateChanged, this, [this] {
        const PlaybackState state = m_player->playbackState();
        const QString station = m_player->currentStation() ? m_player->currentStation()->name : QString();
        if (state.kind() == PlaybackState::Failed)
            qCInfo(lcApp, "State: failed (%s) - %s", qUtf8Printable(state.error()), qUtf8Printable(station));
        else
            qCInfo(lcApp, "State: %s - %s", qUtf8Printable(state.name()), qUtf8Printable(station));
    });
    connect(m_player.get(), &RadioPlayer::streamTitleChanged, this,
            [](const QString &title) { qCInfo(lcApp, "Stream title: %s", qUtf8Printable(title)); });
    connect(m_player.get(), &RadioPlayer::errorMessageChanged, this, [this] {
        if (m_player->errorMessage() == RadioPlayer::NoWorkingStationsMessage)
            Q_EMIT gaveUp();
    });
}

HeadlessPlayer::~HeadlessPlayer()
{
    // Unwind in dependency order: handler, media controls, then the player before the
    // backend and the monitor it listens to.
    m_mediaKeys.reset();
    m_player->setNowPlayingSink(nullptr);
    m_mpris.reset();
    m_player.reset();
}

bool HeadlessPlayer::play(const QString &target)
{
    for (const StationCategory &category : m_store->categories()) {
        for (const RadioStation &station : category.stations) {
            if (station.name == target) {
                m_player->play(station);
                return true;
            }
        }
    }
    if (isParsableUrl(target) && !QUrl(target).scheme().isEmpty()) {
        m_player->play(RadioStation(target, target));
        return true;
    }
    QTextStream(stderr) << "zeffira: no station is named \"" << target << "\", and it is not a stream URL.\n";
    return false;
}

void HeadlessPlayer::shutdown()
{
    if (m_player->currentStation())
        m_player->stop();
}
