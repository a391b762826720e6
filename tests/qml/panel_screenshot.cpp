// Renders the station panel to PNG for review: with a station playing, with a search whose first
// match the keyboard has selected, with a search that finds nothing, with the stream's song
// title, played behind live from the rewind buffer, the songs heard, with the sleep timer running, and with
// the banner of a skipped station. Usage: panel_screenshot <output folder> [built-in stations.xml]. Runs
// offscreen or under Xvfb.
#include "Screenshots.h"
#include "TestRig.h"

#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationXMLParser.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: panel_screenshot <output folder> [stations.xml]\n");
        return 2;
    }
    const QDir out(args.at(1));
    const QString xml =
        args.size() > 2 ? args.at(2) : qEnvironmentVariable("ZEFFIRA_DATA_DIR") + "/stations.xml";

    TestRig rig;
    const Catalogue catalogue = loadBuiltInStations(xml);
    if (catalogue.isEmpty()) {
        std::fprintf(stderr, "panel_screenshot: no stations in %s\n", qPrintable(xml));
        return 1;
    }
    rig.setCatalogue(QString::fromUtf8(CatalogueCodec::encodeCatalogue(catalogue)));
    rig.publish();
    // Heard yesterday, for "Gehoord" below.
    rig.addHeard(QStringLiteral("Golden Earring"), QStringLiteral("Radar Love"), 1);
    rig.addHeard(QStringLiteral("Doe Maar"), QStringLiteral("Pa"), 1);

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Zeffira/qml/panel/PanelWindow.qml")));
    auto *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return 1;
    window->setProperty("hideOnDeactivate", false);
    window->show();

    // The second station of the second category, playing.
    const StationCategory &category = catalogue.size() > 1 ? catalogue.at(1) : catalogue.first();
    const RadioStation station = category.stations.value(category.stations.size() > 1 ? 1 : 0);
    rig.player()->play(station);
    rig.reportReady();
    Screenshots::settle(600);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-playing.png")), "panel_screenshot"))
        return 1;

    auto *menu = window->property("menuView").value<QQuickItem *>();
    menu->setProperty("searchText", QStringLiteral("radio"));
    Screenshots::settle(600);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-search.png")), "panel_screenshot"))
        return 1;

    menu->setProperty("searchText", QStringLiteral("zzz"));
    Screenshots::settle(600);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-no-matches.png")), "panel_screenshot"))
        return 1;

    menu->setProperty("searchText", QString());

    rig.reportTitle(QStringLiteral("Het Zonnekoor - Zomeravond"));
    Screenshots::settle(600);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-song-title.png")), "panel_screenshot"))
        return 1;

    // Played from the rewind buffer, 2:13 behind live.
    rig.fillRewind(300, 133);
    Screenshots::settle(600);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-rewind.png")), "panel_screenshot"))
        return 1;

    // The sleep timer runs, 12 minutes left.
    rig.sleepTimer()->start(30);
    rig.advance(18 * 60 * 1000);
    Screenshots::settle(600);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-sleep-timer.png")), "panel_screenshot"))
        return 1;
    rig.sleepTimer()->cancel();

    // "Gehoord": yesterday's songs, then the one the station announced above.
    menu->setProperty("showingHeard", true);
    Screenshots::settle(800);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-heard.png")), "panel_screenshot"))
        return 1;
    menu->setProperty("showingHeard", false);

    // The first station fails and the player moves on; the banner names it and why. (The rig's
    // scheduler stands still, so the banner stays for the picture.)
    const RadioStation failing = catalogue.first().stations.value(0);
    rig.player()->play(failing);
    rig.reportFailed(StreamFailure(StreamFailure::Reason::Refused));
    rig.player()->play(station);
    Screenshots::settle(800);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("panel-skipped.png")), "panel_screenshot"))
        return 1;
    return 0;
}
