#include "viewmodels/StationInput.h"

#include "catalogue/RadioStation.h"
#include "catalogue/StationManager.h"

namespace {
bool isSchemeChar(QChar c, bool first)
{
    const char16_t u = c.unicode();
    const bool alpha = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    if (first)
        return alpha;
    return alpha || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}
} // namespace

StationInput::StationInput(StationManager *stations, QObject *parent) : QObject(parent), m_stations(stations)
{
}

QString StationInput::trimmed(const QString &text)
{
    // QChar::isSpace covers the Unicode separators, tabs, line and paragraph breaks.
    return text.trimmed();
}

std::optional<QString> StationInput::schemeOf(const QString &urlText)
{
    if (!isParsableUrl(urlText))
        return std::nullopt;
    // Read from the text itself: QUrl lower-cases the scheme, and "HTTP" must stay refused.
    // In a parsable reference a ":" before any "/", "?" or "#" can only end a scheme.
    for (qsizetype i = 0; i < urlText.size(); ++i) {
        const QChar c = urlText.at(i);
        if (c == u':')
            return i > 0 ? std::optional<QString>(urlText.left(i)) : std::nullopt;
        if (!isSchemeChar(c, i == 0))
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> StationInput::streamUrl(const QString &urlText)
{
    const QString text = trimmed(urlText);
    return urlProblem(text).isEmpty() ? std::optional<QString>(text) : std::nullopt;
}

QString StationInput::urlProblem(const QString &urlText)
{
    const QString text = trimmed(urlText);
    if (text.isEmpty())
        return Translations::text("StationInput", UrlMissing);
    if (!isParsableUrl(text))
        return Translations::text("StationInput", UrlNotParsable);
    // Schemes are case-insensitive; the text keeps the letters as typed.
    const std::optional<QString> scheme = schemeOf(text);
    if (!scheme || (scheme->compare(QLatin1String("http"), Qt::CaseInsensitive) != 0 &&
                    scheme->compare(QLatin1String("https"), Qt::CaseInsensitive) != 0))
        return Translations::text("StationInput", UrlSchemeWrong);
    // "http:" or "http:/x" parse, but name no server to ask.
    if (QUrl(text, QUrl::StrictMode).host().isEmpty())
        return Translations::text("StationInput", UrlHostMissing);
    return QString();
}

bool StationInput::isValidInput(const QString &name, const QString &urlText)
{
    return !trimmed(name).isEmpty() && streamUrl(urlText).has_value();
}

QString StationInput::disabledReason(const QString &name, const QString &urlText, const QString &ownUrl) const
{
    if (trimmed(name).isEmpty())
        return Translations::text("StationInput", NameMissing);
    const QString problem = urlProblem(urlText);
    if (!problem.isEmpty() || !m_stations)
        return problem;
    // The store refuses a URL that is already there; say so instead of closing silently.
    const QString url = trimmed(urlText);
    if (url == ownUrl)
        return QString();
    for (const StationCategory &category : m_stations->categories()) {
        for (const RadioStation &station : category.stations) {
            if (station.id() == url) {
                return tr("Deze URL hoort al bij '%1' in '%2'.").arg(station.name, category.name);
            }
        }
    }
    return QString();
}

QString StationInput::categoryPlaceholder(const QString &defaultCategory)
{
    return defaultCategory.isEmpty() ? StationManager::DefaultCategoryName : defaultCategory;
}

QString StationInput::categoryFor(const QString &category, const QString &defaultCategory) const
{
    const QString chosen = trimmed(category);
    const QString name = chosen.isEmpty() ? defaultCategory : chosen;
    const QString existing =
        m_stations ? categoryNameIgnoringCase(m_stations->categories(), name) : QString();
    return existing.isNull() ? name : existing;
}

StationInput::Outcome StationInput::submit(const QString &name, const QString &urlText,
                                           const QString &category, const QString &defaultCategory)
{
    const std::optional<QString> url = streamUrl(urlText);
    if (!url)
        return Outcome::InvalidUrl;
    // The name is not checked again: the button is only enabled with one, and the store
    // refuses a blank name itself.
    if (m_stations)
        m_stations->addStation(trimmed(name), *url, categoryFor(category, defaultCategory));
    return Outcome::Submitted;
}

QString StationInput::submitStation(const QString &name, const QString &urlText, const QString &category,
                                    const QString &defaultCategory)
{
    if (submit(name, urlText, category, defaultCategory) != Outcome::Submitted)
        return QString();
    const QString filed = categoryFor(category, defaultCategory);
    return filed.isEmpty() ? StationManager::DefaultCategoryName : filed;
}

void StationInput::setStationLogo(const QString &url, const QString &logoUrl)
{
    // The URL as it was filed.
    if (const std::optional<QString> filed = streamUrl(url); m_stations && filed && !logoUrl.isEmpty())
        m_stations->setStationLogo(*filed, logoUrl);
}

bool StationInput::editStation(const QString &url, const QString &name, const QString &newUrlText)
{
    const std::optional<QString> newUrl = streamUrl(newUrlText);
    if (!newUrl)
        return false;
    if (!m_stations)
        return true;
    // The old name only names it in the log; the store finds the station by its URL.
    RadioStation station(QString(), url);
    for (const StationCategory &category : m_stations->categories()) {
        for (const RadioStation &s : category.stations) {
            if (s.id() == url && station.name.isNull())
                station.name = s.name;
        }
    }
    m_stations->editStation(station, trimmed(name), *newUrl);
    return true;
}
