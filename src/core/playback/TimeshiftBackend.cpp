#include "playback/TimeshiftBackend.h"

#include "base/Logging.h"
#include "base/MainThread.h"
#include "base/Scheduler.h"
#include "playback/StreamTap.h"
#include "playback/TimeshiftBuffer.h"

#include <QUrl>
#include <algorithm>

using std::chrono::milliseconds;

namespace {
// The feed's caps where the type is certain; otherwise the decoder's typefinding decides.
QString capsFor(const QString &mediaType, int mpegVersion)
{
    if (mediaType == QLatin1String("audio/mpeg") && mpegVersion == 1)
        return QStringLiteral("audio/mpeg, mpegversion=(int)1");
    return {};
}
} // namespace

TimeshiftBackend::TimeshiftBackend(StreamBackend *backend, StreamTap *tap, TimeshiftBuffer *buffer,
                                   const Clock *clock, Scheduler *scheduler, QObject *parent)
    : StreamBackend(parent), m_backend(backend), m_tap(tap), m_buffer(buffer), m_clock(clock),
      m_scheduler(scheduler)
{
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &TimeshiftBackend::positionChanged);
    m_titleTick.setInterval(1000);
    connect(&m_titleTick, &QTimer::timeout, this, &TimeshiftBackend::showPlayingTitle);

    connect(m_backend, &StreamBackend::ready, this, [this] {
        if (m_tapPending) {
            m_scheduler->schedule(tapDelay, this, [this, generation = ++m_tapGeneration] {
                if (generation != m_tapGeneration || !std::exchange(m_tapPending, false))
                    return;
                m_begunAt = m_clock->now();
                m_tapping = m_tapOpen = true;
                m_tap->start(m_url); // the previous station's connection, if open, closes first
            });
        }
        // The buffer's moment runs from the first sound of the feed.
        if (m_feeding && !m_paused && m_playhead && !m_playheadSince)
            m_playheadSince = m_clock->now();
        Q_EMIT ready();
    });
    // A feed that does not play is not the station's failure: live plays instead.
    connect(m_backend, &StreamBackend::failed, this, [this](const StreamFailure &failure) {
        if (!m_feeding) {
            Q_EMIT failed(failure);
            return;
        }
        qCWarning(lcPlayer, "Rewind: the buffer did not play (%s); going live",
                  qUtf8Printable(failure.logText()));
        startLive();
    });
    connect(m_backend, &StreamBackend::failedWhilePlaying, this, [this](const StreamFailure &failure) {
        if (!m_feeding) {
            Q_EMIT failedWhilePlaying(failure);
            return;
        }
        qCWarning(lcPlayer, "Rewind: playing the buffer broke off (%s); going live",
                  qUtf8Printable(failure.logText()));
        startLive();
    });
    connect(m_backend, &StreamBackend::streamTitleChanged, this, [this](const QString &title) {
        m_shownTitle = title;
        Q_EMIT streamTitleChanged(title);
    });
    connect(m_backend, &StreamBackend::paused, this, &StreamBackend::paused);

    connect(m_tap, &StreamTap::received, this,
            [this](const QByteArray &bytes, const QString &mediaType, int mpegVersion) {
                if (!m_tapping)
                    return;
                const bool was = available();
                if (m_buffer->isEmpty()) {
                    m_caps = capsFor(mediaType, mpegVersion);
                    m_mediaType = mediaType;
                    m_mpegVersion = mpegVersion;
                }
                const qint64 offset = m_buffer->endOffset();
                if (m_buffer->append(bytes, liveMoment(), m_title) &&
                    SongFile::kindFor(m_mediaType, m_mpegVersion) == SongFile::Kind::Ogg) {
                    m_oggHeaders.take(bytes, offset);
                    m_oggHeaders.dropBefore(m_buffer->startOffset());
                }
                if (available() != was)
                    Q_EMIT positionChanged();
            });
    connect(m_tap, &StreamTap::titleChanged, this, [this](const QString &title) { m_title = title; });
    connect(m_tap, &StreamTap::failed, this, [this](const StreamFailure &failure) {
        if (!m_tapping)
            return;
        // Without new bytes the buffer would run dry behind live; it starts again with the
        // station's next start.
        qCWarning(lcPlayer, "Rewind: receiving stopped (%s); the buffer is dropped",
                  qUtf8Printable(failure.logText()));
        stopTap();
        m_buffer->clear();
        if (m_playhead && !m_paused)
            startLive();
        setPlayhead(std::nullopt);
    });
}

