// A station: a display name, the exact URL text of its stream and, optionally, its logo's address. Plain
// value, copied freely. The URL is kept as the text it was parsed from, so ids compare byte for byte.
#pragma once

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUrl>

// True when `text` is a URL: not empty and accepted by a strict RFC 3986 parser as a
// URI reference. Nothing is normalised; callers keep the text as it is.
bool isParsableUrl(const QString &text);

struct RadioStation {
    QString name;
    QString url;
    // The station's logo on the web (http or https), as the station directory lists it; empty
    // when it has none. Not part of its identity.
    QString logoUrl;

    RadioStation() = default;
    RadioStation(QString stationName, QString urlText) : name(std::move(stationName)), url(std::move(urlText))
    {
    }

    // Identity across the whole system: the URL text, compared exactly.
    const QString &id() const { return url; }
    QUrl qurl() const { return QUrl(url, QUrl::StrictMode); }

    friend bool operator==(const RadioStation &, const RadioStation &) = default;
};

size_t qHash(const RadioStation &station, size_t seed = 0) noexcept;

Q_DECLARE_METATYPE(RadioStation)
