// The media keys where GNOME's settings daemon holds them: it gives them to the application that
// grabbed them, so the grab follows whether the remote commands are on, and a key pressed becomes
// the same remote command an MPRIS client would send. Elsewhere the calls fail quietly and the
// desktop reaches us through MPRIS alone.
#pragma once

#include <QDBusConnection>
#include <QObject>

class MprisService;

class GnomeMediaKeys final : public QObject
{
    Q_OBJECT
public:
    // `commands` must outlive this object.
    GnomeMediaKeys(MprisService *commands, const QDBusConnection &bus, QObject *parent = nullptr);
    ~GnomeMediaKeys() override;

private Q_SLOTS:
    void onKeyPressed(const QString &application, const QString &key);

private:
    void updateGrab();

    MprisService *m_commands;
    QDBusConnection m_bus;
    bool m_grabbed = false;
};
