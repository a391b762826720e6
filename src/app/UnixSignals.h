// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the main thread (self-pipe), so the program can
// stop its stream and leave the event loop cleanly.
#pragma once

#include <QObject>

class QSocketNotifier;

class UnixSignals : public QObject
{
    Q_OBJECT
public:
    explicit UnixSignals(QObject *parent = nullptr);
    ~UnixSignals() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier *m_notifier = nullptr;
};
