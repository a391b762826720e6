// The user's language for every text the program shows. Dutch is the source language: it needs
// no catalogue of ours, and a locale we have no catalogue for gets Dutch too.
#pragma once

#include <QString>

class QLocale;

namespace Translations {

// Installs into the running application the catalogue the locale asks for (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, in that order of weight), with Qt's own texts in the same language. Call
// right after the application object is made, before any text is; returns the language chosen,
// e.g. "nl" or "en".
QString install();
QString install(const QLocale &locale);

// `source`, a Dutch text marked with QT_TRANSLATE_NOOP(context, ...) where it is defined (a
// constant that is also compared or logged as it is), in the user's language.
QString text(const char *context, const QString &source);

} // namespace Translations