TimeshiftBackend::~TimeshiftBackend()
{
    stopTap();
}

bool TimeshiftBackend::canRewind(const QString &url)
{
    const QUrl parsed(url);
    const QString scheme = parsed.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !parsed.path().endsWith(QLatin1String(".m3u8"), Qt::CaseInsensitive);
}

void TimeshiftBackend::start(const QString &url)
{
    MainThread::check(Q_FUNC_INFO);
    // The same stream started again (a reconnect) keeps its buffer; another one begins anew.
    const bool anew = url != m_url || !m_tapping;
    if (anew) {
        // What the previous station's connection still receives is not kept; it closes when the
        // next one opens (or with a stop), not in the middle of this switch.
        m_tapping = m_tapPending = false;
        ++m_tapGeneration;
        m_url = url;
        m_title.clear();
        m_caps.clear();
        m_mediaType.clear();
        m_oggHeaders.clear();
    }
    m_paused = false;
    m_feeding = false;
    m_liveHeld = false;
    m_titleTick.stop();
    setPlayhead(std::nullopt);
    // The stream starts before the previous buffer's files go: the switch does not wait for the disk.
    m_backend->start(url);
    if (anew) {
        if (!std::exchange(m_staleRemoved, true))
            TimeshiftBuffer::removeStale(m_buffer->folder());
        m_buffer->clear();
        if (m_buffer->minutes() > 0 && canRewind(url)) {
            m_buffer->begin();
            m_tapPending = true;
        }
    }
}

void TimeshiftBackend::pause()
{
    m_titleTick.stop();
    if (!m_paused) {
        m_paused = true;
        if (m_playhead) {
            m_playhead = playingMoment();
            m_playheadSince.reset();
        } else if (m_tapping) {
            // Live held still: the connection it holds falls behind, so play goes on from the
            // buffer (or live anew).
            m_liveHeld = true;
            m_playhead = liveMoment();
        }
        if (m_playhead)
            m_tick.start();
        Q_EMIT positionChanged();
    }
    m_backend->pause();
}

void TimeshiftBackend::resume()
{
    m_paused = false;
    m_tick.stop();
    if (m_playhead && available())
        playFrom(*m_playhead);
    else if (m_feeding || m_liveHeld)
        startLive();
    else
        m_backend->resume();
}

void TimeshiftBackend::clear()
{
    m_titleTick.stop();
    stopTap();
    m_buffer->clear();
    m_url.clear();
    m_paused = false;
    m_feeding = false;
    m_liveHeld = false;
    setPlayhead(std::nullopt);
    m_backend->clear();
}

void TimeshiftBackend::setVolume(float volume)
{
    m_backend->setVolume(volume);
}

void TimeshiftBackend::setOutputDevice(const std::optional<QString> &deviceUid)
{
    m_backend->setOutputDevice(deviceUid);
}

void TimeshiftBackend::setMinutes(int minutes)
{
    m_buffer->setMinutes(minutes);
    if (minutes > 0 || !m_tapping)
        return;
    // Off: what was kept is gone, so is anything played from it.
    stopTap();
    if (m_playhead && !m_paused)
        startLive();
    setPlayhead(std::nullopt);
}

bool TimeshiftBackend::available() const
{
    return m_tapping && !m_buffer->isEmpty();
}

milliseconds TimeshiftBackend::liveMoment() const
{
    return m_clock->now() - m_begunAt;
}

milliseconds TimeshiftBackend::playingMoment() const
{
    if (!m_playhead)
        return liveMoment();
    if (m_playheadSince)
        return std::min(*m_playhead + (m_clock->now() - *m_playheadSince), liveMoment());
    return *m_playhead;
}

qint64 TimeshiftBackend::behindMs() const
{
    return m_playhead ? std::max<qint64>(0, (liveMoment() - playingMoment()).count()) : 0;
}

milliseconds TimeshiftBackend::position() const
{
    if (!available())
        return milliseconds(0);
    return std::max(milliseconds(0), playingMoment() - m_buffer->startTime());
}

