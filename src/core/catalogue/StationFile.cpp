#include "catalogue/StationFile.h"

#include "base/NetworkText.h"
#include "catalogue/CatalogueCodec.h"

#include <QCoreApplication>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <map>

namespace {

const QString kCategoryRel = QStringLiteral("https://zeffira.nl/xspf/category");
const QString kXspfNamespace = QStringLiteral("http://xspf.org/ns/0/");

// One line of text: names and categories never hold line breaks or control characters, nor what
// XML cannot carry (unpaired surrogates, U+FFFE, U+FFFF), so that every format can write them.
QString singleLine(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate() || c.unicode() >= 0xfffe) {
            out += QChar(QChar::ReplacementCharacter);
        } else {
            out += (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                    c == QChar::ParagraphSeparator)
                       ? QChar(QLatin1Char(' '))
                       : c;
        }
    }
    return out.simplified();
}

std::optional<QString> urlProblem(const QString &text)
{
    // Control characters and breaks that QUrl would quietly percent-encode.
    if (singleLine(text) != text)
        return QCoreApplication::translate("StationFile", "geen URL");
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return QCoreApplication::translate("StationFile", "geen URL");
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QCoreApplication::translate("StationFile", "geen http- of https-URL");
    if (url.host().isEmpty())
        return QCoreApplication::translate("StationFile", "geen servernaam");
    return std::nullopt;
}

class Collector
{
public:
    void add(const QString &rawUrl, const QString &name, const QString &category, int line)
    {
        const QString url = rawUrl.trimmed();
        if (const auto problem = urlProblem(url)) {
            m_contents.refused << StationFile::Refusal{line, singleLine(url), *problem};
            return;
        }
        const QString cleanName = singleLine(name);
        const QString cleanCategory = singleLine(category);
        noteCategory(cleanCategory);
        m_contents.entries << StationFile::Entry{cleanName.isEmpty() ? url : cleanName, url, cleanCategory,
                                                 line};
    }
    void noteCategory(const QString &category)
    {
        if (!category.isEmpty() && !m_contents.categories.contains(category))
            m_contents.categories << category;
    }
    StationFile::Contents take() { return std::move(m_contents); }

private:
    StationFile::Contents m_contents;
};

// "#EXTINF:-1 group-title="Jazz",Name": the title after the first comma outside quotes, and the
// group-title attribute that some lists carry instead of #EXTGRP.
void parseExtinf(const QString &value, QString *title, QString *group)
{
    bool quoted = false;
    qsizetype comma = -1;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (value[i] == QLatin1Char(',') && !quoted) {
            comma = i;
            break;
        }
    }
    *title = comma < 0 ? QString() : value.mid(comma + 1).trimmed();
    const QString attributes = comma < 0 ? value : value.left(comma);
    const qsizetype at = attributes.indexOf(QLatin1String("group-title=\""), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        const qsizetype start = at + 13;
        const qsizetype end = attributes.indexOf(QLatin1Char('"'), start);
        if (end > start)
            *group = attributes.mid(start, end - start);
    }
}

std::optional<StationFile::Contents> readM3u(const QString &text, QString *error)
{
    Collector collector;
    QString title;
    QString group;
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed().toString();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            if (line.startsWith(QLatin1String("#EXT-X-"), Qt::CaseInsensitive)) {
                if (error)
                    *error = QCoreApplication::translate("StationFile",
                                                         "een HLS-stream (regel %1), geen stationslijst")
                                 .arg(i + 1);
                return std::nullopt;
            }
            if (line.startsWith(QLatin1String("#EXTINF:"), Qt::CaseInsensitive))
                parseExtinf(line.mid(8), &title, &group);
            else if (line.startsWith(QLatin1String("#EXTGRP:"), Qt::CaseInsensitive))
                group = line.mid(8).trimmed();
            continue;
        }
        collector.add(line, title, group, int(i + 1));
        title.clear();
        group.clear();
    }
    return collector.take();
}

std::optional<StationFile::Contents> readPls(const QString &text, QString *error)
{
    struct Numbered {
        QString file, title, category;
        int line = 0;
    };
    std::map<qlonglong, Numbered> numbered;
    bool header = false;
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed().toString();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (!header) {
            if (line.compare(QLatin1String("[playlist]"), Qt::CaseInsensitive) != 0)
                break;
            header = true;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        for (const char *prefix : {"file", "title", "category"}) {
            const QLatin1String p(prefix);
            bool ok = false;
            const qlonglong n = key.startsWith(p) ? key.mid(p.size()).toLongLong(&ok) : 0;
            if (!ok)
                continue;
            Numbered &entry = numbered[n];
            if (p == QLatin1String("file")) {
                entry.file = value;
                entry.line = int(i + 1);
            } else {
                (p == QLatin1String("title") ? entry.title : entry.category) = value;
            }
        }
    }
    if (!header) {
        if (error)
            *error = QCoreApplication::translate("StationFile", "geen PLS-bestand (geen regel [playlist])");
        return std::nullopt;
    }
    Collector collector;
    for (const auto &[n, entry] : numbered) {
        if (entry.line > 0)
            collector.add(entry.file, entry.title, entry.category, entry.line);
    }
    return collector.take();
}

