#include "gstreamer/GstStreamBackend.h"

#include "base/Logging.h"
#include "base/MainThread.h"
#include "base/NetworkText.h"
#include "gstreamer/GstPipelineWorker.h"
#include "playback/StreamUrl.h"

#include <gio/gio.h>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <QPointer>
#include <QScopeGuard>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <string>

namespace {

// How long a stream plays before a pause is carried out (muted until then). pulsesink
// paused within the first moments of a stream left the sound server's clock running through
// the pause; on resume the audio went that far ahead and the stream played silence instead.
constexpr std::chrono::milliseconds kPauseSettle{1000};

// How often the watchdog looks at a stream's progress.
constexpr int kWatchdogIntervalMs = 250;
// How long the connection check behind a bare "Internal data stream error" may take before
// GStreamer's own text is reported instead.
constexpr int kDiagnosisTimeoutMs = 3000;

// Decoded audio held in front of the sink. The decoder runs this far ahead of what is heard, so
// a hang-up is seen as soon as the server's last data has been read rather than once it has been
// played, and the next connection has the buffered audio's length to join in behind it. A
// station's opening burst (a few seconds) fits.
constexpr guint64 kDecodedAheadNs = 10 * GST_SECOND;
// By then the audio a hung-up connection had decoded ahead has played and been freed.
constexpr std::chrono::milliseconds kReleaseAfterRejoin(qint64(kDecodedAheadNs / GST_MSECOND) + 5000);
// A connection that lasted this long is opened again as soon as the server hangs up, and joins
// the audio still buffered without a gap; one that ended sooner is reported ("stream ended"),
// and the player's back-off takes over. A server that accepts and hangs up at once is never
// reconnected to in a tight loop.
constexpr qint64 kRejoinAfterUs = 2'000'000;
// What the streaming threads tell the main thread over the bus: a source's connection ended
// after long enough to be joined anew (with the running time where its audio ends), and the
// first audio of a stream reached the sink (with the stream's generation).
constexpr const char *kSourceEndedMessage = "zeffira-source-ended";
constexpr const char *kSoundingMessage = "zeffira-sounding";
// A source's decoded audio found an output that takes nothing: its chosen device is gone.
constexpr const char *kNoOutputMessage = "zeffira-no-output";

// The limiter after the levelling gain: a hard knee at -1 dBFS with ratio 0 holds every sample
// at or below it. The gain leaves the peak below it, so it acts only on a sudden louder peak.
constexpr double kLimiterThreshold = 0.891; // -1 dBFS
// Level measurements per second while levelling.
constexpr guint64 kLevelIntervalNs = 100 * GST_MSECOND;

// PulseAudio resolves this name to the current default sink; a running stream cannot be
// moved to "no device", only to a named one.
constexpr const char *kDefaultSinkName = "@DEFAULT_SINK@";

bool s_gstAvailable = false;

// The libav decoders map about a thousand shared libraries (60 MiB resident) for MP3 and AAC;
// the native ones need well under half. Ranked above them, decodebin picks them first.
void preferLeanDecoders()
{
    GstRegistry *registry = gst_registry_get();
    for (const char *name : {"mpg123audiodec", "faad", "vorbisdec", "opusdec", "flacdec"}) {
        GstPluginFeature *feature = gst_registry_lookup_feature(registry, name);
        if (!feature)
            continue;
        if (gst_plugin_feature_get_rank(feature) <= GST_RANK_PRIMARY)
            gst_plugin_feature_set_rank(feature, GST_RANK_PRIMARY + 1);
        gst_object_unref(feature);
    }
}

// Typefinding a stream calls every typefind function until one is certain; an MP3 picked up
// mid-stream rarely makes the MP3 finder certain, so the search reached the libav plugin's
// finders, and loading that plugin (a few hundred libraries) cost more than the rest of the
// start together. The stream formats of radio are all known to GStreamer's own finders; libav
// keeps its decoders.
void dropLibavTypefinders()
{
    GstRegistry *registry = gst_registry_get();
    GList *features = gst_registry_get_feature_list_by_plugin(registry, "libav");
    for (GList *item = features; item; item = item->next) {
        auto *feature = GST_PLUGIN_FEATURE(item->data);
        if (GST_IS_TYPE_FIND_FACTORY(feature))
            gst_registry_remove_feature(registry, feature);
    }
    gst_plugin_feature_list_free(features);
}

void initGStreamer()
{
    static std::once_flag once;
    std::call_once(once, [] {
        GError *error = nullptr;
        if (!gst_init_check(nullptr, nullptr, &error)) {
            qCWarning(lcPlayer) << "GStreamer could not be initialised:"
                                << (error ? error->message : "unknown error");
            g_clear_error(&error);
            return;
        }
        preferLeanDecoders();
        dropLibavTypefinders();
        s_gstAvailable = true;
    });
}

// What every HTTP station needs, whatever it sends, and the decoders of MP3 and AAC, which most
// stations send. Loading a plugin maps its libraries and sets up its types; done ahead, it is
// off the path between the server's first byte and the first sound.
constexpr const char *kPreparedElements[] = {
    "uridecodebin",   "souphttpsrc",    "typefind",     "queue2",        "decodebin",
    "icydemux",       "pulsesink",      "audioconvert", "audioresample", "volume",
    "mpegaudioparse", "mpg123audiodec", "faad",         "level",         "audiodynamic",
};
// Typefinding a stream tries the finders of these plugins.
constexpr const char *kPreparedPlugins[] = {"typefindfunctions", "subparse"};

// GStreamer's texts can carry what a server sent (reason phrases, tag values).
QString networkText(const gchar *text)
{
    return text ? NetworkText::fromBytes(QByteArrayView(text, qsizetype(strlen(text)))) : QString();
}

// The element that reads from the network (souphttpsrc, rtspsrc, ...), as opposed to the
// bins around it, which also implement the URI handler interface.
bool isNetworkSource(GstObject *object)
{
    return object && GST_IS_URI_HANDLER(object) && !GST_IS_BIN(object) &&
           gst_uri_handler_get_uri_type(GST_URI_HANDLER(object)) == GST_URI_SRC;
}

quint16 defaultPort(const QString &scheme)
{
    if (scheme == QLatin1String("https") || scheme == QLatin1String("rtsps"))
        return 443;
    if (scheme.startsWith(QLatin1String("rtsp")))
        return 554;
    if (scheme.startsWith(QLatin1String("rtmp")))
        return 1935;
    if (scheme.startsWith(QLatin1String("mms")))
        return 1755;
    return 80;
}

// GStreamer hands a pad probe's data to its streaming thread under the pad's lock, which
// ThreadSanitizer cannot see (GStreamer is not instrumented); the sanitizer build is told.
#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);
void handOver(void *data)
{
    __tsan_release(data);
}
void takeOver(void *data)
{
    __tsan_acquire(data);
}
#else
void handOver(void *) {}
void takeOver(void *) {}
#endif

using ElementRef = std::shared_ptr<GstElement>;
ElementRef keep(GstElement *element)
{
    return ElementRef(GST_ELEMENT(gst_object_ref(element)), [](GstElement *e) { gst_object_unref(e); });
}

// The running time of the pipeline that `element` has been in since it started: what its clock
// (the sink's, which has played what it holds once flushed) says now; 0 before it runs on one.
gint64 runningTimeNow(GstElement *element)
{
    GstClock *clock = gst_element_get_clock(element);
    if (!clock)
        return 0;
    const GstClockTime now = gst_clock_get_time(clock);
    gst_object_unref(clock);
    const GstClockTime base = gst_element_get_base_time(element);
    return now > base ? gint64(now - base) : 0;
}

} // namespace

// When the audio that reached the sink arrived, and for which stream the sink now plays: shared
// by the sink's pad probe (a streaming thread) and the main thread, and kept with the pipeline
// across the streams it plays.
struct GstStreamBackend::SinkClock {
    std::atomic<qint64> last{0}; // monotonic µs of the last buffer at the sink; 0: none yet
    std::atomic<quint64> generation{0};
};

