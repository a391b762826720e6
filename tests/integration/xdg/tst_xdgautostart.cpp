// The XDG autostart login item on a temporary XDG_CONFIG_HOME: the entry it writes (checked by
// desktop-file-validate), how it reads the status, removal, and failures with the system's text.
#include "base/AppInfo.h"
#include "xdg/XdgAutostartLoginItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {
QTemporaryDir *configHome = nullptr;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString osText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// desktop-file-validate's verdict: empty when the entry is valid, else what it printed.
QString validate(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (tool.isEmpty())
        return QStringLiteral(
            "desktop-file-validate is not installed (package desktop-file-utils, scripts/install-deps)");
    QProcess process;
    process.start(tool, {path});
    if (!process.waitForFinished(60000))
        return QStringLiteral("desktop-file-validate did not finish");
    const QString output =
        QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    if (process.exitCode() != 0 || output.contains(QLatin1String("error:")))
        return output.isEmpty() ? QStringLiteral("exit code %1").arg(process.exitCode()) : output;
    return QString();
}

const QString appId = QStringLiteral("nl.example.Test");
} // namespace

class TestXdgAutostart : public QObject
{
    Q_OBJECT

    QString folder() const { return configHome->filePath(QStringLiteral("autostart")); }
    QString entryPath() const { return folder() + QLatin1Char('/') + appId + QStringLiteral(".desktop"); }

private Q_SLOTS:
    void init() { QDir(folder()).removeRecursively(); }

    void defaultsFollowXdgConfigHome()
    {
        XdgAutostartLoginItem item;
        const QString expected = configHome->filePath(QStringLiteral("autostart/")) + AppInfo::appId() +
                                 QStringLiteral(".desktop");
        QCOMPARE(item.filePath(), expected);
        QCOMPARE(item.registerItem(), LoginItem::Error());
        QVERIFY(item.isEnabled());
        const QByteArray content = readFile(expected);
        // The running program, by its absolute path (no reserved characters in the build tree).
        const QByteArray exec =
            QByteArray("\nExec=") + QCoreApplication::applicationFilePath().toUtf8() + '\n';
        QVERIFY2(content.contains(exec), content.constData());
        QCOMPARE(validate(expected), QString());
        QCOMPARE(item.unregisterItem(), LoginItem::Error());
        QVERIFY(!QFile::exists(expected));
    }

