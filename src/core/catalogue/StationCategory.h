// A named, ordered group of stations; the catalogue is an ordered list of these.
#pragma once

#include "catalogue/RadioStation.h"

struct StationCategory {
    QString name;
    QList<RadioStation> stations;

    StationCategory() = default;
    StationCategory(QString categoryName, QList<RadioStation> list = {})
        : name(std::move(categoryName)), stations(std::move(list))
    {
    }

    const QString &id() const { return name; }

    friend bool operator==(const StationCategory &, const StationCategory &) = default;
};

using Catalogue = QList<StationCategory>;

Q_DECLARE_METATYPE(StationCategory)
