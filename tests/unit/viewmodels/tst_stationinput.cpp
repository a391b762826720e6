// The station sheets' input rules: when "Voeg toe" is enabled and why not, and what submitting
// stores (trimmed texts, the category chosen or defaulted, matched in any letter case) or refuses.
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
                                           << "HTTPS://radio.example/live.mp3" << true;
        QTest::newRow("mixed-case scheme") << "Radio"
                                           << "Http://radio.example/live.mp3" << true;
        QTest::newRow("https lookalike") << "Radio"
                                         << "httpss://radio.example/" << false;
        QTest::newRow("not parsable: space inside") << "Radio"
                                                    << "https://radio example/" << false;
        QTest::newRow("not parsable: bad escape") << "Radio"
                                                  << "https://radio.example/%zz" << false;
        QTest::newRow("scheme, colon and a path: no server") << "Radio"
                                                             << "http:live" << false;
        QTest::newRow("scheme alone") << "Radio"
                                      << "http:" << false;
        QTest::newRow("empty authority") << "Radio"
                                         << "http:///live.mp3" << false;
        QTest::newRow("port without server") << "Radio"
                                             << "http://:8000/live" << false;
        QTest::newRow("IP address and port") << "Radio"
                                             << "http://127.0.0.1:8000/live" << true;
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
        QTest::newRow("no server") << "http:new.example/a";
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
        QCOMPARE(rig.input.submitStation(QStringLiteral("N"), url, QString(), QString()), QString());
        QCOMPARE(rig.store.categories(), CatalogueFixture::builtIn());
        QCOMPARE(rig.fixture.readCatalogueFile(), before);
        QCOMPARE(rig.input.invalidUrlTitle(), QStringLiteral("Ongeldige URL"));
        QCOMPARE(rig.input.invalidUrlMessage(), QStringLiteral("Voer een geldige stream URL in."));
    }

    void duplicateUrlIsRefusedByTheStore()
    {
        Rig rig;
        LogCapture log;
        // The same URL text as p2, with surrounding blanks that the sheet removes.
        QCOMPARE(rig.input.submitStation(QStringLiteral("Ander"), QStringLiteral(" https://p.example/2 "),
                                         QStringLiteral("Jazz"), QString()),
                 QStringLiteral("Jazz"));
        QCOMPARE(rig.store.categories(), CatalogueFixture::builtIn());
        QVERIFY(log.contains(QStringLiteral("stations"), QtCriticalMsg,
                             QStringLiteral("Station already exists: Ander")));
        // The same address in other letter case is another URL text, so another station.
        QCOMPARE(rig.input.submitStation(QStringLiteral("Ander"), QStringLiteral("https://P.example/2"),
                                         QString(), QString()),
                 QStringLiteral("Eigen stations"));
        QCOMPARE(layout(rig.store.categories()).last(),
                 QStringLiteral("Eigen stations:Ander=https://P.example/2"));
    }

    void disabledReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("ownUrl");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fresh sheet: the name first") << ""
                                                     << ""
                                                     << "" << StationInput::NameMissing;
        QTest::newRow("no URL") << "N"
                                << " "
                                << "" << StationInput::UrlMissing;
        QTest::newRow("not parsable") << "N"
                                      << "http://a b/"
                                      << "" << StationInput::UrlNotParsable;
        QTest::newRow("other scheme") << "N"
                                      << "ftp://x.example/"
                                      << "" << StationInput::UrlSchemeWrong;
        QTest::newRow("no scheme") << "N"
                                   << "x.example/a"
                                   << "" << StationInput::UrlSchemeWrong;
        QTest::newRow("no server") << "N"
                                   << "http:"
                                   << "" << StationInput::UrlHostMissing;
        QTest::newRow("URL of another station") << "N"
                                                << "https://p.example/2"
                                                << ""
                                                << "Deze URL hoort al bij 'p2' in 'Publiek'.";
        QTest::newRow("its own URL while editing") << "N"
                                                   << "https://p.example/2"
                                                   << "https://p.example/2"
                                                   << "";
        QTest::newRow("valid") << "N"
                               << "HTTP://new.example/a"
                               << ""
                               << "";
    }

    void disabledReason()
    {
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(QString, ownUrl);
        QFETCH(QString, reason);
        Rig rig;
        QCOMPARE(rig.input.disabledReason(name, url, ownUrl), reason);
    }

    void categoryMatchesInAnyLetterCase_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("defaultCategory");
        QTest::addColumn<QString>("filed");
        QTest::newRow("typed in lower case") << " jazz "
                                             << "Publiek"
                                             << "Jazz";
        QTest::newRow("selected category") << ""
                                           << "Publiek"
                                           << "Publiek";
        QTest::newRow("new category keeps its letters") << "Klassiek"
                                                        << ""
                                                        << "Klassiek";
        QTest::newRow("nothing: the store's default") << ""
                                                      << ""
                                                      << "Eigen stations";
    }

    void categoryMatchesInAnyLetterCase()
    {
        QFETCH(QString, category);
        QFETCH(QString, defaultCategory);
        QFETCH(QString, filed);
        Rig rig;
        QCOMPARE(rig.input.submitStation(QStringLiteral("N"), QStringLiteral("https://new.example/a"),
                                         category, defaultCategory),
                 filed);
        const auto it = std::find_if(rig.store.categories().cbegin(), rig.store.categories().cend(),
                                     [&](const StationCategory &c) { return c.name == filed; });
        QVERIFY(it != rig.store.categories().cend());
        QCOMPARE(it->stations.last().url, QStringLiteral("https://new.example/a"));
        QCOMPARE(rig.store.categories().size(), filed == "Jazz" || filed == "Publiek" ? 2 : 3);
    }

    void editKeepsThePlaceAndRefusesABadUrl()
    {
        Rig rig;
        QVERIFY(!rig.input.editStation(QStringLiteral("https://p.example/1"), QStringLiteral("X"),
                                       QStringLiteral("ftp://x.example/")));
        QCOMPARE(rig.store.categories(), CatalogueFixture::builtIn());
        QVERIFY(rig.input.editStation(QStringLiteral("https://p.example/1"), QStringLiteral(" Eén "),
                                      QStringLiteral(" HTTP://een.example/ ")));
        QCOMPARE(layout(rig.fixture.savedCatalogue()).first(),
                 QStringLiteral("Publiek:Eén=HTTP://een.example/,p2=https://p.example/2"));
    }
};

QTEST_GUILESS_MAIN(TestStationInput)
#include "tst_stationinput.moc"
