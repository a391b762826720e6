// Renders the settings window to PNG for review: its tabs, the add-station sheet (also with a
// directory search), the edit sheet refusing another station's URL and the move confirmation, on
// the built-in station list. Usage:
// settings_screenshot <output folder> [stations.xml]. Runs offscreen or under Xvfb.
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

namespace {
QObject *child(QObject *root, const char *name)
{
    QObject *found = root->findChild<QObject *>(QString::fromLatin1(name));
    if (!found)
        std::fprintf(stderr, "settings_screenshot: no %s in the window\n", name);
    return found;
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: settings_screenshot <output folder> [stations.xml]\n");
        return 2;
    }
    const QDir out(args.at(1));
    const QString xml =
        args.size() > 2 ? args.at(2) : qEnvironmentVariable("ZEFFIRA_DATA_DIR") + "/stations.xml";

    TestRig rig;
    const Catalogue catalogue = loadBuiltInStations(xml);
    if (catalogue.size() < 2 || catalogue.at(0).stations.size() < 2) {
        std::fprintf(stderr, "settings_screenshot: too few stations in %s\n", qPrintable(xml));
        return 1;
    }
    rig.setCatalogue(QString::fromUtf8(CatalogueCodec::encodeCatalogue(catalogue)));
    rig.setDevices(
        {QVariantMap{{"id", 1}, {"uid", "alsa_output.analog-stereo"}, {"name", "Ingebouwde audio"}},
         QVariantMap{{"id", 2}, {"uid", "bluez_sink.headphones"}, {"name", "Koptelefoon"}}});
    rig.setDefaultDevice(QStringLiteral("alsa_output.analog-stereo"));
    rig.devices()->refreshDevices();
    rig.publish();

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Zeffira/qml/settings/SettingsWindow.qml")));
    auto *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return 1;
    window->show();
    Screenshots::settle(400);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("settings-general.png")),
                           "settings_screenshot"))
        return 1;

    QObject *view = window->property("view").value<QObject *>();
    QMetaObject::invokeMethod(view, "showTab", Q_ARG(QVariant, 1));
    Screenshots::settle(200);

    QObject *tab = child(window, "stationsTab");
    QObject *list = child(window, "stationList");
    if (!tab || !list)
        return 1;
    list->setProperty("currentIndex", 1);
    Screenshots::settle(300);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("settings-stations.png")),
                           "settings_screenshot"))
        return 1;

    tab->setProperty("showingAddSheet", true);
    Screenshots::settle(300);
    if (QObject *sheet = child(window, "addStationSheet")) {
        sheet->setProperty("name", QStringLiteral("Radio Zuid"));
        sheet->setProperty("urlString", QStringLiteral("https://stream.example.org/zuid.mp3"));
    }
    Screenshots::settle(300);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("sheet-add-station.png")),
                           "settings_screenshot"))
        return 1;
    tab->setProperty("showingAddSheet", false);
    Screenshots::settle(300);

    // The directory search in the same sheet, with answers as the directory gives them.
    tab->setProperty("showingAddSheet", true);
    Screenshots::settle(300);
    if (QObject *sheet = child(window, "addStationSheet")) {
        QObject *search = sheet->property("search").value<QObject *>();
        search->setProperty("query", QStringLiteral("jazz"));
        if (QObject *field = child(window, "directorySearchField"))
            field->setProperty("text", QStringLiteral("jazz"));
        Screenshots::settle(700);
        auto station = [](const char *name, const char *url, const char *country, const char *codec,
                          int bitrate, QStringList tags) {
            return QVariantMap{{"uuid", QString::fromLatin1(name)},
                               {"name", QString::fromUtf8(name)},
                               {"url", QString::fromLatin1(url)},
                               {"country", QString::fromUtf8(country)},
                               {"codec", QString::fromLatin1(codec)},
                               {"bitrate", bitrate},
                               {"tags", tags}};
        };
        rig.answerDirectory(
            {station("Jazz Lounge Haarlem", "https://jazz.example/live.mp3", "Nederland", "MP3", 128,
                     {"jazz", "lounge", "smooth jazz"}),
             station("Radio Swing Brussel", "https://swing.example/aac", "België", "AAC", 64,
                     {"swing", "big band"}),
             station("Nachtjazz", "http://nacht.example:8000/stream", "Nederland", "OGG", 96, {}),
             station("Jazz Classics 24/7", "https://classics.example/hi", "Duitsland", "FLAC", 0,
                     {"jazz", "classics"})});
        Screenshots::settle(300);
        QMetaObject::invokeMethod(sheet, "chooseResult", Q_ARG(QVariant, 0));
        Screenshots::settle(300);
        if (!Screenshots::save(window, out.filePath(QStringLiteral("sheet-directory-search.png")),
                               "settings_screenshot"))
            return 1;
    }
    tab->setProperty("showingAddSheet", false);
    Screenshots::settle(300);

    if (QObject *sheet = child(window, "editStationSheet")) {
        const RadioStation &edited = catalogue.at(0).stations.at(1);
        QMetaObject::invokeMethod(sheet, "edit", Q_ARG(QVariant, edited.name), Q_ARG(QVariant, edited.id()));
        sheet->setProperty("urlString", catalogue.at(0).stations.at(0).id());
        Screenshots::settle(400);
        if (!Screenshots::save(window, out.filePath(QStringLiteral("sheet-edit-station.png")),
                               "settings_screenshot"))
            return 1;
        QMetaObject::invokeMethod(sheet, "close");
        Screenshots::settle(300);
    }

    // The alarms, and a new alarm's sheet.
    QMetaObject::invokeMethod(view, "showTab", Q_ARG(QVariant, 2));
    Screenshots::settle(300);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("settings-alarms.png")),
                           "settings_screenshot"))
        return 1;
    QObject *add = child(window, "addAlarmButton");
    if (!add)
        return 1;
    QMetaObject::invokeMethod(add, "clicked");
    Screenshots::settle(400);
    if (!Screenshots::save(window, out.filePath(QStringLiteral("sheet-alarm.png")), "settings_screenshot"))
        return 1;
    if (QObject *sheet = child(window, "alarmSheet"))
        QMetaObject::invokeMethod(sheet, "close");
    QMetaObject::invokeMethod(view, "showTab", Q_ARG(QVariant, 1));
    Screenshots::settle(300);

    auto *drop = tab->property("stationDrop").value<QObject *>();
    const RadioStation &moved = catalogue.at(0).stations.at(1);
    QMetaObject::invokeMethod(drop, "startDrag", Q_ARG(QString, moved.name), Q_ARG(QString, moved.id()));
    bool accepted = false;
    QMetaObject::invokeMethod(drop, "handleDrop", Q_RETURN_ARG(bool, accepted),
                              Q_ARG(QString, catalogue.at(1).name));
    Screenshots::settle(400);
    if (!accepted ||
        !Screenshots::save(window, out.filePath(QStringLiteral("sheet-move.png")), "settings_screenshot"))
        return 1;

    return 0;
}
