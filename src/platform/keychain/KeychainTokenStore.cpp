#include "keychain/KeychainTokenStore.h"

#include "history/HistoryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <qt6keychain/keychain.h>

namespace {
const QString service = QStringLiteral("Zeffira");
const QString key = QStringLiteral("listenbrainz-token");

// Errors that mean the store is there and answered: anything else means no store runs.
bool storeAnswered(QKeychain::Error error)
{
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound ||
           error == QKeychain::AccessDeniedByUser;
}
} // namespace

KeychainTokenStore::KeychainTokenStore(QObject *parent) : TokenStore(parent) {}

QString KeychainTokenStore::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zeffira/listenbrainz-token");
}

void KeychainTokenStore::read()
{
    auto *job = new QKeychain::ReadPasswordJob(service, this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [this, job] {
        Place place = Place::Nowhere;
        if (job->error() == QKeychain::NoError && !job->textData().isEmpty()) {
            Q_EMIT tokenRead(job->textData(), Place::SecretStore);
            return;
        }
        // None in the store (or no store): one kept in the file while no store ran.
        const QString token = readFile(&place);
        Q_EMIT tokenRead(token, place);
    });
    job->start();
}

void KeychainTokenStore::write(const QString &token)
{
    if (token.isEmpty()) {
        auto *job = new QKeychain::DeletePasswordJob(service, this);
        job->setKey(key);
        connect(job, &QKeychain::Job::finished, this, [this] { Q_EMIT written(Place::Nowhere); });
        QFile::remove(filePath());
        job->start();
        return;
    }
    auto *job = new QKeychain::WritePasswordJob(service, this);
    job->setKey(key);
    job->setTextData(token);
    connect(job, &QKeychain::Job::finished, this, [this, job, token] {
        if (job->error() == QKeychain::NoError) {
            // Kept safe now: no copy stays behind in a file.
            QFile::remove(filePath());
            Q_EMIT written(Place::SecretStore);
        } else if (storeAnswered(job->error())) {
            qCWarning(lcHistory, "The secret store did not keep the ListenBrainz token: %s",
                      qUtf8Printable(job->errorString()));
            Q_EMIT written(Place::Nowhere);
        } else {
            qCInfo(lcHistory, "No secret store (%s); the ListenBrainz token goes to %s",
                   qUtf8Printable(job->errorString()), qUtf8Printable(filePath()));
            Q_EMIT written(writeFile(token) ? Place::File : Place::Nowhere);
        }
    });
    job->start();
}

QString KeychainTokenStore::readFile(Place *place) const
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString token = QString::fromUtf8(file.read(4096)).trimmed();
    if (!token.isEmpty())
        *place = Place::File;
    return token;
}

bool KeychainTokenStore::writeFile(const QString &token) const
{
    QDir().mkpath(QFileInfo(filePath()).absolutePath());
    QSaveFile file(filePath());
    // The owner's rights only, before a byte of the token is written.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qCWarning(lcHistory, "Cannot write %s: %s", qUtf8Printable(filePath()),
                  qUtf8Printable(file.errorString()));
        return false;
    }
    file.write(token.toUtf8() + '\n');
    if (!file.commit()) {
        qCWarning(lcHistory, "Cannot write %s: %s", qUtf8Printable(filePath()),
                  qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}