    void registerWritesAValidEntry_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("execLine");
        QTest::newRow("plain path") << "/usr/bin/zeffira"
                                    << "Exec=/usr/bin/zeffira";
        QTest::newRow("space") << "/opt/My Apps/zeffira"
                               << "Exec=\"/opt/My Apps/zeffira\"";
        // $ and " escaped for the quoting, % doubled against field codes, and the backslash
        // escaped twice (quoting, then the string value).
        QTest::newRow("reserved characters") << "/opt/a$b/c\"d/e%f/g\\h"
                                             << "Exec=\"/opt/a\\\\$b/c\\\\\"d/e%%f/g\\\\\\\\h\"";
        QTest::newRow("non-ASCII") << QString::fromUtf8("/home/zoë/bin/zeffira")
                                   << QString::fromUtf8("Exec=/home/zoë/bin/zeffira");
    }

    void registerWritesAValidEntry()
    {
        QFETCH(QString, program);
        QFETCH(QString, execLine);
        XdgAutostartLoginItem item(folder(), program, appId);
        QVERIFY(!item.isEnabled());
        QCOMPARE(item.registerItem(), LoginItem::Error());
        QVERIFY(item.isEnabled());

        const QStringList lines =
            QString::fromUtf8(readFile(entryPath())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
        for (const QString &expected : {QStringLiteral("Type=Application"), QStringLiteral("Name=Zeffira"),
                                        QString(QStringLiteral("Icon=") + appId),
                                        QStringLiteral("X-GNOME-Autostart-enabled=true"), execLine}) {
            QVERIFY2(lines.contains(expected),
                     qPrintable(expected + QStringLiteral(" not in:\n") + lines.join(QLatin1Char('\n'))));
        }
        QCOMPARE(validate(entryPath()), QString());
    }

    void registerIsRepeatableAndOverwritesAHiddenEntry()
    {
        writeFile(entryPath(), "[Desktop Entry]\nType=Application\nName=Oud\nExec=/old\nHidden=true\n");
        XdgAutostartLoginItem item(folder(), QStringLiteral("/usr/bin/zeffira"), appId);
        QVERIFY(!item.isEnabled());
        QCOMPARE(item.registerItem(), LoginItem::Error());
        QCOMPARE(item.registerItem(), LoginItem::Error());
        QVERIFY(item.isEnabled());
        QVERIFY(!readFile(entryPath()).contains("Hidden"));
        // Nothing left beside it from the atomic write.
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({appId + QStringLiteral(".desktop")}));
    }

    void statusReadsTheFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("enabled");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Zeffira\nExec=/usr/bin/zeffira\n";
        QTest::newRow("plain entry") << head << true;
        QTest::newRow("Hidden=true") << head + "Hidden=true\n" << false;
        QTest::newRow("Hidden = true, spaces around the sign") << head + "Hidden = true\n" << false;
        QTest::newRow("Hidden=false") << head + "Hidden=false\n" << true;
        QTest::newRow("Hidden in another group does not count")
            << head + "[Desktop Action Play]\nName=Play\nHidden=true\n"
            << true;
        QTest::newRow("GNOME's switch off") << head + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("empty file exists") << QByteArray() << true;
    }

    void statusReadsTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, enabled);
        writeFile(entryPath(), content);
        QCOMPARE(XdgAutostartLoginItem(folder(), QStringLiteral("/usr/bin/zeffira"), appId).isEnabled(),
                 enabled);
    }

    void unregisterRemovesTheEntry()
    {
        XdgAutostartLoginItem item(folder(), QStringLiteral("/usr/bin/zeffira"), appId);
        QCOMPARE(item.unregisterItem(), LoginItem::Error()); // nothing there: already done
        QCOMPARE(item.registerItem(), LoginItem::Error());
        QCOMPARE(item.unregisterItem(), LoginItem::Error());
        QVERIFY(!QFile::exists(entryPath()));
        QVERIFY(!item.isEnabled());
    }

    // Root may write into read-only folders, so the failures are made with files in the way.
    void folderThatCannotBeMadeFails_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("autostartFolder");
        QTest::newRow("a file where the folder should be") << "autostart"
                                                           << "autostart";
        QTest::newRow("a file where a parent folder should be") << "config"
                                                                << "config/autostart";
    }

    void folderThatCannotBeMadeFails()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, autostartFolder);
        QTemporaryDir dir;
        writeFile(dir.filePath(blocker), "not a folder");
        XdgAutostartLoginItem item(dir.filePath(autostartFolder), QStringLiteral("/usr/bin/zeffira"), appId);
        const LoginItem::Error error = item.registerItem();
        QCOMPARE(error, LoginItem::Error(osText(ENOTDIR)));
        QVERIFY(!item.isEnabled());
        QCOMPARE(readFile(dir.filePath(blocker)), QByteArray("not a folder"));
    }

    void entryThatCannotBeReplacedOrRemovedFails()
    {
        // A folder in the entry's place: neither written over nor deleted.
        QDir().mkpath(entryPath() + QStringLiteral("/inside"));
        XdgAutostartLoginItem item(folder(), QStringLiteral("/usr/bin/zeffira"), appId);
        const LoginItem::Error registered = item.registerItem();
        QVERIFY(registered.has_value());
        QVERIFY2(!registered->isEmpty(), "no description");
        const LoginItem::Error unregistered = item.unregisterItem();
        QVERIFY(unregistered.has_value());
        QVERIFY2(!unregistered->isEmpty(), "no description");
        QVERIFY(QFileInfo(entryPath()).isDir());
        qInfo("register: %s; unregister: %s", qUtf8Printable(*registered), qUtf8Printable(*unregistered));
    }
};

int main(int argc, char **argv)
{
    // Before anything asks QStandardPaths.
    QTemporaryDir home;
    configHome = &home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QCoreApplication app(argc, argv);
    TestXdgAutostart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_xdgautostart.moc"
