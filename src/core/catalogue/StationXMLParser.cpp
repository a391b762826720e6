#include "catalogue/StationXMLParser.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {
const QString kCategory = QStringLiteral("category");
const QString kStation = QStringLiteral("station");
const QString kName = QStringLiteral("name");
const QString kUrl = QStringLiteral("url");
} // namespace

void StationXMLParser::startElement(const QString &elementName, const Attributes &attributes)
{
    if (elementName == kCategory) {
        const auto name = attributes.constFind(kName);
        if (name == attributes.constEnd())
            return;
        // A category still open is dropped with its stations.
        currentCategory = StationCategory(*name);
    } else if (elementName == kStation) {
        const auto name = attributes.constFind(kName);
        const auto url = attributes.constFind(kUrl);
        if (name == attributes.constEnd() || url == attributes.constEnd())
            return;
        if (!isParsableUrl(*url) || !currentCategory)
            return;
        currentCategory->stations.append(RadioStation(*name, *url));
    }
}

void StationXMLParser::endElement(const QString &elementName)
{
    if (elementName == kCategory && currentCategory) {
        categories.append(std::move(*currentCategory));
        currentCategory.reset();
    }
}

bool StationXMLParser::parse(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            Attributes attributes;
            const QXmlStreamAttributes xmlAttributes = reader.attributes();
            for (const QXmlStreamAttribute &attribute : xmlAttributes) {
                const QString key = attribute.qualifiedName().toString();
                if (!attributes.contains(key))
                    attributes.insert(key, attribute.value().toString());
            }
            startElement(reader.qualifiedName().toString(), attributes);
            break;
        }
        case QXmlStreamReader::EndElement:
            endElement(reader.qualifiedName().toString());
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

Catalogue loadBuiltInStations(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    StationXMLParser parser;
    parser.parse(bytes);
    return parser.categories;
}
