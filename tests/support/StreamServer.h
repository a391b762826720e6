// Runs the local test radio station (tests/fixtures/stream_server.py) for the lifetime of this
// object: paced MP3/Ogg/AAC streams and broken stations on 127.0.0.1. Stops it on destruction.
#pragma once

#include <QProcess>
#include <QString>

class StreamServer
{
public:
    StreamServer() = default;
    ~StreamServer();
    StreamServer(const StreamServer &) = delete;
    StreamServer &operator=(const StreamServer &) = delete;

    // Starts the server and waits for its port. On failure errorString() names what is missing
    // (python3, the fixture folder, ffmpeg).
    bool start(int lifetimeSeconds = 300);
    void stop();
    QString errorString() const { return m_error; }

    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>" + path
    QString url(const QString &path) const;
    // How many requests for `path` the server has answered so far.
    int requestCount(const QString &path);

private:
    void readOutput();

    QProcess m_process;
    QByteArray m_output;
    QString m_error;
    quint16 m_port = 0;
};
