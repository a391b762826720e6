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

// The name of the first category whose name equals `name` without regard to letter case, or a
// null text. The panel shows headings in capitals, so "test" and "Test" would read as one.
inline QString categoryNameIgnoringCase(const Catalogue &categories, const QString &name)
{
    for (const StationCategory &category : categories) {
        if (category.name.compare(name, Qt::CaseInsensitive) == 0)
            return category.name;
    }
    return QString();
}

Q_DECLARE_METATYPE(StationCategory)
