// Reads what a stream URL serves as a document, for a second look when it did not play as audio:
// one request at a time, bounded (see the limits), never blocking the caller. Reports arrive on
// the main thread and concern the latest fetch(); nothing is reported after cancel().
#pragma once

#include "playback/StreamFailure.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class PlaylistFetcher : public QObject
{
    Q_OBJECT
public:
    // At most this much is read; a longer body is cut off there (a stream is not a playlist).
    static constexpr qsizetype maxBytes = 64 * 1024;
    // The whole fetch, redirects included, ends after this long.
    static constexpr int timeoutMs = 5000;
    static constexpr int maxRedirects = 5;

    using QObject::QObject;
    ~PlaylistFetcher() override = default;

    // Starts reading `url`; a fetch still running is dropped.
    virtual void fetch(const QString &url) = 0;
    virtual void cancel() = 0;

Q_SIGNALS:
    // The body (up to maxBytes), the server's content type, and the URL it was finally read from.
    void fetched(const QByteArray &body, const QString &contentType, const QString &finalUrl);
    // Why it could not be read (host not found, bad response, an HTTP status, ...); nullopt when
    // the URL is nothing to read over HTTP (no second opinion).
    void fetchFailed(const std::optional<StreamFailure> &failure);
};
