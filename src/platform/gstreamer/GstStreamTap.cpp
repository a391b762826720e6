#include "gstreamer/GstStreamTap.h"

#include "base/Logging.h"
#include "base/NetworkText.h"
#include "gstreamer/GstPipelineWorker.h"

#include <gst/app/gstappsink.h>
#include <gst/base/gstbasesrc.h>
#include <gst/gst.h>

#include <chrono>

namespace {
// Where uridecodebin stops: the encoded audio as the server sends it. Anything else (a video,
// an HTML page) is decoded further and refused by the appsink's caps.
constexpr const char *kEncodedAudio =
    "audio/mpeg; application/ogg; audio/ogg; audio/x-flac; audio/aac; audio/x-opus";

QString text(const gchar *value)
{
    return value ? NetworkText::fromBytes(QByteArrayView(value, qsizetype(strlen(value)))) : QString();
}

// A paced station sends a few hundred bytes at a time; a hand-over to the main thread and a
// write for each would cost more than the bytes. They are gathered up to this much or this long
// (a fifth of a second is far less than anyone rewinds by).
constexpr qsizetype kBatchBytes = 16 * 1024;
constexpr gint64 kBatchMicroseconds = 200 * 1000;
// How much may wait for an ICY station's first title; far more than any metadata interval.
constexpr qsizetype kFirstTitleBytes = 512 * 1024;
// The tap has no deadline: after a read that took all there was (less than a block), its source
// waits this long before the next, and the socket gathers what comes meanwhile. A station that
// sends in small writes then wakes the tap's threads a few times a second, not for each write;
// a burst (whole blocks) is read at once.
constexpr std::chrono::milliseconds kReadPause{200};
// A connection that lasted this long is opened again when the server hangs up, and what it brings
// follows in the same stream of bytes (the player's own connection does the same); one that ended
// sooner is the stream's end.
constexpr gint64 kRejoinAfterUs = 2'000'000;

// Called with the relay's mutex held: hands what was gathered to the main thread.
void handOver(GstStreamTap::Relay &relay)
{
    if (relay.pending.isEmpty())
        return;
    if (GstStreamTap *tap = relay.tap) {
        // Queued to the main thread; Qt drops it if the tap is gone by then.
        QMetaObject::invokeMethod(
            tap,
            [tap, generation = relay.generation, bytes = relay.pending, mediaType = relay.mediaType,
             mpegVersion = relay.mpegVersion] { tap->deliver(generation, bytes, mediaType, mpegVersion); },
            Qt::QueuedConnection);
    }
    relay.pending = QByteArray();
}

GstFlowReturn onNewSample(GstAppSink *sink, gpointer data)
{
    auto &relay = **static_cast<std::shared_ptr<GstStreamTap::Relay> *>(data);
    GstSample *sample = gst_app_sink_pull_sample(sink);
    if (!sample)
        return GST_FLOW_EOS;
    QString mediaType;
    int mpegVersion = 0;
    if (GstCaps *caps = gst_sample_get_caps(sample); caps && gst_caps_get_size(caps) > 0) {
        const GstStructure *structure = gst_caps_get_structure(caps, 0);
        mediaType = QString::fromUtf8(gst_structure_get_name(structure));
        gst_structure_get_int(structure, "mpegversion", &mpegVersion);
    }
    const std::lock_guard lock(relay.mutex);
    if (mediaType != relay.mediaType || mpegVersion != relay.mpegVersion) {
        handOver(relay);
        relay.mediaType = mediaType;
        relay.mpegVersion = mpegVersion;
    }
    if (GstBuffer *buffer = gst_sample_get_buffer(sample)) {
        GstMapInfo map;
        if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            if (relay.pending.isEmpty())
                relay.pendingSince = g_get_monotonic_time();
            relay.pending.append(reinterpret_cast<const char *>(map.data), qsizetype(map.size));
            gst_buffer_unmap(buffer, &map);
        }
    }
    gst_sample_unref(sample);
    const bool due = relay.pending.size() >= kBatchBytes ||
                     g_get_monotonic_time() - relay.pendingSince >= kBatchMicroseconds;
    if (due && (!relay.awaitingFirstTitle || relay.pending.size() >= kFirstTitleBytes))
        handOver(relay);
    return GST_FLOW_OK;
}

