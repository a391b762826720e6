#include "playback/StreamRecorder.h"

#include "base/Logging.h"
#include "base/SafeFileName.h"
#include "base/Scheduler.h"
#include "playback/StreamTap.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {
QString extensionFor(const QString &mediaType, int mpegVersion)
{
    if (mediaType == QLatin1String("audio/mpeg"))
        return mpegVersion == 1 ? QStringLiteral("mp3") : QStringLiteral("aac");
    if (mediaType == QLatin1String("application/ogg") || mediaType == QLatin1String("audio/ogg"))
        return QStringLiteral("ogg");
    if (mediaType == QLatin1String("audio/x-flac"))
        return QStringLiteral("flac");
    return QStringLiteral("audio");
}

QString partPath(const QString &path)
{
    return path + QStringLiteral(".part");
}
} // namespace

StreamRecorder::StreamRecorder(StreamTap *tap, Scheduler *scheduler, QObject *parent)
    : QObject(parent), m_tap(tap), m_scheduler(scheduler)
{
    connect(m_tap, &StreamTap::received, this, &StreamRecorder::onReceived);
    connect(m_tap, &StreamTap::failed, this, [this](const StreamFailure &failure) {
        if (m_recording)
            finish(failure);
    });
}

StreamRecorder::~StreamRecorder()
{
    stop();
}

QString StreamRecorder::refusal(const QString &target)
{
    const QFileInfo info(target);
    if (info.isDir())
        return {};
    if (info.exists() || info.isSymLink() || QFileInfo::exists(partPath(target)))
        return tr("%1 bestaat al; kies een andere naam.").arg(target);
    if (!info.absoluteDir().exists())
        return tr("de map van %1 bestaat niet.").arg(target);
    return {};
}

QString StreamRecorder::start(const QString &url, const QString &target, const QString &stationName,
                              std::optional<std::chrono::milliseconds> duration)
{
    stop();
    const QFileInfo info(target);
    m_folder.clear();
    m_path.clear();
    if (const QString refused = refusal(target); !refused.isEmpty())
        return refused;
    if (info.isDir()) {
        m_folder = info.absoluteFilePath();
    } else {
        m_path = info.absoluteFilePath();
        m_file.setFileName(partPath(m_path));
        // NewOnly: a file that appeared meanwhile is left alone.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return tr("kan %1 niet schrijven: %2").arg(m_file.fileName(), m_file.errorString());
    }
    m_stationName = stationName;
    m_duration = duration;
    m_recording = true;
    ++m_generation;
    qCInfo(lcPlayer, "Recording %s to %s", qUtf8Printable(url),
           qUtf8Printable(m_path.isEmpty() ? m_folder : m_path));
    m_tap->start(url);
    return {};
}

void StreamRecorder::stop()
{
    if (m_recording)
        finish(std::nullopt);
}

void StreamRecorder::onReceived(const QByteArray &bytes, const QString &mediaType, int mpegVersion)
{
    if (!m_recording)
        return;
    if (!m_file.isOpen()) {
        // A folder target: the name waits for the stream's type, which gives the extension.
        const QString base = SafeFileName::part(
            QStringLiteral("%1 %2").arg(
                m_stationName, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"))),
            QStringLiteral("Zeffira"));
        m_path = SafeFileName::unusedPath(m_folder, base, extensionFor(mediaType, mpegVersion));
        m_file.setFileName(partPath(m_path));
        if (m_path.isEmpty() || !m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            finish(StreamFailure(StreamFailure::Reason::Other, writeError()));
            return;
        }
    }
    if (m_file.size() == 0 && m_duration) {
        // The time counts from the first audio, not from the connection's set-up.
        const quint64 generation = m_generation;
        m_scheduler->schedule(*m_duration, this, [this, generation] {
            if (m_recording && generation == m_generation)
                finish(std::nullopt);
        });
    }
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        finish(StreamFailure(StreamFailure::Reason::Other, writeError()));
}

QString StreamRecorder::writeError() const
{
    return m_file.errorString().isEmpty() ? tr("kan niet schrijven in %1").arg(m_folder)
                                          : m_file.errorString();
}

void StreamRecorder::finish(const std::optional<StreamFailure> &failure)
{
    m_recording = false;
    ++m_generation;
    m_tap->stop();
    if (m_file.isOpen() && m_file.size() == 0) {
        // Nothing arrived: no empty file is left behind.
        m_file.close();
        m_file.remove();
        m_path.clear();
    } else if (m_file.isOpen()) {
        m_file.close();
        // rename() never replaces a file: one that took the name meanwhile gets a sibling.
        if (!QFile::rename(m_file.fileName(), m_path)) {
            const QFileInfo info(m_path);
            const QString other =
                SafeFileName::unusedPath(info.absolutePath(), info.completeBaseName(), info.suffix());
            if (!other.isEmpty() && QFile::rename(m_file.fileName(), other))
                m_path = other;
            else
                m_path = m_file.fileName();
        }
    } else if (!m_path.isEmpty()) {
        m_path.clear();
    }
    if (failure)
        qCWarning(lcPlayer, "Recording ended: %s", qUtf8Printable(failure->logText()));
    qCInfo(lcPlayer, "Recording saved: %s", qUtf8Printable(m_path));
    Q_EMIT finished(m_path, failure);
}
