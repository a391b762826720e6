// The station sheets' rules (adding and "Wijzig..."): when their input may be submitted and, if
// not, the reason shown under the fields; submitting it to the station store (trimmed, filed
// under the chosen or default category, matched without regard to letter case). Does not own
// the store.
#pragma once

#include "base/Translations.h"
#include <QObject>
#include <QPointer>
#include <optional>

class StationManager;

class StationInput : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString invalidUrlTitle READ invalidUrlTitle CONSTANT)
    Q_PROPERTY(QString invalidUrlMessage READ invalidUrlMessage CONSTANT)
public:
    enum class Outcome {
        Submitted,  // handed to the store; the sheet closes
        InvalidUrl, // nothing stored; the sheet shows the alert and keeps its input
    };
    Q_ENUM(Outcome)

    static inline const QString InvalidUrlTitle = QStringLiteral(QT_TR_NOOP("Ongeldige URL"));
    static inline const QString InvalidUrlMessage =
        QStringLiteral(QT_TR_NOOP("Voer een geldige stream URL in."));

    // Why the confirming button is disabled, in the order they are checked. The constants are the
    // Dutch source texts; the functions below return them in the user's language.
    static inline const QString NameMissing = QStringLiteral(QT_TR_NOOP("Vul een naam in."));
    static inline const QString UrlMissing = QStringLiteral(QT_TR_NOOP("Vul een stream URL in."));
    static inline const QString UrlNotParsable = QStringLiteral(QT_TR_NOOP("Dit is geen geldige URL."));
    static inline const QString UrlSchemeWrong =
        QStringLiteral(QT_TR_NOOP("De URL moet met http:// of https:// beginnen."));
    static inline const QString UrlHostMissing = QStringLiteral(QT_TR_NOOP("De URL mist een servernaam."));

    explicit StationInput(StationManager *stations, QObject *parent = nullptr);

    QString invalidUrlTitle() const { return Translations::text("StationInput", InvalidUrlTitle); }
    QString invalidUrlMessage() const { return Translations::text("StationInput", InvalidUrlMessage); }

    // Leading and trailing white space and line breaks removed.
    static QString trimmed(const QString &text);
    // The scheme exactly as written, when the text is a URL that has one.
    static std::optional<QString> schemeOf(const QString &urlText);
    // The trimmed text when it is a URL with the scheme http or https (in any letter case) and
    // a server name. The text is kept as written.
    static std::optional<QString> streamUrl(const QString &urlText);
    // Why `urlText` is not a stream URL; empty when it is.
    static QString urlProblem(const QString &urlText);

    // The name is not blank and the URL is a stream URL (duplicates are not checked here).
    Q_INVOKABLE static bool isValidInput(const QString &name, const QString &urlText);
    // Empty when the input may be submitted; otherwise the one reason to show, the first of:
    // no name, URL problems, a URL that a station other than the one at `ownUrl` already has.
    Q_INVOKABLE QString disabledReason(const QString &name, const QString &urlText,
                                       const QString &ownUrl = QString()) const;
    // The category field's placeholder.
    Q_INVOKABLE static QString categoryPlaceholder(const QString &defaultCategory);
    // The category a station goes to: the trimmed field, or `defaultCategory` when it is blank;
    // an existing category of that name in other letter case takes it; "" means the store's
    // default category.
    Q_INVOKABLE QString categoryFor(const QString &category, const QString &defaultCategory) const;
    // Hands the station to the store unless the URL is not a stream URL. An empty category
    // field means `defaultCategory` (the selected category, or "" for the store's default).
    Outcome submit(const QString &name, const QString &urlText, const QString &category,
                   const QString &defaultCategory);
    // For the add sheet: the name of the category the station was filed under (the sheet closes
    // and the tab selects it), or "" when the sheet shows the "Ongeldige URL" alert.
    // The logo the directory listed for the station just added with `url`.
    Q_INVOKABLE void setStationLogo(const QString &url, const QString &logoUrl);
    Q_INVOKABLE QString submitStation(const QString &name, const QString &urlText, const QString &category,
                                      const QString &defaultCategory);
    // "Wijzig...": gives the station at `url` the new name and URL. False (nothing stored) when
    // the new URL is not a stream URL.
    Q_INVOKABLE bool editStation(const QString &url, const QString &name, const QString &newUrlText);

private:
    QPointer<StationManager> m_stations;
};
