// The add-station sheet's rules: when its input may be submitted, and submitting it to the
// station store (trimmed, filed under the chosen or default category). Does not own the store.
#pragma once

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
        Submitted,  // handed to the store (which may still refuse a duplicate); the sheet closes
        InvalidUrl, // nothing stored; the sheet shows the alert and keeps its input
    };
    Q_ENUM(Outcome)

    static inline const QString InvalidUrlTitle = QStringLiteral("Ongeldige URL");
    static inline const QString InvalidUrlMessage = QStringLiteral("Voer een geldige stream URL in.");

    explicit StationInput(StationManager *stations, QObject *parent = nullptr);

    QString invalidUrlTitle() const { return InvalidUrlTitle; }
    QString invalidUrlMessage() const { return InvalidUrlMessage; }

    // Leading and trailing white space and line breaks removed.
    static QString trimmed(const QString &text);
    // The scheme exactly as written, when the text is a URL that has one.
    static std::optional<QString> schemeOf(const QString &urlText);
    // The trimmed text when it is a URL with the scheme "http" or "https" (exact case).
    static std::optional<QString> streamUrl(const QString &urlText);

    // "Voeg toe" is enabled: a name that is not blank and a stream URL.
    Q_INVOKABLE static bool isValidInput(const QString &name, const QString &urlText);
    // The category field's placeholder.
    Q_INVOKABLE static QString categoryPlaceholder(const QString &defaultCategory);
    // Hands the station to the store unless the URL is not a stream URL. An empty category
    // field means `defaultCategory` (the selected category, or "" for the store's default).
    Outcome submit(const QString &name, const QString &urlText, const QString &category,
                   const QString &defaultCategory);
    // For the sheet: true when it closes, false when it shows the "Ongeldige URL" alert.
    Q_INVOKABLE bool submitStation(const QString &name, const QString &urlText, const QString &category,
                                   const QString &defaultCategory);

private:
    QPointer<StationManager> m_stations;
};
