// The language chosen from the user's languages, and the embedded catalogue it loads: English
// where English comes first, Dutch (the source, no catalogue) for Dutch and anything we lack.
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
        const QString dutch = StationInput::NameMissing;
        QTest::newRow("en_US") << "en_US"
                               << "en"
                               << "Enter a name."
                               << "connection refused";
        QTest::newRow("en_GB") << "en_GB"
                               << "en"
                               << "Enter a name."
                               << "connection refused";
        QTest::newRow("nl_NL") << "nl_NL"
                               << "nl" << dutch << "verbinding geweigerd";
        QTest::newRow("nl_BE") << "nl_BE"
                               << "nl" << dutch << "verbinding geweigerd";
        QTest::newRow("no translation") << "de_DE"
                                        << "nl" << dutch << "verbinding geweigerd";
        QTest::newRow("C") << "C"
                           << "nl" << dutch << "verbinding geweigerd";
    }

    void language()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, nameMissing);
        QFETCH(QString, refused);
        QCOMPARE(Translations::install(QLocale(locale)), language);
        QCOMPARE(Translations::text("StationInput", StationInput::NameMissing), nameMissing);
        QCOMPARE(StreamErrorText::describe(StreamFailure(StreamFailure::Reason::Refused)), refused);
        // The constant itself stays the Dutch source that is compared and logged.
        QCOMPARE(RadioPlayer::NoNetworkMessage, QStringLiteral("Geen netwerkverbinding"));
    }
};

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
