#include "catalogue/RadioStation.h"

#include <QHashFunctions>

bool isParsableUrl(const QString &text)
{
    return !text.isEmpty() && QUrl(text, QUrl::StrictMode).isValid();
}

size_t qHash(const RadioStation &station, size_t seed) noexcept
{
    // Name first, then URL.
    return qHashMulti(seed, station.name, station.url);
}