// One source's decoded audio on its way into the output: what its pad-added and pad probes
// (streaming threads) share with the main thread.
struct GstStreamBackend::SourceLink {
    ElementRef output;               // the bin the audio goes into
    std::atomic<gint64> startAt{-1}; // the running time its audio starts at; -1: when it links
    std::atomic<gint64> endsAt{0};   // the running time where its audio received so far ends
    qint64 connectedAt = g_get_monotonic_time();
    bool rejoins = false;      // a station's connection: joined anew when the server hangs up
    bool checksOutput = false; // a chosen device: whether it takes audio is asked first
};

namespace {
using LinkRef = std::shared_ptr<GstStreamBackend::SourceLink>;

GstPadProbeReturn onLinkedData(GstPad *pad, GstPadProbeInfo *info, gpointer data)
{
    takeOver(data);
    const LinkRef &link = *static_cast<LinkRef *>(data);
    GstPadProbeReturn verdict = GST_PAD_PROBE_OK;
    if (info->type & GST_PAD_PROBE_TYPE_BUFFER) {
        GstBuffer *buffer = GST_PAD_PROBE_INFO_BUFFER(info);
        if (GST_BUFFER_PTS_IS_VALID(buffer)) {
            const GstClockTime duration =
                GST_BUFFER_DURATION_IS_VALID(buffer) ? GST_BUFFER_DURATION(buffer) : 0;
            link->endsAt.store(gst_pad_get_offset(pad) + gint64(GST_BUFFER_PTS(buffer) + duration));
        }
    } else if (GST_EVENT_TYPE(GST_PAD_PROBE_INFO_EVENT(info)) == GST_EVENT_EOS && link->rejoins &&
               g_get_monotonic_time() - link->connectedAt >= kRejoinAfterUs) {
        // The server hung up (a radio stream has no end): the main thread joins it anew behind
        // the audio decoded ahead, which plays on; the end goes no further.
        if (GstElement *source = gst_pad_get_parent_element(pad)) {
            GstStructure *ended =
                gst_structure_new(kSourceEndedMessage, "ends-at", G_TYPE_INT64, link->endsAt.load(), nullptr);
            gst_element_post_message(source, gst_message_new_application(GST_OBJECT(source), ended));
            gst_object_unref(source);
        }
        verdict = GST_PAD_PROBE_DROP;
    }
    handOver(data);
    return verdict;
}

// A source's decoded audio appeared: it goes into the output, at the running time it was given
// or now (the stream it follows has already been cut off in front of the output).
void onSourcePad(GstElement *source, GstPad *pad, gpointer data)
{
    takeOver(data);
    const LinkRef &link = *static_cast<LinkRef *>(data);
    GstCaps *caps = gst_pad_get_current_caps(pad);
    if (!caps)
        caps = gst_pad_query_caps(pad, nullptr);
    const bool audio =
        caps && !gst_caps_is_empty(caps) &&
        g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, 0)), "audio/x-raw");
    if (caps)
        gst_caps_unref(caps);
    GstPad *input = gst_element_get_static_pad(link->output.get(), "sink");
    if (audio && link->checksOutput) {
        // A pulsesink whose device is gone offers no caps (and the stream would never start).
        GstCaps *taken = gst_pad_query_caps(input, nullptr);
        const bool none = !taken || gst_caps_is_empty(taken);
        if (taken)
            gst_caps_unref(taken);
        if (none) {
            gst_element_post_message(
                source,
                gst_message_new_application(GST_OBJECT(source), gst_structure_new_empty(kNoOutputMessage)));
            gst_object_unref(input);
            handOver(data);
            return;
        }
    }
    if (audio && !gst_pad_is_linked(input)) {
        const gint64 now = runningTimeNow(link->output.get());
        gst_pad_set_offset(pad, std::max(link->startAt.load(), now));
        gst_pad_add_probe(pad,
                          GstPadProbeType(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM),
                          onLinkedData, new LinkRef(link), [](gpointer ref) {
                              takeOver(ref);
                              delete static_cast<LinkRef *>(ref);
                          });
        gst_pad_link(pad, input);
    }
    gst_object_unref(input);
    handOver(data);
}

GstPadProbeReturn onSinkBuffer(GstPad *pad, GstPadProbeInfo *, gpointer data)
{
    takeOver(data);
    auto &clock = **static_cast<std::shared_ptr<GstStreamBackend::SinkClock> *>(data);
    if (clock.last.exchange(g_get_monotonic_time(), std::memory_order_relaxed) == 0) {
        // The first audio of a stream: the main thread reports it ready at once.
        if (GstElement *sink = gst_pad_get_parent_element(pad)) {
            GstStructure *sounding = gst_structure_new(kSoundingMessage, "generation", G_TYPE_UINT64,
                                                       guint64(clock.generation.load()), nullptr);
            gst_element_post_message(sink, gst_message_new_application(GST_OBJECT(sink), sounding));
            gst_object_unref(sink);
        }
    }
    handOver(data); // to the thread that drops the probe
    return GST_PAD_PROBE_OK;
}

// Each HTTP source keeps a session (and its thread) of its own. Sources in one pipeline otherwise
// share one, and tearing a replaced source down while the next one uses it crashed in libsoup.
// A timeout other than the default is what keeps souphttpsrc from sharing; ours is longer than its
// own, and the start and stall timeouts come first anyway.
constexpr guint kHttpTimeoutSeconds = 20;
void onSourceSetup(GstElement *, GstElement *source, gpointer)
{
    if (g_object_class_find_property(G_OBJECT_GET_CLASS(source), "timeout") &&
        g_str_has_prefix(G_OBJECT_TYPE_NAME(source), "GstSoupHTTPSrc"))
        g_object_set(source, "timeout", kHttpTimeoutSeconds, nullptr);
}

// An HTTP station's source: the URL's own source element straight into decodebin, in a bin that
// shows decodebin's audio pads as its own. uridecodebin would put a queue2 and its thread between
// them, one more thread woken for each read; the output's queue already holds the audio ahead.
void onDecodedPad(GstElement *decoder, GstPad *pad, gpointer)
{
    GstElement *bin = GST_ELEMENT(gst_object_get_parent(GST_OBJECT(decoder)));
    if (!bin)
        return;
    GstPad *ghost = gst_ghost_pad_new(nullptr, pad);
    gst_pad_set_active(ghost, TRUE);
    gst_element_add_pad(bin, ghost); // the bin's pad-added: onSourcePad
    gst_object_unref(bin);
}

// decodebin drops a pad when a chained stream moves on to its next part; its ghost goes with it.
void onDecodedPadGone(GstElement *decoder, GstPad *pad, gpointer)
{
    GstElement *bin = GST_ELEMENT(gst_object_get_parent(GST_OBJECT(decoder)));
    if (!bin)
        return;
    GstIterator *pads = gst_element_iterate_src_pads(bin);
    GValue item = G_VALUE_INIT;
    GstPad *gone = nullptr;
    while (!gone && gst_iterator_next(pads, &item) == GST_ITERATOR_OK) {
        auto *ghost = GST_PAD(g_value_get_object(&item));
        if (GstPad *target = gst_ghost_pad_get_target(GST_GHOST_PAD(ghost))) {
            if (target == pad)
                gone = GST_PAD(gst_object_ref(ghost));
            gst_object_unref(target);
        }
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(pads);
    if (gone) {
        gst_element_remove_pad(bin, gone);
        gst_object_unref(gone);
    }
    gst_object_unref(bin);
}

GstElement *makeHttpSource(const QByteArray &uri, GstCaps *audio)
{
    GstElement *reader = gst_element_make_from_uri(GST_URI_SRC, uri.constData(), nullptr, nullptr);
    GstElement *decoder = gst_element_factory_make("decodebin", nullptr);
    if (!reader || !decoder) {
        for (GstElement *element : {reader, decoder}) {
            if (element)
                gst_object_unref(gst_object_ref_sink(element));
        }
        return nullptr;
    }
    onSourceSetup(nullptr, reader, nullptr);
    g_object_set(decoder, "caps", audio, nullptr);
    GstElement *bin = gst_bin_new(nullptr);
    gst_bin_add_many(GST_BIN(bin), reader, decoder, nullptr);
    gst_element_link(reader, decoder);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(onDecodedPad), nullptr);
    g_signal_connect(decoder, "pad-removed", G_CALLBACK(onDecodedPadGone), nullptr);
    return bin;
}

