#include "catalogue/PlainCatalogueReader.h"

namespace {

class Reader
{
public:
    explicit Reader(const QByteArray &json) : m_p(json.constData()), m_end(json.constData() + json.size()) {}

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

std::optional<Catalogue> PlainCatalogueReader::read(const QByteArray &json)
{
    if (json.size() > kPlainReaderLimit)
        return std::nullopt;
    return Reader(json).read();
}
