#include "playlist/PlaylistReader.h"

#include "base/NetworkText.h"

#include <QUrl>
#include <QXmlStreamReader>

#include <map>

namespace {

using Format = PlaylistFormat;
using Item = PlaylistReader::Item;
using Document = PlaylistReader::Document;

// How far into the text the form is recognised by its marks.
constexpr qsizetype kSniffLength = 1024;

bool oneOf(const QString &value, std::initializer_list<const char *> options)
{
    return std::any_of(options.begin(), options.end(),
                       [&](const char *o) { return value == QLatin1String(o); });
}

// The one decoding of every form: NetworkText's, with every line end (CR, LF, CRLF) made LF, so
// that line numbers mean the same in every form.
QString decodeText(QByteArrayView bytes)
{
    QString text = NetworkText::decode(bytes);
    if (text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return text;
}

// Calls `onLine(line, number)` with every line, trimmed, until it returns false.
template <typename OnLine> void forEachLine(QStringView text, OnLine onLine)
{
    int number = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        if (!onLine(text.sliced(start, end - start).trimmed(), ++number))
            return;
        start = end + 1;
    }
}

// The line of the first HLS tag, or 0.
int firstHlsLine(QStringView text)
{
    int found = 0;
    forEachLine(text, [&](QStringView line, int number) {
        if (line.startsWith(QLatin1String("#EXT-X-"), Qt::CaseInsensitive))
            found = number;
        return found == 0;
    });
    return found;
}

// A bare list of URLs: every line that is not blank or a comment is an absolute URL.
bool isUriList(QStringView text)
{
    bool any = false;
    bool all = true;
    forEachLine(text, [&](QStringView line, int) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            return true;
        const QUrl url(line.toString(), QUrl::StrictMode);
        all = url.isValid() && !url.isRelative();
        any = true;
        return all;
    });
    return any && all;
}

Format detect(QStringView text, Format hint)
{
    const QStringView head = text.first(std::min(text.size(), kSniffLength)).trimmed();
    if (head.startsWith(QLatin1String("[playlist]"), Qt::CaseInsensitive))
        return Format::Pls;
    if (head.startsWith(QLatin1String("#EXTM3U"), Qt::CaseInsensitive))
        return Format::M3u;
    if (head.startsWith(QLatin1Char('<'))) {
        const QString lower = head.toString().toLower();
        if (lower.contains(QLatin1String("<asx")))
            return Format::Asx;
        if (lower.contains(QLatin1String("<playlist")) && lower.contains(QLatin1String("xspf")))
            return Format::Xspf;
    }
    if (hint != Format::NotAPlaylist)
        return hint;
    if (!head.startsWith(QLatin1Char('<')) && isUriList(text))
        return Format::UriList;
    return Format::NotAPlaylist;
}

// "-1 group-title="Jazz",Name": the title after the first comma outside quotes, and the
// group-title attribute that some lists carry instead of #EXTGRP.
void parseExtinf(QStringView value, QString *title, QString *group)
{
    bool quoted = false;
    qsizetype comma = -1;
    for (qsizetype i = 0; i < value.size() && comma < 0; ++i) {
        if (value[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (value[i] == QLatin1Char(',') && !quoted)
            comma = i;
    }
    *title = comma < 0 ? QString() : value.sliced(comma + 1).trimmed().toString();
    const QStringView attributes = comma < 0 ? value : value.first(comma);
    const qsizetype at = attributes.indexOf(QLatin1String("group-title=\""), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        const qsizetype start = at + 13;
        const qsizetype end = attributes.indexOf(QLatin1Char('"'), start);
        if (end > start)
            *group = attributes.sliced(start, end - start).toString();
    }
}

// M3U and text/uri-list: one location per line, comments start with "#"; "#EXTINF:<length>,<title>"
// names the location after it, "#EXTGRP:<name>" (or EXTINF's group-title) gives its category.
QList<Item> readLines(QStringView text)
{
    QList<Item> items;
    QString title;
    QString group;
    forEachLine(text, [&](QStringView line, int number) {
        if (line.isEmpty())
            return true;
        if (line.startsWith(QLatin1Char('#'))) {
            if (line.startsWith(QLatin1String("#EXTINF:"), Qt::CaseInsensitive))
                parseExtinf(line.sliced(8), &title, &group);
            else if (line.startsWith(QLatin1String("#EXTGRP:"), Qt::CaseInsensitive))
                group = line.sliced(8).trimmed().toString();
            return true;
        }
        items << Item{line.toString(), title, group, number};
        title.clear();
        group.clear();
        return true;
    });
    return items;
}

// PLS: FileN, TitleN and CategoryN, in the order of N (entries may be listed in any order); the
// [playlist] header is not needed where the server or the file name says PLS.
QList<Item> readPls(QStringView text)
{
    std::map<qlonglong, Item> numbered;
    forEachLine(text, [&](QStringView line, int number) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            return true;
        const QString key = line.first(equals).trimmed().toString().toLower();
        const QString value = line.sliced(equals + 1).trimmed().toString();
        for (const char *prefix : {"file", "title", "category"}) {
            const QLatin1String p(prefix);
            bool ok = false;
            const qlonglong n = key.startsWith(p) ? QStringView(key).sliced(p.size()).toLongLong(&ok) : 0;
            if (!ok)
                continue;
            Item &item = numbered[n];
            if (p == QLatin1String("file")) {
                item.location = value;
                item.line = number;
            } else {
                (p == QLatin1String("title") ? item.title : item.category) = value;
            }
        }
        return true;
    });
    QList<Item> items;
    for (auto &[n, item] : numbered) {
        if (item.line > 0) // a title without a file names nothing
            items << std::move(item);
    }
    return items;
}

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xa || c == 0xd || (c >= 0x20 && c <= 0xd7ff) || (c >= 0xe000 && c <= 0xfffd) ||
           (c >= 0x10000 && c <= 0x10ffff);
}