// makeSource found no element to build a stream's source from.
StreamFailure noSourceFailure()
{
    return StreamFailure(StreamFailure::Reason::Other,
                         QStringLiteral("GStreamer's decodebin or uridecodebin element is missing"));
}

// Drops whatever a source that has been replaced still sends, so that nothing of it reaches the
// output (nor fails for want of a peer) while it is torn down.
GstPadProbeReturn dropAll(GstPad *, GstPadProbeInfo *, gpointer)
{
    return GST_PAD_PROBE_DROP;
}

// The rewind buffer's bytes reach appsrc in pieces of this size, and it holds at most
// kFeedQueued of them: the rest stays on disk.
constexpr qint64 kFeedChunk = 16 * 1024;
constexpr guint64 kFeedQueued = 64 * 1024;
// A feed with nothing new to give is asked again after this long.
constexpr int kFeedRetryMs = 100;

} // namespace

// What a feed's appsrc and its streaming thread share with the main thread.
struct GstStreamBackend::FeedState {
    std::mutex mutex;
    GstElement *appsrc = nullptr;        // a reference, from source-setup; guarded
    GstStreamBackend *backend = nullptr; // cut off when the stream goes; guarded
    quint64 generation = 0;
    std::atomic<bool> wanted{false}; // appsrc asked for data and has not had enough yet
    bool retryPending = false;       // main thread only
    GstCaps *caps = nullptr;         // set before the pipeline exists, then only read
    ~FeedState()
    {
        if (caps)
            gst_caps_unref(caps);
    }
};

namespace {
using FeedRef = std::shared_ptr<GstStreamBackend::FeedState>;

void askForFeed(const FeedRef &feed)
{
    const std::lock_guard lock(feed->mutex);
    if (GstStreamBackend *backend = feed->backend) {
        const quint64 generation = feed->generation;
        QMetaObject::invokeMethod(
            backend, [backend, generation] { backend->pumpFeed(generation); }, Qt::QueuedConnection);
    }
}

void onFeedNeedData(GstAppSrc *, guint, gpointer data)
{
    const FeedRef &feed = *static_cast<FeedRef *>(data);
    feed->wanted.store(true);
    askForFeed(feed);
}

void onFeedEnoughData(GstAppSrc *, gpointer data)
{
    (*static_cast<FeedRef *>(data))->wanted.store(false);
}

// On the worker thread, as playbin makes its source: the feed's appsrc.
void onFeedSourceSetup(GstElement *, GstElement *source, gpointer data)
{
    if (!GST_IS_APP_SRC(source))
        return;
    const FeedRef &feed = *static_cast<FeedRef *>(data);
    g_object_set(source, "format", GST_FORMAT_BYTES, "max-bytes", kFeedQueued, "block", FALSE, nullptr);
    gst_util_set_object_arg(G_OBJECT(source), "stream-type", "stream");
    // Known caps spare the typefinding of a piece that starts mid-frame.
    if (feed->caps)
        g_object_set(source, "caps", feed->caps, nullptr);
    GstAppSrcCallbacks callbacks{};
    callbacks.need_data = onFeedNeedData;
    callbacks.enough_data = onFeedEnoughData;
    gst_app_src_set_callbacks(GST_APP_SRC(source), &callbacks, new FeedRef(feed),
                              [](gpointer ref) { delete static_cast<FeedRef *>(ref); });
    const std::lock_guard lock(feed->mutex);
    if (feed->backend && !feed->appsrc)
        feed->appsrc = GST_ELEMENT(gst_object_ref(source));
}
} // namespace

struct GstStreamBackend::Stream {
    enum class Phase {
        Loading,  // started, no audio yet
        Playing,  // ready was reported
        Finished, // failed or ended; the pipeline is gone and nothing more is reported
    };

    quint64 generation = 0;
    QString url;
    // The pipeline (owned) and in it: the output (the decoded audio held ahead, the volume and
    // the sink), which a playing stream hands on to the next one, and this stream's source.
    GstElement *pipeline = nullptr;
    GstElement *output = nullptr;
    GstElement *source = nullptr;
    GstElement *sink = nullptr;
    GstElement *volume = nullptr; // between the decoded audio and the sink
    bool sinkIsPulse = false;
    bool levelling = false;            // built with the level meter, the gain and the limiter
    std::optional<QString> sinkDevice; // what the sink was last told
    guint busWatch = 0;
    Phase phase = Phase::Loading;
    bool reachedPlaying = false; // the pipeline is in PLAYING (with audio or, if live, not yet)
    bool paused = false;
    bool waitingForPreparation = false; // started while GStreamer loaded: no pipeline yet
    // A pause asked for before audio reached the sound server: carried out once it has.
    bool pausePending = false;
    QElapsedTimer sinceStart;
    // When audio last reached the sink, written on a streaming thread; shared with the sink's pad
    // probe and with the streams the output is handed on to.
    std::shared_ptr<SinkClock> sinkClock;
    // Monotonic µs from which a lack of buffers counts as a stall (ready or the last resume).
    qint64 quietSince = 0;
    qint64 readyAt = 0; // monotonic µs of ready
    QString title;
    QString missingDecoder; // caps of a decoder GStreamer looked for and did not have
    GCancellable *diagnosis = nullptr;
    // A feed instead of a URL: its reader and what its appsrc shares.
    Feed read;
    std::shared_ptr<FeedState> feed;
};

namespace {

struct WatchContext {
    GstStreamBackend *backend;
    quint64 generation;
};

struct DiagnosisContext {
    QPointer<GstStreamBackend> backend;
    quint64 generation;
    bool wasPlaying;
    StreamFailure fallback;
};

} // namespace

GstStreamBackend::GstStreamBackend(QObject *parent)
    : StreamBackend(parent), m_worker(std::make_unique<GstPipelineWorker>())
{
    // GStreamer starts with the first stream: loading its plugin registry costs a few MiB that
    // an idle tray does not need.
    m_watchdog.setInterval(kWatchdogIntervalMs);
    connect(&m_watchdog, &QTimer::timeout, this, &GstStreamBackend::checkProgress);
}

GstStreamBackend::~GstStreamBackend()
{
    if (m_preparation.joinable())
        m_preparation.join();
    dropStream();
    stopChime();
    // The worker's destructor lets the dropped pipelines finish before the process may go on
    // to unload plugins.
    m_worker.reset();
}

void GstStreamBackend::prepare()
{
    MainThread::check(Q_FUNC_INFO);
    if (m_preparation.joinable() || m_stream)
        return;
    m_preparing = true;
    m_preparation = std::thread([this] {
        // Posted last: the destructor joins this thread, and the call dies with the object.
        const auto done =
            qScopeGuard([this] { QMetaObject::invokeMethod(this, "onPrepared", Qt::QueuedConnection); });
        initGStreamer();
        if (!s_gstAvailable)
            return;
        for (const char *name : kPreparedElements) {
            if (GstElement *element = gst_element_factory_make(name, nullptr))
                gst_object_unref(gst_object_ref_sink(element));
        }
        for (const char *name : kPreparedPlugins) {
            if (GstPlugin *plugin = gst_plugin_load_by_name(name))
                gst_object_unref(plugin);
        }
        // The HTTP source asks for the proxy settings before it connects; finding out how to
        // read them loads GIO's modules.
        g_proxy_resolver_get_default();
    });
}

