#include "pulseaudio/PulseAudioDeviceSource.h"

#include "base/Logging.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/glib-mainloop.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>

using namespace std::chrono_literals;

namespace {
// Reconnecting starts quickly, so a restarted server is back within a moment, and backs off
// to one attempt every 2 s while none answers: no busy loop, and little work per attempt.
constexpr auto kFirstRetryDelay = 250ms;
constexpr auto kMaxRetryDelay = 2000ms;
// A server that accepts the socket but never completes the handshake is given up by libpulse
// only after its 30 s reply timeout; we abandon the attempt and retry sooner.
constexpr auto kConnectTimeout = 10s;

std::optional<QString> text(const char *value)
{
    if (!value || !*value)
        return std::nullopt;
    return QString::fromUtf8(value);
}
} // namespace

PulseAudioDeviceSource::PulseAudioDeviceSource(QObject *parent)
    : AudioDeviceSource(parent), m_retryDelay(kFirstRetryDelay)
{
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread());
    if (dispatcher && !dispatcher->inherits("QEventDispatcherGlib"))
        qCWarning(
            lcSystem,
            "The event loop is not GLib's (QT_NO_GLIB set?); PulseAudio device changes will not arrive");

    m_mainloop = pa_glib_mainloop_new(g_main_context_default());
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &PulseAudioDeviceSource::connectToServer);
    m_connectTimeout.setSingleShot(true);
    m_connectTimeout.setInterval(kConnectTimeout);
    connect(&m_connectTimeout, &QTimer::timeout, this,
            [this] { dropConnection(m_generation, QStringLiteral("no answer from the server")); });
    connectToServer();
}

PulseAudioDeviceSource::~PulseAudioDeviceSource()
{
    releaseContext();
    pa_glib_mainloop_free(m_mainloop);
}

bool PulseAudioDeviceSource::isConnected() const
{
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

void PulseAudioDeviceSource::connectToServer()
{
    releaseContext();
    const quint64 generation = ++m_generation;
    m_context = pa_context_new(pa_glib_mainloop_get_api(m_mainloop), "Zeffira");
    if (!m_context) {
        dropConnection(generation, QStringLiteral("cannot create a PulseAudio context"));
        return;
    }
    pa_context_set_state_callback(m_context, &PulseAudioDeviceSource::stateCallback, this);
    m_connectTimeout.start();
    // No autospawn: the session starts its sound server; spawning one on every retry would
    // start daemons behind the user's back. A null server means PULSE_SERVER, then the default.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        dropConnection(generation, QString::fromUtf8(pa_strerror(pa_context_errno(m_context))));
}

void PulseAudioDeviceSource::stateCallback(pa_context *context, void *self)
{
    auto *source = static_cast<PulseAudioDeviceSource *>(self);
    if (context == source->m_context)
        source->onContextState();
}

void PulseAudioDeviceSource::onContextState()
{
    switch (pa_context_get_state(m_context)) {
    case PA_CONTEXT_READY: {
        m_connectTimeout.stop();
        m_retryDelay = kFirstRetryDelay;
        if (m_outageReported) {
            qCInfo(lcSystem, "Connected to the PulseAudio server again");
            m_outageReported = false;
        }
        pa_context_set_subscribe_callback(
            m_context,
            [](pa_context *c, pa_subscription_event_type_t type, uint32_t index, void *self) {
                subscribeCallback(c, int(type), index, self);
            },
            this);
        // Subscribe before listing, so that no change can fall between the list and the events.
        // The server's events say when the default sink changes.
        if (pa_operation *op = pa_context_subscribe(
                m_context, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER),
                nullptr, nullptr))
            pa_operation_unref(op);
        readDefaultSink();
        listSinks();
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        // Leave libpulse's callback before releasing its context.
        const quint64 generation = m_generation;
        const QString reason = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
        QMetaObject::invokeMethod(
            this, [this, generation, reason] { dropConnection(generation, reason); }, Qt::QueuedConnection);
        break;
    }
    default:
        break;
    }
}

