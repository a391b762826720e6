#include "playback/StreamUrl.h"

#include <QUrl>

#include <algorithm>
#include <iterator>

namespace {
// Schemes of network streams that GStreamer has sources for.
constexpr const char *kNetworkSchemes[] = {"http",  "https", "icy",   "icyx",   "rtsp",  "rtsps", "rtspt",
                                           "rtspu", "rtsph", "mms",   "mmsh",   "mmst",  "mmsu",  "rtmp",
                                           "rtmps", "rtmpt", "rtmpe", "rtmpte", "rtmpts"};
} // namespace

namespace StreamUrl {

QStringList networkSchemes()
{
    QStringList schemes;
    for (const char *scheme : kNetworkSchemes)
        schemes << QLatin1String(scheme);
    return schemes;
}

bool isNetworkScheme(QStringView scheme)
{
    return std::any_of(std::begin(kNetworkSchemes), std::end(kNetworkSchemes), [&](const char *s) {
        return scheme.compare(QLatin1String(s), Qt::CaseInsensitive) == 0;
    });
}

std::optional<StreamFailure> rejectionReason(const QString &url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.scheme().isEmpty())
        return StreamFailure(StreamFailure::Reason::InvalidUrl);
    if (!isNetworkScheme(parsed.scheme()))
        return StreamFailure(StreamFailure::Reason::UnsupportedScheme);
    if (parsed.host().isEmpty())
        return StreamFailure(StreamFailure::Reason::InvalidUrl);
    return std::nullopt;
}

} // namespace StreamUrl
