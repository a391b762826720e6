// A StreamTap on GStreamer: the URL's source element into decodebin, told to stop before parsing
// or decoding (its caps are the encoded audio types), which takes the ICY metadata out with
// icydemux, and an appsink whose bytes are gathered and handed to the main thread a few times a
// second. Its own pipeline and connection: the playing stream's pipeline is not touched, so the
// live path is exactly as fast as without it. State changes run on a GstPipelineWorker of its own.
#pragma once

#include "playback/StreamTap.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
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
        // Bytes not yet handed over, what they are, and when the first of them came.
        QByteArray pending;
        QString mediaType;
        int mpegVersion = 0;
        qint64 pendingSince = 0;
        // An ICY station names the song only after its first block of audio, and that name is
        // the one of the audio before it: those bytes wait for it.
        bool awaitingFirstTitle = false;
        // The source's pause between reads, cut short when the pipeline is dropped.
        std::condition_variable wake;
        bool stopping = false;
    };
    // On the main thread, posted by the streaming thread in the stream's order: bytes and titles
    // of the stream of `generation`.
    void deliver(quint64 generation, const QByteArray &bytes, const QString &mediaType, int mpegVersion);
    void deliverTitle(quint64 generation, const QString &title);

private:
    static gboolean onBusMessage(GstBus *bus, GstMessage *message, gpointer data);
    void handleMessage(GstMessage *message);
    void fail(const StreamFailure &failure);
    void drop();
    // Builds and starts the pipeline for m_url, its bytes delivered as `generation`'s.
    void open(quint64 generation);

    std::unique_ptr<GstPipelineWorker> m_worker;
    GstElement *m_pipeline = nullptr;
    unsigned m_busWatch = 0;
    quint64 m_generation = 0;
    std::shared_ptr<Relay> m_relay;
    QString m_lastTitle;
    QString m_url;
    qint64 m_openedAt = 0; // monotonic µs of the current connection's start
};
