#include "playback/SongKeeper.h"

#include "base/Logging.h"
#include "base/SafeFileName.h"
#include "desktop/DesktopNotifier.h"
#include "history/SongRules.h"
#include "playback/RadioPlayer.h"
#include "playback/SongFile.h"
#include "playback/StreamRecorder.h"
#include "playback/TimeshiftBackend.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

SongKeeper::SongKeeper(RadioPlayer *player, TimeshiftBackend *timeshift, StreamRecorder *recorder,
                       DesktopNotifier *notifier, const QString &musicFolder, QObject *parent)
    : QObject(parent), m_player(player), m_timeshift(timeshift), m_recorder(recorder), m_notifier(notifier),
      m_musicFolder(musicFolder)
{
    // A recording belongs to its station: another station, or none, ends it.
    connect(m_player, &RadioPlayer::currentStationChanged, this, [this] {
        if (!m_recordingStation.isEmpty() && m_player->currentStationName() != m_recordingStation)
            m_recorder->stop();
    });
    connect(m_recorder, &StreamRecorder::finished, this,
            [this](const QString &path, const std::optional<StreamFailure> &) {
                if (std::exchange(m_recordingStation, QString()).isEmpty())
                    return;
                if (!path.isEmpty()) {
                    m_lastPath = path;
                    notify(tr("Opname bewaard"), path);
                }
                Q_EMIT changed();
            });
}

QString SongKeeper::defaultMusicFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return music.isEmpty() ? QDir::homePath() + QStringLiteral("/Music") : music;
}

void SongKeeper::notify(const QString &summary, const QString &body)
{
    if (m_notifier)
        m_notifier->notify(summary, body);
}

QString SongKeeper::refuse(const QString &reason)
{
    qCInfo(lcPlayer, "Not kept: %s", qUtf8Printable(reason));
    notify(tr("Niet bewaard"), reason);
    return reason;
}

QString SongKeeper::stationFolder(QString *error) const
{
    const QString folder = QDir(m_musicFolder)
                               .filePath(QStringLiteral("Zeffira/") +
                                         SafeFileName::part(m_player->currentStationName(), tr("Radio")));
    if (!QDir().mkpath(folder)) {
        *error = tr("kan de map %1 niet maken.").arg(folder);
        return {};
    }
    return folder;
}

QString SongKeeper::saveSong(bool previous)
{
    if (!m_player->hasStation())
        return refuse(tr("er speelt geen station."));
    if (!TimeshiftBackend::canRewind(m_timeshift->url()))
        return refuse(tr("deze stream (HLS) heeft geen terugspoelbuffer."));
    const auto song = m_timeshift->song(previous);
    if (!song)
        return refuse(previous ? tr("er is geen vorig nummer in de terugspoelbuffer.")
                               : tr("het station noemt geen nummer, of de terugspoelbuffer is leeg."));
    const SongFile::Kind kind = SongFile::kindFor(m_timeshift->mediaType(), m_timeshift->mpegVersion());
    if (kind == SongFile::Kind::Unknown)
        return refuse(
            tr("nummers in dit formaat (%1) kunnen niet bewaard worden.").arg(m_timeshift->mediaType()));

    QString error;
    const QString folder = stationFolder(&error);
    if (folder.isEmpty())
        return refuse(error);
    const QString station = m_player->currentStationName();
    const std::optional<Song> parts = SongRules::song(song->title, station);
    const SongFile::Tags tags{parts ? parts->artist : QString(), parts ? parts->title : song->title, station,
                              QDate::currentDate()};
    const QString base = SafeFileName::part(
        tags.artist.isEmpty() ? tags.title : tags.artist + QStringLiteral(" - ") + tags.title, tr("Nummer"));
    const QString path = SafeFileName::unusedPath(folder, base, SongFile::extension(kind));
    // Written beside its name and renamed when whole: a crash never leaves half a song under it.
    QFile file(path + QStringLiteral(".part"));
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return refuse(tr("kan niet schrijven in %1.").arg(folder));
    const TimeshiftBuffer *buffer = m_timeshift->buffer();
    // MPEG and ADTS files begin with their tag; an Ogg file with its stream's headers (which
    // name the song where the station put it there), unless the song begins a stream of its own.
    QByteArray head = SongFile::id3Tag(tags);
    if (kind == SongFile::Kind::Ogg) {
        const QByteArray start = buffer->read(song->from, 2 * 65536);
        const qsizetype at = SongFile::firstFrame(kind, start);
        const bool begins =
            at >= 0 &&
            SongFile::oggPage(reinterpret_cast<const uchar *>(start.constData()) + at, start.size() - at)
                .begins;
        head = begins ? QByteArray() : m_timeshift->oggHeadersAt(song->from);
        if (!begins && head.isEmpty()) {
            file.close();
            file.remove();
            return refuse(tr("het begin van deze Ogg-stream is niet meer in de buffer."));
        }
    }
    const bool tagged = head.isEmpty() || file.write(head) == head.size();
    const qint64 audio = SongFile::writeFrames(
        kind, song->from, song->to,
        [buffer](qint64 offset, qint64 size) { return buffer->read(offset, size); },
        [&file](const QByteArray &bytes) { return file.write(bytes) == bytes.size(); });
    file.close();
    // rename() never replaces: a file that took the name meanwhile is left alone.
    if (!tagged || audio <= 0 || !file.rename(path)) {
        const QString reason = audio == 0 ? tr("er staat nog geen heel stukje van dit nummer in de buffer.")
                                          : tr("kan %1 niet schrijven: %2").arg(path, file.errorString());
        file.remove();
        return refuse(reason);
    }
    m_lastPath = path;
    qCInfo(lcPlayer, "Song saved: %s (%lld bytes%s)", qUtf8Printable(path), qlonglong(audio),
           song->cutShort ? ", from the buffer's start" : "");
    notify(tr("Nummer bewaard"),
           song->cutShort
               ? tr("%1\nHet begin was niet meer in de buffer: het bestand begint later.").arg(path)
               : path);
    return {};
}

bool SongKeeper::isRecording() const
{
    return !m_recordingStation.isEmpty() && m_recorder->isRecording();
}

QString SongKeeper::toggleRecording(std::optional<std::chrono::milliseconds> duration)
{
    if (isRecording()) {
        m_recorder->stop();
        return {};
    }
    if (m_recorder->isRecording())
        return refuse(tr("er loopt al een opname."));
    if (!m_player->hasStation() || m_timeshift->url().isEmpty())
        return refuse(tr("er speelt geen station."));
    if (!TimeshiftBackend::canRewind(m_timeshift->url()))
        return refuse(tr("deze stream (HLS) kan niet opgenomen worden."));
    QString error;
    const QString folder = stationFolder(&error);
    if (folder.isEmpty())
        return refuse(error);
    error = m_recorder->start(m_timeshift->url(), folder, m_player->currentStationName(), duration);
    if (!error.isEmpty())
        return refuse(error);
    m_recordingStation = m_player->currentStationName();
    Q_EMIT changed();
    return {};
}
