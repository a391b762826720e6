// JSON forms of stations, categories and the legacy records. Decoding is all or nothing:
// any malformed element rejects the whole input, with a readable reason. An object with a repeated
// key is malformed too: taking one of its values would silently drop the other.
#pragma once

#include "catalogue/LegacyStation.h"
#include "catalogue/StationCategory.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <optional>

namespace CatalogueCodec {

QJsonObject encodeStation(const RadioStation &station);
QJsonObject encodeCategory(const StationCategory &category);
// Compact UTF-8 JSON, keys in record order.
QByteArray encodeCatalogue(const Catalogue &catalogue);

std::optional<RadioStation> decodeStation(const QJsonValue &value, QString *error = nullptr);
// `text` as a station's logo address: an http or https URL with a host, trimmed; else empty.
QString logoUrl(const QString &text);
std::optional<StationCategory> decodeCategory(const QJsonValue &value, QString *error = nullptr);
std::optional<Catalogue> decodeCatalogue(const QByteArray &json, QString *error = nullptr);
// The general path of decodeCatalogue, through QJsonDocument, without the fast reader. Both give
// the same verdict and result on every input the fast reader takes.
std::optional<Catalogue> decodeCatalogueDocument(const QByteArray &json, QString *error = nullptr);
std::optional<QList<LegacyStation>> decodeLegacyStations(const QByteArray &json, QString *error = nullptr);

} // namespace CatalogueCodec
