// The add-station sheet's input rules: when "Voeg toe" is enabled, and what submitting stores
// (trimmed texts, the category chosen or defaulted) or refuses.
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"
#include "support/LogCapture.h"
#include "viewmodels/StationInput.h"

#include <QTest>

namespace {
QStringList layout(const Catalogue &catalogue)
{
    QStringList out;
    for (const StationCategory &c : catalogue) {
        QStringList entries;
        for (const RadioStation &s : c.stations)
            entries << s.name + QLatin1Char('=') + s.url;
        out << c.name + QLatin1Char(':') + entries.join(QLatin1Char(','));
    }
    return out;
}

struct Rig {
    Rig() : store(fixture.folder(), fixture.builtInPath()), input(&store) {}
    CatalogueFixture fixture; // Publiek: p1, p2 / Jazz: j1
    StationManager store;
    StationInput input;
};
} // namespace

class TestStationInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("valid");
        const QString stream = QStringLiteral("https://radio.example/live.mp3");
        QTest::newRow("name and https") << "Radio" << stream << true;
        QTest::newRow("http with port and query") << "Radio"
                                                  << "http://radio.example:8000/live?type=.mp3" << true;
        QTest::newRow("empty name") << "" << stream << false;
        QTest::newRow("name of spaces") << "   " << stream << false;
        QTest::newRow("name of tabs and line breaks") << "\t\n \r\n" << stream << false;
        QTest::newRow("name of no-break and ideographic spaces")
            << QString(QChar(0xa0)) + QChar(0x3000) << stream << false;
        QTest::newRow("URL with surrounding spaces and a line break") << "Radio"
                                                                      << "  " + stream + "\n"
                                                                      << true;
        QTest::newRow("URL with leading tab") << "Radio"
                                              << "\t" + stream << true;
        QTest::newRow("empty URL") << "Radio"
                                   << "" << false;
        QTest::newRow("URL of spaces") << "Radio"
                                       << "   " << false;
        QTest::newRow("ftp") << "Radio"
                             << "ftp://radio.example/live.mp3" << false;
        QTest::newRow("file") << "Radio"
                              << "file:///etc/passwd" << false;
        QTest::newRow("no scheme") << "Radio"
                                   << "radio.example/live.mp3" << false;
        QTest::newRow("scheme-relative") << "Radio"
                                         << "//radio.example/live.mp3" << false;
        QTest::newRow("upper-case scheme") << "Radio"
                                           << "HTTPS://radio.example/live.mp3" << false;
        QTest::newRow("mixed-case scheme") << "Radio"
                                           << "Http://radio.example/live.mp3" << false;
        QTest::newRow("https lookalike") << "Radio"
                                         << "httpss://radio.example/" << false;
        QTest::newRow("not parsable: space inside") << "Radio"
                                                    << "https://radio example/" << false;
        QTest::newRow("not parsable: bad escape") << "Radio"
                                                  << "https://radio.example/%zz" << false;
        QTest::newRow("scheme, colon and any parsable rest") << "Radio"
                                                             << "http:live" << true;
        QTest::newRow("colon after a slash is no scheme") << "Radio"
                                                          << "/http:x" << false;
    }

    void validInput()
    {
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(bool, valid);
        QCOMPARE(StationInput::isValidInput(name, url), valid);
    }

    void submitStoresTrimmedTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("defaultCategory");
        QTest::addColumn<QString>("expected");

        const QString publiek = QStringLiteral("Publiek:p1=https://p.example/1,p2=https://p.example/2");
        const QString jazz = QStringLiteral("Jazz:j1=https://j.example/1");
        QTest::newRow("spaces and line breaks around name and URL")
            << " \tMijn  Radio \n"
            << "  https://new.example/a \r\n"
            << "Jazz"
            << "" << publiek + "|" + jazz + ",Mijn  Radio=https://new.example/a";
        QTest::newRow("empty category, a category selected in the tab")
            << "N"
            << "https://new.example/a"
            << ""
            << "Jazz" << publiek + "|" + jazz + ",N=https://new.example/a";
        QTest::newRow("empty category, nothing selected")
            << "N"
            << "https://new.example/a"
            << ""
            << "" << publiek + "|" + jazz + "|Eigen stations:N=https://new.example/a";
        QTest::newRow("blank category field counts as empty")
            << "N"
            << "https://new.example/a"
            << " \t "
            << "Publiek" << publiek + ",N=https://new.example/a|" + jazz;
        QTest::newRow("category field trimmed, created when missing")
            << "N"
            << "https://new.example/a"
            << "  Nieuw  "
            << "Jazz" << publiek + "|" + jazz + "|Nieuw:N=https://new.example/a";
        QTest::newRow("category field wins over the selection")
            << "N"
            << "http://new.example/a"
            << "Publiek"
            << "Jazz" << publiek + ",N=http://new.example/a|" + jazz;
    }

    void submitStoresTrimmedTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(QString, category);
        QFETCH(QString, defaultCategory);
        QFETCH(QString, expected);
        Rig rig;
        QCOMPARE(rig.input.submit(name, url, category, defaultCategory), StationInput::Outcome::Submitted);
        QCOMPARE(layout(rig.store.categories()).join(QLatin1Char('|')), expected);
        QCOMPARE(layout(rig.fixture.savedCatalogue()).join(QLatin1Char('|')), expected);
    }

    void invalidUrlShowsTheAlertAndStoresNothing_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("upper-case scheme") << "HTTP://new.example/a";
        QTest::newRow("ftp") << "ftp://new.example/a";
        QTest::newRow("no scheme") << "new.example/a";
        QTest::newRow("not parsable") << "http://new example/a";
        QTest::newRow("empty") << "";
    }

    void invalidUrlShowsTheAlertAndStoresNothing()
    {
        QFETCH(QString, url);
        Rig rig;
        const QByteArray before = rig.fixture.readCatalogueFile();
        QCOMPARE(rig.input.submit(QStringLiteral("N"), url, QString(), QString()),
                 StationInput::Outcome::InvalidUrl);
        QCOMPARE(rig.input.submitStation(QStringLiteral("N"), url, QString(), QString()), false);
        QCOMPARE(rig.store.categories(), CatalogueFixture::builtIn());
        QCOMPARE(rig.fixture.readCatalogueFile(), before);
        QCOMPARE(rig.input.invalidUrlTitle(), QStringLiteral("Ongeldige URL"));
        QCOMPARE(rig.input.invalidUrlMessage(), QStringLiteral("Voer een geldige stream URL in."));
    }

    void duplicateUrlIsRefusedSilentlyAndTheSheetCloses()
    {
        Rig rig;
        LogCapture log;
        // The same URL text as p2, with surrounding blanks that the sheet removes.
        QVERIFY(rig.input.submitStation(QStringLiteral("Ander"), QStringLiteral(" https://p.example/2 "),
                                        QStringLiteral("Jazz"), QString()));
        QCOMPARE(rig.store.categories(), CatalogueFixture::builtIn());
        QVERIFY(log.contains(QStringLiteral("stations"), QtCriticalMsg,
                             QStringLiteral("Station already exists: Ander")));
        // The same address in other letter case is another URL text, so another station.
        QVERIFY(rig.input.submitStation(QStringLiteral("Ander"), QStringLiteral("https://P.example/2"),
                                        QString(), QString()));
        QCOMPARE(layout(rig.store.categories()).last(),
                 QStringLiteral("Eigen stations:Ander=https://P.example/2"));
    }
};

QTEST_GUILESS_MAIN(TestStationInput)
#include "tst_stationinput.moc"
