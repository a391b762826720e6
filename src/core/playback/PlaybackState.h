// The player's state as the views show it. Any two failed states are equal, whatever their error.
#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

class PlaybackState
{
    Q_GADGET
    Q_PROPERTY(Kind kind READ kind CONSTANT)
    Q_PROPERTY(QString error READ error CONSTANT)
public:
    enum Kind { Idle, Loading, Playing, Paused, Failed };
    Q_ENUM(Kind)

    PlaybackState(Kind kind = Idle) : m_kind(kind) {}
    static PlaybackState failed(QString error)
    {
        PlaybackState state(Failed);
        state.m_error = std::move(error);
        return state;
    }

    Kind kind() const { return m_kind; }
    // The platform's error text; empty unless failed.
    const QString &error() const { return m_error; }
    QString name() const;

    friend bool operator==(const PlaybackState &a, const PlaybackState &b) { return a.m_kind == b.m_kind; }

private:
    Kind m_kind;
    QString m_error;
};

Q_DECLARE_METATYPE(PlaybackState)
