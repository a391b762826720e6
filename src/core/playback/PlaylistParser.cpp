#include "playback/PlaylistParser.h"

#include "base/NetworkText.h"
#include "playback/StreamUrl.h"

#include <map>

namespace {

using Format = Playlist::Format;

// How far into the text the form is recognised.
constexpr qsizetype kSniffLength = 1024;

bool oneOf(const QString &value, std::initializer_list<const char *> options)
{
    return std::any_of(options.begin(), options.end(),
                       [&](const char *o) { return value == QLatin1String(o); });
}

QString mediaType(const QString &contentType)
{
    return contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
}

bool isM3uType(const QString &type)
{
    return oneOf(type, {"audio/x-mpegurl", "audio/mpegurl", "application/x-mpegurl", "application/mpegurl",
                        "application/vnd.apple.mpegurl", "text/uri-list"});
}

bool isAsxType(const QString &type)
{
    return oneOf(type, {"video/x-ms-asf", "video/x-ms-asx", "audio/x-ms-asx", "audio/x-ms-wax",
                        "video/x-ms-wax", "video/x-ms-wvx"});
}

QStringList lines(const QString &text)
{
    QStringList result;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n')))
        result << line.trimmed().toString();
    return result;
}

class Builder
{
public:
    Builder(Format format, const QUrl &base) : m_base(base) { m_playlist.format = format; }

    void add(const QString &raw, const QString &title)
    {
        const QString text = raw.trimmed();
        if (text.isEmpty() || m_playlist.entries.size() >= PlaylistParser::maxEntries)
            return;
        QUrl url(text, QUrl::TolerantMode);
        if (url.isValid() && url.isRelative() && m_base.isValid())
            url = m_base.resolved(url);
        const QString resolved = url.isValid() ? url.toString(QUrl::FullyEncoded) : QString();
        const std::optional<QString> reason =
            url.isValid() ? StreamUrl::rejectionReason(resolved) : StreamUrl::InvalidUrl;
        if (reason) {
            m_playlist.refused << NetworkText::clean(QString(text + QStringLiteral(": ") + *reason));
            return;
        }
        m_playlist.entries << PlaylistEntry{resolved, NetworkText::clean(title)};
    }

    Playlist take() { return std::move(m_playlist); }

private:
    QUrl m_base;
    Playlist m_playlist;
};

Playlist parsePls(const QString &text, const QUrl &base)
{
    // FileN and TitleN, in the order of N; entries may be listed in any order.
    std::map<qlonglong, std::pair<QString, QString>> numbered;
    for (const QString &line : lines(text)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        for (const auto &[prefix, isFile] :
             {std::pair{QLatin1String("file"), true}, {QLatin1String("title"), false}}) {
            if (!key.startsWith(prefix))
                continue;
            bool ok = false;
            const qlonglong n = key.mid(prefix.size()).toLongLong(&ok);
            if (ok)
                (isFile ? numbered[n].first : numbered[n].second) = value;
        }
    }
    Builder builder(Format::Pls, base);
    for (const auto &[n, entry] : numbered)
        builder.add(entry.first, entry.second);
    return builder.take();
}

// M3U and text/uri-list: one entry per line, comments start with "#", an "#EXTINF:<length>,<title>"
// names the entry after it.
Playlist parseLines(Format format, const QString &text, const QUrl &base)
{
    Builder builder(format, base);
    QString title;
    for (const QString &line : lines(text)) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            if (line.startsWith(QLatin1String("#EXTINF:"), Qt::CaseInsensitive))
                title = line.section(QLatin1Char(','), 1);
            continue;
        }
        builder.add(line, title);
        title.clear();
    }
    return builder.take();
}

bool isHls(const QString &text)
{
    for (const QString &line : lines(text)) {
        if (line.startsWith(QLatin1String("#EXT-X-"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// A bare list of URLs: every line that is not a comment is an absolute URL.
bool isUriList(const QString &text)
{
    bool any = false;
    for (const QString &line : lines(text)) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QUrl url(line, QUrl::StrictMode);
        if (!url.isValid() || url.isRelative())
            return false;
        any = true;
    }
    return any;
}

QString unescapeEntities(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        // Only a short reference counts; looking further would make a text of bare '&' quadratic.
        const qsizetype found =
            text[i] == QLatin1Char('&') ? QStringView(text).mid(i, 12).indexOf(QLatin1Char(';')) : -1;
        const qsizetype semicolon = found < 0 ? -1 : i + found;
        if (semicolon < 0) {
            out += text[i++];
            continue;
        }
        const QString name = text.mid(i + 1, semicolon - i - 1);
        char32_t code = 0;
        if (name == QLatin1String("amp"))
            code = '&';
        else if (name == QLatin1String("lt"))
            code = '<';
        else if (name == QLatin1String("gt"))
            code = '>';
        else if (name == QLatin1String("quot"))
            code = '"';
        else if (name == QLatin1String("apos"))
            code = '\'';
        else if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive);
            const uint value = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && value > 0 && value <= 0x10ffff && (value < 0xd800 || value > 0xdfff))
                code = value;
        }
        if (!code) {
            out += text[i++];
            continue;
        }
        out += QStringView(QChar::fromUcs4(code));
        i = semicolon + 1;
    }
    return out;
}

