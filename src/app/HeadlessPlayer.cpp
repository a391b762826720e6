#include "app/HeadlessPlayer.h"

#include "app/Logging.h"
#include "app/SettingsStore.h"
#include "catalogue/StationManager.h"
#include "playback/RadioPlayer.h"
#include "playback/Scheduler.h"
#include "playback/SkipChain.h"
#include "playback/gstreamer/GstStreamBackend.h"
#include "playback/logind/LogindSleepMonitor.h"

#include <QTextStream>

HeadlessPlayer::HeadlessPlayer(QObject *parent)
    : QObject(parent),
      m_settings(std::make_unique<SettingsStore>(SettingsStore::defaultFilePath())),
      m_store(std::make_unique<StationManager>()),
      m_scheduler(std::make_unique<QtScheduler>()),
      m_backend(std::make_unique<GstStreamBackend>()),
      m_sleepMonitor(std::make_unique<LogindSleepMonitor>()),
      m_player(std::make_unique<RadioPlayer>(m_backend.get(), m_settings.get(), m_scheduler.get(),
                                             m_sleepMonitor.get()))
{
    m_sleepMonitor->start();
    m_player->onPlaybackError = SkipChain::make(this, m_player.get(), m_store.get(), m_scheduler.get());

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
    // The player goes before the backend and the monitor it listens to.
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
