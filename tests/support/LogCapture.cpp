#include "support/LogCapture.h"

#include "base/AppInfo.h"

namespace {
LogCapture *g_active = nullptr;
}

LogCapture::LogCapture() : m_outer(g_active)
{
    g_active = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    g_active = m_outer;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_active)
        g_active->m_lines.append(
            {QString::fromUtf8(context.category ? context.category : ""), type, message});
}

QStringList LogCapture::texts(const QString &category) const
{
    const QString full = AppInfo::appId() + QLatin1Char('.') + category;
    QStringList result;
    for (const LogLine &line : m_lines) {
        if (line.category == full)
            result.append(line.text);
    }
    return result;
}

bool LogCapture::contains(const QString &category, QtMsgType type, const QString &text) const
{
    const QString full = AppInfo::appId() + QLatin1Char('.') + category;
    return std::any_of(m_lines.begin(), m_lines.end(), [&](const LogLine &line) {
        return line.category == full && line.type == type && line.text == text;
    });
}
