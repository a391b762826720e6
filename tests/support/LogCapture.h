// Captures log lines (category, level, text) while alive, so tests can assert the exact lines.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

struct LogLine {
    QString category;
    QtMsgType type;
    QString text;
};

class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    const QList<LogLine> &lines() const { return m_lines; }
    // The texts logged in `category` (suffix after the app id, e.g. "stations"), in order.
    QStringList texts(const QString &category) const;
    bool contains(const QString &category, QtMsgType type, const QString &text) const;
    void clear() { m_lines.clear(); }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);
    QList<LogLine> m_lines;
    QtMessageHandler m_previous;
    LogCapture *m_outer; // captures nest: the inner one sees the lines while it lives
};
