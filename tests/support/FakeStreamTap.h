// A stream tap the test feeds by hand: it records start and stop, and hands on what it is given.
#pragma once

#include "playback/StreamTap.h"

#include <QStringList>

class FakeStreamTap final : public StreamTap
{
    Q_OBJECT
public:
    using StreamTap::StreamTap;

    void start(const QString &url) override { calls << QStringLiteral("start ") + url; }
    void stop() override { calls << QStringLiteral("stop"); }

    void receive(const QByteArray &bytes) { Q_EMIT received(bytes, QStringLiteral("audio/mpeg"), 1); }
    void fail() { Q_EMIT failed(StreamFailure(StreamFailure::Reason::Ended)); }

    QStringList calls;
};