void GstStreamBackend::onPrepared()
{
    m_preparing = false;
    if (m_stream && m_stream->waitingForPreparation)
        startPipeline();
}

std::optional<StreamFailure> GstStreamBackend::rejectionReason(const QString &url)
{
    if (auto reason = StreamUrl::rejectionReason(url))
        return reason;
    const QString scheme = QUrl(url, QUrl::StrictMode).scheme().toLower();
    initGStreamer();
    if (!s_gstAvailable || !gst_uri_protocol_is_supported(GST_URI_SRC, scheme.toLatin1().constData()))
        return StreamFailure(StreamFailure::Reason::UnsupportedScheme);
    return std::nullopt;
}

void GstStreamBackend::start(const QString &url)
{
    MainThread::check(Q_FUNC_INFO);
    auto stream = std::make_unique<Stream>();
    stream->generation = ++m_generation;
    stream->url = url;
    replaceStream(std::move(stream));
}

bool GstStreamBackend::canHandOn(const Stream &next) const
{
    // Only a station that sounds hands its output on to another station: its pipeline runs, on
    // a clock, and the sink's sound server stream is there to keep. The rewind buffer's feeds
    // start anew: the moment they play is reckoned from their first sound, as when they began.
    const Stream *s = m_stream.get();
    return s && s->pipeline && s->source && !s->feed && !next.feed && s->phase == Stream::Phase::Playing &&
           !s->paused && !s->pausePending && s->sinkIsPulse && s->levelling == m_levelling && !m_preparing &&
           !rejectionReason(next.url);
}

void GstStreamBackend::replaceStream(std::unique_ptr<Stream> next)
{
    if (canHandOn(*next)) {
        std::unique_ptr<Stream> previous = std::move(m_stream);
        m_watchdog.stop();
        detach(*previous);
        m_stream = std::move(next);
        handOnOutput(*previous);
        return;
    }
    dropStream();
    m_stream = std::move(next);
    // Loading GStreamer on the other thread would hold this one up (its initialisation and
    // plugin loading are serialised): the pipeline is made once it is done.
    m_stream->waitingForPreparation = m_preparing;
    if (!m_preparing)
        startPipeline();
}

bool GstStreamBackend::startFeed(const QString &caps, Feed feed)
{
    MainThread::check(Q_FUNC_INFO);
    auto stream = std::make_unique<Stream>();
    stream->generation = ++m_generation;
    stream->url = QStringLiteral("appsrc://");
    stream->read = std::move(feed);
    stream->feed = std::make_shared<FeedState>();
    stream->feed->backend = this;
    stream->feed->generation = stream->generation;
    if (!caps.isEmpty())
        stream->feed->caps = gst_caps_from_string(caps.toUtf8().constData());
    replaceStream(std::move(stream));
    return true;
}

void GstStreamBackend::pumpFeed(quint64 generation)
{
    if (!m_stream || m_stream->generation != generation || !m_stream->feed || !m_stream->pipeline)
        return;
    const std::shared_ptr<FeedState> feed = m_stream->feed;
    GstElement *source = nullptr;
    {
        const std::lock_guard lock(feed->mutex);
        if (feed->appsrc)
            source = GST_ELEMENT(gst_object_ref(feed->appsrc));
    }
    if (!source)
        return;
    // A few pieces at a time, so that the event loop is not held; appsrc says when it has enough.
    constexpr int kPiecesAtOnce = 8;
    int pieces = 0;
    for (; pieces < kPiecesAtOnce && feed->wanted.load(); ++pieces) {
        const QByteArray bytes = m_stream->read(kFeedChunk);
        if (bytes.isEmpty()) {
            if (!feed->retryPending) {
                feed->retryPending = true;
                QTimer::singleShot(kFeedRetryMs, this, [this, generation] {
                    if (m_stream && m_stream->generation == generation && m_stream->feed) {
                        m_stream->feed->retryPending = false;
                        pumpFeed(generation);
                    }
                });
            }
            break;
        }
        gst_app_src_push_buffer(GST_APP_SRC(source),
                                gst_buffer_new_memdup(bytes.constData(), gsize(bytes.size())));
    }
    if (pieces == kPiecesAtOnce && feed->wanted.load())
        askForFeed(feed);
    gst_object_unref(source);
}

void GstStreamBackend::startPipeline()
{
    Stream &s = *m_stream;
    const QString &url = s.url;
    const quint64 generation = s.generation;
    s.waitingForPreparation = false;
    s.sinceStart.start();

    if (const auto reason = s.feed ? std::nullopt : rejectionReason(url)) {
        reportFailureLater(*reason);
        return;
    }
    initGStreamer();

    s.pipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new(nullptr)));
    s.sink = makeAudioSink();
    s.output = makeOutput(s);
    gst_bin_add(GST_BIN(s.pipeline), s.output);
    if (s.sinkIsPulse && wantedDevice()) {
        setSinkDevice(s, wantedDevice()->toUtf8());
        s.sinkDevice = wantedDevice();
    }
    GstElement *source = makeSource(s, -1);
    if (!source) {
        dropPipeline(s);
        reportFailureLater(noSourceFailure());
        return;
    }
    gst_bin_add(GST_BIN(s.pipeline), source);
    gst_object_unref(source); // the pipeline's now
    s.source = source;
    g_object_set(s.volume, "volume", s.pausePending ? 0.0 : outputVolume(), nullptr);

    s.sinkClock = std::make_shared<SinkClock>();
    s.sinkClock->generation.store(generation);
    if (GstPad *pad = gst_element_get_static_pad(s.sink, "sink")) {
        auto *clock = new std::shared_ptr<SinkClock>(s.sinkClock);
        handOver(clock);
        gst_pad_add_probe(pad, GstPadProbeType(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST),
                          onSinkBuffer, clock, [](gpointer data) {
                              takeOver(data);
                              delete static_cast<std::shared_ptr<SinkClock> *>(data);
                          });
        gst_object_unref(pad);
    }
    watchBus(s);

    // Straight to PLAYING: the sink starts with the first decoded audio. BUFFERING messages
    // are not waited for (see handleMessage). A pipeline that cannot start posts its error on
    // the bus; one that posts nothing is caught by the start timeout.
    m_worker->setState(s.pipeline, GST_STATE_PLAYING);
    m_watchdog.start();
}

GstElement *GstStreamBackend::makeSource(Stream &s, qint64 startAt)
{
    // Audio only: anything else a stream carries is not decoded, and stays unlinked.
    GstCaps *audio = gst_caps_from_string("audio/x-raw");
    const QByteArray uri = s.url.toUtf8();
    const QString scheme = QUrl(s.url).scheme().toLower();
    const bool http = !s.feed && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    GstElement *source =
        http ? makeHttpSource(uri, audio) : gst_element_factory_make("uridecodebin", nullptr);
    if (!source) {
        gst_caps_unref(audio);
        return nullptr;
    }
    gst_object_ref_sink(source);
    if (!http)
        g_object_set(source, "uri", uri.constData(), "caps", audio, nullptr);
    gst_caps_unref(audio);
    auto link = std::make_shared<SourceLink>();
    link->output = keep(s.output);
    link->startAt.store(startAt);
    link->rejoins = !s.feed; // a feed has no server to hang up
    link->checksOutput = s.sinkDevice.has_value();
    auto *ref = new LinkRef(link);
    handOver(ref);
    g_signal_connect_data(
        source, "pad-added", G_CALLBACK(onSourcePad), ref,
        [](gpointer data, GClosure *) {
            takeOver(data);
            delete static_cast<LinkRef *>(data);
        },
        GConnectFlags(0));
    if (s.feed)
        g_signal_connect_data(
            source, "source-setup", G_CALLBACK(onFeedSourceSetup), new FeedRef(s.feed),
            [](gpointer data, GClosure *) { delete static_cast<FeedRef *>(data); }, GConnectFlags(0));
    else if (!http)
        g_signal_connect(source, "source-setup", G_CALLBACK(onSourceSetup), nullptr);
    return source;
}

