// A private PulseAudio daemon for one test run: its own runtime folder, HOME and socket, a null
// sink per requested name, and PULSE_SERVER of this process pointing at it from construction
// (restored on destruction, when the daemon is stopped). Records what reaches a sink through its
// monitor; can crash the daemon and start it again on the same socket.
#pragma once

#include <QHash>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

class PulseFixture
{
public:
    explicit PulseFixture(QStringList nullSinks = {QStringLiteral("a"), QStringLiteral("b")});
    // Null sinks as (name, description) pairs.
    explicit PulseFixture(const QList<std::pair<QString, QString>> &nullSinks);
    ~PulseFixture();
    PulseFixture(const PulseFixture &) = delete;
    PulseFixture &operator=(const PulseFixture &) = delete;

    // Starts the daemon and waits until it answers. On failure errorString() names the
    // missing program or the daemon's complaint.
    bool start(int lifetimeSeconds = 600);
    void stop();
    // A crash: SIGKILL to the daemon itself, so its socket file stays behind. start() brings it
    // back on the same socket.
    void kill();
    QString errorString() const { return m_error; }
    // "unix:<runtime folder>/native"
    QString serverAddress() const;
    QString socketPath() const;

    // Runs pactl against the daemon; its standard output, or nothing (error in errorString()).
    std::optional<QString> pactl(const QStringList &arguments);
    // `pactl load-module`: the module index, or nothing.
    std::optional<uint> loadModule(const QString &name, const QString &arguments = {});
    bool unloadModule(uint index);
    // pacmd, which can change a sink's description; it finds the daemon by its runtime folder.
    std::optional<QString> pacmd(const QStringList &arguments);
    // "name" -> sink index, from `pactl list short sinks`.
    QHash<QString, quint32> sinkIndices();
    // The index of the module that made the null sink `name`.
    std::optional<quint32> nullSinkModule(const QString &name);

    // Records `seconds` of each sink's monitor at once, as interleaved 16-bit stereo at
    // 44.1 kHz; less only if the monitor delivers too little within `seconds` + 5 s. Runs
    // the event loop meanwhile, so the code under test keeps working.
    QHash<QString, QByteArray> record(const QStringList &sinks, double seconds);
    QByteArray record(const QString &sink, double seconds);

    struct Level {
        double rms = 0;  // of all samples, full scale = 1
        double peak = 0; // largest absolute sample, full scale = 1
        qsizetype samples = 0;
    };
    static Level level(const QByteArray &samples);

private:
    std::optional<QString> run(const QString &program, const QStringList &arguments);

    QList<std::pair<QString, QString>> m_sinks;
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_error;
    std::optional<QByteArray> m_previousServer;
};
