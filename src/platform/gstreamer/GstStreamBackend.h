// Plays one network radio stream at a time into PulseAudio, through a uridecodebin in front of
// an output (the decoded audio held ahead, the volume, the sink), and turns the pipeline's
// messages into StreamBackend reports on the main thread. A stream that sounds hands its output
// on to the next one, whose source takes the old one's place, so that a switch keeps the sound
// server stream. Owns the pipeline of the current stream; every state change, start and teardown,
// runs in order on one worker thread. Also makes the alarm's chime.
#pragma once

#include "alarm/ChimePlayer.h"
#include "playback/StreamBackend.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

class GstPipelineWorker;

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
typedef struct _GstBus GstBus;
typedef struct _GObject GObject;
typedef struct _GAsyncResult GAsyncResult;
typedef int gboolean;
typedef void *gpointer;

class GstStreamBackend : public StreamBackend, public ChimePlayer
{
    Q_OBJECT
public:
    // A station that connects but sends no audio gives up after this long. Real stations
    // deliver their first audio well within a second; souphttpsrc's own timeouts (15 s
    // without response, 60 s after headers) are far too long for a radio list.
    static constexpr std::chrono::milliseconds kStartTimeout{8000};
    // A playing stream that delivers no audio for this long counts as broken off. It covers
    // the sink's buffer (0.2 s) and network hiccups, and is close to what listeners tolerate.
    static constexpr std::chrono::milliseconds kStallTimeout{5000};

    explicit GstStreamBackend(QObject *parent = nullptr);
    ~GstStreamBackend() override;

    void start(const QString &url) override;
    void pause() override;
    void resume() override;
    void clear() override;
    void setVolume(float volume) override;
    void setOutputDevice(const std::optional<QString> &deviceUid) override;
    void setLevelling(bool on) override;
    void setLevellingGain(double db) override;
    bool startFeed(const QString &caps, Feed feed) override;

    // A tone made on the spot (no file to go missing), beside any stream, on the chosen device.
    void startChime(float volume) override;
    void stopChime() override;

    // Why `url` will not be opened (an unsupported scheme, an invalid URL), or nothing for a
    // network stream URL whose scheme GStreamer has a source for.
    static std::optional<StreamFailure> rejectionReason(const QString &url);

    // Loads GStreamer and the plugins of an HTTP stream on a thread of its own, so that a start
    // soon after (a station picked in the panel that just opened) does not wait for them. Once
    // per backend; start() works without it.
    void prepare();

    struct FeedState;
    struct SinkClock;
    struct SourceLink;
    // On the main thread, asked for by a feed's appsrc: hands it the next bytes.
    void pumpFeed(quint64 generation);

private:
    struct Stream;

    static gboolean onBusMessage(GstBus *bus, GstMessage *message, gpointer data);
    static void onDiagnosed(GObject *source, GAsyncResult *result, gpointer data);
    // Queued by the prepare thread by name: Qt, not that thread, makes the call's event.
    Q_INVOKABLE void onPrepared();
    // Builds and starts the current stream's pipeline.
    void startPipeline();
    void handleMessage(GstMessage *message);
    void handleError(GstMessage *message);
    void checkProgress();
    bool audioReachedServer(const Stream &stream) const;
    void reportReady();
    void reportFailure(const StreamFailure &failure);
    void reportFailureLater(const StreamFailure &failure);
    void diagnoseConnection(const StreamFailure &fallback);
    void dropPipeline(Stream &stream);
    void dropStream();
    // Makes `next` the current stream. A stream that sounds hands its pipeline's output on to
    // it (the sink and its sound server stream stay, the new source takes the old one's place)
    // where it can; otherwise a new pipeline is made.
    void replaceStream(std::unique_ptr<Stream> next);
    bool canHandOn(const Stream &next) const;
    void handOnOutput(Stream &previous);
    // Queues `incoming` to take `outgoing`'s place in front of the current output; `flush`
    // drops what the output holds (a new station), otherwise the incoming audio follows it.
    void switchSource(GstElement *outgoing, GstElement *incoming, bool flush);
    // A uridecodebin for `s`'s URL whose audio goes into `s.output`, starting at running time
    // `startAt` (-1: as it comes); a reference, or null without the element.
    GstElement *makeSource(Stream &s, qint64 startAt);
    void watchBus(Stream &s);
    // Cuts `s` off from its feed and its bus.
    void detach(Stream &s);
    bool isCurrent(GstMessage *message) const;
    // The current output plays audio of `s`.
    bool sounding(const Stream &s) const;
    void applyDevice();
    // The device to use: m_device, unless it turned out not to be there.
    std::optional<QString> wantedDevice() const;
    void setSinkDevice(Stream &s, const QByteArray &device);
    GstElement *makeAudioSink();
    // The resident output: the decoded audio held ahead, the volume and `s`'s sink;
    // with levelling, the level meter before the volume and a limiter after it.
    GstElement *makeOutput(Stream &s);
    // What the volume element is set to: the volume, with the levelling gain where it applies.
    double outputVolume() const;
    void reportLevel(GstMessage *message);

    std::unique_ptr<Stream> m_stream;
    GstElement *m_chime = nullptr;       // the chime's pipeline, while it sounds
    GstElement *m_chimeVolume = nullptr; // owned by m_chime
    // Increases with every start() and clear(); a report is delivered only when it was
    // produced for the current generation.
    quint64 m_generation = 0;
    float m_volume = 1.0f;
    bool m_levelling = false;
    double m_levellingGainDb = 0.0;
    std::optional<QString> m_device;
    // A chosen device whose sink could not take the stream; the default is used until another
    // choice is made.
    std::optional<QString> m_unavailableDevice;
    QTimer m_watchdog;
    std::unique_ptr<GstPipelineWorker> m_worker;
    std::thread m_preparation; // joined by the destructor
    bool m_preparing = false;  // until the main thread hears that it is done
};
