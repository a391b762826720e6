// The panel's search filter and the flattened station list behind it: headers, the active
// mark and how the list follows the store and the player.
#include "base/SettingsStore.h"
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationFilter.h"
#include "catalogue/StationManager.h"
#include "playback/RadioPlayer.h"
#include "support/CatalogueFixture.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"
#include "viewmodels/StationListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {
RadioStation st(const char *name, const char *url)
{
    return RadioStation(QString::fromUtf8(name), QString::fromUtf8(url));
}

// "Klassiek" and "Nieuws" appear as words in station names too, so a match on category names
// would show; "example" and "radio" appear in URLs.
Catalogue sample()
{
    return {
        StationCategory(QStringLiteral("Nieuws"), {st("NPO Radio 1", "https://radio.example/npo1"),
                                                   st("BNR Nieuwsradio", "https://example.nl/bnr")}),
        StationCategory(QStringLiteral("Klassiek"), {st("Radio 4 Klassiek", "https://radio.example/r4"),
                                                     st("Concertzender", "https://radio.example/cz")}),
        StationCategory(QStringLiteral("Leeg")),
        StationCategory(QString::fromUtf8("Café"), {st("Radio École", "https://fr.example/ecole"),
                                                    st("Kaffee  Zwei", "https://de.example/kz")}),
        StationCategory(QStringLiteral("Jazz"), {st("Sublime", "https://jazz.example/sublime"),
                                                 st("NPO Radio 1", "https://radio.example/npo1")}),
    };
}

// "Cat:a,b|Cat2:c" for compact expectations.
QString describe(const Catalogue &catalogue)
{
    QStringList parts;
    for (const StationCategory &category : catalogue) {
        QStringList names;
        for (const RadioStation &station : category.stations)
            names << station.name;
        parts << category.name + QLatin1Char(':') + names.join(QLatin1Char(','));
    }
    return parts.join(QLatin1Char('|'));
}

// The model's rows as "H:NAME*" (header, * when first) and "S:name+" (station, + when active).
QString describe(const QAbstractItemModel &model)
{
    QStringList rows;
    for (int i = 0; i < model.rowCount(); ++i) {
        const QModelIndex index = model.index(i, 0);
        const bool header = index.data(StationListModel::KindRole).toString() == QLatin1String("header");
        QString text = (header ? QStringLiteral("H:") : QStringLiteral("S:")) +
                       index.data(StationListModel::NameRole).toString();
        if (index.data(StationListModel::IsFirstHeaderRole).toBool())
            text += QLatin1Char('*');
        if (index.data(StationListModel::IsActiveRole).toBool())
            text += QLatin1Char('+');
        rows << text;
    }
    return rows.join(QLatin1Char(' '));
}

