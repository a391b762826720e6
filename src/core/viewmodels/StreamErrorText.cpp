#include "viewmodels/StreamErrorText.h"

#include <QCoreApplication>

namespace StreamErrorText {

namespace {
QString withStatus(const QString &what, int status)
{
    return QCoreApplication::translate("StreamErrorText", "%1 (HTTP %2)").arg(what).arg(status);
}
} // namespace

QString describe(const StreamFailure &failure)
{
    using Reason = StreamFailure::Reason;
    // No default: a new reason does not compile until it has its words here.
    switch (failure.reason()) {
    case Reason::Refused:
        return QCoreApplication::translate("StreamErrorText", "verbinding geweigerd");
    case Reason::HostNotFound:
        return QCoreApplication::translate("StreamErrorText", "server niet gevonden");
    case Reason::HostUnreachable:
        return QCoreApplication::translate("StreamErrorText", "server onbereikbaar");
    case Reason::NetworkUnreachable:
        return QCoreApplication::translate("StreamErrorText", "netwerk onbereikbaar");
    case Reason::Timeout:
        return QCoreApplication::translate("StreamErrorText", "server reageert niet");
    case Reason::NotFound:
        return withStatus(QCoreApplication::translate("StreamErrorText", "niet gevonden"), failure.code());
    case Reason::AccessDenied:
        return withStatus(QCoreApplication::translate("StreamErrorText", "geen toegang"), failure.code());
    case Reason::ServerError:
        return withStatus(QCoreApplication::translate("StreamErrorText", "serverfout"), failure.code());
    case Reason::HttpRefused:
        return withStatus(QCoreApplication::translate("StreamErrorText", "geweigerd"), failure.code());
    case Reason::UnsupportedFormat:
        return QCoreApplication::translate("StreamErrorText", "geen audiostream");
    case Reason::NoStream:
    case Reason::BadResponse:
        return QCoreApplication::translate("StreamErrorText", "ongeldig antwoord van de server");
    case Reason::Ended:
        return QCoreApplication::translate("StreamErrorText", "stream afgebroken");
    case Reason::Stalled:
        return QCoreApplication::translate("StreamErrorText", "geen geluid ontvangen");
    case Reason::NoDecoder:
        return QCoreApplication::translate("StreamErrorText", "geen decoder voor %1").arg(failure.detail());
    case Reason::UnsupportedScheme:
        return QCoreApplication::translate("StreamErrorText", "adres wordt niet ondersteund");
    case Reason::InvalidUrl:
        return QCoreApplication::translate("StreamErrorText", "ongeldig adres");
    case Reason::TooManyRedirects:
        return QCoreApplication::translate("StreamErrorText", "te veel doorverwijzingen");
    case Reason::InsecureRedirect:
        return QCoreApplication::translate("StreamErrorText", "onveilige doorverwijzing geweigerd");
    case Reason::SecureConnectionFailed:
        return QCoreApplication::translate("StreamErrorText", "beveiligde verbinding mislukt");
    case Reason::ProxyFailed:
        return QCoreApplication::translate("StreamErrorText", "proxy werkt niet");
    case Reason::NoPlayableEntry:
    case Reason::EmptyPlaylist:
        return QCoreApplication::translate("StreamErrorText", "afspeellijst zonder streams");
    case Reason::PlaylistTooDeep:
    case Reason::PlaylistListsItself:
        return QCoreApplication::translate("StreamErrorText", "afspeellijst klopt niet");
    case Reason::Other:
        break;
    }
    // The platform's own words (clean text), as they came.
    return failure.logText();
}

} // namespace StreamErrorText
