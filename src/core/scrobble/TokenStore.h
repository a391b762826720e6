// Keeps the user's ListenBrainz token: the logic owns this interface; the QtKeychain adapter
// implements it (the desktop's secret store, else a file only the user can read). Asynchronous:
// each read() and write() is answered once on the main thread.
#pragma once

#include <QObject>
#include <QString>

class TokenStore : public QObject
{
    Q_OBJECT
public:
    enum class Place {
        Nowhere,     // none stored, or it could not be kept
        SecretStore, // the desktop's secret store
        File,        // no secret store runs: a file of mode 0600
    };
    Q_ENUM(Place)

    using QObject::QObject;

    virtual void read() = 0;
    // An empty token removes the stored one.
    virtual void write(const QString &token) = 0;

Q_SIGNALS:
    void tokenRead(const QString &token, TokenStore::Place place);
    void written(TokenStore::Place place);
};
