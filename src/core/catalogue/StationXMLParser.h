// Event receiver that turns the built-in station list's XML into categories. Only the start
// and end of "category" and the start of "station" do anything; names match exactly.
#pragma once

#include "catalogue/StationCategory.h"

#include <QByteArray>
#include <QHash>
#include <optional>

class StationXMLParser
{
public:
    using Attributes = QHash<QString, QString>;

    void startElement(const QString &elementName, const Attributes &attributes);
    void endElement(const QString &elementName);

    // Runs a streaming parse over `xml` (namespace processing off) and feeds this receiver,
    // stopping at the first error. Returns whether the document parsed to its end.
    bool parse(const QByteArray &xml);

    Catalogue categories;
    std::optional<StationCategory> currentCategory;
};

// The built-in list at `path`, or an empty list when it is missing or unreadable.
Catalogue loadBuiltInStations(const QString &path);
