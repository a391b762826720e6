// One audio output device as the user sees it: the sound server's identity for it, its
// persistent UID (the stored choice, handed to the player) and its display name.
#pragma once

#include <QHashFunctions>
#include <QMetaType>
#include <QString>

struct AudioDevice {
    Q_GADGET
    Q_PROPERTY(quint32 id MEMBER id)
    Q_PROPERTY(QString uid MEMBER uid)
    Q_PROPERTY(QString name MEMBER name)
public:
    quint32 id = 0;
    QString uid;
    QString name;

    friend bool operator==(const AudioDevice &, const AudioDevice &) = default;
};

inline size_t qHash(const AudioDevice &device, size_t seed = 0)
{
    return qHashMulti(seed, device.id, device.uid, device.name);
}