// A forgiving reader of the XML forms: tags and text in document order, names lower-cased and
// without namespace prefix. Real ASX files are rarely well-formed.
struct Tag {
    QString name;
    bool closing = false;
    bool selfClosing = false;
    QString attribute(const QString &wanted) const
    {
        for (const auto &[key, value] : attributes) {
            if (key == wanted)
                return value;
        }
        return {};
    }
    QList<std::pair<QString, QString>> attributes;
};

Tag parseTag(QStringView body)
{
    Tag tag;
    qsizetype i = 0;
    auto skipSpace = [&] {
        while (i < body.size() && body[i].isSpace())
            ++i;
    };
    if (i < body.size() && body[i] == QLatin1Char('/')) {
        tag.closing = true;
        ++i;
    }
    if (body.endsWith(QLatin1Char('/'))) {
        tag.selfClosing = true;
        body.chop(1);
    }
    auto readName = [&] {
        const qsizetype start = i;
        while (i < body.size() && !body[i].isSpace() && body[i] != QLatin1Char('=') &&
               body[i] != QLatin1Char('/'))
            ++i;
        QString name = body.mid(start, i - start).toString().toLower();
        const qsizetype colon = name.lastIndexOf(QLatin1Char(':'));
        return colon >= 0 ? name.mid(colon + 1) : name;
    };
    tag.name = readName();
    while (true) {
        skipSpace();
        if (i >= body.size())
            break;
        const qsizetype before = i;
        const QString key = readName();
        skipSpace();
        QString value;
        if (i < body.size() && body[i] == QLatin1Char('=')) {
            ++i;
            skipSpace();
            if (i < body.size() && (body[i] == QLatin1Char('"') || body[i] == QLatin1Char('\''))) {
                const QChar quote = body[i++];
                const qsizetype end = body.indexOf(quote, i);
                const qsizetype stop = end < 0 ? body.size() : end;
                value = body.mid(i, stop - i).toString();
                i = end < 0 ? body.size() : end + 1;
            } else {
                const qsizetype start = i;
                while (i < body.size() && !body[i].isSpace())
                    ++i;
                value = body.mid(start, i - start).toString();
            }
        }
        if (i == before) // nothing consumed: a stray character
            ++i;
        if (!key.isEmpty())
            tag.attributes.append({key, unescapeEntities(value)});
    }
    return tag;
}

template <typename OnTag, typename OnText> void scanXml(const QString &text, OnTag onTag, OnText onText)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), i);
        const qsizetype textEnd = open < 0 ? size : open;
        if (textEnd > i)
            onText(unescapeEntities(text.mid(i, textEnd - i)));
        if (open < 0)
            return;
        auto skipPast = [&](QLatin1String terminator) {
            const qsizetype end = text.indexOf(terminator, open);
            return end < 0 ? size : end + terminator.size();
        };
        if (QStringView(text).mid(open).startsWith(QLatin1String("<!--"))) {
            i = skipPast(QLatin1String("-->"));
        } else if (QStringView(text).mid(open).startsWith(QLatin1String("<![CDATA["))) {
            const qsizetype start = open + 9;
            const qsizetype end = text.indexOf(QLatin1String("]]>"), start);
            onText(text.mid(start, (end < 0 ? size : end) - start));
            i = end < 0 ? size : end + 3;
        } else if (QStringView(text).mid(open).startsWith(QLatin1String("<?"))) {
            i = skipPast(QLatin1String("?>"));
        } else if (QStringView(text).mid(open).startsWith(QLatin1String("<!"))) {
            i = skipPast(QLatin1String(">"));
        } else {
            // Up to the '>' that is not inside a quoted attribute value.
            qsizetype end = open + 1;
            QChar quote;
            while (end < size && (text[end] != QLatin1Char('>') || !quote.isNull())) {
                if (quote.isNull() && (text[end] == QLatin1Char('"') || text[end] == QLatin1Char('\'')))
                    quote = text[end];
                else if (text[end] == quote)
                    quote = QChar();
                ++end;
            }
            onTag(parseTag(QStringView(text).mid(open + 1, end - open - 1).trimmed()));
            i = end + 1;
        }
    }
}

