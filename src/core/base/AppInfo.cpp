#include "base/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

namespace AppInfo {

QString appId()
{
    return QStringLiteral(ZEFFIRA_APP_ID);
}
QString version()
{
    return QStringLiteral(ZEFFIRA_VERSION);
}
QString websiteHost()
{
    return QStringLiteral(ZEFFIRA_WEBSITE_HOST);
}

namespace {
// `relative` below the install prefix of the running program, else `fallback`; empty when
// neither exists.
QString installedOr(const QString &relative, const QString &fallback)
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        // <prefix>/bin/zeffira -> <prefix>/<relative>
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../") + relative);
    }
    candidates << fallback;
    for (const QString &path : std::as_const(candidates)) {
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return {};
}
} // namespace

QString builtInStationsPath()
{
    return installedOr(QStringLiteral(ZEFFIRA_INSTALL_DATA_DIR "/stations.xml"),
                       QStringLiteral(ZEFFIRA_SOURCE_DATA_DIR "/stations.xml"));
}

QString iconThemePath()
{
    return installedOr(QStringLiteral(ZEFFIRA_INSTALL_ICON_DIR), QString());
}

QString iconFile(const QString &name)
{
    const QString file = name + QStringLiteral(".svg");
    return installedOr(QStringLiteral(ZEFFIRA_INSTALL_ICON_DIR "/hicolor/scalable/apps/") + file,
                       QStringLiteral(ZEFFIRA_SOURCE_DATA_DIR "/icons/") + file);
}

} // namespace AppInfo

QString AppInfo::libraryDir()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&AppInfo::libraryDir), &info) == 0 || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}
