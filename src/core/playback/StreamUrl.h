// Which URLs the player opens: network streams only. Everything else (file, fd, dvb, v4l2, ...)
// is refused, so that a hand-edited catalogue or a playlist entry cannot make the player open
// local files or devices.
#pragma once

#include "playback/StreamFailure.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace StreamUrl {

// Every scheme isNetworkScheme() takes, in lower case.
QStringList networkSchemes();
// `scheme` in any case.
bool isNetworkScheme(QStringView scheme);
// Why `url` will not be opened (UnsupportedScheme, InvalidUrl), or nothing for an absolute URL
// with a network scheme and a host.
std::optional<StreamFailure> rejectionReason(const QString &url);

} // namespace StreamUrl
