// The PulseAudio sinks as audio devices (index as id, name as UID, description as name), kept
// current through a subscription to sink events. Runs libpulse on GLib's default main context,
// which is Qt's event loop on Linux, so every callback arrives on the main thread; reconnects
// in the background while no sound server answers.
#pragma once

#include "devices/AudioDeviceSource.h"

#include <QTimer>
#include <chrono>

struct pa_context;
struct pa_glib_mainloop;
struct pa_server_info;
struct pa_sink_info;

class PulseAudioDeviceSource final : public AudioDeviceSource
{
    Q_OBJECT
public:
    // Starts connecting at once (to PULSE_SERVER if set, else the session's server) and
    // returns without waiting for it.
    explicit PulseAudioDeviceSource(QObject *parent = nullptr);
    ~PulseAudioDeviceSource() override;

    std::optional<QList<DeviceInfo>> devices() const override { return m_devices; }
    std::optional<QString> defaultDeviceUID() const override { return m_defaultSink; }
    bool isConnected() const;

private:
    void connectToServer();
    void onContextState();
    void dropConnection(quint64 generation, const QString &reason);
    void listSinks();
    void addSink(const pa_sink_info &info);
    void finishListing(bool succeeded);
    void setDevices(const std::optional<QList<DeviceInfo>> &devices);
    void readDefaultSink();
    void setDefaultSink(const std::optional<QString> &name);
    void releaseContext();

    static void stateCallback(pa_context *context, void *self);
    static void subscribeCallback(pa_context *context, int eventType, quint32 index, void *self);
    static void sinkInfoCallback(pa_context *context, const pa_sink_info *info, int eol, void *self);
    static void serverInfoCallback(pa_context *context, const pa_server_info *info, void *self);

    pa_glib_mainloop *m_mainloop = nullptr;
    pa_context *m_context = nullptr;
    // Tells a queued reaction to a dead connection apart from the connection made after it.
    quint64 m_generation = 0;
    QTimer m_retryTimer;
    QTimer m_connectTimeout;
    std::chrono::milliseconds m_retryDelay;
    bool m_listing = false;
    bool m_listAgain = false;
    QList<DeviceInfo> m_pending;
    std::optional<QList<DeviceInfo>> m_devices;
    std::optional<QString> m_defaultSink;
    bool m_outageReported = false;
};
