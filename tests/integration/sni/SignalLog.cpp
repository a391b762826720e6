#include "SignalLog.h"

#include <QVariant>

QString signalText(const QDBusMessage &message)
{
    QStringList parts{message.member()};
    for (const QVariant &argument : message.arguments())
        parts << argument.toString();
    return parts.join(QLatin1Char(' '));
}

QStringList SignalLog::texts() const
{
    QStringList result;
    for (const QDBusMessage &message : messages)
        result << signalText(message);
    return result;
}
