// The player without window or tray: the store, the player on GStreamer, sleep handling, the
// media controls (MPRIS) with the skip chain. Plays what --play names, logs what happens, and
// ends when nothing is left to try.
#pragma once

#include <QObject>
#include <memory>

class GstStreamBackend;
class LogindSleepMonitor;
class MediaKeyHandler;
class MprisService;
class QtScheduler;
class SteadyClock;
class RadioPlayer;
class SettingsStore;
class StationManager;
struct RadioStation;

class HeadlessPlayer : public QObject
{
    Q_OBJECT
public:
    explicit HeadlessPlayer(QObject *parent = nullptr);
    ~HeadlessPlayer() override;

    // Starts the station named `target` (first exact match in catalogue order) or, failing
    // that, `target` as a stream URL. False, with a message on stderr, when it is neither.
    bool play(const QString &target);
    // Stops the stream; the caller leaves the event loop.
    void shutdown();

Q_SIGNALS:
    // Nothing could be played and nothing is left to try.
    void gaveUp();
    // A media client asked the player to quit.
    void quitRequested();

private:
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<StationManager> m_store;
    std::unique_ptr<QtScheduler> m_scheduler;
    std::unique_ptr<SteadyClock> m_clock;
    std::unique_ptr<GstStreamBackend> m_backend;
    std::unique_ptr<LogindSleepMonitor> m_sleepMonitor;
    std::unique_ptr<RadioPlayer> m_player;
    std::unique_ptr<MprisService> m_mpris;
    std::unique_ptr<MediaKeyHandler> m_mediaKeys;
};
