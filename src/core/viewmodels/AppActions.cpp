#include "viewmodels/AppActions.h"

#include "base/AppInfo.h"

#include <QHash>

AppActions::AppActions(QObject *parent) : QObject(parent) {}

QString AppActions::versionLineFor(const std::optional<QString> &version, const std::optional<QString> &build)
{
    // A deployment that leaves a build setting empty has no value for it: no half-filled line.
    if (!version || version->isEmpty() || !build || build->isEmpty())
        return tr("Versie %1").arg(QStringLiteral("1.0.0"));
    return tr("Versie %1 (%2)").arg(*version, *build);
}

QString AppActions::versionLine() const
{
    return versionLineFor(AppInfo::version(), AppInfo::buildNumber());
}

bool AppActions::isBeta() const
{
    return qEnvironmentVariableIsSet("BETA");
}

QString AppActions::privacyUrl() const
{
    return QStringLiteral("https://") + AppInfo::websiteHost() + QStringLiteral("/zeffira/privacy");
}

QString AppActions::supportUrl() const
{
    return QStringLiteral("https://") + AppInfo::websiteHost() + QStringLiteral("/zeffira/support");
}

QString AppActions::iconFileName(const QString &symbolName)
{
    // Our own drawings for every symbol the views name, one table for the whole program
    // (always ours, not the icon theme's, so the panel looks the same on every desktop).
    // The two tray icons carry the application's prefix because they are installed into
    // the shared hicolor theme.
    static const QHash<QString, QString> files{
        {QStringLiteral("antenna.radiowaves.left.and.right"), QStringLiteral("zeffira-antenna.svg")},
        {QStringLiteral("radio"), QStringLiteral("zeffira-radio.svg")},
        {QStringLiteral("antenna.radiowaves.left.and.right.circle.fill"),
         QStringLiteral("antenna-circle.svg")},
        {QStringLiteral("pause.circle.fill"), QStringLiteral("pause-circle.svg")},
        {QStringLiteral("play.circle.fill"), QStringLiteral("play-circle.svg")},
        {QStringLiteral("stop.circle.fill"), QStringLiteral("stop-circle.svg")},
        {QStringLiteral("gobackward.30"), QStringLiteral("back-30.svg")},
        {QStringLiteral("goforward.30"), QStringLiteral("forward-30.svg")},
        {QStringLiteral("square.and.arrow.down"), QStringLiteral("save-song.svg")},
        {QStringLiteral("record.circle"), QStringLiteral("record.svg")},
        {QStringLiteral("speaker.slash.fill"), QStringLiteral("speaker-slash.svg")},
        {QStringLiteral("speaker.wave.1.fill"), QStringLiteral("speaker-wave-1.svg")},
        {QStringLiteral("speaker.wave.2.fill"), QStringLiteral("speaker-wave-2.svg")},
        {QStringLiteral("speaker.wave.3.fill"), QStringLiteral("speaker-wave-3.svg")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("search.svg")},
        {QStringLiteral("xmark.circle.fill"), QStringLiteral("clear-circle.svg")},
        {QStringLiteral("gearshape"), QStringLiteral("gear.svg")},
        {QStringLiteral("gear"), QStringLiteral("gear.svg")},
        {QStringLiteral("info.circle"), QStringLiteral("info-circle.svg")},
        {QStringLiteral("power"), QStringLiteral("power.svg")},
        {QStringLiteral("moon"), QStringLiteral("moon.svg")},
        {QStringLiteral("alarm"), QStringLiteral("alarm.svg")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("warning-triangle.svg")},
        // The output-device button's own symbol (in place of a route picker): a loudspeaker.
        {QStringLiteral("hifispeaker"), QStringLiteral("speaker-output.svg")},
        // The settings window's Stations tab and its sheets.
        {QStringLiteral("folder"), QStringLiteral("folder.svg")},
        {QStringLiteral("folder.badge.plus"), QStringLiteral("folder-plus.svg")},
        {QStringLiteral("plus"), QStringLiteral("plus.svg")},
        {QStringLiteral("trash"), QStringLiteral("trash.svg")},
        {QStringLiteral("list.bullet"), QStringLiteral("list-bullet.svg")},
        {QStringLiteral("arrow.left.arrow.right.circle.fill"), QStringLiteral("move-circle.svg")},
        // The heard songs: copy, keep ("Bewaard"), and the mark after a copy.
        {QStringLiteral("doc.on.doc"), QStringLiteral("copy.svg")},
        {QStringLiteral("star"), QStringLiteral("star.svg")},
        {QStringLiteral("star.fill"), QStringLiteral("star-fill.svg")},
        {QStringLiteral("checkmark"), QStringLiteral("checkmark.svg")},
    };
    return files.value(symbolName);
}

QString AppActions::iconSource(const QString &symbolName) const
{
    const QString file = iconFileName(symbolName);
    return file.isEmpty() ? QString() : QStringLiteral("qrc:/qt/qml/Zeffira/icons/") + file;
}
