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
    const std::optional<QString> scheme = schemeOf(text);
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return text;
    return std::nullopt;
}

bool StationInput::isValidInput(const QString &name, const QString &urlText)
{
    return !trimmed(name).isEmpty() && streamUrl(urlText).has_value();
}

QString StationInput::categoryPlaceholder(const QString &defaultCategory)
{
    return defaultCategory.isEmpty() ? StationManager::DefaultCategoryName : defaultCategory;
}

StationInput::Outcome StationInput::submit(const QString &name, const QString &urlText,
                                           const QString &category, const QString &defaultCategory)
{
    const std::optional<QString> url = streamUrl(urlText);
    if (!url)
        return Outcome::InvalidUrl;
    // The name is not checked again: the button is only enabled with one, and the store
    // refuses a blank name itself.
    const QString chosen = trimmed(category);
    if (m_stations)
        m_stations->addStation(trimmed(name), *url, chosen.isEmpty() ? defaultCategory : chosen);
    return Outcome::Submitted;
}

bool StationInput::submitStation(const QString &name, const QString &urlText, const QString &category,
                                 const QString &defaultCategory)
{
    return submit(name, urlText, category, defaultCategory) == Outcome::Submitted;
}
