#include "RemoteCommands.h"

#include "CommandLine.h"
#include "base/AppInfo.h"
#include "xdg/DesktopApplicationService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

int fail(const QString &why)
{
    QTextStream(stderr) << "zeffira: " << why << "\n";
    return 1;
}

QString stateText(const QString &state)
{
    static const QList<std::pair<QString, const char *>> words = {
        {QStringLiteral("idle"), QT_TRANSLATE_NOOP("RemoteCommands", "gestopt")},
        {QStringLiteral("loading"), QT_TRANSLATE_NOOP("RemoteCommands", "laden")},
        {QStringLiteral("playing"), QT_TRANSLATE_NOOP("RemoteCommands", "speelt")},
        {QStringLiteral("paused"), QT_TRANSLATE_NOOP("RemoteCommands", "gepauzeerd")},
        {QStringLiteral("failed"), QT_TRANSLATE_NOOP("RemoteCommands", "mislukt")}};
    for (const auto &[name, word] : words)
        if (name == state)
            return QCoreApplication::translate("RemoteCommands", word);
    return state;
}

void printStatus(const QVariantMap &status, bool json)
{
    QTextStream out(stdout);
    const bool sleeping = status.contains(QStringLiteral("sleepTimer"));
    const int sleepSeconds = status.value(QStringLiteral("sleepTimer")).toInt();
    if (json) {
        // Fixed keys and types whatever the player sends, so that scripts can rely on them.
        QJsonObject object{
            {QStringLiteral("station"), status.value(QStringLiteral("station")).toString()},
            {QStringLiteral("url"), status.value(QStringLiteral("url")).toString()},
            {QStringLiteral("state"), status.value(QStringLiteral("state")).toString()},
            {QStringLiteral("title"), status.value(QStringLiteral("title")).toString()},
            {QStringLiteral("volume"), status.value(QStringLiteral("volume")).toInt()},
            {QStringLiteral("sleepTimer"), sleeping ? QJsonValue(sleepSeconds) : QJsonValue()},
            {QStringLiteral("alarm"), status.contains(QStringLiteral("alarm"))
                                          ? QJsonValue(status.value(QStringLiteral("alarm")).toString())
                                          : QJsonValue()},
            {QStringLiteral("behindLive"), status.value(QStringLiteral("behindLive")).toInt()},
            {QStringLiteral("recording"), status.value(QStringLiteral("recording")).toBool()},
        };
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << "\n";
        return;
    }
    const auto line = [&](const char *label, const QString &value) {
        out << QCoreApplication::translate("RemoteCommands", label) << " " << value << "\n";
    };
    line(QT_TRANSLATE_NOOP("RemoteCommands", "Station:"), status.value(QStringLiteral("station")).toString());
    line(QT_TRANSLATE_NOOP("RemoteCommands", "Toestand:"),
         stateText(status.value(QStringLiteral("state")).toString()));
    line(QT_TRANSLATE_NOOP("RemoteCommands", "Titel:"), status.value(QStringLiteral("title")).toString());
    line(QT_TRANSLATE_NOOP("RemoteCommands", "Volume:"),
         QString::number(status.value(QStringLiteral("volume")).toInt()));
    line(QT_TRANSLATE_NOOP("RemoteCommands", "Slaaptimer:"),
         sleeping
             ? QStringLiteral("%1:%2").arg(sleepSeconds / 60).arg(sleepSeconds % 60, 2, 10, QLatin1Char('0'))
             : QCoreApplication::translate("RemoteCommands", "uit"));
    line(QT_TRANSLATE_NOOP("RemoteCommands", "Wekker:"),
         status.contains(QStringLiteral("alarm")) ? status.value(QStringLiteral("alarm")).toString()
                                                  : QCoreApplication::translate("RemoteCommands", "uit"));
    if (const int behind = status.value(QStringLiteral("behindLive")).toInt(); behind > 0)
        line(QT_TRANSLATE_NOOP("RemoteCommands", "Achter live:"),
             QStringLiteral("%1:%2").arg(behind / 60).arg(behind % 60, 2, 10, QLatin1Char('0')));
    if (status.value(QStringLiteral("recording")).toBool())
        line(QT_TRANSLATE_NOOP("RemoteCommands", "Opname:"),
             QCoreApplication::translate("RemoteCommands", "loopt"));
}

} // namespace

int RemoteCommands::run(const CommandLine &command)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(QCoreApplication::translate("RemoteCommands", "kan de sessiebus niet bereiken (%1).")
                        .arg(bus.lastError().message()));
    if (!DesktopApplicationService::isRunning(AppInfo::appId(), bus))
        return fail(
            QCoreApplication::translate("RemoteCommands", "Zeffira draait niet; start het eerst (zeffira)."));
    if (command.remoteAction == QLatin1String("status")) {
        QVariantMap status;
        if (const QString error = DesktopApplicationService::queryStatus(AppInfo::appId(), bus, &status);
            !error.isEmpty())
            return fail(error);
        printStatus(status, command.json);
        return 0;
    }
    if (const QString error = DesktopApplicationService::sendAction(AppInfo::appId(), command.remoteAction,
                                                                    command.remoteArgument, bus);
        !error.isEmpty())
        return fail(error);
    return 0;
}
