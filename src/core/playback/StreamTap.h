// A second connection to a stream that hands over the audio exactly as the server sends it (the
// ICY metadata taken out, nothing decoded), for recording. It is independent of the stream that
// plays, so that pausing the player does not hold it up and the live path stays as it is.
// Reports arrive on the main thread and concern the latest start() only.
#pragma once

#include "playback/StreamFailure.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class StreamTap : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~StreamTap() override = default;

    // Connects to `url` (the previous connection is dropped).
    virtual void start(const QString &url) = 0;
    // Drops the connection; nothing is reported after it.
    virtual void stop() = 0;

Q_SIGNALS:
    // The next bytes of audio, in order; `mediaType` is what they are ("audio/mpeg" with
    // `mpegVersion` 1 for MP3, 2 or 4 for AAC in ADTS, "application/ogg", ...).
    void received(const QByteArray &bytes, const QString &mediaType, int mpegVersion);
    // The stream's own title changed (clean network text).
    void titleChanged(const QString &title);
    // The connection failed or ended; no more bytes follow.
    void failed(const StreamFailure &failure);
};
