// What the listener keeps of the radio: "Bewaar dit nummer" (the song that plays, from its start
// in the rewind buffer to the moment asked), "Bewaar vorig nummer" (the one before it, whole) and
// "Neem op" (the playing station from now until stopped). Files go to the music folder under
// Zeffira/<station>/, in the stream's own bytes, and never replace a file; the desktop's
// notification says where each went, or why it could not be kept.
#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

class DesktopNotifier;
class RadioPlayer;
class StreamRecorder;
class TimeshiftBackend;

class SongKeeper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool recording READ isRecording NOTIFY changed)
public:
    // Everything passed in must outlive this object; `notifier` may be null. `musicFolder` is where
    // "Zeffira/" goes.
    SongKeeper(RadioPlayer *player, TimeshiftBackend *timeshift, StreamRecorder *recorder,
               DesktopNotifier *notifier, const QString &musicFolder, QObject *parent = nullptr);

    // The user's music folder (XDG_MUSIC_DIR), else ~/Music.
    static QString defaultMusicFolder();

    // Saves the playing song (or the previous one). Returns why it could not (translated, and
    // notified), empty when it was saved.
    Q_INVOKABLE QString saveSong(bool previous = false);
    // Starts recording the playing station, for `duration` when given; a running recording ends
    // instead. The refusal as for saveSong.
    QString toggleRecording(std::optional<std::chrono::milliseconds> duration = std::nullopt);
    Q_INVOKABLE QString toggleRecordingNow() { return toggleRecording(); }
    bool isRecording() const;
    // Where the last song or recording was saved.
    QString lastPath() const { return m_lastPath; }

Q_SIGNALS:
    void changed();

private:
    QString stationFolder(QString *error) const;
    QString refuse(const QString &reason);
    void notify(const QString &summary, const QString &body);

    RadioPlayer *m_player;
    TimeshiftBackend *m_timeshift;
    StreamRecorder *m_recorder;
    DesktopNotifier *m_notifier;
    QString m_musicFolder;
    QString m_lastPath;
    QString m_recordingStation;
};
