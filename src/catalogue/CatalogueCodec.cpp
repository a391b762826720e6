#include "catalogue/CatalogueCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace CatalogueCodec {

namespace {

const QString kName = QStringLiteral("name");
const QString kUrl = QStringLiteral("url");
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
        case '"': out.append("\\\"", 2); break;
        case '\\': out.append("\\\\", 2); break;
        case '\n': out.append("\\n", 2); break;
        case '\r': out.append("\\r", 2); break;
        case '\t': out.append("\\t", 2); break;
        case '\b': out.append("\\b", 2); break;
        case '\f': out.append("\\f", 2); break;
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
    return doc.array();
}

// Reads a catalogue straight from its bytes when they are in the plain form that
// encodeCatalogue writes, or close to it: the usual whitespace, any key order, standard
// escapes, valid UTF-8. Going through QJsonDocument and QJsonObject cost twice the parse
// itself on a large catalogue. Whatever it does not handle (other keys, repeated keys,
// wrong types, anything malformed, lone surrogates, a byte order mark, a URL that does not
// parse) makes it give up, and the general decoder then decides, with its error text.
class PlainCatalogueReader
{
public:
    explicit PlainCatalogueReader(const QByteArray &json)
        : m_p(json.constData()), m_end(json.constData() + json.size())
    {
    }

    std::optional<Catalogue> read()
    {
        Catalogue catalogue;
        if (!skipSpace() || *m_p != '[')
            return std::nullopt;
        ++m_p;
        if (!skipSpace())
            return std::nullopt;
        if (*m_p == ']') {
            ++m_p;
        } else {
            for (;;) {
                if (!skipSpace() || *m_p != '{')
                    return std::nullopt;
                ++m_p;
                StationCategory category;
                if (!readCategory(category))
                    return std::nullopt;
                catalogue.append(std::move(category));
                if (!skipSpace())
                    return std::nullopt;
                const char c = *m_p++;
                if (c == ']')
                    break;
                if (c != ',')
                    return std::nullopt;
            }
        }
        if (skipSpace())
            return std::nullopt; // something after the array
        return catalogue;
    }

private:
    enum class Key { Name, Url, Stations, Other };

