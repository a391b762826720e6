#include "viewmodels/StreamErrorText.h"

#include <QRegularExpression>

namespace StreamErrorText {

QString describe(const QString &error)
{
    static const QHash<QString, QString> fixed{
        {QStringLiteral("connection refused"), QStringLiteral("verbinding geweigerd")},
        {QStringLiteral("host not found"), QStringLiteral("server niet gevonden")},
        {QStringLiteral("host unreachable"), QStringLiteral("server onbereikbaar")},
        {QStringLiteral("network unreachable"), QStringLiteral("netwerk onbereikbaar")},
        {QStringLiteral("connection timed out"), QStringLiteral("server reageert niet")},
        {QStringLiteral("not an audio stream"), QStringLiteral("geen audiostream")},
        {QStringLiteral("no stream from the server"), QStringLiteral("ongeldig antwoord van de server")},
        {QStringLiteral("bad server response"), QStringLiteral("ongeldig antwoord van de server")},
        {QStringLiteral("stream ended"), QStringLiteral("stream afgebroken")},
        {QStringLiteral("unsupported URL scheme"), QStringLiteral("adres wordt niet ondersteund")},
        {QStringLiteral("invalid URL"), QStringLiteral("ongeldig adres")},
        {QStringLiteral("too many redirects"), QStringLiteral("te veel doorverwijzingen")},
        {QStringLiteral("redirect to an insecure address refused"),
         QStringLiteral("onveilige doorverwijzing geweigerd")},
        {QStringLiteral("secure connection failed"), QStringLiteral("beveiligde verbinding mislukt")},
        {QStringLiteral("proxy failed"), QStringLiteral("proxy werkt niet")},
        {QStringLiteral("playlist holds no network streams"), QStringLiteral("afspeellijst zonder streams")},
        {QStringLiteral("empty playlist"), QStringLiteral("afspeellijst zonder streams")},
        {QStringLiteral("playlists nested too deep"), QStringLiteral("afspeellijst klopt niet")},
        {QStringLiteral("playlist lists itself"), QStringLiteral("afspeellijst klopt niet")},
    };
    if (const auto it = fixed.constFind(error); it != fixed.cend())
        return *it;

    static const QRegularExpression http(QStringLiteral("^HTTP (\\d{3})$"));
    if (const QRegularExpressionMatch match = http.match(error); match.hasMatch()) {
        const int status = match.captured(1).toInt();
        const QString what = status == 404                    ? QStringLiteral("niet gevonden")
                             : status == 401 || status == 403 ? QStringLiteral("geen toegang")
                             : status >= 500                  ? QStringLiteral("serverfout")
                                                              : QStringLiteral("geweigerd");
        return QStringLiteral("%1 (HTTP %2)").arg(what).arg(status);
    }
    if (error.startsWith(QLatin1String("no data for ")))
        return QStringLiteral("geen geluid ontvangen");
    if (error.startsWith(QLatin1String("no decoder for ")))
        return QStringLiteral("geen decoder voor ") + error.mid(15);
    return error;
}

} // namespace StreamErrorText
