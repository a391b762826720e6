// The network adapters (QtNetwork) live in a library of their own, libzeffira_network, loaded the
// first time a stream or a directory search needs them: linked into the program, QtNetwork and what it pulls
// in cost an idle tray about 1 MiB. This is the loader and the library's entry points.
#pragma once

class NetworkMonitor;
class PlaylistFetcher;
class ScrobbleSender;
class StationDirectory;

namespace NetworkLibrary {
// New adapters from the library, owned by the caller; null when the library cannot be loaded
// (logged once as a warning with the loader's reason).
PlaylistFetcher *createPlaylistFetcher();
NetworkMonitor *createNetworkMonitor();
StationDirectory *createStationDirectory();
ScrobbleSender *createScrobbleSender();
} // namespace NetworkLibrary

extern "C" {
using CreatePlaylistFetcher = PlaylistFetcher *(*)();
using CreateNetworkMonitor = NetworkMonitor *(*)();
using CreateStationDirectory = StationDirectory *(*)();
using CreateScrobbleSender = ScrobbleSender *(*)();
}
inline constexpr const char *kCreatePlaylistFetcherSymbol = "zeffira_create_playlist_fetcher";
inline constexpr const char *kCreateNetworkMonitorSymbol = "zeffira_create_network_monitor";
inline constexpr const char *kCreateStationDirectorySymbol = "zeffira_create_station_directory";
inline constexpr const char *kCreateScrobbleSenderSymbol = "zeffira_create_scrobble_sender";