void GstStreamBackend::watchBus(Stream &s)
{
    GstBus *bus = gst_element_get_bus(s.pipeline);
    s.busWatch = gst_bus_add_watch_full(bus, G_PRIORITY_DEFAULT, &GstStreamBackend::onBusMessage,
                                        new WatchContext{this, s.generation},
                                        [](gpointer data) { delete static_cast<WatchContext *>(data); });
    gst_object_unref(bus);
}

namespace {
// On the worker: `incoming` takes the place of `outgoing` in front of `output`. What the outgoing
// source still sends is dropped; with `flush`, so is what the output holds of it (the sink's
// sound server stream stays, and plays the incoming audio as soon as it comes). `armed` runs
// once nothing of the outgoing source can reach the sink any more.
void replaceSource(GstElement *pipeline, GstElement *output, GstElement *outgoing, GstElement *incoming,
                   bool flush, const std::function<void()> &armed)
{
    GstPad *input = gst_element_get_static_pad(output, "sink");
    if (GstPad *peer = gst_pad_get_peer(input)) {
        gst_pad_add_probe(peer, GST_PAD_PROBE_TYPE_DATA_DOWNSTREAM, dropAll, nullptr, nullptr);
        gst_pad_unlink(peer, input);
        gst_object_unref(peer);
    }
    if (flush) {
        gst_pad_send_event(input, gst_event_new_flush_start());
        // Serialised with the input's streaming: nothing of the outgoing source is on its way in
        // once this returns. The running time goes on.
        gst_pad_send_event(input, gst_event_new_flush_stop(FALSE));
    }
    gst_object_unref(input);
    armed();
    // Gone before the next one connects: an HTTP source torn down while another starts crashed
    // in libsoup's session thread.
    if (outgoing) {
        gst_element_set_state(outgoing, GST_STATE_NULL);
        gst_bin_remove(GST_BIN(pipeline), outgoing);
    }
    // Added to a running pipeline, it prerolls by itself rather than taking the pipeline back
    // to PAUSED.
    g_object_set(incoming, "async-handling", TRUE, nullptr);
    gst_bin_add(GST_BIN(pipeline), incoming); // a reference of the pipeline's own
    gst_element_sync_state_with_parent(incoming);
}
} // namespace

void GstStreamBackend::handOnOutput(Stream &previous)
{
    Stream &s = *m_stream;
    s.sinceStart.start();
    s.pipeline = std::exchange(previous.pipeline, nullptr);
    s.output = previous.output;
    s.sink = previous.sink;
    s.volume = previous.volume;
    s.sinkIsPulse = previous.sinkIsPulse;
    s.levelling = previous.levelling;
    s.sinkDevice = previous.sinkDevice;
    s.sinkClock = previous.sinkClock;
    s.reachedPlaying = true; // the pipeline plays on
    // Reports still queued for the previous stream go with it.
    GstBus *bus = gst_element_get_bus(s.pipeline);
    gst_bus_set_flushing(bus, TRUE);
    gst_bus_set_flushing(bus, FALSE);
    gst_object_unref(bus);
    watchBus(s);
    g_object_set(s.volume, "volume", outputVolume(), nullptr);
    applyDevice();

    GstElement *incoming = makeSource(s, -1);
    if (!incoming) {
        reportFailureLater(noSourceFailure());
        return;
    }
    s.source = incoming;
    switchSource(previous.source, incoming, true);
    gst_object_unref(incoming);
    m_watchdog.start();
    // As after a rejoin: what the old source held is handed back once it has gone.
    QTimer::singleShot(kReleaseAfterRejoin, this, [this] {
        if (m_worker)
            m_worker->releaseFreedHeap();
    });
}

void GstStreamBackend::switchSource(GstElement *outgoing, GstElement *incoming, bool flush)
{
    Stream &s = *m_stream;
    if (flush)
        s.sinkClock->last.store(0); // not sounding until the incoming source's first audio
    const ElementRef output = keep(s.output), in = keep(incoming);
    const ElementRef out = outgoing ? keep(outgoing) : nullptr;
    m_worker->run(s.pipeline, [pipeline = s.pipeline, output, out, in, flush, clock = s.sinkClock,
                               generation = s.generation] {
        replaceSource(pipeline, output.get(), out.get(), in.get(), flush, [&] {
            if (flush) {
                clock->last.store(0);
                clock->generation.store(generation);
            }
        });
    });
}

GstElement *GstStreamBackend::makeOutput(Stream &s)
{
    // queue (the decoded audio held ahead) ! audioconvert ! audioresample ! volume ! the sink;
    // with levelling, ... audioresample ! F32 ! level ! volume ! audiodynamic (limiter) ! the sink.
    // The sink takes whatever the stream's decoder gives; the converters pass it through.
    GstElement *output = gst_bin_new(nullptr);
    GstElement *ahead = gst_element_factory_make("queue", nullptr);
    s.volume = gst_element_factory_make("volume", nullptr);
    g_object_set(ahead, "max-size-time", kDecodedAheadNs, "max-size-buffers", 0u, "max-size-bytes", 0u,
                 nullptr);
    GstElement *convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement *resample = gst_element_factory_make("audioresample", nullptr);
    GstElement *meter = m_levelling ? gst_element_factory_make("level", nullptr) : nullptr;
    GstElement *limiter = m_levelling ? gst_element_factory_make("audiodynamic", nullptr) : nullptr;
    s.levelling = meter && limiter;
    if (s.levelling) {
        // Floating point between the meter and the limiter: the gain cannot clip before it.
        GstElement *format = gst_element_factory_make("capsfilter", nullptr);
        GstCaps *caps = gst_caps_from_string("audio/x-raw,format=F32LE");
        g_object_set(format, "caps", caps, nullptr);
        gst_caps_unref(caps);
        g_object_set(meter, "interval", kLevelIntervalNs, "post-messages", TRUE, nullptr);
        gst_util_set_object_arg(G_OBJECT(limiter), "characteristics", "hard-knee");
        gst_util_set_object_arg(G_OBJECT(limiter), "mode", "compressor");
        g_object_set(limiter, "threshold", float(kLimiterThreshold), "ratio", 0.0f, nullptr);
        gst_bin_add_many(GST_BIN(output), ahead, convert, resample, format, meter, s.volume, limiter, s.sink,
                         nullptr);
        gst_element_link_many(ahead, convert, resample, format, meter, s.volume, limiter, s.sink, nullptr);
    } else {
        if (m_levelling) {
            qCWarning(lcPlayer) << "GStreamer's level or audiodynamic element is missing; "
                                   "playing without levelling";
            for (GstElement *element : {meter, limiter})
                if (element)
                    gst_object_unref(gst_object_ref_sink(element));
        }
        gst_bin_add_many(GST_BIN(output), ahead, convert, resample, s.volume, s.sink, nullptr);
        gst_element_link_many(ahead, convert, resample, s.volume, s.sink, nullptr);
    }
    GstPad *pad = gst_element_get_static_pad(ahead, "sink");
    gst_element_add_pad(output, gst_ghost_pad_new("sink", pad));
    gst_object_unref(pad);
    return output;
}

double GstStreamBackend::outputVolume() const
{
    const bool levelled = m_stream && m_stream->levelling;
    return double(m_volume) * (levelled ? std::pow(10.0, m_levellingGainDb / 20.0) : 1.0);
}

void GstStreamBackend::setLevelling(bool on)
{
    MainThread::check(Q_FUNC_INFO);
    m_levelling = on;
}

