#include "catalogue/CatalogueCodec.h"

#include "catalogue/PlainCatalogueReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

namespace CatalogueCodec {

namespace {

const QString kName = QStringLiteral("name");
const QString kUrl = QStringLiteral("url");
// Optional, and unknown to older builds, which read a station's name and url only.
const QString kLogo = QStringLiteral("logo");
const QString kStations = QStringLiteral("stations");
const QString kCategory = QStringLiteral("category");

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// Appends `text` as a JSON string. Written by hand because the catalogue is saved after
// every edit and building a QJsonDocument first doubles the cost of a save.
void appendJsonString(QByteArray &out, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out.append("\\\"", 2);
            break;
        case '\\':
            out.append("\\\\", 2);
            break;
        case '\n':
            out.append("\\n", 2);
            break;
        case '\r':
            out.append("\\r", 2);
            break;
        case '\t':
            out.append("\\t", 2);
            break;
        case '\b':
            out.append("\\b", 2);
            break;
        case '\f':
            out.append("\\f", 2);
            break;
        default:
            if (u < 0x20) {
                const char esc[] = {'\\', 'u', '0', '0', hex[u >> 4], hex[u & 0xf]};
                out.append(esc, sizeof esc);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
}

std::optional<QString> stringMember(const QJsonObject &object, const QString &key, const QString &what,
                                    QString *error)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd()) {
        fail(error, QStringLiteral("%1 lacks the key \"%2\"").arg(what, key));
        return std::nullopt;
    }
    if (!it->isString()) {
        fail(error, QStringLiteral("%1 has a \"%2\" that is not a string").arg(what, key));
        return std::nullopt;
    }
    return it->toString();
}

// Appends the JSON string starting after the opening quote at `p` (valid JSON) to `out`,
// unescaped; returns the position after the closing quote.
const char *readKey(const char *p, QString &out)
{
    const char *run = p;
    for (;;) {
        if (*p == '"') {
            out += QString::fromUtf8(run, p - run);
            return p + 1;
        }
        if (*p != '\\') {
            ++p;
            continue;
        }
        out += QString::fromUtf8(run, p - run);
        const char escaped = p[1];
        p += 2;
        switch (escaped) {
        case 'b':
            out += QChar(0x08);
            break;
        case 'f':
            out += QChar(0x0c);
            break;
        case 'n':
            out += QChar(0x0a);
            break;
        case 'r':
            out += QChar(0x0d);
            break;
        case 't':
            out += QChar(0x09);
            break;
        case 'u':
            out += QChar(char16_t(QByteArray(p, 4).toUShort(nullptr, 16)));
            p += 4;
            break;
        default: // '"', '\\', '/'
            out += QLatin1Char(escaped);
        }
        run = p;
    }
}

// The first key that an object of `json` (valid JSON, as QJsonDocument accepted it) holds
// twice, compared after unescaping; nothing when there is none. QJsonDocument keeps only one.
std::optional<QString> repeatedKey(const QByteArray &json)
{
    struct Level {
        bool isObject;
        bool expectKey;
        QSet<QString> keys;
    };
    QList<Level> levels;
    const char *p = json.constData();
    const char *const end = p + json.size();
    while (p < end) {
        switch (*p) {
        case '{':
            levels.append({true, true, {}});
            ++p;
            break;
        case '[':
            levels.append({false, false, {}});
            ++p;
            break;
        case '}':
        case ']':
            levels.removeLast();
            ++p;
            break;
        case ',':
            if (!levels.isEmpty() && levels.last().isObject)
                levels.last().expectKey = true;
            ++p;
            break;
        case '"': {
            if (levels.isEmpty() || !levels.last().expectKey) {
                // A value: skip it.
                for (++p; *p != '"'; ++p) {
                    if (*p == '\\')
                        ++p;
                }
                ++p;
                break;
            }
            QString key;
            p = readKey(p + 1, key);
            levels.last().expectKey = false;
            if (levels.last().keys.contains(key))
                return key;
            levels.last().keys.insert(key);
            break;
        }
        default:
            ++p;
        }
    }
    return std::nullopt;
}

std::optional<QJsonArray> parseArray(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        fail(error, QStringLiteral("not valid JSON at offset %1: %2")
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
        return std::nullopt;
    }
    if (!doc.isArray()) {
        fail(error, QStringLiteral("the top level is not an array"));
        return std::nullopt;
    }
    if (const auto key = repeatedKey(json)) {
        fail(error, QStringLiteral("an object has the key \"%1\" more than once").arg(*key));
        return std::nullopt;
    }
    return doc.array();
}

} // namespace

QJsonObject encodeStation(const RadioStation &station)
{
    QJsonObject object{{kName, station.name}, {kUrl, station.url}};
    if (!station.logoUrl.isEmpty())
        object.insert(kLogo, station.logoUrl);
    return object;
}

QJsonObject encodeCategory(const StationCategory &category)
{
    QJsonArray stations;
    for (const RadioStation &station : category.stations)
        stations.append(encodeStation(station));
    return QJsonObject{{kName, category.name}, {kStations, stations}};
}

