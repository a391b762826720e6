#include "catalogue/RadioStation.h"

#include <QHashFunctions>

#include <string_view>

namespace {

bool isLower(char16_t c)
{
    return c >= u'a' && c <= u'z';
}
bool isAlpha(char16_t c)
{
    return isLower(c) || (c >= u'A' && c <= u'Z');
}
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
bool isHex(char16_t c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Characters allowed unescaped in a path, query or fragment: unreserved, sub-delims, ":"
// and "@" (RFC 3986 pchar without pct-encoded) plus "/".
bool isPathChar(char16_t c)
{
    static constexpr std::string_view others = "-._~!$&'()*+,;=:@/";
    return isAlpha(c) || isDigit(c) || (c < 0x80 && others.find(char(c)) != std::string_view::npos);
}

// Consumes pchar / "/" (and "?" when `allowQuestion`), with well-formed percent escapes.
const char16_t *skipPathChars(const char16_t *p, const char16_t *end, bool allowQuestion)
{
    while (p != end) {
        if (isPathChar(*p) || (allowQuestion && *p == u'?')) {
            ++p;
        } else if (*p == u'%' && end - p >= 3 && isHex(p[1]) && isHex(p[2])) {
            p += 3;
        } else {
            break;
        }
    }
    return p;
}

// A host name of letter-digit-hyphen labels whose last label is letters only, so that it
// can be neither an IPv4 address (QUrl also accepts shorthand forms like "1.2.3") nor an
// IDNA label that needs checking ("xn--", hyphens in the third and fourth places).
bool isPlainHostName(const char16_t *begin, const char16_t *end)
{
    if (begin == end || end - begin > 253)
        return false;
    const char16_t *label = begin;
    for (;;) {
        const char16_t *p = label;
        bool lettersOnly = true;
        while (p != end && *p != u'.') {
            if (isDigit(*p) || *p == u'-')
                lettersOnly = false;
            else if (!isAlpha(*p))
                return false;
            ++p;
        }
        const auto length = p - label;
        if (length == 0 || length > 63 || label[0] == u'-' || p[-1] == u'-')
            return false;
        if (length >= 4 && label[2] == u'-' && label[3] == u'-')
            return false;
        if (p == end)
            return lettersOnly;
        label = p + 1;
    }
}

// The common shape of a stream address, checked without building a QUrl:
//   scheme "://" host [":" port] [path-abempty] ["?" query] ["#" fragment]
// with a lower-case scheme, a plain host name, a port of 1 to 65535 without leading zero and
// only RFC 3986 characters. Every text accepted here is also accepted by QUrl's strict mode;
// anything else, including valid forms outside this shape, is left to QUrl.
bool isCommonStreamUrl(const QString &text)
{
    const auto *p = reinterpret_cast<const char16_t *>(text.constData());
    const auto *const end = p + text.size();

    const char16_t *const schemeStart = p;
    if (p == end || !isLower(*p))
        return false;
    while (p != end && (isLower(*p) || isDigit(*p) || *p == u'+' || *p == u'-' || *p == u'.'))
        ++p;
    if (p - schemeStart < 2 || end - p < 3 || p[0] != u':' || p[1] != u'/' || p[2] != u'/')
        return false;
    p += 3;

    const char16_t *const hostStart = p;
    while (p != end && *p != u':' && *p != u'/' && *p != u'?' && *p != u'#')
        ++p;
    if (!isPlainHostName(hostStart, p))
        return false;

    if (p != end && *p == u':') {
        ++p;
        const char16_t *const portStart = p;
        unsigned port = 0;
        while (p != end && isDigit(*p) && p - portStart < 5) {
            port = port * 10 + unsigned(*p - u'0');
            ++p;
        }
        if (p == portStart || *portStart == u'0' || port > 65535)
            return false;
        if (p != end && *p != u'/' && *p != u'?' && *p != u'#')
            return false;
    }

    if (p != end && *p == u'/')
        p = skipPathChars(p, end, false);
    if (p != end && *p == u'?')
        p = skipPathChars(p + 1, end, true);
    if (p != end && *p == u'#')
        p = skipPathChars(p + 1, end, true);
    return p == end;
}

} // namespace

bool isParsableUrl(const QString &text)
{
    if (text.isEmpty())
        return false;
    // Building a QUrl for every station dominated the start-up load of a large catalogue;
    // the common shape is recognised directly and QUrl stays the judge of everything else.
    return isCommonStreamUrl(text) || QUrl(text, QUrl::StrictMode).isValid();
}

size_t qHash(const RadioStation &station, size_t seed) noexcept
{
    // Name first, then URL.
    return qHashMulti(seed, station.name, station.url);
}
