#include "xdg/XdgAutostartLoginItem.h"

#include "base/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// The [Desktop Entry] value of `key`, if the file sets it (spaces around "=" ignored).
std::optional<QString> entryValue(const QByteArray &content, QLatin1String key)
{
    bool inMainGroup = false;
    for (const QByteArray &rawLine : content.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && QStringView(line).left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

// mkpath with the reason when it fails; QDir::mkpath only says yes or no.
LoginItem::Error makeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return std::nullopt;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder) {
        if (LoginItem::Error error = makeFolder(parent))
            return error;
    }
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!QFileInfo(folder).isDir())
        return QString::fromLocal8Bit(std::strerror(ENOTDIR));
    return std::nullopt;
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem()
    : XdgAutostartLoginItem(defaultFolder(), QCoreApplication::applicationFilePath(), AppInfo::appId())
{
}

XdgAutostartLoginItem::XdgAutostartLoginItem(const QString &autostartFolder, const QString &executablePath,
                                             const QString &appId)
    : m_folder(autostartFolder),
      m_filePath(QDir(autostartFolder).filePath(appId + QStringLiteral(".desktop"))),
      m_executablePath(executablePath), m_appId(appId)
{
}

QString XdgAutostartLoginItem::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QString XdgAutostartLoginItem::execArgument(const QString &argument)
{
    // Quoting first (the Exec rules), then the string-value escapes, which a reader undoes
    // first: a backslash in the path ends up as four in the file.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted;
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        if (reserved.contains(c))
            needsQuotes = true;
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%') // a literal percent, not a field code
            quoted += u'%';
    }
    if (needsQuotes)
        quoted = u'"' + quoted + u'"';

    QString escaped;
    for (const QChar c : std::as_const(quoted)) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u'\n':
            escaped += QLatin1String("\\n");
            break;
        case u'\t':
            escaped += QLatin1String("\\t");
            break;
        case u'\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QByteArray XdgAutostartLoginItem::desktopEntry(const QString &executablePath, const QString &appId)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Zeffira\n"
                                        "Exec=%1\n"
                                        "Icon=%2\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execArgument(executablePath), appId);
    return text.toUtf8();
}

bool XdgAutostartLoginItem::isEnabled() const
{
    QFile file(m_filePath);
    if (!file.exists())
        return false;
    // A file we cannot read still starts nothing we can tell apart: it exists, so it counts.
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray content = file.readAll();
    if (entryValue(content, QLatin1String("Hidden")) == QLatin1String("true"))
        return false;
    // GNOME's own switch for an entry; a session that honours it would not start us.
    return entryValue(content, QLatin1String("X-GNOME-Autostart-enabled")) != QLatin1String("false");
}

LoginItem::Error XdgAutostartLoginItem::registerItem()
{
    if (Error error = makeFolder(m_folder))
        return error;
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray content = desktopEntry(m_executablePath, m_appId);
    if (file.write(content) != content.size())
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

LoginItem::Error XdgAutostartLoginItem::unregisterItem()
{
    QFile file(m_filePath);
    if (!file.exists())
        return std::nullopt;
    if (!file.remove())
        return file.errorString();
    return std::nullopt;
}