void GstStreamBackend::setLevellingGain(double db)
{
    MainThread::check(Q_FUNC_INFO);
    if (!std::isfinite(db))
        return;
    m_levellingGainDb = db;
    if (m_stream && m_stream->volume && m_stream->levelling && !m_stream->pausePending)
        g_object_set(m_stream->volume, "volume", outputVolume(), nullptr);
}

void GstStreamBackend::reportLevel(GstMessage *message)
{
    const GstStructure *structure = gst_message_get_structure(message);
    const GValue *rms = gst_structure_get_value(structure, "rms");
    const GValue *peak = gst_structure_get_value(structure, "peak");
    if (!rms || !peak)
        return;
    // level hands its per-channel values over as a GValueArray, deprecated in GLib but still
    // what the element posts.
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    const auto *rmsValues = static_cast<const GValueArray *>(g_value_get_boxed(rms));
    const auto *peakValues = static_cast<const GValueArray *>(g_value_get_boxed(peak));
    if (!rmsValues || !peakValues || rmsValues->n_values == 0)
        return;
    double power = 0.0;
    double loudestPeak = -HUGE_VAL;
    for (guint i = 0; i < rmsValues->n_values; ++i)
        power += std::pow(
            10.0, g_value_get_double(g_value_array_get_nth(const_cast<GValueArray *>(rmsValues), i)) / 10.0);
    for (guint i = 0; i < peakValues->n_values; ++i)
        loudestPeak = std::max(
            loudestPeak, g_value_get_double(g_value_array_get_nth(const_cast<GValueArray *>(peakValues), i)));
    G_GNUC_END_IGNORE_DEPRECATIONS
    Q_EMIT levelMeasured(10.0 * std::log10(power / double(rmsValues->n_values)), loudestPeak);
}

GstElement *GstStreamBackend::makeAudioSink()
{
    Stream &s = *m_stream;
    if (GstElement *pulse = gst_element_factory_make("pulsesink", nullptr)) {
        s.sinkIsPulse = true;
        return pulse;
    }
    static bool warned = false;
    if (!warned) {
        warned = true;
        qCWarning(lcPlayer) << "pulsesink is missing; playing through autoaudiosink, without "
                               "output device selection";
    }
    return gst_element_factory_make("autoaudiosink", nullptr);
}

void GstStreamBackend::pause()
{
    MainThread::check(Q_FUNC_INFO);
    if (!m_stream || !(m_stream->pipeline || m_stream->waitingForPreparation) || m_stream->paused ||
        m_stream->pausePending)
        return;
    Stream &s = *m_stream;
    // Too early a pause breaks the resume (see kPauseSettle): the stream goes on muted for
    // that long, and the watchdog pauses it then.
    if (!audioReachedServer(s)) {
        s.pausePending = true;
        if (s.volume)
            g_object_set(s.volume, "volume", 0.0, nullptr);
        return;
    }
    s.paused = true;
    m_worker->setState(s.pipeline, GST_STATE_PAUSED);
}

void GstStreamBackend::resume()
{
    MainThread::check(Q_FUNC_INFO);
    if (!m_stream || !(m_stream->pipeline || m_stream->waitingForPreparation))
        return;
    Stream &s = *m_stream;
    if (s.pausePending) {
        s.pausePending = false;
        if (s.volume)
            g_object_set(s.volume, "volume", outputVolume(), nullptr);
        return;
    }
    if (!s.paused)
        return;
    s.paused = false;
    s.quietSince = g_get_monotonic_time();
    m_worker->setState(s.pipeline, GST_STATE_PLAYING);
}

bool GstStreamBackend::audioReachedServer(const Stream &s) const
{
    const qint64 settle = std::chrono::duration_cast<std::chrono::microseconds>(kPauseSettle).count();
    return s.phase == Stream::Phase::Playing && g_get_monotonic_time() - s.readyAt >= settle;
}

void GstStreamBackend::clear()
{
    MainThread::check(Q_FUNC_INFO);
    dropStream();
    ++m_generation;
}

void GstStreamBackend::setVolume(float volume)
{
    MainThread::check(Q_FUNC_INFO);
    if (std::isnan(volume))
        return;
    m_volume = std::clamp(volume, 0.0f, 1.0f);
    if (m_stream && m_stream->volume && !m_stream->pausePending)
        g_object_set(m_stream->volume, "volume", outputVolume(), nullptr);
}

void GstStreamBackend::setOutputDevice(const std::optional<QString> &deviceUid)
{
    MainThread::check(Q_FUNC_INFO);
    if (deviceUid != m_device)
        m_unavailableDevice.reset(); // a new choice is tried afresh
    m_device = deviceUid;
    applyDevice();
}

void GstStreamBackend::startChime(float volume)
{
    MainThread::check(Q_FUNC_INFO);
    initGStreamer();
    if (!s_gstAvailable || std::isnan(volume))
        return;
    if (!m_chime) {
        GstElement *source = gst_element_factory_make("audiotestsrc", nullptr);
        GstElement *convert = gst_element_factory_make("audioconvert", nullptr);
        GstElement *resample = gst_element_factory_make("audioresample", nullptr);
        GstElement *level = gst_element_factory_make("volume", nullptr);
        GstElement *sink = gst_element_factory_make("pulsesink", nullptr);
        const bool pulse = sink != nullptr;
        if (!sink)
            sink = gst_element_factory_make("autoaudiosink", nullptr);
        if (!source || !convert || !resample || !level || !sink) {
            qCWarning(lcPlayer, "Cannot make the alarm's chime: a GStreamer element is missing");
            for (GstElement *element : {source, convert, resample, level, sink})
                if (element)
                    gst_object_unref(gst_object_ref_sink(element));
            return;
        }
        // A soft-edged 880 Hz beep of 0.4 s every 0.8 s.
        constexpr double frequency = 880;
        g_object_set(source, "wave", 8 /* ticks */, "freq", frequency, "sine-periods-per-tick",
                     guint(frequency * 0.4), "tick-interval", guint64(800 * GST_MSECOND), "apply-tick-ramp",
                     TRUE, "is-live", TRUE, nullptr);
        if (pulse)
            if (const std::optional<QString> device = wantedDevice())
                g_object_set(sink, "device", device->toUtf8().constData(), nullptr);
        GstElement *pipeline = gst_pipeline_new("chime");
        gst_bin_add_many(GST_BIN(pipeline), source, convert, resample, level, sink, nullptr);
        gst_element_link_many(source, convert, resample, level, sink, nullptr);
        m_chime = GST_ELEMENT(gst_object_ref_sink(pipeline));
        m_chimeVolume = level;
        m_worker->setState(m_chime, GST_STATE_PLAYING);
    }
    g_object_set(m_chimeVolume, "volume", double(std::clamp(volume, 0.0f, 1.0f)), nullptr);
}

void GstStreamBackend::stopChime()
{
    MainThread::check(Q_FUNC_INFO);
    if (!m_chime)
        return;
    m_worker->dispose(m_chime);
    m_chime = nullptr;
    m_chimeVolume = nullptr;
}

// pulsesink's device setter takes the sound-server connection that all pulsesinks share, and the
// last pulsesink to stop frees it: set on the main thread while the worker tears down a previous
// stream, it can lock a connection being freed (libpulse aborts). On the worker, in order with the
// teardowns, it cannot.
void GstStreamBackend::setSinkDevice(Stream &s, const QByteArray &device)
{
    // Held by the job, and let go also when a teardown drops the job unrun.
    const ElementRef sink = keep(s.sink);
    m_worker->run(s.pipeline,
                  [sink, device] { g_object_set(sink.get(), "device", device.constData(), nullptr); });
}

std::optional<QString> GstStreamBackend::wantedDevice() const
{
    return m_device == m_unavailableDevice ? std::nullopt : m_device;
}

