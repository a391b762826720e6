// Writes what a StreamTap receives to a file, in the stream's own encoding: the file grows as
// "<name>.part" and is renamed to its name when the recording is complete, so that a crash leaves
// a playable ".part" and never a truncated file under the final name. An existing file is never
// overwritten. Owns neither the tap nor the scheduler.
#pragma once

#include "playback/StreamFailure.h"

#include <QFile>
#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

class Scheduler;
class StreamTap;

class StreamRecorder : public QObject
{
    Q_OBJECT
public:
    StreamRecorder(StreamTap *tap, Scheduler *scheduler, QObject *parent = nullptr);
    ~StreamRecorder() override;

    // Records `url` to `target`: a file that must not exist yet, or a folder, where the file is
    // named after `stationName` and the time. Ends after `duration` when given, else at stop().
    // Returns why it cannot (translated), empty when it started.
    QString start(const QString &url, const QString &target, const QString &stationName,
                  std::optional<std::chrono::milliseconds> duration);
    // Why start() would refuse `target` (it exists, its folder does not), empty when it is fine.
    static QString refusal(const QString &target);
    // Ends the recording: the file gets its final name. Harmless when not recording.
    void stop();
    bool isRecording() const { return m_recording; }
    // The file being written (".part") or last finished.
    QString path() const { return m_path; }

Q_SIGNALS:
    // The recording is complete under `path`; `failure` when the stream broke off first.
    void finished(const QString &path, const std::optional<StreamFailure> &failure);

private:
    void onReceived(const QByteArray &bytes, const QString &mediaType, int mpegVersion);
    void finish(const std::optional<StreamFailure> &failure);
    QString writeError() const;

    StreamTap *m_tap;
    Scheduler *m_scheduler;
    QFile m_file;
    QString m_folder;      // a folder target: the name waits for the stream's type
    QString m_stationName; // for a name in m_folder
    QString m_path;        // the final name
    bool m_recording = false;
    quint64 m_generation = 0; // an ended recording's timer does nothing
    std::optional<std::chrono::milliseconds> m_duration;
};
