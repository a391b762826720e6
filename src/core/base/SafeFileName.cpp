#include "base/SafeFileName.h"

#include "base/NetworkText.h"

#include <QDir>
#include <QFileInfo>

namespace SafeFileName {

QString part(QStringView text, const QString &fallback)
{
    // NetworkText drops the control characters and folds whitespace into single spaces.
    QString name = NetworkText::clean(text, NetworkText::noLimit);
    // "/" and NUL split a path on Linux; the rest are refused by FAT, exFAT and NTFS, where a
    // music folder on a stick or a shared disk lives.
    for (QChar &c : name) {
        if (QStringView(u"/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    // No hidden files, no "." or "..", and no trailing dots or spaces (Windows drops them).
    qsizetype start = 0;
    while (start < name.size() && (name[start] == QLatin1Char('.') || name[start] == QLatin1Char(' ')))
        ++start;
    name = name.mid(start);
    while (!name.isEmpty() && (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))))
        name.chop(1);
    // Cut at a whole character, never inside a surrogate pair.
    while (name.toUtf8().size() > maxBytes) {
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
        while (!name.isEmpty() && (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))))
            name.chop(1);
    }
    if (name.isEmpty())
        return fallback;
    // Names that Windows reserves for devices, with any extension.
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL")};
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (devices.contains(stem) ||
        (stem.size() == 4 &&
         (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
         stem.at(3).isDigit()))
        name.prepend(QLatin1Char('_'));
    return name;
}

QString unusedPath(const QString &folder, const QString &base, const QString &extension)
{
    const QDir dir(folder);
    for (int n = 1; n < 100; ++n) {
        const QString name = (n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n)) +
                             (extension.isEmpty() ? QString() : QLatin1Char('.') + extension);
        const QString path = dir.filePath(name);
        // exists() follows links: a dangling link counts as taken too.
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink() &&
            !QFileInfo::exists(path + QStringLiteral(".part")))
            return path;
    }
    return {};
}

} // namespace SafeFileName