void GstStreamBackend::applyDevice()
{
    const std::optional<QString> device = wantedDevice();
    if (!m_stream || !m_stream->pipeline || !m_stream->sinkIsPulse || m_stream->sinkDevice == device)
        return;
    Stream &s = *m_stream;
    if (device) {
        // pulsesink moves a connected stream at once, or uses the name when it connects.
        setSinkDevice(s, device->toUtf8());
    } else if (s.phase == Stream::Phase::Playing) {
        setSinkDevice(s, kDefaultSinkName);
    } else {
        // A connected stream refuses to move to "no device" (an error that ends it), and
        // while loading we cannot tell whether it is connected yet: reportReady applies it.
        return;
    }
    s.sinkDevice = device;
}

gboolean GstStreamBackend::onBusMessage(GstBus *, GstMessage *message, gpointer data)
{
    const auto *context = static_cast<WatchContext *>(data);
    GstStreamBackend *self = context->backend;
    if (self->m_stream && self->m_stream->generation == context->generation && self->m_stream->pipeline)
        self->handleMessage(message);
    return G_SOURCE_CONTINUE;
}

bool GstStreamBackend::isCurrent(GstMessage *message) const
{
    const Stream &s = *m_stream;
    GstObject *from = GST_MESSAGE_SRC(message);
    return from == GST_OBJECT(s.pipeline) ||
           (s.output &&
            (from == GST_OBJECT(s.output) || gst_object_has_as_ancestor(from, GST_OBJECT(s.output)))) ||
           (s.source &&
            (from == GST_OBJECT(s.source) || gst_object_has_as_ancestor(from, GST_OBJECT(s.source))));
}

bool GstStreamBackend::sounding(const Stream &s) const
{
    return s.sinkClock && s.sinkClock->generation.load() == s.generation && s.sinkClock->last.load() > 0;
}

void GstStreamBackend::handleMessage(GstMessage *message)
{
    Stream &s = *m_stream;
    // What a source that was replaced still says (its teardown, a late tag) is not this stream's.
    if (!isCurrent(message))
        return;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
        handleError(message);
        break;
    case GST_MESSAGE_EOS:
        // A radio stream has no end: the server hung up, and too soon after the last connection
        // for a rejoin (see onAboutToFinish).
        reportFailure(StreamFailure(StreamFailure::Reason::Ended));
        break;
    case GST_MESSAGE_APPLICATION:
        if (gst_message_has_name(message, kSourceEndedMessage)) {
            // The connection is made anew, its audio behind what is still held ahead, while that
            // plays on.
            qCInfo(lcPlayer, "The server hung up; reconnecting behind the buffered audio");
            gint64 endsAt = 0;
            gst_structure_get_int64(gst_message_get_structure(message), "ends-at", &endsAt);
            GstElement *incoming = makeSource(s, endsAt);
            if (!incoming)
                break;
            GstElement *outgoing = std::exchange(s.source, incoming);
            switchSource(outgoing, incoming, false);
            gst_object_unref(incoming);
            // Once the old connection's decoded audio has played and its threads are gone, what
            // they held is free: handed back to the system (see GstPipelineWorker).
            QTimer::singleShot(kReleaseAfterRejoin, this, [this] {
                if (m_worker)
                    m_worker->releaseFreedHeap();
            });
        } else if (gst_message_has_name(message, kNoOutputMessage) && s.sinkDevice &&
                   s.phase == Stream::Phase::Loading) {
            // Before this counts against the station, it gets a second start on the default
            // device (a sink problem is never the station's failure); the device is tried again
            // once it is chosen again.
            m_unavailableDevice = s.sinkDevice;
            qCWarning(lcPlayer, "Output device %s is not available; playing on the default device",
                      qUtf8Printable(*s.sinkDevice));
            start(QString(s.url)); // replaces `s`
        } else if (gst_message_has_name(message, kSoundingMessage)) {
            guint64 generation = 0;
            gst_structure_get_uint64(gst_message_get_structure(message), "generation", &generation);
            if (generation == s.generation && s.reachedPlaying)
                reportReady();
        }
        break;
    case GST_MESSAGE_STATE_CHANGED:
        if (GST_MESSAGE_SRC(message) == GST_OBJECT(s.pipeline)) {
            GstState newState = GST_STATE_NULL;
            gst_message_parse_state_changed(message, nullptr, &newState, nullptr);
            // A stream that prerolls reaches PLAYING with its first decoded buffer at the sink;
            // a live one (HLS) reaches it before any audio, and is ready with its first buffer
            // (the watchdog looks).
            if (newState == GST_STATE_PLAYING) {
                s.reachedPlaying = true;
                if (sounding(s))
                    reportReady();
            }
            // The sink has stopped taking audio (pulsesink corked its stream): a pause is done.
            if (newState == GST_STATE_PAUSED && s.paused)
                Q_EMIT paused();
        }
        break;
    case GST_MESSAGE_BUFFERING:
        // Deliberately ignored. The usual answer (PAUSED until 100 %) waits seconds on a
        // station that sends in real time, and the sink would then play the time spent paused
        // as silence. Playback starts with the first audio and the queue fills while playing;
        // a stream that really runs dry is caught by the watchdog.
        break;
    case GST_MESSAGE_CLOCK_LOST:
        if (!s.paused) {
            m_worker->setState(s.pipeline, GST_STATE_PAUSED);
            m_worker->setState(s.pipeline, GST_STATE_PLAYING);
        }
        break;
    case GST_MESSAGE_LATENCY:
        gst_bin_recalculate_latency(GST_BIN(s.pipeline));
        break;
    case GST_MESSAGE_ELEMENT: {
        const GstStructure *structure = gst_message_get_structure(message);
        if (structure && s.levelling && gst_structure_has_name(structure, "level")) {
            reportLevel(message);
            break;
        }
        if (structure && gst_structure_has_name(structure, "missing-plugin")) {
            GstCaps *caps = nullptr;
            if (gst_structure_get(structure, "detail", GST_TYPE_CAPS, &caps, nullptr) && caps) {
                if (!gst_caps_is_empty(caps))
                    s.missingDecoder = networkText(gst_structure_get_name(gst_caps_get_structure(caps, 0)));
                gst_caps_unref(caps);
            }
        }
        break;
    }
    case GST_MESSAGE_TAG: {
        GstTagList *tags = nullptr;
        gst_message_parse_tag(message, &tags);
        gchar *raw = nullptr;
        QString title;
        if (gst_tag_list_get_string(tags, GST_TAG_TITLE, &raw))
            title = networkText(raw);
        g_free(raw);
        gst_tag_list_unref(tags);
        // The same title comes from several elements and again with every ICY block.
        if (!title.isEmpty() && title != s.title) {
            s.title = title;
            Q_EMIT streamTitleChanged(title);
        }
        break;
    }
    default:
        break;
    }
}

void GstStreamBackend::handleError(GstMessage *message)
{
    Stream &s = *m_stream;
    GError *error = nullptr;
    gchar *debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    const GstStructure *details = nullptr;
    gst_message_parse_error_details(message, &details);

    const QString gstText = networkText(error ? error->message : nullptr);
    qCDebug(lcPlayer).noquote() << "Stream error from"
                                << networkText(GST_OBJECT_NAME(GST_MESSAGE_SRC(message))) << gstText
                                << networkText(debug);

    guint httpStatus = 0;
    if (details)
        gst_structure_get_uint(details, "http-status-code", &httpStatus);

    StreamFailure failure;
    bool diagnose = false;
    if (httpStatus >= 300) {
        failure = StreamFailure::http(int(httpStatus));
    } else if (error && (g_error_matches(error, GST_STREAM_ERROR, GST_STREAM_ERROR_TYPE_NOT_FOUND) ||
                         g_error_matches(error, GST_STREAM_ERROR, GST_STREAM_ERROR_WRONG_TYPE) ||
                         g_error_matches(error, GST_STREAM_ERROR, GST_STREAM_ERROR_CODEC_NOT_FOUND) ||
                         g_error_matches(error, GST_CORE_ERROR, GST_CORE_ERROR_MISSING_PLUGIN))) {
        // An audio codec without a decoder is a different problem from a web page.
        if (s.missingDecoder.startsWith(QLatin1String("audio/")))
            failure = StreamFailure(StreamFailure::Reason::NoDecoder, s.missingDecoder);
        else
            failure = StreamFailure(StreamFailure::Reason::UnsupportedFormat);
    } else {
        // A refused connection, an unknown host, a redirect to one or a response the source
        // cannot read all surface only as the generic "Internal data stream error" of the
        // source; the reason is in its debug log alone.
        diagnose = !s.feed && isNetworkSource(GST_MESSAGE_SRC(message));
        failure = diagnose ? StreamFailure(StreamFailure::Reason::NoStream)
                           : StreamFailure(StreamFailure::Reason::Other, gstText);
    }
    g_clear_error(&error);
    g_free(debug);

    if (diagnose)
        diagnoseConnection(failure);
    else
        reportFailure(failure);
}

