// The entry points of libzeffira_network (see NetworkLibrary.h).
#include "network/HttpPlaylistFetcher.h"
#include "network/ListenBrainzSender.h"
#include "network/NetworkLibrary.h"
#include "network/NetworkManagerMonitor.h"
#include "network/RadioBrowserDirectory.h"

extern "C" Q_DECL_EXPORT PlaylistFetcher *zeffira_create_playlist_fetcher()
{
    return new HttpPlaylistFetcher();
}

extern "C" Q_DECL_EXPORT NetworkMonitor *zeffira_create_network_monitor()
{
    return new NetworkManagerMonitor();
}

extern "C" Q_DECL_EXPORT StationDirectory *zeffira_create_station_directory()
{
    return new RadioBrowserDirectory();
}

extern "C" Q_DECL_EXPORT ScrobbleSender *zeffira_create_scrobble_sender()
{
    return new ListenBrainzSender();
}
