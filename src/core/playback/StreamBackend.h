// The platform stream player as the logic sees it: one stream at a time, started afresh by
// every start(). Reports arrive on the main thread and always concern the stream of the
// latest start(); nothing is reported after clear() until the next start().
#pragma once

#include "playback/StreamFailure.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class StreamBackend : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~StreamBackend() override = default;

    // Opens `url` as a new stream and starts it; the previous stream is dropped.
    virtual void start(const QString &url) = 0;
    // Pause keeps the stream; resume continues it without reloading.
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Drops the stream.
    virtual void clear() = 0;
    virtual void setVolume(float volume) = 0;
    // A sound-server device name (PulseAudio sink name); nullopt is the system default.
    // Applies to the running stream at once and to later ones.
    virtual void setOutputDevice(const std::optional<QString> &deviceUid) = 0;
    // Loudness levelling: when on, streams started from then on report their level
    // (levelMeasured) and play through a gain and a limiter; off, they play as they always did.
    // A backend that cannot measure ignores both.
    virtual void setLevelling(bool on) { Q_UNUSED(on); }
    // The levelling gain in dB, applied at once and to later streams.
    virtual void setLevellingGain(double db) { Q_UNUSED(db); }

    // The next bytes for startFeed(), at most `maxBytes`; called on the main thread. Empty while
    // there are none yet: it is asked again shortly.
    using Feed = std::function<QByteArray(qint64 maxBytes)>;
    // Plays the bytes `feed` hands over instead of a URL (the rewind buffer), as a new stream
    // decoded and played the way a station is, reported the same way. `caps` names their type
    // when known ("audio/mpeg, mpegversion=(int)1"), else they are typefound. False when this
    // backend cannot play a feed; nothing changed then.
    virtual bool startFeed(const QString &caps, Feed feed)
    {
        Q_UNUSED(caps);
        Q_UNUSED(feed);
        return false;
    }

Q_SIGNALS:
    // The stream is ready and audio is flowing.
    void ready();
    // The stream could not be started. UnsupportedFormat and NoStream ask for a second look at
    // what the server sends (StreamFailure::mayBePlaylist).
    void failed(const StreamFailure &failure);
    // A stream that had started broke off (server gone, no more data, decode error).
    void failedWhilePlaying(const StreamFailure &failure);
    // The stream's own title (ICY StreamTitle, HLS/ID3 title), when it announces one; clean
    // network text, never empty, de-duplicated.
    void streamTitleChanged(const QString &title);
    // The stream's level before the levelling gain, a few times a second while levelling is on:
    // RMS and peak in dBFS over all channels.
    void levelMeasured(double rmsDb, double peakDb);
    // A pause() has taken effect: the stream is held and no longer plays to the sound server.
    void paused();
};
