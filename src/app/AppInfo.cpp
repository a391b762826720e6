#include "app/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppInfo {

QString appId() { return QStringLiteral(ZEFFIRA_APP_ID); }
QString version() { return QStringLiteral(ZEFFIRA_VERSION); }
QString buildNumber() { return QStringLiteral(ZEFFIRA_BUILD_NUMBER); }
QString websiteHost() { return QStringLiteral(ZEFFIRA_WEBSITE_HOST); }

QString builtInStationsPath()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        // <prefix>/bin/zeffira -> <prefix>/share/zeffira/stations.xml
        const QDir binDir(QCoreApplication::applicationDirPath());
        candidates << binDir.filePath(QStringLiteral("../" ZEFFIRA_INSTALL_DATA_DIR "/stations.xml"));
    }
    candidates << QStringLiteral(ZEFFIRA_SOURCE_DATA_DIR "/stations.xml");
    for (const QString &path : std::as_const(candidates)) {
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return {};
}

} // namespace AppInfo
