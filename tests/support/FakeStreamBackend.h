// A stream backend that records what the player asked of it; the test reports ready or failure.
#pragma once

#include "playback/StreamBackend.h"

#include <QStringList>

class FakeStreamBackend final : public StreamBackend
{
    Q_OBJECT
public:
    using StreamBackend::StreamBackend;

    void start(const QString &url) override { calls << QStringLiteral("start ") + url; }
    void pause() override { calls << QStringLiteral("pause"); }
    void resume() override { calls << QStringLiteral("resume"); }
    void clear() override { calls << QStringLiteral("clear"); }
    void setVolume(float v) override { volume = v; }
    void setOutputDevice(const std::optional<QString> &uid) override
    {
        device = uid;
        calls << QStringLiteral("device ") + uid.value_or(QStringLiteral("<default>"));
    }

    void setLevelling(bool on) override { levelling = on; }
    void setLevellingGain(double db) override { levellingGain = db; }
    bool startFeed(const QString &caps, Feed read) override
    {
        calls << QStringLiteral("feed");
        feedCaps = caps;
        feed = std::move(read);
        return true;
    }

    void reportReady() { Q_EMIT ready(); }
    void reportLevel(double rmsDb, double peakDb) { Q_EMIT levelMeasured(rmsDb, peakDb); }
    void reportFailed(const StreamFailure &failure) { Q_EMIT failed(failure); }
    void reportFailed(StreamFailure::Reason reason) { Q_EMIT failed(StreamFailure(reason)); }
    void reportFailedWhilePlaying(const StreamFailure &failure) { Q_EMIT failedWhilePlaying(failure); }
    void reportFailedWhilePlaying(StreamFailure::Reason reason)
    {
        Q_EMIT failedWhilePlaying(StreamFailure(reason));
    }
    void reportTitle(const QString &title) { Q_EMIT streamTitleChanged(title); }
    void reportPaused() { Q_EMIT paused(); }

    QStringList calls;
    float volume = -1;
    bool levelling = false;
    double levellingGain = 0.0;
    std::optional<QString> device;
    QString feedCaps;
    Feed feed; // the latest startFeed()'s reader
};
