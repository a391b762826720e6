// Where a station's logo is kept once fetched: one 64-pixel PNG per logo address in
// $XDG_CACHE_HOME/Zeffira/logos/, named by a hash of the address. The views fetch it; everything
// else (the media controls' art) only reads what is there.
#pragma once

#include <QString>

namespace StationLogo {

// The edge of a kept logo, in pixels.
constexpr int size = 64;

QString folder();
// The file for `logoUrl` (whether or not it exists); empty for an empty address.
QString cachePath(const QString &logoUrl);
// The file when it has been fetched, else empty.
QString cachedFile(const QString &logoUrl);

} // namespace StationLogo