// ASX: <entry> with <title> and <ref href>; <entryref href> names another playlist.
Playlist parseAsx(const QString &text, const QUrl &base)
{
    Builder builder(Format::Asx, base);
    bool inEntry = false;
    bool inTitle = false;
    QString title;
    QStringList refs;
    scanXml(
        text,
        [&](const Tag &tag) {
            if (tag.name == QLatin1String("entry")) {
                if (!tag.closing) {
                    inEntry = true;
                    title.clear();
                    refs.clear();
                } else if (inEntry) {
                    for (const QString &ref : std::as_const(refs))
                        builder.add(ref, title);
                    inEntry = false;
                }
            } else if (tag.name == QLatin1String("title")) {
                inTitle = !tag.closing && !tag.selfClosing;
            } else if (tag.name == QLatin1String("ref") && inEntry && !tag.closing) {
                refs << tag.attribute(QStringLiteral("href"));
            } else if (tag.name == QLatin1String("entryref") && !tag.closing) {
                builder.add(tag.attribute(QStringLiteral("href")), QString());
            }
        },
        [&](const QString &chunk) {
            if (inEntry && inTitle)
                title += chunk;
        });
    if (inEntry) { // an unclosed last entry still counts
        for (const QString &ref : std::as_const(refs))
            builder.add(ref, title);
    }
    return builder.take();
}

// XSPF: <track> with <location> (one or more) and <title>.
Playlist parseXspf(const QString &text, const QUrl &base)
{
    Builder builder(Format::Xspf, base);
    bool inTrack = false;
    QString field; // "location", "title" or empty
    QString title;
    QStringList locations;
    auto flush = [&] {
        for (const QString &location : std::as_const(locations))
            builder.add(location, title);
    };
    scanXml(
        text,
        [&](const Tag &tag) {
            if (tag.name == QLatin1String("track")) {
                field.clear();
                if (!tag.closing) {
                    inTrack = true;
                    title.clear();
                    locations.clear();
                } else if (inTrack) {
                    flush();
                    inTrack = false;
                }
            } else if (inTrack &&
                       (tag.name == QLatin1String("location") || tag.name == QLatin1String("title"))) {
                field = tag.closing || tag.selfClosing ? QString() : tag.name;
                if (field == QLatin1String("location"))
                    locations << QString();
            } else {
                field.clear();
            }
        },
        [&](const QString &chunk) {
            if (field == QLatin1String("location") && !locations.isEmpty())
                locations.last() += chunk;
            else if (field == QLatin1String("title"))
                title += chunk;
        });
    if (inTrack)
        flush();
    return builder.take();
}

} // namespace

namespace PlaylistParser {

Playlist parse(QByteArrayView bytes, const QString &contentType, const QUrl &base)
{
    const QString text = NetworkText::decode(bytes);
    const QString type = mediaType(contentType);
    const QString head = text.left(kSniffLength).trimmed();

    if (head.startsWith(QLatin1String("[playlist]"), Qt::CaseInsensitive) ||
        type == QLatin1String("audio/x-scpls"))
        return parsePls(text, base);
    if (head.startsWith(QLatin1String("#EXTM3U"), Qt::CaseInsensitive) || isM3uType(type)) {
        if (isHls(text)) {
            Playlist hls;
            hls.format = Format::Hls;
            return hls;
        }
        return parseLines(type == QLatin1String("text/uri-list") ? Format::UriList : Format::M3u, text, base);
    }
    const QString lower = head.toLower();
    if (lower.startsWith(QLatin1Char('<'))) {
        if (lower.contains(QLatin1String("<asx")))
            return parseAsx(text, base);
        if (lower.contains(QLatin1String("<playlist")) && lower.contains(QLatin1String("xspf")))
            return parseXspf(text, base);
    }
    if (type == QLatin1String("application/xspf+xml"))
        return parseXspf(text, base);
    if (isAsxType(type))
        return parseAsx(text, base);
    if (!lower.startsWith(QLatin1Char('<')) && isUriList(text))
        return parseLines(Format::UriList, text, base);
    return {};
}

QString formatName(Playlist::Format format)
{
    switch (format) {
    case Format::NotAPlaylist:
        return QStringLiteral("not a playlist");
    case Format::Hls:
        return QStringLiteral("HLS");
    case Format::Pls:
        return QStringLiteral("PLS");
    case Format::M3u:
        return QStringLiteral("M3U");
    case Format::UriList:
        return QStringLiteral("URI list");
    case Format::Asx:
        return QStringLiteral("ASX");
    case Format::Xspf:
        return QStringLiteral("XSPF");
    }
    return {};
}

} // namespace PlaylistParser