struct Rig {
    explicit Rig(const Catalogue &catalogue = sample())
    {
        fixture.writeCatalogue(CatalogueCodec::encodeCatalogue(catalogue));
        stations = std::make_unique<StationManager>(fixture.folder(), fixture.builtInPath());
        player = std::make_unique<RadioPlayer>(&backend, &settings, &scheduler);
        model = std::make_unique<StationListModel>(stations.get(), player.get());
        tester = std::make_unique<QAbstractItemModelTester>(
            model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    CatalogueFixture fixture;
    FakeStreamBackend backend;
    SettingsStore settings{QString()};
    ManualScheduler scheduler;
    std::unique_ptr<StationManager> stations;
    std::unique_ptr<RadioPlayer> player;
    std::unique_ptr<StationListModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};
} // namespace

class TestStationListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString all = describe(sample());
        QTest::newRow("empty keeps everything, empty categories too") << QString() << all;
        QTest::newRow("lower case") << "radio"
                                    << "Nieuws:NPO Radio 1,BNR Nieuwsradio|Klassiek:Radio 4 Klassiek|"
                                       "Café:Radio École|Jazz:NPO Radio 1";
        QTest::newRow("capitals") << "RADIO 1"
                                  << "Nieuws:NPO Radio 1|Jazz:NPO Radio 1";
        QTest::newRow("mixed case") << "nIEUWSr"
                                    << "Nieuws:BNR Nieuwsradio";
        QTest::newRow("diacritic, other case") << "éCOLE"
                                               << "Café:Radio École";
        QTest::newRow("diacritics count") << "ecole"
                                          << "";
        QTest::newRow("one blank matches names with a blank")
            << " "
            << "Nieuws:NPO Radio 1,BNR Nieuwsradio|Klassiek:Radio 4 Klassiek|Café:Radio École,Kaffee  Zwei|"
               "Jazz:NPO Radio 1";
        QTest::newRow("not trimmed") << "  "
                                     << "Café:Kaffee  Zwei";
        QTest::newRow("leading blank kept") << " 4"
                                            << "Klassiek:Radio 4 Klassiek";
        QTest::newRow("URLs are not searched") << "example"
                                               << "";
        QTest::newRow("URL host not searched") << "jazz.example"
                                               << "";
        QTest::newRow("category names are not searched") << "Leeg"
                                                         << "";
        QTest::newRow("category word found only in station names") << "klassiek"
                                                                   << "Klassiek:Radio 4 Klassiek";
        QTest::newRow("café category name, no station") << "café"
                                                        << "";
        QTest::newRow("nothing") << "xyz"
                                 << "";
    }

    void filter()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const Catalogue result = filteredCategories(sample(), text);
        QCOMPARE(describe(result), expected);
        // The one-name test and the bulk pass agree.
        for (const StationCategory &category : sample()) {
            for (const RadioStation &station : category.stations) {
                const bool kept = std::any_of(result.begin(), result.end(), [&](const StationCategory &c) {
                    return c.name == category.name && c.stations.contains(station);
                });
                QCOMPARE(stationNameMatches(station.name, text), text.isEmpty() || kept);
            }
        }
    }

    void headersAndRows()
    {
        Rig rig;
        QCOMPARE(describe(*rig.model),
                 QStringLiteral("H:NIEUWS* S:NPO Radio 1 S:BNR Nieuwsradio H:KLASSIEK S:Radio 4 Klassiek "
                                "S:Concertzender H:LEEG H:CAFÉ S:Radio École S:Kaffee  Zwei H:JAZZ S:Sublime "
                                "S:NPO Radio 1"));
        const QModelIndex header = rig.model->index(7);
        QCOMPARE(header.data(StationListModel::RawNameRole).toString(), QString::fromUtf8("Café"));
        QCOMPARE(header.data(StationListModel::UrlRole).toString(), QString());
        const QModelIndex station = rig.model->index(8);
        QCOMPARE(station.data(StationListModel::UrlRole).toString(),
                 QStringLiteral("https://fr.example/ecole"));
        QCOMPARE(station.data(StationListModel::CategoryRole).toString(), QString::fromUtf8("Café"));
        QCOMPARE(rig.model->roleNames().value(StationListModel::IsActiveRole), QByteArray("isActive"));

        // After a search the first header shown is the first kept category.
        rig.model->setSearchText(QStringLiteral("SUB"));
        QCOMPARE(describe(*rig.model), QStringLiteral("H:JAZZ* S:Sublime"));
        QCOMPARE(rig.model->count(), 2);
        rig.model->setSearchText(QStringLiteral("zzz"));
        QCOMPARE(rig.model->count(), 0);
        // Clearing brings back the empty category's header.
        rig.model->setSearchText(QString());
        QVERIFY(describe(*rig.model).contains(QStringLiteral("H:LEEG H:CAFÉ")));
    }

    void identicalFirstCategoryMarksEveryCopy()
    {
        const StationCategory twice(QStringLiteral("Pop"), {st("A", "https://a.example/")});
        Rig rig({twice, StationCategory(QStringLiteral("Rock"), {st("B", "https://b.example/")}), twice});
        QCOMPARE(describe(*rig.model), QStringLiteral("H:POP* S:A H:ROCK S:B H:POP* S:A"));
    }

    void followsTheStore()
    {
        Rig rig;
        rig.model->setSearchText(QStringLiteral("radio"));
        QSignalSpy countChanged(rig.model.get(), &StationListModel::countChanged);
        rig.stations->addStation(QStringLiteral("Radio Nieuw"), QStringLiteral("https://n.example/"),
                                 QStringLiteral("Leeg"));
        QVERIFY(describe(*rig.model).contains(QStringLiteral("H:LEEG S:Radio Nieuw")));
        QCOMPARE(countChanged.size(), 1);
        QCOMPARE(rig.model->searchText(), QStringLiteral("radio"));
    }

    void activeRows_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("active");
        const QStringList both{QStringLiteral("1"), QStringLiteral("12")};
        QTest::newRow("nothing selected") << "" << QStringList();
        QTest::newRow("loading counts as playing") << "play" << both;
        QTest::newRow("playing, both copies") << "play ready" << both;
        QTest::newRow("paused keeps the mark") << "play ready toggle" << both;
        QTest::newRow("resumed") << "play ready toggle toggle" << both;
        QTest::newRow("stopped") << "play ready stop" << QStringList();
        QTest::newRow("failed") << "play fail" << QStringList();
    }

    void activeRows()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, active);
        Rig rig;
        QSignalSpy reset(rig.model.get(), &QAbstractItemModel::modelReset);
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (step == QLatin1String("play"))
                rig.player->playStation(QStringLiteral("NPO Radio 1"),
                                        QStringLiteral("https://radio.example/npo1"));
            else if (step == QLatin1String("ready"))
                rig.backend.reportReady();
            else if (step == QLatin1String("toggle"))
                rig.player->togglePlayPause();
            else if (step == QLatin1String("stop"))
                rig.player->stop();
            else if (step == QLatin1String("fail"))
                rig.backend.reportFailed(StreamFailure::http(404));
        }
        QStringList marked;
        for (int i = 0; i < rig.model->rowCount(); ++i) {
            if (rig.model->index(i).data(StationListModel::IsActiveRole).toBool())
                marked << QString::number(i);
        }
        QCOMPARE(marked, active);
        QCOMPARE(reset.size(), 0);
    }

    void activeChangeTouchesOnlyTheMark()
    {
        Rig rig;
        rig.model->setSearchText(QStringLiteral("npo"));
        QSignalSpy changed(rig.model.get(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(rig.model.get(), &QAbstractItemModel::modelReset);
        rig.player->playStation(QStringLiteral("NPO Radio 1"), QStringLiteral("https://radio.example/npo1"));
        QCOMPARE(describe(*rig.model), QStringLiteral("H:NIEUWS* S:NPO Radio 1+ H:JAZZ S:NPO Radio 1+"));
        QCOMPARE(reset.size(), 0);
        QCOMPARE(changed.size(), 2);
        for (const auto &args : changed)
            QCOMPARE(args.at(2).value<QList<int>>(), QList<int>{StationListModel::IsActiveRole});

        // Switching station unmarks the old rows and marks the new one.
        changed.clear();
        rig.model->setSearchText(QString());
        rig.player->playStation(QStringLiteral("Sublime"), QStringLiteral("https://jazz.example/sublime"));
        QCOMPARE(describe(*rig.model).count(QLatin1Char('+')), 1);
        QVERIFY(describe(*rig.model).contains(QStringLiteral("S:Sublime+")));

        // A URL that differs only in case is another station.
        rig.player->playStation(QStringLiteral("x"), QStringLiteral("https://RADIO.example/npo1"));
        QCOMPARE(describe(*rig.model).count(QLatin1Char('+')), 0);
    }

    void worksWithoutStoreOrPlayer()
    {
        StationListModel model(nullptr, nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setSearchText(QStringLiteral("a"));
        QCOMPARE(model.rowCount(), 0);
    }

    void keyboardSelection_data()
    {
        // Rows: 0 H:NIEUWS 1 2 | 3 H:KLASSIEK 4 5 | 6 H:LEEG | 7 H:CAFÉ 8 9 | 10 H:JAZZ 11 12
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("to");
        QTest::newRow("down into the list") << -1 << 1 << 1;
        QTest::newRow("up into the list: the last") << -1 << -1 << 12;
        QTest::newRow("over a header") << 2 << 1 << 4;
        QTest::newRow("over an empty category") << 5 << 1 << 8;
        QTest::newRow("up over headers") << 8 << -1 << 5;
        QTest::newRow("stays at the top") << 1 << -1 << 1;
        QTest::newRow("stays at the bottom") << 12 << 1 << 12;
    }

    void keyboardSelection()
    {
        QFETCH(int, from);
        QFETCH(int, step);
        QFETCH(int, to);
        Rig rig;
        QCOMPARE(rig.model->stationRowAfter(from, step), to);
    }

    void playRowAndEmptyLists()
    {
        Rig rig;
        QVERIFY(!rig.model->playRow(0)); // a header
        QVERIFY(!rig.model->playRow(13));
        QVERIFY(!rig.player->hasStation());
        QVERIFY(rig.model->playRow(9));
        QCOMPARE(rig.player->currentStationName(), QStringLiteral("Kaffee  Zwei"));
        rig.model->setSearchText(QStringLiteral("geen treffer"));
        QCOMPARE(rig.model->firstStationRow(), -1);
        QCOMPARE(rig.model->stationRowAfter(-1, -1), -1);
    }
};

QTEST_GUILESS_MAIN(TestStationListModel)
#include "tst_stationlistmodel.moc"