void GstStreamBackend::diagnoseConnection(const StreamFailure &fallback)
{
    Stream &s = *m_stream;
    const bool wasPlaying = s.phase == Stream::Phase::Playing;
    dropPipeline(s);
    s.phase = Stream::Phase::Finished;
    m_watchdog.stop();

    // Ask the network the question the source does not answer: one TCP connection attempt to
    // the same host and port, whose error names the cause.
    const QUrl url(s.url);
    const QString scheme = url.scheme().toLower();
    const QByteArray host = url.host(QUrl::FullyEncoded).toUtf8();
    const quint16 port = quint16(url.port(defaultPort(scheme)));

    s.diagnosis = g_cancellable_new();
    GSocketClient *client = g_socket_client_new();
    g_socket_client_set_enable_proxy(client, FALSE);
    g_socket_client_connect_to_host_async(client, host.constData(), port, s.diagnosis,
                                          &GstStreamBackend::onDiagnosed,
                                          new DiagnosisContext{this, s.generation, wasPlaying, fallback});
    g_object_unref(client);

    GCancellable *cancellable = s.diagnosis;
    const quint64 generation = s.generation;
    QTimer::singleShot(kDiagnosisTimeoutMs, this, [this, cancellable, generation] {
        if (m_stream && m_stream->generation == generation && m_stream->diagnosis == cancellable)
            g_cancellable_cancel(cancellable);
    });
}

void GstStreamBackend::onDiagnosed(GObject *source, GAsyncResult *result, gpointer data)
{
    std::unique_ptr<DiagnosisContext> context(static_cast<DiagnosisContext *>(data));
    GError *error = nullptr;
    GSocketConnection *connection =
        g_socket_client_connect_to_host_finish(G_SOCKET_CLIENT(source), result, &error);
    if (connection) {
        g_io_stream_close(G_IO_STREAM(connection), nullptr, nullptr);
        g_object_unref(connection);
    }

    using Reason = StreamFailure::Reason;
    StreamFailure failure = context->fallback;
    if (error) {
        if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CONNECTION_REFUSED))
            failure = StreamFailure(Reason::Refused);
        else if (error->domain == G_RESOLVER_ERROR)
            failure = StreamFailure(Reason::HostNotFound);
        else if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_TIMED_OUT))
            failure = StreamFailure(Reason::Timeout);
        else if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_HOST_UNREACHABLE))
            failure = StreamFailure(Reason::HostUnreachable);
        else if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NETWORK_UNREACHABLE))
            failure = StreamFailure(Reason::NetworkUnreachable);
        g_error_free(error);
    }

    GstStreamBackend *self = context->backend.data();
    if (!self || !self->m_stream || self->m_stream->generation != context->generation ||
        !self->m_stream->diagnosis)
        return;
    g_clear_object(&self->m_stream->diagnosis);
    if (context->wasPlaying)
        Q_EMIT self->failedWhilePlaying(failure);
    else
        Q_EMIT self->failed(failure);
}

void GstStreamBackend::checkProgress()
{
    if (!m_stream || m_stream->phase == Stream::Phase::Finished) {
        m_watchdog.stop();
        return;
    }
    Stream &s = *m_stream;
    if (s.pausePending && audioReachedServer(s)) {
        s.pausePending = false;
        s.paused = true;
        m_worker->setState(s.pipeline, GST_STATE_PAUSED);
        g_object_set(s.volume, "volume", outputVolume(), nullptr);
        return;
    }
    if (s.phase == Stream::Phase::Loading) {
        if (s.reachedPlaying && sounding(s)) {
            reportReady();
            return;
        }
        if (std::chrono::milliseconds(s.sinceStart.elapsed()) >= kStartTimeout)
            reportFailure(
                StreamFailure::stalled(std::chrono::duration_cast<std::chrono::seconds>(kStartTimeout)));
        return;
    }
    if (s.paused)
        return;
    const qint64 now = g_get_monotonic_time();
    const qint64 last = std::max(s.sinkClock ? s.sinkClock->last.load() : 0, s.quietSince);
    if (now - last >= std::chrono::duration_cast<std::chrono::microseconds>(kStallTimeout).count())
        reportFailure(
            StreamFailure::stalled(std::chrono::duration_cast<std::chrono::seconds>(kStallTimeout)));
}

void GstStreamBackend::reportReady()
{
    Stream &s = *m_stream;
    if (s.phase != Stream::Phase::Loading)
        return;
    s.phase = Stream::Phase::Playing;
    s.readyAt = s.quietSince = g_get_monotonic_time();
    qCDebug(lcPlayer) << "Stream ready after" << s.sinceStart.elapsed() << "ms";
    applyDevice(); // a switch to the default device that waited for the connection
    Q_EMIT ready();
}

void GstStreamBackend::reportFailure(const StreamFailure &failure)
{
    Stream &s = *m_stream;
    if (s.phase == Stream::Phase::Finished)
        return;
    const bool wasPlaying = s.phase == Stream::Phase::Playing;
    s.phase = Stream::Phase::Finished;
    dropPipeline(s);
    m_watchdog.stop();
    qCDebug(lcPlayer).noquote() << "Stream failed:" << failure.logText();
    // Emitted last: a receiver may start the next stream right away.
    if (wasPlaying)
        Q_EMIT failedWhilePlaying(failure);
    else
        Q_EMIT failed(failure);
}

void GstStreamBackend::reportFailureLater(const StreamFailure &failure)
{
    // Never from inside start(): the caller is still setting up its own state.
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation, failure] {
            // reportFailure ignores it if the bus has already reported this stream's end.
            if (m_stream && m_stream->generation == generation)
                reportFailure(failure);
        },
        Qt::QueuedConnection);
}

void GstStreamBackend::detach(Stream &s)
{
    if (s.feed) {
        const std::lock_guard lock(s.feed->mutex);
        s.feed->backend = nullptr;
        if (s.feed->appsrc)
            gst_object_unref(s.feed->appsrc);
        s.feed->appsrc = nullptr;
    }
    if (s.busWatch) {
        g_source_remove(s.busWatch);
        s.busWatch = 0;
    }
}

void GstStreamBackend::dropPipeline(Stream &s)
{
    detach(s);
    if (s.pipeline) {
        GstBus *bus = gst_element_get_bus(s.pipeline);
        gst_bus_set_flushing(bus, TRUE);
        gst_object_unref(bus);
        m_worker->dispose(s.pipeline);
        s.pipeline = nullptr;
        s.output = nullptr;
        s.source = nullptr;
        s.sink = nullptr;
        s.volume = nullptr;
    }
}

void GstStreamBackend::dropStream()
{
    m_watchdog.stop();
    if (!m_stream)
        return;
    dropPipeline(*m_stream);
    if (m_stream->diagnosis) {
        g_cancellable_cancel(m_stream->diagnosis);
        g_clear_object(&m_stream->diagnosis);
    }
    m_stream.reset();
}
