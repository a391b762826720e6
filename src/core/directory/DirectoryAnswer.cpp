#include "directory/DirectoryAnswer.h"

#include "catalogue/CatalogueCodec.h"

#include "base/NetworkText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

bool isStreamUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

// A text field: absent or null is empty; any other type is a malformed answer.
bool readText(const QJsonObject &object, QLatin1String key, QString *out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        out->clear();
        return true;
    }
    if (!value.isString())
        return false;
    *out = value.toString();
    return true;
}

} // namespace

namespace DirectoryAnswer {

std::optional<Result> parse(const QByteArray &body, QString *error)
{
    auto fail = [error](const QString &reason) -> std::optional<Result> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (body.size() > maxBytes)
        return fail(QCoreApplication::translate("DirectoryAnswer", "antwoord te groot (%n bytes)", nullptr,
                                                int(body.size())));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QString what = body.trimmed().startsWith('<')
                                 ? QCoreApplication::translate("DirectoryAnswer", "een HTML- of XML-pagina")
                                 : parseError.errorString();
        return fail(QCoreApplication::translate("DirectoryAnswer", "geen JSON: %1").arg(what));
    }
    if (!document.isArray())
        return fail(QCoreApplication::translate("DirectoryAnswer", "geen lijst van zenders"));

    Result result;
    const QJsonArray array = document.array();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonValue element = array.at(i);
        if (!element.isObject())
            return fail(
                QCoreApplication::translate("DirectoryAnswer", "zender %1 is geen object").arg(i + 1));
        const QJsonObject object = element.toObject();
        DirectoryStation station;
        QString url;
        QString resolved;
        QString tags;
        const std::pair<QLatin1String, QString *> texts[] = {{QLatin1String("stationuuid"), &station.uuid},
                                                             {QLatin1String("name"), &station.name},
                                                             {QLatin1String("url"), &url},
                                                             {QLatin1String("url_resolved"), &resolved},
                                                             {QLatin1String("country"), &station.country},
                                                             {QLatin1String("codec"), &station.codec},
                                                             {QLatin1String("tags"), &tags},
                                                             {QLatin1String("favicon"), &station.favicon}};
        for (const auto &[key, out] : texts) {
            if (!readText(object, key, out))
                return fail(QCoreApplication::translate("DirectoryAnswer", "zender %1: \"%2\" is geen tekst")
                                .arg(i + 1)
                                .arg(key));
        }
        const QJsonValue bitrate = object.value(QLatin1String("bitrate"));
        if (!bitrate.isUndefined() && !bitrate.isNull() && !bitrate.isDouble())
            return fail(QCoreApplication::translate("DirectoryAnswer", "zender %1: \"bitrate\" is geen getal")
                            .arg(i + 1));
        if (result.stations.size() >= maxResults)
            continue; // checked, not kept
        const double kbps = bitrate.toDouble();
        station.bitrate = kbps > 0 && kbps < 100000 ? int(kbps) : 0;

        // The resolved URL skips a playlist round trip, but only where it is itself usable.
        station.url = isStreamUrl(resolved.trimmed()) ? resolved.trimmed() : url.trimmed();
        station.name = NetworkText::clean(station.name).trimmed();
        if (!isStreamUrl(station.url) || station.name.isEmpty()) {
            ++result.refused;
            continue;
        }
        station.uuid = NetworkText::clean(station.uuid);
        station.country = NetworkText::clean(station.country);
        station.codec = NetworkText::clean(station.codec);
        station.favicon = CatalogueCodec::logoUrl(station.favicon);
        for (const QString &tag : tags.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString cleaned = NetworkText::clean(tag).trimmed();
            if (!cleaned.isEmpty())
                station.tags << cleaned;
        }
        result.stations << station;
    }
    return result;
}

} // namespace DirectoryAnswer
