#include "network/DeferredStationDirectory.h"

#include "network/NetworkLibrary.h"

DeferredStationDirectory::~DeferredStationDirectory() = default;

StationDirectory *DeferredStationDirectory::directory()
{
    if (!m_loaded) {
        m_loaded = true;
        m_directory.reset(NetworkLibrary::createStationDirectory());
        if (m_directory) {
            connect(m_directory.get(), &StationDirectory::found, this, &StationDirectory::found);
            connect(m_directory.get(), &StationDirectory::failed, this, &StationDirectory::failed);
        }
    }
    return m_directory.get();
}

void DeferredStationDirectory::search(const QString &text)
{
    if (StationDirectory *d = directory())
        d->search(text);
    else
        QMetaObject::invokeMethod(
            this,
            [this] {
                Q_EMIT failed(Failure::NoServer, QStringLiteral("the network library could not be loaded"));
            },
            Qt::QueuedConnection);
}

void DeferredStationDirectory::cancel()
{
    if (m_directory)
        m_directory->cancel();
}

void DeferredStationDirectory::countClick(const QString &uuid)
{
    if (StationDirectory *d = directory())
        d->countClick(uuid);
}
