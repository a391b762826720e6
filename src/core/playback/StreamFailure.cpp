#include "playback/StreamFailure.h"

#include "base/NetworkText.h"

StreamFailure::StreamFailure(Reason reason, const QString &detail)
    : m_reason(reason), m_detail(NetworkText::clean(detail))
{
}

StreamFailure StreamFailure::http(int status)
{
    StreamFailure failure(status == 404                    ? Reason::NotFound
                          : status == 401 || status == 403 ? Reason::AccessDenied
                          : status >= 500                  ? Reason::ServerError
                                                           : Reason::HttpRefused);
    failure.m_code = status;
    return failure;
}

StreamFailure StreamFailure::stalled(std::chrono::seconds silence)
{
    StreamFailure failure(Reason::Stalled);
    failure.m_code = int(silence.count());
    return failure;
}

QString StreamFailure::logText() const
{
    switch (m_reason) {
    case Reason::Refused:
        return QStringLiteral("connection refused");
    case Reason::HostNotFound:
        return QStringLiteral("host not found");
    case Reason::HostUnreachable:
        return QStringLiteral("host unreachable");
    case Reason::NetworkUnreachable:
        return QStringLiteral("network unreachable");
    case Reason::Timeout:
        return QStringLiteral("connection timed out");
    case Reason::NotFound:
    case Reason::AccessDenied:
    case Reason::ServerError:
    case Reason::HttpRefused:
        return QStringLiteral("HTTP %1").arg(m_code);
    case Reason::UnsupportedFormat:
        return QStringLiteral("not an audio stream");
    case Reason::NoStream:
        return QStringLiteral("no stream from the server");
    case Reason::BadResponse:
        return QStringLiteral("bad server response");
    case Reason::Ended:
        return QStringLiteral("stream ended");
    case Reason::Stalled:
        return QStringLiteral("no data for %1 s").arg(m_code);
    case Reason::NoDecoder:
        return QStringLiteral("no decoder for %1").arg(m_detail);
    case Reason::UnsupportedScheme:
        return QStringLiteral("unsupported URL scheme");
    case Reason::InvalidUrl:
        return QStringLiteral("invalid URL");
    case Reason::TooManyRedirects:
        return QStringLiteral("too many redirects");
    case Reason::InsecureRedirect:
        return QStringLiteral("redirect to an insecure address refused");
    case Reason::SecureConnectionFailed:
        return QStringLiteral("secure connection failed");
    case Reason::ProxyFailed:
        return QStringLiteral("proxy failed");
    case Reason::NoPlayableEntry:
        return QStringLiteral("playlist holds no network streams");
    case Reason::EmptyPlaylist:
        return QStringLiteral("empty playlist");
    case Reason::PlaylistTooDeep:
        return QStringLiteral("playlists nested too deep");
    case Reason::PlaylistListsItself:
        return QStringLiteral("playlist lists itself");
    case Reason::Other:
        break;
    }
    return m_detail.isEmpty() ? QStringLiteral("stream error") : m_detail;
}
