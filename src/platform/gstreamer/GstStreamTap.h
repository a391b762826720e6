// A StreamTap on GStreamer: uridecodebin, told to stop before parsing or decoding (its caps are
// the encoded audio types), takes the ICY metadata out with icydemux, and an appsink hands the
// bytes to the main thread. Its own pipeline and connection: the playing stream's pipeline is
// not touched, so the live path is exactly as fast as without it. State changes run on a
// GstPipelineWorker of its own.
#pragma once

#include "playback/StreamTap.h"

#include <memory>
#include <mutex>

class GstPipelineWorker;

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
typedef struct _GstBus GstBus;
typedef int gboolean;
typedef void *gpointer;

class GstStreamTap : public StreamTap
{
    Q_OBJECT
public:
    explicit GstStreamTap(QObject *parent = nullptr);
    ~GstStreamTap() override;

    void start(const QString &url) override;
    void stop() override;

    // What the streaming thread posts to; cut off when the pipeline is dropped.
    struct Relay {
        std::mutex mutex;
        GstStreamTap *tap = nullptr;
        quint64 generation = 0;
    };
    // On the main thread, posted by the streaming thread: bytes of the stream of `generation`.
    void deliver(quint64 generation, const QByteArray &bytes, const QString &mediaType, int mpegVersion);

private:
    static gboolean onBusMessage(GstBus *bus, GstMessage *message, gpointer data);
    void handleMessage(GstMessage *message);
    void fail(const StreamFailure &failure);
    void drop();

    std::unique_ptr<GstPipelineWorker> m_worker;
    GstElement *m_pipeline = nullptr;
    unsigned m_busWatch = 0;
    quint64 m_generation = 0;
    std::shared_ptr<Relay> m_relay;
    QString m_lastTitle;
};
