// A station: a display name and the exact URL text of its stream. Plain value, copied freely.
// The URL is kept as the text it was parsed from, so ids compare byte for byte.
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
