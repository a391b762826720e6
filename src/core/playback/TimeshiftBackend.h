// Live rewind around the real StreamBackend. While a plain HTTP/ICY station plays, a StreamTap
// (a connection of its own, so the live path stays as it is) receives it into a TimeshiftBuffer.
// A pause then keeps receiving, and play goes on from the moment of the pause, played from the
// buffer through the backend's feed; back and forward move within it, and "live" returns to the
// live stream. HLS stays live only. Times are the buffer's: milliseconds of the injected clock
// since the station's buffer began. Main thread only; owns the buffer, not what it is given.
#pragma once

#include "playback/SongFile.h"
#include "playback/StreamBackend.h"
#include "playback/TimeshiftBuffer.h"

#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

class Clock;
class Scheduler;
class StreamTap;

class TimeshiftBackend : public StreamBackend
{
    Q_OBJECT
    // A buffer exists (it can be played from).
    Q_PROPERTY(bool available READ available NOTIFY positionChanged)
    // The stream plays live only (HLS): the views show the controls greyed, with the reason.
    Q_PROPERTY(bool liveOnly READ liveOnly NOTIFY positionChanged)
    // Playing (or paused) behind the live moment.
    Q_PROPERTY(bool behindLive READ behindLive NOTIFY positionChanged)
    // How far behind live, in ms (0 when live); an int for the views, which 120 minutes fit.
    Q_PROPERTY(int behindMs READ behindMsForView NOTIFY positionChanged)
public:
    // What back and forward move by.
    static constexpr std::chrono::milliseconds seekStep{30000};
    // Forward to within this of live is live.
    static constexpr std::chrono::milliseconds liveMargin{1500};
    // What the backend is handed at a time: the buffer is read from disk in small windows.
    static constexpr qint64 readWindow = 16 * 1024;
    // The buffer's connection opens this long after a station first sounds, and the previous
    // station's closes then: a burst of station changes opens none, and a switch's first moments
    // have the machine and the network to themselves.
    static constexpr std::chrono::milliseconds tapDelay{1000};

    // `buffer` lives in its folder; its minutes decide whether it is used at all (0 = off).
    TimeshiftBackend(StreamBackend *backend, StreamTap *tap, TimeshiftBuffer *buffer, const Clock *clock,
                     Scheduler *scheduler, QObject *parent = nullptr);
    ~TimeshiftBackend() override;

    void start(const QString &url) override;
    void pause() override;
    void resume() override;
    void clear() override;
    void setVolume(float volume) override;
    void setOutputDevice(const std::optional<QString> &deviceUid) override;

    // The buffer's minutes (0 turns it off and drops what it kept).
    void setMinutes(int minutes);

    bool available() const;
    bool liveOnly() const { return !m_url.isEmpty() && m_buffer->minutes() > 0 && !canRewind(m_url); }
    bool behindLive() const { return m_playhead.has_value(); }
    qint64 behindMs() const;
    int behindMsForView() const { return int(behindMs()); }
    // The playing moment measured from the buffer's start, and the buffer's length.
    std::chrono::milliseconds position() const;
    std::chrono::milliseconds length() const;
    // Moves the playing moment by `delta`, within the buffer; forward past live is live.
    Q_INVOKABLE void seekBy(qint64 deltaMs);
    // Moves to `position` from the buffer's start.
    void seekTo(std::chrono::milliseconds position);
    Q_INVOKABLE void goLive();
    // While it plays from the buffer: the title of the moment that plays, told when it changed
    // (a timer asks each second).
    void showPlayingTitle();

    // A plain stream the tap can receive (HLS is not).
    static bool canRewind(const QString &url);

    // The stream being received (the resolved URL), and its type as the buffer holds it.
    QString url() const { return m_url; }
    QString mediaType() const { return m_mediaType; }
    int mpegVersion() const { return m_mpegVersion; }
    // The song that plays now, from its start up to the playing moment; with `previous`, the one
    // before it. Nothing without a buffer or a title.
    std::optional<TimeshiftBuffer::Song> song(bool previous) const;
    const TimeshiftBuffer *buffer() const { return m_buffer; }
    // For an Ogg stream: the header pages a piece from `offset` needs in front to be decoded.
    QByteArray oggHeadersAt(qint64 offset) const { return m_oggHeaders.at(offset); }

Q_SIGNALS:
    // The playing moment moved (a seek, live, a pause) or the buffer came or went.
    void positionChanged();

private:
    // Where the playing moment is, in buffer time.
    std::chrono::milliseconds playingMoment() const;
    std::chrono::milliseconds liveMoment() const;
    void seekToMoment(std::chrono::milliseconds moment);
    void playFrom(std::chrono::milliseconds moment);
    void startLive();
    void stopTap();
    void setPlayhead(std::optional<std::chrono::milliseconds> moment);
    QByteArray readFeed(qint64 maxBytes);

    StreamBackend *m_backend;
    StreamTap *m_tap;
    TimeshiftBuffer *m_buffer;
    const Clock *m_clock;
    Scheduler *m_scheduler;
    QString m_url;
    QString m_caps; // the received stream's type, for the feed
    QString m_mediaType;
    int m_mpegVersion = 0;
    QString m_title;        // the received stream's title now
    bool m_tapping = false; // what the tap receives goes into the buffer
    bool m_tapOpen = false; // the tap has a connection, maybe still the previous station's
    // The tap starts once the live stream has sounded for tapDelay.
    bool m_tapPending = false;
    quint64 m_tapGeneration = 0; // a tap start that was waiting for a station that went does nothing
    bool m_staleRemoved = false; // a previous run's buffer goes with the first station
    bool m_paused = false;
    bool m_feeding = false;  // the backend plays the buffer
    bool m_liveHeld = false; // the live stream was paused with a buffer beside it: play starts it anew
    std::chrono::milliseconds m_begunAt{0};
    // The moment that plays (or waits, when paused) behind live; nullopt is live. While feeding
    // and not paused it advances with the clock from m_playheadSince.
    std::optional<std::chrono::milliseconds> m_playhead;
    std::optional<std::chrono::milliseconds> m_playheadSince;
    qint64 m_readOffset = 0;
    SongFile::OggHeaders m_oggHeaders;
    // An Ogg feed starts on a page, behind the headers of its stream.
    bool m_feedStarting = false;
    QTimer m_tick; // while paused behind live the distance grows: the views are told each second
    QTimer m_titleTick;
    QString m_shownTitle; // the title last told, live or from the buffer
};
