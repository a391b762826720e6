#include "viewmodels/StreamErrorText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace StreamErrorText {

QString describe(const QString &error)
{
    // Dutch sources, looked up in the user's language when shown.
    static const QHash<QString, const char *> fixed{
        {QStringLiteral("connection refused"), QT_TRANSLATE_NOOP("StreamErrorText", "verbinding geweigerd")},
        {QStringLiteral("host not found"), QT_TRANSLATE_NOOP("StreamErrorText", "server niet gevonden")},
        {QStringLiteral("host unreachable"), QT_TRANSLATE_NOOP("StreamErrorText", "server onbereikbaar")},
        {QStringLiteral("network unreachable"), QT_TRANSLATE_NOOP("StreamErrorText", "netwerk onbereikbaar")},
        {QStringLiteral("connection timed out"),
         QT_TRANSLATE_NOOP("StreamErrorText", "server reageert niet")},
        {QStringLiteral("not an audio stream"), QT_TRANSLATE_NOOP("StreamErrorText", "geen audiostream")},
        {QStringLiteral("no stream from the server"),
         QT_TRANSLATE_NOOP("StreamErrorText", "ongeldig antwoord van de server")},
        {QStringLiteral("bad server response"),
         QT_TRANSLATE_NOOP("StreamErrorText", "ongeldig antwoord van de server")},
        {QStringLiteral("stream ended"), QT_TRANSLATE_NOOP("StreamErrorText", "stream afgebroken")},
        {QStringLiteral("unsupported URL scheme"),
         QT_TRANSLATE_NOOP("StreamErrorText", "adres wordt niet ondersteund")},
        {QStringLiteral("invalid URL"), QT_TRANSLATE_NOOP("StreamErrorText", "ongeldig adres")},
        {QStringLiteral("too many redirects"),
         QT_TRANSLATE_NOOP("StreamErrorText", "te veel doorverwijzingen")},
        {QStringLiteral("redirect to an insecure address refused"),
         QT_TRANSLATE_NOOP("StreamErrorText", "onveilige doorverwijzing geweigerd")},
        {QStringLiteral("secure connection failed"),
         QT_TRANSLATE_NOOP("StreamErrorText", "beveiligde verbinding mislukt")},
        {QStringLiteral("proxy failed"), QT_TRANSLATE_NOOP("StreamErrorText", "proxy werkt niet")},
        {QStringLiteral("playlist holds no network streams"),
         QT_TRANSLATE_NOOP("StreamErrorText", "afspeellijst zonder streams")},
        {QStringLiteral("empty playlist"),
         QT_TRANSLATE_NOOP("StreamErrorText", "afspeellijst zonder streams")},
        {QStringLiteral("playlists nested too deep"),
         QT_TRANSLATE_NOOP("StreamErrorText", "afspeellijst klopt niet")},
        {QStringLiteral("playlist lists itself"),
         QT_TRANSLATE_NOOP("StreamErrorText", "afspeellijst klopt niet")},
    };
    if (const auto it = fixed.constFind(error); it != fixed.cend())
        return QCoreApplication::translate("StreamErrorText", *it);

    static const QRegularExpression http(QStringLiteral("^HTTP (\\d{3})$"));
    if (const QRegularExpressionMatch match = http.match(error); match.hasMatch()) {
        const int status = match.captured(1).toInt();
        const QString what = status == 404 ? QCoreApplication::translate("StreamErrorText", "niet gevonden")
                             : status == 401 || status == 403
                                 ? QCoreApplication::translate("StreamErrorText", "geen toegang")
                             : status >= 500 ? QCoreApplication::translate("StreamErrorText", "serverfout")
                                             : QCoreApplication::translate("StreamErrorText", "geweigerd");
        return QCoreApplication::translate("StreamErrorText", "%1 (HTTP %2)").arg(what).arg(status);
    }
    if (error.startsWith(QLatin1String("no data for ")))
        return QCoreApplication::translate("StreamErrorText", "geen geluid ontvangen");
    if (error.startsWith(QLatin1String("no decoder for ")))
        return QCoreApplication::translate("StreamErrorText", "geen decoder voor %1").arg(error.mid(15));
    return error;
}

} // namespace StreamErrorText
