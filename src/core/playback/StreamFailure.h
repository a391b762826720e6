// Why a stream did not play, as every adapter reports it: a reason the logic acts on and the
// views put in the user's words, with the number or the words that go with it (an HTTP status,
// the seconds of silence, the missing decoder, the platform's own text), cleaned. No one parses
// text to find the reason.
#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <chrono>

class StreamFailure
{
    Q_GADGET
public:
    enum class Reason {
        Refused,      // the server refused the connection
        HostNotFound, // the name does not resolve
        HostUnreachable,
        NetworkUnreachable,
        Timeout,           // the server does not answer
        NotFound,          // HTTP 404 (code())
        AccessDenied,      // HTTP 401, 403 (code())
        ServerError,       // HTTP 5xx (code())
        HttpRefused,       // any other HTTP error status (code())
        UnsupportedFormat, // the content is no audio (it may be a playlist)
        NoStream,          // the source failed without saying why (it may be a playlist)
        BadResponse,       // a response that is not HTTP, or not a sane one
        Ended,             // the server ended a stream that had played
        Stalled,           // no audio for code() seconds
        NoDecoder,         // an audio codec without a decoder (detail(): its media type)
        UnsupportedScheme,
        InvalidUrl,
        TooManyRedirects,
        InsecureRedirect, // a redirect to a less safe scheme, refused
        SecureConnectionFailed,
        ProxyFailed,
        NoPlayableEntry, // a playlist whose entries are not network streams
        EmptyPlaylist,
        PlaylistTooDeep, // playlists nested deeper than the resolver follows
        PlaylistListsItself,
        Other, // the platform's own words (detail()), or none
    };
    Q_ENUM(Reason)

    StreamFailure() = default;
    // `detail` is cleaned here: it may come from the network.
    explicit StreamFailure(Reason reason, const QString &detail = {});
    // An HTTP error status, with the reason that status means.
    static StreamFailure http(int status);
    static StreamFailure stalled(std::chrono::seconds silence);

    Reason reason() const { return m_reason; }
    // The HTTP status (NotFound, AccessDenied, ServerError, HttpRefused) or the seconds (Stalled);
    // 0 otherwise.
    int code() const { return m_code; }
    const QString &detail() const { return m_detail; }
    // Either of the two that may be a playlist link, worth reading as a document.
    bool mayBePlaylist() const
    {
        return m_reason == Reason::UnsupportedFormat || m_reason == Reason::NoStream;
    }
    // The reason in the log's words: "connection refused", "HTTP 404", "no data for 5 s", ...
    QString logText() const;

    friend bool operator==(const StreamFailure &, const StreamFailure &) = default;

private:
    Reason m_reason = Reason::Other;
    int m_code = 0;
    QString m_detail;
};

Q_DECLARE_METATYPE(StreamFailure)
