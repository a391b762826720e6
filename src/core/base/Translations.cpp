#include "base/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

QString install()
{
    return install(QLocale::system());
}

QString install(const QLocale &locale)
{
    // Static: they must outlive every application object, and a second one reuses them.
    static QTranslator ours;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qt);

    // The first of the user's languages that we speak wins; Dutch, the source, needs nothing.
    QLocale chosen(QLocale::Dutch, QLocale::Netherlands);
    bool loaded = false;
    // As gettext does, the C locale ignores LANGUAGE: it is the untranslated program.
    const QStringList languages = locale.language() == QLocale::C ? QStringList() : locale.uiLanguages();
    for (const QString &tag : languages) {
        const QLocale candidate(tag);
        if (candidate.language() == QLocale::Dutch)
            break;
        if (candidate.language() != QLocale::C &&
            ours.load(QStringLiteral("zeffira_") + QLocale::languageToCode(candidate.language()),
                      QStringLiteral(":/i18n"))) {
            chosen = candidate;
            loaded = true;
            break;
        }
    }
    if (loaded)
        QCoreApplication::installTranslator(&ours);
    // Qt's own texts (the command line's "Usage:", the text fields' menus) in the same language;
    // none is needed for English, Qt's source, and none is there without Qt's translations.
    if (qt.load(chosen, QStringLiteral("qt"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return QLocale::languageToCode(chosen.language());
}

QString text(const char *context, const QString &source)
{
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

} // namespace Translations
