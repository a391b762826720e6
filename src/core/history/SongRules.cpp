#include "history/SongRules.h"

#include <QRegularExpression>

namespace {

// What stations announce during breaks, in the languages of the stations we ship, matched as
// the whole text or as its artist part ("Reclame - Bol.com").
bool isBreakMarker(const QString &comparable)
{
    static const QRegularExpression marker(QStringLiteral(
        "^(ad|ads|advert|advertisement|advertising|commercial|commercials|commercial break|ad ?break|"
        "reclame|reclameblok|spot|spots|sponsor|jingle|werbung|publicité|publicite|publicidad|"
        "pubblicità|news|nieuws|nachrichten|informations)$"));
    // Ad-insertion servers leave their markers in the title itself.
    static const QRegularExpression insertion(QStringLiteral("adswizz|adw_ad=|adcontext=|insertiontype="));
    return marker.match(comparable).hasMatch() || insertion.match(comparable).hasMatch();
}

bool hasLetterOrDigit(const QString &text)
{
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            return true;
    }
    return false;
}

} // namespace

namespace SongRules {

QString comparable(const QString &text)
{
    return text.simplified().toCaseFolded();
}

std::optional<Song> song(const QString &text, const QString &stationName)
{
    const QString simple = text.simplified();
    if (!hasLetterOrDigit(simple))
        return std::nullopt;
    const QString folded = simple.toCaseFolded();
    if (folded == comparable(stationName) || isBreakMarker(folded))
        return std::nullopt;

    static const QRegularExpression separator(QStringLiteral(" [-\u2013\u2014] "));
    Song result;
    const QRegularExpressionMatch split = separator.match(QStringLiteral(" ") + simple + QStringLiteral(" "));
    if (split.hasMatch()) {
        // Offsets in the padded text: one more than in `simple`.
        const qsizetype at = split.capturedStart() - 1;
        result.artist = simple.left(qMax<qsizetype>(at, 0)).trimmed();
        result.title = simple.mid(at + split.capturedLength()).trimmed();
        if (!hasLetterOrDigit(result.artist))
            result.artist.clear();
        if (!hasLetterOrDigit(result.title)) {
            result.title = result.artist;
            result.artist.clear();
        }
        if (isBreakMarker(comparable(result.artist)) || comparable(result.artist) == comparable(stationName))
            return std::nullopt;
    } else {
        result.title = simple;
    }
    return result;
}

} // namespace SongRules

QString SongRules::copyText(const QString &text, const QString &stationName)
{
    const std::optional<Song> found = song(text, stationName);
    if (!found)
        return text.trimmed();
    return found->artist.isEmpty() ? found->title : found->artist + QStringLiteral(" - ") + found->title;
}