// Titles travel with the bytes, in the stream's order: what came before a title change is handed
// over before the title, so that a song starts where the station says it does.
GstPadProbeReturn onEvent(GstPad *, GstPadProbeInfo *info, gpointer data)
{
    auto &relay = **static_cast<std::shared_ptr<GstStreamTap::Relay> *>(data);
    GstEvent *event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_TAG && GST_EVENT_TYPE(event) != GST_EVENT_EOS)
        return GST_PAD_PROBE_OK;
    const std::lock_guard lock(relay.mutex);
    GstTagList *tags = nullptr;
    gchar *title = nullptr;
    if (GST_EVENT_TYPE(event) == GST_EVENT_TAG) {
        gst_event_parse_tag(event, &tags);
        if (gst_tag_list_get_string(tags, GST_TAG_TITLE, &title)) {
            const bool first = relay.awaitingFirstTitle;
            relay.awaitingFirstTitle = false;
            if (!first)
                handOver(relay);
            if (relay.tap) {
                QMetaObject::invokeMethod(
                    relay.tap,
                    [tap = relay.tap, generation = relay.generation, clean = text(title)] {
                        tap->deliverTitle(generation, clean);
                    },
                    Qt::QueuedConnection);
            }
        }
        g_free(title);
    }
    if (!relay.awaitingFirstTitle)
        handOver(relay);
    return GST_PAD_PROBE_OK;
}

struct WatchContext {
    GstStreamTap *tap;
    quint64 generation;
};
} // namespace

GstStreamTap::GstStreamTap(QObject *parent) : StreamTap(parent) {}

GstStreamTap::~GstStreamTap()
{
    drop();
    m_worker.reset();
}

void GstStreamTap::start(const QString &url)
{
    drop();
    m_lastTitle.clear();
    m_url = url;
    open(++m_generation);
}

void GstStreamTap::open(quint64 generation)
{
    const QString &url = m_url;
    m_openedAt = g_get_monotonic_time();
    GError *error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        const QString message = error ? text(error->message) : QString();
        g_clear_error(&error);
        fail(StreamFailure(StreamFailure::Reason::Other, message));
        return;
    }
    if (!m_worker)
        m_worker = std::make_unique<GstPipelineWorker>();
    // The URL's own source into decodebin: uridecodebin would add a queue2 and its thread,
    // which the tap has no use for (the appsink takes the bytes as fast as they come).
    GstElement *source = gst_element_make_from_uri(GST_URI_SRC, url.toUtf8().constData(), "source", nullptr);
    GstElement *pipeline = gst_pipeline_new("tap");
    GstElement *decoder = gst_element_factory_make("decodebin", "decoder");
    GstElement *sink = gst_element_factory_make("appsink", "sink");
    if (!pipeline || !source || !decoder || !sink) {
        for (GstElement *element : {pipeline, source, decoder, sink}) {
            if (element)
                gst_object_unref(gst_object_ref_sink(element));
        }
        fail(StreamFailure(StreamFailure::Reason::NoDecoder, QStringLiteral("source, decodebin, appsink")));
        return;
    }
    GstCaps *caps = gst_caps_from_string(kEncodedAudio);
    g_object_set(decoder, "caps", caps, nullptr);
    // No clock: the bytes are taken as fast as they arrive. A few buffers held at most: the
    // tap never keeps more than a moment of the stream in memory.
    g_object_set(sink, "caps", caps, "sync", FALSE, "max-buffers", 64u, nullptr);
    gst_caps_unref(caps);
    gst_bin_add_many(GST_BIN(pipeline), source, decoder, sink, nullptr);
    gst_element_link(source, decoder);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(+[](GstElement *, GstPad *pad, gpointer data) {
                         GstPad *sinkPad = gst_element_get_static_pad(GST_ELEMENT(data), "sink");
                         if (!gst_pad_is_linked(sinkPad))
                             gst_pad_link(pad, sinkPad);
                         gst_object_unref(sinkPad);
                     }),
                     sink);

    m_relay = std::make_shared<Relay>();
    m_relay->tap = this;
    m_relay->generation = generation;
    const auto relayCopy = [](gpointer data) -> gpointer {
        return new std::shared_ptr<Relay>(*static_cast<std::shared_ptr<Relay> *>(data));
    };
    const auto relayFree = [](gpointer data) { delete static_cast<std::shared_ptr<Relay> *>(data); };
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = onNewSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, relayCopy(&m_relay), relayFree);
    GstPad *sourcePad = gst_element_get_static_pad(source, "src");
    gst_pad_add_probe(
        sourcePad, GstPadProbeType(GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM | GST_PAD_PROBE_TYPE_BUFFER),
        [](GstPad *pad, GstPadProbeInfo *info, gpointer data) {
            if (info->type & GST_PAD_PROBE_TYPE_BUFFER) {
                GstElement *reader = GST_PAD_PARENT(pad);
                if (GST_IS_BASE_SRC(reader) && gst_buffer_get_size(GST_PAD_PROBE_INFO_BUFFER(info)) <
                                                   gst_base_src_get_blocksize(GST_BASE_SRC(reader))) {
                    auto &relay = **static_cast<std::shared_ptr<Relay> *>(data);
                    std::unique_lock lock(relay.mutex);
                    relay.wake.wait_for(lock, kReadPause, [&] { return relay.stopping; });
                }
                return GST_PAD_PROBE_OK;
            }
            GstEvent *event = GST_PAD_PROBE_INFO_EVENT(info);
            if (GST_EVENT_TYPE(event) == GST_EVENT_CAPS) {
                GstCaps *found = nullptr;
                gst_event_parse_caps(event, &found);
                auto &relay = **static_cast<std::shared_ptr<Relay> *>(data);
                const std::lock_guard lock(relay.mutex);
                relay.awaitingFirstTitle =
                    found && gst_caps_get_size(found) > 0 &&
                    gst_structure_has_name(gst_caps_get_structure(found, 0), "application/x-icy");
            }
            return GST_PAD_PROBE_OK;
        },
        relayCopy(&m_relay), relayFree);
    gst_object_unref(sourcePad);
    GstPad *sinkPad = gst_element_get_static_pad(sink, "sink");
    gst_pad_add_probe(sinkPad, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, onEvent, relayCopy(&m_relay), relayFree);
    gst_object_unref(sinkPad);

    GstBus *bus = gst_element_get_bus(pipeline);
    m_busWatch = gst_bus_add_watch_full(bus, G_PRIORITY_DEFAULT, &GstStreamTap::onBusMessage,
                                        new WatchContext{this, generation},
                                        [](gpointer data) { delete static_cast<WatchContext *>(data); });
    gst_object_unref(bus);
    m_pipeline = pipeline;
    m_worker->setState(m_pipeline, GST_STATE_PLAYING);
}

