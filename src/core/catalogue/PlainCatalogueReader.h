// The catalogue decoder's fast path: reads a catalogue straight from its bytes when they are in
// the plain form that CatalogueCodec::encodeCatalogue writes, or close to it: the usual
// whitespace, any key order, standard escapes, valid UTF-8. Going through QJsonDocument and
// QJsonObject cost twice the parse itself on a large catalogue. Whatever it does not handle
// (other keys, repeated keys, wrong types, anything malformed, lone surrogates, a byte order
// mark, a URL that does not parse) makes it give up, and the general decoder then decides, with
// its error text.
#pragma once

#include "catalogue/StationCategory.h"

#include <QByteArray>
#include <optional>

namespace PlainCatalogueReader {
// The catalogue, or nothing when the input is not in the plain form.
std::optional<Catalogue> read(const QByteArray &json);
} // namespace PlainCatalogueReader