QByteArray encodeCatalogue(const Catalogue &catalogue)
{
    QByteArray out;
    qsizetype estimate = 2;
    for (const StationCategory &category : catalogue)
        estimate += 32 + category.name.size() + category.stations.size() * 96;
    out.reserve(estimate);

    out.append('[');
    bool firstCategory = true;
    for (const StationCategory &category : catalogue) {
        if (!firstCategory)
            out.append(',');
        firstCategory = false;
        out.append("{\"name\":");
        appendJsonString(out, category.name);
        out.append(",\"stations\":[");
        bool firstStation = true;
        for (const RadioStation &station : category.stations) {
            if (!firstStation)
                out.append(',');
            firstStation = false;
            out.append("{\"name\":");
            appendJsonString(out, station.name);
            out.append(",\"url\":");
            appendJsonString(out, station.url);
            if (!station.logoUrl.isEmpty()) {
                out.append(",\"logo\":");
                appendJsonString(out, station.logoUrl);
            }
            out.append('}');
        }
        out.append("]}");
    }
    out.append(']');
    return out;
}

std::optional<RadioStation> decodeStation(const QJsonValue &value, QString *error)
{
    if (!value.isObject()) {
        fail(error, QStringLiteral("a station is not an object"));
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const auto name = stringMember(object, kName, QStringLiteral("a station"), error);
    if (!name)
        return std::nullopt;
    const auto url = stringMember(object, kUrl, QStringLiteral("station \"%1\"").arg(*name), error);
    if (!url)
        return std::nullopt;
    if (!isParsableUrl(*url)) {
        fail(error, QStringLiteral("station \"%1\" has a URL that does not parse: %2").arg(*name, *url));
        return std::nullopt;
    }
    RadioStation station(*name, *url);
    // A logo that is not a web address is left out rather than failing the station.
    station.logoUrl = logoUrl(object.value(kLogo).toString());
    return station;
}

QString logoUrl(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
                   !url.host().isEmpty() && text.size() <= 2048
               ? text.trimmed()
               : QString();
}

std::optional<StationCategory> decodeCategory(const QJsonValue &value, QString *error)
{
    if (!value.isObject()) {
        fail(error, QStringLiteral("a category is not an object"));
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const auto name = stringMember(object, kName, QStringLiteral("a category"), error);
    if (!name)
        return std::nullopt;
    const auto stations = object.constFind(kStations);
    if (stations == object.constEnd() || !stations->isArray()) {
        fail(error, QStringLiteral("category \"%1\" has no \"stations\" array").arg(*name));
        return std::nullopt;
    }
    const QJsonArray array = stations->toArray();
    StationCategory category(*name);
    category.stations.reserve(array.size());
    for (const QJsonValue &element : array) {
        auto station = decodeStation(element, error);
        if (!station)
            return std::nullopt;
        category.stations.append(std::move(*station));
    }
    return category;
}

std::optional<Catalogue> decodeCatalogue(const QByteArray &json, QString *error)
{
    if (auto catalogue = PlainCatalogueReader::read(json))
        return catalogue;
    return decodeCatalogueDocument(json, error);
}

std::optional<Catalogue> decodeCatalogueDocument(const QByteArray &json, QString *error)
{
    const auto array = parseArray(json, error);
    if (!array)
        return std::nullopt;
    Catalogue catalogue;
    catalogue.reserve(array->size());
    for (const QJsonValue &element : *array) {
        auto category = decodeCategory(element, error);
        if (!category)
            return std::nullopt;
        catalogue.append(std::move(*category));
    }
    return catalogue;
}

std::optional<QList<LegacyStation>> decodeLegacyStations(const QByteArray &json, QString *error)
{
    const auto array = parseArray(json, error);
    if (!array)
        return std::nullopt;
    QList<LegacyStation> records;
    records.reserve(array->size());
    for (const QJsonValue &element : *array) {
        if (!element.isObject()) {
            fail(error, QStringLiteral("a legacy station is not an object"));
            return std::nullopt;
        }
        const QJsonObject object = element.toObject();
        const auto name = stringMember(object, kName, QStringLiteral("a legacy station"), error);
        if (!name)
            return std::nullopt;
        const auto url =
            stringMember(object, kUrl, QStringLiteral("legacy station \"%1\"").arg(*name), error);
        if (!url)
            return std::nullopt;
        if (!isParsableUrl(*url)) {
            fail(error, QStringLiteral("legacy station \"%1\" has a URL that does not parse").arg(*name));
            return std::nullopt;
        }
        LegacyStation record{*name, *url, std::nullopt};
        const QJsonValue category = object.value(kCategory);
        if (category.isString()) {
            record.category = category.toString();
        } else if (!category.isNull() && !category.isUndefined()) {
            fail(error,
                 QStringLiteral("legacy station \"%1\" has a category that is not a string").arg(*name));
            return std::nullopt;
        }
        records.append(std::move(record));
    }
    return records;
}

} // namespace CatalogueCodec