// Whether `rest` (the text after an '&') starts with a reference XML knows without a DTD: one of
// the five named entities or a character reference to a character XML allows.
bool isKnownReference(QStringView rest)
{
    const qsizetype semicolon = rest.first(std::min<qsizetype>(rest.size(), 12)).indexOf(QLatin1Char(';'));
    if (semicolon <= 0)
        return false;
    const QStringView name = rest.first(semicolon);
    for (const char *known : {"amp", "lt", "gt", "quot", "apos"}) {
        if (name == QLatin1String(known))
            return true;
    }
    const bool hex = name.startsWith(QLatin1String("#x"));
    const QStringView digits = name.sliced(hex ? 2 : 1);
    if (!name.startsWith(QLatin1Char('#')) || digits.isEmpty())
        return false;
    for (QChar d : digits) {
        if (!(d.isDigit() || (hex && QStringLiteral("abcdefABCDEF").contains(d))) || d.unicode() > 0x7f)
            return false;
    }
    bool ok = false;
    const uint value = digits.toUInt(&ok, hex ? 16 : 10);
    return ok && isXmlChar(value);
}

// Real ASX files are rarely well-formed: before the XML reader sees the text, element names are
// lower-cased (so that <Entry> may close with </ENTRY>), an ampersand that starts no known
// reference becomes "&amp;" (so an unescaped query string reads, and entities a DTD declares are
// never expanded), characters XML does not allow become U+FFFD, and a leading XML declaration goes
// (the text is decoded already; its encoding attribute would only mislead). Comments, CDATA and
// processing instructions pass as they are.
QString prepareXml(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && text[i].isSpace())
        out += text[i++];
    if (text.sliced(i).startsWith(QLatin1String("<?xml"))) {
        const qsizetype end = text.indexOf(QLatin1String("?>"), i);
        i = end < 0 ? size : end + 2;
    }
    auto copyThrough = [&](QLatin1String terminator) {
        const qsizetype end = text.indexOf(terminator, i);
        const qsizetype stop = end < 0 ? size : end + terminator.size();
        out += text.sliced(i, stop - i);
        i = stop;
    };
    while (i < size) {
        const QStringView rest = text.sliced(i);
        const QChar c = text[i];
        if (c == QLatin1Char('<')) {
            if (rest.startsWith(QLatin1String("<!--"))) {
                copyThrough(QLatin1String("-->"));
            } else if (rest.startsWith(QLatin1String("<![CDATA["))) {
                copyThrough(QLatin1String("]]>"));
            } else if (rest.startsWith(QLatin1String("<?"))) {
                copyThrough(QLatin1String("?>"));
            } else {
                out += c;
                ++i;
                if (i < size && text[i] == QLatin1Char('/'))
                    out += text[i++];
                if (i < size && text[i] == QLatin1Char('!'))
                    continue;
                while (i < size && !text[i].isSpace() && text[i] != QLatin1Char('>') &&
                       text[i] != QLatin1Char('/') && text[i] != QLatin1Char('<') &&
                       text[i] != QLatin1Char('&'))
                    out += text[i++].toLower();
            }
        } else if (c == QLatin1Char('&')) {
            out += isKnownReference(rest.sliced(1)) ? QStringLiteral("&") : QStringLiteral("&amp;");
            ++i;
        } else if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            out += rest.first(2);
            i += 2;
        } else {
            out += isXmlChar(c.unicode()) && !c.isSurrogate() ? c : QChar(QChar::ReplacementCharacter);
            ++i;
        }
    }
    return out;
}

// The name without a namespace prefix, lower-cased.
QString localName(QStringView qualified)
{
    return qualified.sliced(qualified.lastIndexOf(QLatin1Char(':')) + 1).toString().toLower();
}

QString attribute(const QXmlStreamReader &xml, QLatin1String wanted)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    for (const QXmlStreamAttribute &a : attributes) {
        if (localName(a.qualifiedName()) == wanted)
            return a.value().toString();
    }
    return {};
}

