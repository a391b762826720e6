#include "catalogue/StationFile.h"

#include "base/NetworkText.h"
#include "catalogue/CatalogueCodec.h"
#include "playlist/PlaylistReader.h"

#include <QCoreApplication>
#include <QUrl>
#include <QXmlStreamWriter>

namespace {

const QString kXspfNamespace = QStringLiteral("http://xspf.org/ns/0/");

// One line of text: names and categories never hold line breaks, control characters or
// bidirectional overrides, nor what XML cannot carry, so that every format can write them and no
// name displays as something it is not. Not capped: the catalogue keeps names whole.
QString singleLine(const QString &text)
{
    return NetworkText::clean(text, NetworkText::noLimit);
}

std::optional<QString> urlProblem(const QString &text)
{
    // Control characters, breaks and overrides that QUrl would quietly percent-encode.
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
            // Quoted in messages: cleaned and capped like any text from outside.
            m_contents.refused << StationFile::Refusal{line, NetworkText::clean(url), *problem};
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

PlaylistFormat hintOf(StationFile::Format format)
{
    switch (format) {
    case StationFile::Format::M3u:
        return PlaylistFormat::M3u;
    case StationFile::Format::Pls:
        return PlaylistFormat::Pls;
    case StationFile::Format::Xspf:
    case StationFile::Format::Json:
        break;
    }
    return PlaylistFormat::Xspf;
}

// The playlist forms, read as the player reads them. A file whose own marks say another form than
// its name ([playlist] in a .m3u) is read as what it is. One station per entry: an XSPF track's
// or ASX entry's further locations are the same station's mirrors.
std::optional<StationFile::Contents> readPlaylist(const QByteArray &bytes, StationFile::Format format,
                                                  QString *error)
{
    using Stop = PlaylistReader::Document::Stop;
    const PlaylistReader::Document document = PlaylistReader::read(bytes, hintOf(format));
    const QString name = PlaylistReader::formatName(document.format);
    const QString root =
        document.format == PlaylistFormat::Asx ? QStringLiteral("<asx>") : QStringLiteral("<playlist>");
    QString problem;
    switch (document.stop) {
    case Stop::AtEnd:
        break;
    case Stop::Hls:
        problem = QCoreApplication::translate("StationFile", "een HLS-stream (regel %1), geen stationslijst")
                      .arg(document.line);
        break;
    case Stop::NoRoot:
        problem = QCoreApplication::translate("StationFile", "geen %1-bestand (geen %2)").arg(name, root);
        break;
    case Stop::BadXml:
        // A broken file is not imported in part: the user mends it and imports it whole.
        problem = QCoreApplication::translate("StationFile", "geen %1-bestand: %2 (regel %3)")
                      .arg(name, NetworkText::clean(document.detail))
                      .arg(document.line);
        break;
    }
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    Collector collector;
    for (const PlaylistReader::Item &item : document.items) {
        if (!item.mirror)
            collector.add(item.location, item.title, item.category, item.line);
    }
    return collector.take();
}

std::optional<StationFile::Contents> readJson(QByteArray bytes, QString *error)
{
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff"))
        bytes = NetworkText::decode(bytes).toUtf8();
    QString problem;
    const auto catalogue = CatalogueCodec::decodeCatalogue(bytes, &problem);
    if (!catalogue) {
        // The codec quotes the file (a URL with a line break in it, say): cleaned for the terminal.
        if (error)
            *error = QCoreApplication::translate("StationFile", "geen Zeffira-stationslijst: %1")
                         .arg(NetworkText::clean(problem));
        return std::nullopt;
    }
    // JSON keeps no line numbers: each URL is looked up in the text, after the one before it
    // (counting the lines on from there, so that a long list is not counted over and over).
    qsizetype from = 0;
    qsizetype counted = 0;
    int line = 1;
    auto lineOf = [&](const QString &url) {
        const qsizetype at = url.isEmpty() ? -1 : bytes.indexOf(url.toUtf8(), from);
        if (at < 0)
            return 0;
        line += int(QByteArrayView(bytes).sliced(counted, at - counted).count('\n'));
        counted = at;
        from = at + 1;
        return line;
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
            xml.writeAttribute(QStringLiteral("rel"), PlaylistReader::xspfCategoryRel);
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
    if (format == Format::Json)
        return readJson(bytes, error);
    return readPlaylist(bytes, format, error);
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