std::optional<StationFile::Contents> readXspf(const QByteArray &bytes, QString *error)
{
    QXmlStreamReader xml(bytes);
    Collector collector;
    bool root = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!root) {
            if (xml.name() != QLatin1String("playlist"))
                break;
            root = true;
            continue;
        }
        if (xml.name() != QLatin1String("track"))
            continue;
        QString location;
        QString title;
        QString category;
        int line = int(xml.lineNumber());
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("location") && location.isEmpty()) {
                line = int(xml.lineNumber());
                location = xml.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (xml.name() == QLatin1String("title")) {
                title = xml.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (xml.name() == QLatin1String("meta") &&
                       xml.attributes().value(QLatin1String("rel")) == kCategoryRel) {
                category = xml.readElementText(QXmlStreamReader::SkipChildElements);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (xml.hasError())
            break;
        if (location.trimmed().isEmpty())
            collector.add(QString(), title, category, line); // refused: no URL
        else
            collector.add(location, title, category, line);
    }
    if (xml.hasError() || !root) {
        if (error)
            *error = !root && !xml.hasError()
                         ? QCoreApplication::translate("StationFile", "geen XSPF-bestand (geen <playlist>)")
                         : QCoreApplication::translate("StationFile", "geen XSPF-bestand: %1 (regel %2)")
                               .arg(xml.errorString())
                               .arg(xml.lineNumber());
        return std::nullopt;
    }
    return collector.take();
}

std::optional<StationFile::Contents> readJson(const QByteArray &bytes, QString *error)
{
    QString problem;
    const auto catalogue = CatalogueCodec::decodeCatalogue(bytes, &problem);
    if (!catalogue) {
        if (error)
            *error =
                QCoreApplication::translate("StationFile", "geen Zeffira-stationslijst: %1").arg(problem);
        return std::nullopt;
    }
    // JSON keeps no line numbers: each URL is looked up in the text, after the one before it.
    qsizetype from = 0;
    auto lineOf = [&](const QString &url) {
        const qsizetype at = url.isEmpty() ? -1 : bytes.indexOf(url.toUtf8(), from);
        if (at < 0)
            return 0;
        from = at + 1;
        return int(bytes.left(at).count('\n') + 1);
    };
    Collector collector;
    for (const StationCategory &category : *catalogue) {
        collector.noteCategory(singleLine(category.name));
        for (const RadioStation &station : category.stations)
            collector.add(station.url, station.name, category.name, lineOf(station.url));
    }
    return collector.take();
}

QByteArray writeM3u(const Catalogue &catalogue)
{
    QString out = QStringLiteral("#EXTM3U\n");
    for (const StationCategory &category : catalogue) {
        for (const RadioStation &station : category.stations) {
            out += QStringLiteral("#EXTINF:-1,%1\n#EXTGRP:%2\n%3\n")
                       .arg(singleLine(station.name), singleLine(category.name), singleLine(station.url));
        }
    }
    return out.toUtf8();
}

QByteArray writePls(const Catalogue &catalogue)
{
    QString out = QStringLiteral("[playlist]\n");
    int n = 0;
    for (const StationCategory &category : catalogue) {
        for (const RadioStation &station : category.stations) {
            ++n;
            out += QStringLiteral("File%1=%2\nTitle%1=%3\nCategory%1=%4\nLength%1=-1\n")
                       .arg(QString::number(n), singleLine(station.url), singleLine(station.name),
                            singleLine(category.name));
        }
    }
    out += QStringLiteral("NumberOfEntries=%1\nVersion=2\n").arg(n);
    return out.toUtf8();
}

QByteArray writeXspf(const Catalogue &catalogue)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("playlist"));
    xml.writeDefaultNamespace(kXspfNamespace);
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    xml.writeStartElement(QStringLiteral("trackList"));
    for (const StationCategory &category : catalogue) {
        for (const RadioStation &station : category.stations) {
            xml.writeStartElement(QStringLiteral("track"));
            xml.writeTextElement(QStringLiteral("location"), singleLine(station.url));
            xml.writeTextElement(QStringLiteral("title"), singleLine(station.name));
            xml.writeStartElement(QStringLiteral("meta"));
            xml.writeAttribute(QStringLiteral("rel"), kCategoryRel);
            xml.writeCharacters(singleLine(category.name));
            xml.writeEndElement();
            xml.writeEndElement();
        }
    }
    xml.writeEndDocument();
    return out;
}

} // namespace

namespace StationFile {

std::optional<Format> formatOf(const QString &path)
{
    const QString name = path.section(QLatin1Char('/'), -1).toLower();
    if (name.endsWith(QLatin1String(".m3u")) || name.endsWith(QLatin1String(".m3u8")))
        return Format::M3u;
    if (name.endsWith(QLatin1String(".pls")))
        return Format::Pls;
    if (name.endsWith(QLatin1String(".xspf")))
        return Format::Xspf;
    if (name.endsWith(QLatin1String(".json")))
        return Format::Json;
    return std::nullopt;
}

std::optional<Contents> read(const QByteArray &bytes, Format format, QString *error)
{
    if (bytes.size() > maxBytes) {
        if (error)
            *error = QCoreApplication::translate("StationFile", "te groot (%1 bytes)").arg(bytes.size());
        return std::nullopt;
    }
    switch (format) {
    case Format::M3u:
        return readM3u(NetworkText::decode(bytes), error);
    case Format::Pls:
        return readPls(NetworkText::decode(bytes), error);
    case Format::Xspf:
        return readXspf(bytes, error);
    case Format::Json:
        return readJson(bytes, error);
    }
    return std::nullopt;
}

QByteArray write(const Catalogue &catalogue, Format format)
{
    switch (format) {
    case Format::M3u:
        return writeM3u(catalogue);
    case Format::Pls:
        return writePls(catalogue);
    case Format::Xspf:
        return writeXspf(catalogue);
    case Format::Json:
        return CatalogueCodec::encodeCatalogue(catalogue);
    }
    return {};
}

} // namespace StationFile
