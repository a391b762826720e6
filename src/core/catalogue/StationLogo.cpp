#include "catalogue/StationLogo.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QStandardPaths>

namespace StationLogo {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Zeffira/logos");
}

QString cachePath(const QString &logoUrl)
{
    if (logoUrl.isEmpty())
        return {};
    const QByteArray hash = QCryptographicHash::hash(logoUrl.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder() + QLatin1Char('/') + QString::fromLatin1(hash) + QStringLiteral(".png");
}

QString cachedFile(const QString &logoUrl)
{
    const QString path = cachePath(logoUrl);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

} // namespace StationLogo