void PulseAudioDeviceSource::dropConnection(quint64 generation, const QString &reason)
{
    if (generation != m_generation || m_retryTimer.isActive())
        return;
    const bool wasConnected = m_devices.has_value();
    releaseContext();
    m_defaultSink.reset();
    setDevices(std::nullopt);
    if (!m_outageReported) {
        if (wasConnected)
            qCWarning(lcSystem, "Lost the PulseAudio server (%s); no output devices until it is back",
                      qUtf8Printable(reason));
        else
            qCWarning(lcSystem, "No PulseAudio server (%s); no output devices until one answers",
                      qUtf8Printable(reason));
        m_outageReported = true;
    }
    m_retryTimer.start(m_retryDelay);
    m_retryDelay = std::min(m_retryDelay * 2, std::chrono::milliseconds(kMaxRetryDelay));
}

void PulseAudioDeviceSource::subscribeCallback(pa_context *context, int eventType, quint32, void *self)
{
    auto *source = static_cast<PulseAudioDeviceSource *>(self);
    if (context != source->m_context)
        return;
    const int facility = eventType & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SINK)
        source->listSinks(); // new, remove and change alike: the whole list is read again
    else if (facility == PA_SUBSCRIPTION_EVENT_SERVER)
        source->readDefaultSink();
}

void PulseAudioDeviceSource::listSinks()
{
    if (!isConnected())
        return;
    // Events that come while a list is being read fold into one more read after it.
    if (m_listing) {
        m_listAgain = true;
        return;
    }
    m_pending.clear();
    pa_operation *op =
        pa_context_get_sink_info_list(m_context, &PulseAudioDeviceSource::sinkInfoCallback, this);
    if (!op)
        return; // the list stays as it was; the next event or reconnect reads it again
    m_listing = true;
    pa_operation_unref(op);
}

void PulseAudioDeviceSource::sinkInfoCallback(pa_context *context, const pa_sink_info *info, int eol,
                                              void *self)
{
    auto *source = static_cast<PulseAudioDeviceSource *>(self);
    if (context != source->m_context)
        return;
    if (eol < 0)
        source->finishListing(false);
    else if (eol > 0)
        source->finishListing(true);
    else if (info)
        source->addSink(*info);
}

void PulseAudioDeviceSource::addSink(const pa_sink_info &info)
{
    // A sink has one output stream; its channel map says how many channels it carries.
    m_pending.append(DeviceInfo{info.index, text(info.name), text(info.description),
                                QList<int>{int(info.channel_map.channels)}});
}

void PulseAudioDeviceSource::finishListing(bool succeeded)
{
    m_listing = false;
    // A failed read leaves the previous list; a lost connection is handled by the state change.
    if (succeeded)
        setDevices(m_pending);
    m_pending.clear();
    if (std::exchange(m_listAgain, false))
        listSinks();
}

void PulseAudioDeviceSource::readDefaultSink()
{
    if (!isConnected())
        return;
    if (pa_operation *op =
            pa_context_get_server_info(m_context, &PulseAudioDeviceSource::serverInfoCallback, this))
        pa_operation_unref(op);
}

void PulseAudioDeviceSource::serverInfoCallback(pa_context *context, const pa_server_info *info, void *self)
{
    auto *source = static_cast<PulseAudioDeviceSource *>(self);
    if (context == source->m_context && info)
        source->setDefaultSink(text(info->default_sink_name));
}

void PulseAudioDeviceSource::setDefaultSink(const std::optional<QString> &name)
{
    if (name == m_defaultSink)
        return;
    m_defaultSink = name;
    Q_EMIT devicesChanged();
}

void PulseAudioDeviceSource::setDevices(const std::optional<QList<DeviceInfo>> &devices)
{
    // Sink "change" events also come for volume and port changes; only a different list counts.
    if (devices == m_devices)
        return;
    m_devices = devices;
    Q_EMIT devicesChanged();
}

void PulseAudioDeviceSource::releaseContext()
{
    m_connectTimeout.stop();
    m_listing = false;
    m_listAgain = false;
    m_pending.clear();
    if (!m_context)
        return;
    // Without callbacks first, disconnecting cannot call back into a half-released source.
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}
