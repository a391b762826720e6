#include "network/NetworkLibrary.h"

#include "base/AppInfo.h"
#include "base/Logging.h"

#include <QLibrary>

namespace {
QFunctionPointer resolve(const char *symbol)
{
    // Never unloaded: the adapters' objects and Qt's network plugins live as long as the process.
    static QLibrary library(AppInfo::libraryDir() + QStringLiteral("/libzeffira_network.so"));
    static bool warned = false;
    const QFunctionPointer function = library.resolve(symbol);
    if (!function && !warned) {
        warned = true;
        qCWarning(lcPlayer,
                  "Cannot load the network adapters from %s: %s (playlist links and the "
                  "network state are unavailable)",
                  qUtf8Printable(library.fileName()), qUtf8Printable(library.errorString()));
    }
    return function;
}
} // namespace

namespace NetworkLibrary {

PlaylistFetcher *createPlaylistFetcher()
{
    const auto create = reinterpret_cast<CreatePlaylistFetcher>(resolve(kCreatePlaylistFetcherSymbol));
    return create ? create() : nullptr;
}

NetworkMonitor *createNetworkMonitor()
{
    const auto create = reinterpret_cast<CreateNetworkMonitor>(resolve(kCreateNetworkMonitorSymbol));
    return create ? create() : nullptr;
}

StationDirectory *createStationDirectory()
{
    const auto create = reinterpret_cast<CreateStationDirectory>(resolve(kCreateStationDirectorySymbol));
    return create ? create() : nullptr;
}

ScrobbleSender *createScrobbleSender()
{
    const auto create = reinterpret_cast<CreateScrobbleSender>(resolve(kCreateScrobbleSenderSymbol));
    return create ? create() : nullptr;
}

} // namespace NetworkLibrary