milliseconds TimeshiftBackend::length() const
{
    if (!available())
        return milliseconds(0);
    return std::max(milliseconds(0), liveMoment() - m_buffer->startTime());
}

std::optional<TimeshiftBuffer::Song> TimeshiftBackend::song(bool previous) const
{
    if (!available())
        return std::nullopt;
    return m_buffer->songAt(m_buffer->offsetAt(playingMoment()), previous);
}

void TimeshiftBackend::showPlayingTitle()
{
    if (!m_feeding || !m_playhead || !available())
        return;
    // The last mark at or before the playing moment names what plays.
    const qint64 offset = m_buffer->offsetAt(playingMoment());
    QString title;
    for (const TimeshiftBuffer::Mark &mark : m_buffer->marks()) {
        if (mark.offset > offset)
            break;
        title = mark.title;
    }
    if (title != m_shownTitle) {
        m_shownTitle = title;
        Q_EMIT streamTitleChanged(title);
    }
}

void TimeshiftBackend::seekBy(qint64 deltaMs)
{
    if (available())
        seekToMoment(playingMoment() + milliseconds(deltaMs));
}

void TimeshiftBackend::seekTo(milliseconds position)
{
    if (available())
        seekToMoment(m_buffer->startTime() + position);
}

void TimeshiftBackend::seekToMoment(milliseconds moment)
{
    if (moment >= liveMoment() - liveMargin) {
        goLive();
        return;
    }
    moment = std::max(moment, m_buffer->startTime());
    if (m_paused) {
        m_playhead = moment;
        m_playheadSince.reset();
        m_tick.start();
        Q_EMIT positionChanged();
    } else {
        playFrom(moment);
    }
}

void TimeshiftBackend::goLive()
{
    if (!m_playhead)
        return;
    qCInfo(lcPlayer, "Rewind: back to live");
    if (m_paused) {
        // Play goes live then.
        m_liveHeld = true;
        setPlayhead(std::nullopt);
    } else {
        startLive();
    }
}

void TimeshiftBackend::playFrom(milliseconds moment)
{
    moment = std::clamp(moment, m_buffer->startTime(), liveMoment());
    m_readOffset = m_buffer->offsetAt(moment);
    m_feedStarting = true;
    qCInfo(lcPlayer, "Rewind: playing from the buffer, %lld ms behind live",
           qlonglong((liveMoment() - moment).count()));
    m_feeding = true;
    m_liveHeld = false;
    m_playheadSince.reset();
    setPlayhead(moment);
    if (!m_backend->startFeed(m_caps, [this](qint64 maxBytes) { return readFeed(maxBytes); })) {
        startLive();
        return;
    }
    showPlayingTitle();
    m_titleTick.start();
}

void TimeshiftBackend::startLive()
{
    m_titleTick.stop();
    m_feeding = false;
    m_liveHeld = false;
    setPlayhead(std::nullopt);
    m_backend->start(m_url);
}

void TimeshiftBackend::stopTap()
{
    m_tapPending = false;
    ++m_tapGeneration;
    m_tapping = false;
    if (std::exchange(m_tapOpen, false))
        m_tap->stop();
}

void TimeshiftBackend::setPlayhead(std::optional<milliseconds> moment)
{
    m_playhead = moment;
    m_playheadSince.reset();
    if (!m_playhead || !m_paused)
        m_tick.stop();
    Q_EMIT positionChanged();
}

QByteArray TimeshiftBackend::readFeed(qint64 maxBytes)
{
    // What the cap dropped meanwhile is skipped.
    m_readOffset = std::max(m_readOffset, m_buffer->startOffset());
    if (std::exchange(m_feedStarting, false) &&
        SongFile::kindFor(m_mediaType, m_mpegVersion) == SongFile::Kind::Ogg) {
        // A decoder cannot join an Ogg stream mid-way: the first whole page, behind its
        // stream's headers.
        const QByteArray headers = m_oggHeaders.at(m_readOffset);
        const qsizetype at =
            SongFile::firstFrame(SongFile::Kind::Ogg, m_buffer->read(m_readOffset, 4 * readWindow));
        if (at >= 0 && !headers.isEmpty()) {
            m_readOffset += at;
            return headers;
        }
    }
    const QByteArray bytes = m_buffer->read(m_readOffset, std::min(maxBytes, readWindow));
    m_readOffset += bytes.size();
    return bytes;
}