void GstStreamTap::stop()
{
    ++m_generation;
    drop();
}

void GstStreamTap::drop()
{
    if (m_relay) {
        const std::lock_guard lock(m_relay->mutex);
        m_relay->tap = nullptr;
        m_relay->stopping = true;
        m_relay->wake.notify_all();
    }
    m_relay.reset();
    if (m_busWatch) {
        g_source_remove(m_busWatch);
        m_busWatch = 0;
    }
    if (m_pipeline) {
        GstBus *bus = gst_element_get_bus(m_pipeline);
        gst_bus_set_flushing(bus, TRUE);
        gst_object_unref(bus);
        m_worker->dispose(m_pipeline);
        m_pipeline = nullptr;
    }
}

void GstStreamTap::deliver(quint64 generation, const QByteArray &bytes, const QString &mediaType,
                           int mpegVersion)
{
    if (generation == m_generation && !bytes.isEmpty())
        Q_EMIT received(bytes, mediaType, mpegVersion);
}

void GstStreamTap::deliverTitle(quint64 generation, const QString &title)
{
    if (generation == m_generation && !title.isEmpty() && title != m_lastTitle) {
        m_lastTitle = title;
        Q_EMIT titleChanged(title);
    }
}

void GstStreamTap::fail(const StreamFailure &failure)
{
    drop();
    ++m_generation;
    Q_EMIT failed(failure);
}

gboolean GstStreamTap::onBusMessage(GstBus *, GstMessage *message, gpointer data)
{
    const auto *context = static_cast<WatchContext *>(data);
    if (context->generation == context->tap->m_generation)
        context->tap->handleMessage(message);
    return TRUE;
}

void GstStreamTap::handleMessage(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR: {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        const QString detail = error ? text(error->message) : QString();
        g_clear_error(&error);
        int status = 0;
        if (const GstStructure *details = nullptr;
            gst_message_parse_error_details(message, &details), details)
            gst_structure_get_int(details, "http-status-code", &status);
        fail(status >= 400 ? StreamFailure::http(status)
                           : StreamFailure(StreamFailure::Reason::Other, detail));
        break;
    }
    case GST_MESSAGE_EOS:
        if (g_get_monotonic_time() - m_openedAt >= kRejoinAfterUs) {
            qCInfo(lcPlayer, "Receiving the stream: the server hung up; connecting again");
            if (m_relay) {
                const std::lock_guard lock(m_relay->mutex);
                m_relay->awaitingFirstTitle = false; // what came is complete: out it goes
                handOver(*m_relay);
            }
            drop();
            open(m_generation);
            break;
        }
        fail(StreamFailure(StreamFailure::Reason::Ended));
        break;
    default:
        break;
    }
}
