// Collects the D-Bus signals the desktop connection receives, for the tray tests.
#pragma once

#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QStringList>

// "Name arg arg" for a signal the desktop saw.
QString signalText(const QDBusMessage &message);

class SignalLog : public QObject
{
    Q_OBJECT
public:
    QList<QDBusMessage> messages;
    QStringList texts() const;
public Q_SLOTS:
    void record(const QDBusMessage &message) { messages.append(message); }
};
