#include "base/SaveLeftovers.h"

#include "base/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isLower(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}
bool isUpper(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// QTemporaryFile replaces "XXXXXX" with six random ASCII letters of either case.
bool isTemporarySuffix(const QString &suffix)
{
    if (suffix.size() != 6)
        return false;
    for (const QChar c : suffix) {
        if (!isLower(c) && !isUpper(c))
            return false;
    }
    const bool allLower = std::all_of(suffix.begin(), suffix.end(), isLower);
    const bool allUpper = std::all_of(suffix.begin(), suffix.end(), isUpper);
    const bool capitalised =
        isUpper(suffix.front()) && std::all_of(suffix.begin() + 1, suffix.end(), isLower);
    return !allLower && !allUpper && !capitalised;
}

} // namespace

int SaveLeftovers::remove(const QString &filePath)
{
    // A save of a symlinked file writes beside the target.
    const QFileInfo info(filePath);
    const QFileInfo target(info.isSymLink() && info.exists() ? info.canonicalFilePath()
                                                             : info.absoluteFilePath());
    const QDir dir = target.absoluteDir();
    const QString prefix = target.fileName() + QLatin1Char('.');
    int removed = 0;
    const QFileInfoList candidates =
        dir.entryInfoList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &candidate : candidates) {
        if (candidate.isSymLink() || !isTemporarySuffix(candidate.fileName().mid(prefix.size())))
            continue;
        if (QFile::remove(candidate.absoluteFilePath())) {
            ++removed;
            qCInfo(lcSystem, "Removed %s, left by a save that was cut off",
                   qUtf8Printable(candidate.absoluteFilePath()));
        }
    }
    return removed;
}
