#include "StreamServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

StreamServer::~StreamServer()
{
    stop();
}

bool StreamServer::start(int lifetimeSeconds)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        m_error = QStringLiteral("python3 not found on PATH (needed for the test stream server)");
        return false;
    }
    const QString fixtures = qEnvironmentVariable("ZEFFIRA_FIXTURES");
    const QString script = QDir(fixtures).filePath(QStringLiteral("stream_server.py"));
    if (fixtures.isEmpty() || !QFileInfo::exists(script)) {
        m_error = QStringLiteral("stream_server.py not found (ZEFFIRA_FIXTURES=\"%1\")").arg(fixtures);
        return false;
    }

    m_process.setProgram(python);
    m_process.setArguments({script, QStringLiteral("--lifetime"), QString::number(lifetimeSeconds),
                            QStringLiteral("--exit-on-stdin-eof")});
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("python3 did not start: ") + m_process.errorString();
        return false;
    }
    // Generating the clips with ffmpeg takes a few seconds on a slow machine.
    QDeadlineTimer deadline(60000);
    while (!m_output.contains('\n')) {
        if (m_process.state() != QProcess::Running || deadline.hasExpired()) {
            m_error = QStringLiteral("the test stream server did not come up: ") +
                      QString::fromUtf8(m_process.readAllStandardError()).trimmed();
            stop();
            return false;
        }
        m_process.waitForReadyRead(200);
        m_output += m_process.readAllStandardOutput();
    }
    const int end = m_output.indexOf('\n');
    m_port = m_output.left(end).trimmed().toUShort();
    m_output.remove(0, end + 1);
    if (m_port == 0) {
        m_error = QStringLiteral("the test stream server printed no port");
        stop();
        return false;
    }
    return true;
}

void StreamServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString StreamServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

void StreamServer::readOutput()
{
    m_process.waitForReadyRead(0);
    m_output += m_process.readAllStandardOutput();
}

int StreamServer::requestCount(const QString &path)
{
    readOutput();
    const QByteArray line = "request " + path.toUtf8();
    int count = 0;
    for (const QByteArray &l : m_output.split('\n'))
        count += l == line ? 1 : 0;
    return count;
}