// XSPF: <track> with <location> (one or more), <title> and the category <meta>. ASX: <entry> with
// <ref href> (one or more) and <title>; <entryref href> names another playlist. Only direct
// children of a track or entry count. At a well-formedness error the items before it are kept,
// and an open track or entry with a complete location too.
void readXml(const QString &text, Document &doc)
{
    const bool asx = doc.format == Format::Asx;
    const QLatin1String root(asx ? "asx" : "playlist");
    const QLatin1String container(asx ? "entry" : "track");
    QXmlStreamReader xml(prepareXml(text));
    xml.setNamespaceProcessing(false);

    enum class Field { None, Location, Title, Category };
    int depth = 0;
    int containerDepth = 0; // of the open track or entry; 0 outside one
    int containerLine = 0;
    QList<std::pair<QString, int>> locations; // the open one's, with their lines
    QString title;
    QString category;
    Field field = Field::None; // the text being collected
    int fieldDepth = 0;
    auto flush = [&] {
        if (locations.isEmpty())
            doc.items << Item{QString(), title, category, containerLine};
        for (qsizetype i = 0; i < locations.size(); ++i)
            doc.items << Item{locations[i].first.trimmed(), title, category, locations[i].second, i > 0};
    };
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            ++depth;
            const QString name = localName(xml.qualifiedName());
            const int line = int(xml.lineNumber());
            if (depth == 1) {
                if (name != root) {
                    doc.stop = Document::Stop::NoRoot;
                    return;
                }
            } else if (containerDepth == 0) {
                if (name == container) {
                    containerDepth = depth;
                    containerLine = line;
                    locations.clear();
                    title.clear();
                    category.clear();
                } else if (asx && name == QLatin1String("entryref")) {
                    doc.items << Item{attribute(xml, QLatin1String("href")).trimmed(), QString(), QString(),
                                      line};
                }
            } else if (depth == containerDepth + 1 && field == Field::None) {
                if (asx && name == QLatin1String("ref")) {
                    locations.append({attribute(xml, QLatin1String("href")), line});
                } else if (!asx && name == QLatin1String("location")) {
                    locations.append({QString(), line});
                    field = Field::Location;
                } else if (name == QLatin1String("title")) {
                    title.clear();
                    field = Field::Title;
                } else if (!asx && name == QLatin1String("meta") &&
                           attribute(xml, QLatin1String("rel")) == PlaylistReader::xspfCategoryRel) {
                    category.clear();
                    field = Field::Category;
                }
                fieldDepth = depth;
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (field != Field::None && depth == fieldDepth)
                (field == Field::Location ? locations.last().first
                 : field == Field::Title  ? title
                                          : category) += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (field != Field::None && depth == fieldDepth)
                field = Field::None;
            if (depth == containerDepth) {
                flush();
                containerDepth = 0;
            }
            --depth;
            break;
        default:
            break;
        }
    }
    if (!xml.hasError())
        return;
    if (field == Field::Location)
        locations.removeLast(); // cut off: not a location
    if (containerDepth > 0 && !locations.isEmpty())
        flush();
    doc.stop = Document::Stop::BadXml;
    doc.line = int(xml.lineNumber());
    doc.detail = xml.errorString();
}

} // namespace

namespace PlaylistReader {

PlaylistFormat formatOfContentType(const QString &contentType)
{
    const QString type = contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    if (type == QLatin1String("audio/x-scpls"))
        return Format::Pls;
    if (type == QLatin1String("text/uri-list"))
        return Format::UriList;
    if (oneOf(type, {"audio/x-mpegurl", "audio/mpegurl", "application/x-mpegurl", "application/mpegurl",
                     "application/vnd.apple.mpegurl"}))
        return Format::M3u;
    if (oneOf(type, {"video/x-ms-asf", "video/x-ms-asx", "audio/x-ms-asx", "audio/x-ms-wax", "video/x-ms-wax",
                     "video/x-ms-wvx"}))
        return Format::Asx;
    if (type == QLatin1String("application/xspf+xml"))
        return Format::Xspf;
    return Format::NotAPlaylist;
}

PlaylistFormat formatOfFileName(const QString &path)
{
    const QString suffix = path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), -1).toLower();
    if (suffix == QLatin1String("m3u") || suffix == QLatin1String("m3u8"))
        return Format::M3u;
    if (suffix == QLatin1String("pls"))
        return Format::Pls;
    if (suffix == QLatin1String("xspf"))
        return Format::Xspf;
    if (oneOf(suffix, {"asx", "wax", "wvx"}))
        return Format::Asx;
    return Format::NotAPlaylist;
}

Document read(QByteArrayView bytes, PlaylistFormat hint)
{
    const QString text = decodeText(bytes);
    Document doc;
    doc.format = detect(text, hint);
    switch (doc.format) {
    case Format::NotAPlaylist:
        break;
    case Format::Hls:
    case Format::M3u:
    case Format::UriList:
        if (const int line = firstHlsLine(text)) {
            doc.format = Format::Hls;
            doc.stop = Document::Stop::Hls;
            doc.line = line;
        } else {
            doc.items = readLines(text);
        }
        break;
    case Format::Pls:
        doc.items = readPls(text);
        break;
    case Format::Asx:
    case Format::Xspf:
        readXml(text, doc);
        break;
    }
    return doc;
}

QString formatName(PlaylistFormat format)
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

} // namespace PlaylistReader