    // Skips JSON whitespace; false at the end of the input.
    bool skipSpace()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
            ++m_p;
        return m_p != m_end;
    }

    // Reads `"key" :` and names the key; keys are taken only as plain text.
    std::optional<Key> readKey()
    {
        if (!skipSpace() || *m_p != '"')
            return std::nullopt;
        const char *const start = ++m_p;
        while (m_p != m_end && *m_p != '"' && *m_p != '\\')
            ++m_p;
        if (m_p == m_end || *m_p != '"')
            return std::nullopt;
        const QByteArrayView key(start, m_p - start);
        ++m_p;
        if (!skipSpace() || *m_p != ':')
            return std::nullopt;
        ++m_p;
        if (!skipSpace())
            return std::nullopt;
        if (key == "name")
            return Key::Name;
        if (key == "url")
            return Key::Url;
        if (key == "stations")
            return Key::Stations;
        return Key::Other;
    }

    // After a member: true with `done` set at "}", true at ",", false otherwise.
    bool readMemberEnd(bool &done)
    {
        if (!skipSpace())
            return false;
        const char c = *m_p++;
        done = c == '}';
        return done || c == ',';
    }

    bool readCategory(StationCategory &category)
    {
        bool haveName = false;
        bool haveStations = false;
        for (bool done = false; !done;) {
            const auto key = readKey();
            if (key == Key::Name && !haveName) {
                if (!readString(category.name))
                    return false;
                haveName = true;
            } else if (key == Key::Stations && !haveStations) {
                if (*m_p != '[')
                    return false;
                ++m_p;
                if (!readStations(category.stations))
                    return false;
                haveStations = true;
            } else {
                return false;
            }
            if (!readMemberEnd(done))
                return false;
        }
        return haveName && haveStations;
    }

    bool readStations(QList<RadioStation> &stations)
    {
        if (!skipSpace())
            return false;
        if (*m_p == ']') {
            ++m_p;
            return true;
        }
        for (;;) {
            if (!skipSpace() || *m_p != '{')
                return false;
            ++m_p;
            RadioStation station;
            if (!readStation(station))
                return false;
            stations.append(std::move(station));
            if (!skipSpace())
                return false;
            const char c = *m_p++;
            if (c == ']')
                return true;
            if (c != ',')
                return false;
        }
    }

    bool readStation(RadioStation &station)
    {
        bool haveName = false;
        bool haveUrl = false;
        for (bool done = false; !done;) {
            const auto key = readKey();
            if (key == Key::Name && !haveName) {
                if (!readString(station.name))
                    return false;
                haveName = true;
            } else if (key == Key::Url && !haveUrl) {
                if (!readString(station.url))
                    return false;
                haveUrl = true;
            } else {
                return false;
            }
            if (!readMemberEnd(done))
                return false;
        }
        return haveName && haveUrl && isParsableUrl(station.url);
    }

    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    // Checks one UTF-8 sequence starting at `p` (a byte of 0x80 or more) and returns the
    // byte after it, or nullptr. Overlong forms, surrogates, code points past U+10FFFF,
    // noncharacters and U+FEFF are refused so that only text every decoder reads alike passes.
    static const char *skipUtf8(const char *p, const char *end)
    {
        const auto lead = static_cast<unsigned char>(*p);
        int extra;
        char32_t cp;
        if (lead >= 0xc2 && lead <= 0xdf) {
            extra = 1;
            cp = lead & 0x1f;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            extra = 2;
            cp = lead & 0x0f;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            return nullptr;
        }
        if (end - p <= extra)
            return nullptr;
        for (int i = 1; i <= extra; ++i) {
            const auto b = static_cast<unsigned char>(p[i]);
            if ((b & 0xc0) != 0x80)
                return nullptr;
            cp = (cp << 6) | (b & 0x3f);
        }
        static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff) || cp == 0xfeff ||
            (cp >= 0xfdd0 && cp <= 0xfdef) || (cp & 0xfffe) == 0xfffe)
            return nullptr;
        return p + extra + 1;
    }

    // Reads a string value (the opening quote is next) into `out`.
    bool readString(QString &out)
    {
        if (m_p == m_end || *m_p != '"')
            return false;
        const char *const start = ++m_p;
        bool ascii = true;
        while (m_p != m_end) {
            const auto c = static_cast<unsigned char>(*m_p);
            if (c == '"') {
                const qsizetype length = m_p - start;
                out = ascii ? QString::fromLatin1(start, length) : QString::fromUtf8(start, length);
                ++m_p;
                return true;
            }
            if (c == '\\')
                return readEscapedString(start, out);
            if (c < 0x20)
                return false;
            if (c < 0x80) {
                ++m_p;
            } else {
                m_p = skipUtf8(m_p, m_end);
                if (!m_p)
                    return false;
                ascii = false;
            }
        }
        return false;
    }

    // The rare string with escapes, decoded from its start.
    bool readEscapedString(const char *start, QString &out)
    {
        QString text;
        m_p = start;
        while (m_p != m_end) {
            const auto c = static_cast<unsigned char>(*m_p);
            if (c == '"') {
                ++m_p;
                out = std::move(text);
                return true;
            }
            if (c < 0x20)
                return false;
            if (c >= 0x80) {
                const char *const next = skipUtf8(m_p, m_end);
                if (!next)
                    return false;
                text += QString::fromUtf8(m_p, next - m_p);
                m_p = next;
                continue;
            }
            if (c != '\\') {
                text += QLatin1Char(char(c));
                ++m_p;
                continue;
            }
            if (m_end - m_p < 2)
                return false;
            const char escaped = m_p[1];
            m_p += 2;
            switch (escaped) {
            case '"':
                text += QLatin1Char('"');
                break;
            case '\\':
                text += QLatin1Char('\\');
                break;
            case '/':
                text += QLatin1Char('/');
                break;
            case 'b':
                text += QChar(0x08);
                break;
            case 'f':
                text += QChar(0x0c);
                break;
            case 'n':
                text += QChar(0x0a);
                break;
            case 'r':
                text += QChar(0x0d);
                break;
            case 't':
                text += QChar(0x09);
                break;
            case 'u': {
                if (m_end - m_p < 4)
                    return false;
                char16_t unit = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = hexValue(m_p[i]);
                    if (digit < 0)
                        return false;
                    unit = char16_t((unit << 4) | digit);
                }
                // Surrogates are left to the general decoder.
                if (unit >= 0xd800 && unit <= 0xdfff)
                    return false;
                text += QChar(unit);
                m_p += 4;
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    const char *m_p;
    const char *const m_end;
};

// Far beyond any real catalogue; such input goes through the general decoder and its limits.
constexpr qsizetype kPlainReaderLimit = qsizetype(256) * 1024 * 1024;

} // namespace

QJsonObject encodeStation(const RadioStation &station)
{
    return QJsonObject{{kName, station.name}, {kUrl, station.url}};
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
    return RadioStation(*name, *url);
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
    if (json.size() <= kPlainReaderLimit) {
        if (auto catalogue = PlainCatalogueReader(json).read())
            return catalogue;
    }
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
        const auto url = stringMember(object, kUrl, QStringLiteral("legacy station \"%1\"").arg(*name), error);
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
            fail(error, QStringLiteral("legacy station \"%1\" has a category that is not a string").arg(*name));
            return std::nullopt;
        }
        records.append(std::move(record));
    }
    return records;
}

} // namespace CatalogueCodec
