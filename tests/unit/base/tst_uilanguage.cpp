// The language chosen from the user's languages, and the embedded catalogue it loads: English,
// German or French where one of them comes first, Dutch (the source, no catalogue) for Dutch and
// anything we lack; and the plural rules of each catalogue.
#include "base/Translations.h"
#include "playback/RadioPlayer.h"
#include "viewmodels/StationInput.h"
#include "viewmodels/StreamErrorText.h"

#include <QLocale>
#include <QTest>

class TestUiLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void language_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("nameMissing");
        QTest::addColumn<QString>("refused");
        // A count of none: a plural in English, the singular in French (whose 0 goes with 1).
        QTest::addColumn<QString>("none");
        const QString dutch = StationInput::NameMissing;
        QTest::newRow("en_US") << "en_US"
                               << "en"
                               << "Enter a name."
                               << "connection refused"
                               << "0 stations";
        QTest::newRow("en_GB") << "en_GB"
                               << "en"
                               << "Enter a name."
                               << "connection refused"
                               << "0 stations";
        QTest::newRow("de_DE") << "de_DE"
                               << "de"
                               << "Geben Sie einen Namen ein."
                               << "Verbindung verweigert"
                               << "0 Sender";
        QTest::newRow("de_AT") << "de_AT"
                               << "de"
                               << "Geben Sie einen Namen ein."
                               << "Verbindung verweigert"
                               << "0 Sender";
        QTest::newRow("fr_FR") << "fr_FR"
                               << "fr"
                               << "Saisissez un nom."
                               << "connexion refusée"
                               << "0 station";
        QTest::newRow("fr_CA") << "fr_CA"
                               << "fr"
                               << "Saisissez un nom."
                               << "connexion refusée"
                               << "0 station";
        QTest::newRow("nl_NL") << "nl_NL"
                               << "nl" << dutch << "verbinding geweigerd"
                               << "stations: 0";
        QTest::newRow("nl_BE") << "nl_BE"
                               << "nl" << dutch << "verbinding geweigerd"
                               << "stations: 0";
        QTest::newRow("no translation") << "it_IT"
                                        << "nl" << dutch << "verbinding geweigerd"
                                        << "stations: 0";
        QTest::newRow("C") << "C"
                           << "nl" << dutch << "verbinding geweigerd"
                           << "stations: 0";
    }

    void language()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, nameMissing);
        QFETCH(QString, refused);
        QFETCH(QString, none);
        QCOMPARE(Translations::install(QLocale(locale)), language);
        QCOMPARE(Translations::text("StationInput", StationInput::NameMissing), nameMissing);
        QCOMPARE(StreamErrorText::describe(StreamFailure(StreamFailure::Reason::Refused)), refused);
        QCOMPARE(QCoreApplication::translate("CategoryDropRow", "stations: %n", nullptr, 0), none);
        // The constant itself stays the Dutch source that is compared and logged.
        QCOMPARE(RadioPlayer::NoNetworkMessage, QStringLiteral("Geen netwerkverbinding"));
    }
};

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
