// The catalogue as one flat list in display order, and the neighbours of a station in it, with
// wrap-around. A station is found by its exact entry, else by the first entry with its URL.
#pragma once

#include "catalogue/StationCategory.h"

#include <optional>

namespace StationWalk {
QList<RadioStation> allStations(const Catalogue &catalogue);
// After `station`; the first station when `station` is not in the catalogue.
std::optional<RadioStation> nextStation(const Catalogue &catalogue, const RadioStation &station);
// Before `station`; the last station when `station` is not in the catalogue.
std::optional<RadioStation> previousStation(const Catalogue &catalogue, const RadioStation &station);
} // namespace StationWalk
