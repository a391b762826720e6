// The typed settings file: defaults, wrong types, atomic writes, and changes made from outside.
#include "base/SettingsStore.h"
#include "support/LogCapture.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
void writeFromOutside(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path); // what another program (or the user's editor) would do
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    QVERIFY(file.commit());
}
} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultsAndWrongTypes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Zeffira/settings.json"));
        QDir().mkpath(dir.filePath(QStringLiteral("Zeffira")));
        writeFromOutside(path, R"({"pauseOnSleep":"no","standbyMode":7,"playerVolume":"loud",
                                   "showStationInMenuBar":1,"enableMediaKeys":null,"selectedAudioDeviceUID":false})");
        SettingsStore settings(path);
        QCOMPARE(settings.boolValue(SettingsKey::PauseOnSleep), true);
        QCOMPARE(settings.stringValue(SettingsKey::StandbyMode), QStringLiteral("restart"));
        QCOMPARE(settings.doubleValue(SettingsKey::PlayerVolume), 0.5);
        QCOMPARE(settings.boolValue(SettingsKey::ShowStationInMenuBar), false);
        QCOMPARE(settings.boolValue(SettingsKey::EnableMediaKeys), true);
        QCOMPARE(settings.boolValue(SettingsKey::SkipMoveConfirmation), false);
        QVERIFY(!settings.optionalString(SettingsKey::SelectedAudioDeviceUID));
    }

    void writesAreTypedAtomicAndPrivate()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Zeffira/settings.json"));
        SettingsStore settings(path);
        QSignalSpy changed(&settings, &SettingsStore::changed);
        settings.setValue(SettingsKey::PauseOnSleep, false);
        settings.setValue(SettingsKey::PauseOnSleep, false); // same value: no write, no signal
        settings.setValue(SettingsKey::SelectedAudioDeviceUID, QStringLiteral("alsa_output.usb"));
        settings.remove(SettingsKey::SelectedAudioDeviceUID);
        QCOMPARE(changed.size(), 3);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject stored = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(stored.value(SettingsKey::PauseOnSleep), QJsonValue(false));
        QVERIFY(!stored.contains(SettingsKey::SelectedAudioDeviceUID));
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600u);

        SettingsStore reread(path);
        QCOMPARE(reread.boolValue(SettingsKey::PauseOnSleep), false);
    }

    void changesFromOutsideAreAnnounced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Zeffira/settings.json"));
        SettingsStore settings(path);
        settings.setValue(SettingsKey::StandbyMode, QStringLiteral("resume"));
        QSignalSpy changed(&settings, &SettingsStore::changed);

        writeFromOutside(path, R"({"standbyMode":"resume","enableMediaKeys":false})");
        QTRY_COMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), SettingsKey::EnableMediaKeys);
        QCOMPARE(settings.boolValue(SettingsKey::EnableMediaKeys), false);

        // A second replace must be seen too (the first one swapped the file under the watch).
        writeFromOutside(path, R"({"standbyMode":"none","enableMediaKeys":false})");
        QTRY_COMPARE(changed.size(), 2);
        QCOMPARE(changed.at(1).at(0).toString(), SettingsKey::StandbyMode);

        // A half-written file is ignored until it parses again.
        LogCapture log;
        writeFromOutside(path, R"({"standbyMode":)");
        QTRY_VERIFY(log.texts(QStringLiteral("system"))
                        .join('\n')
                        .contains(QStringLiteral("Ignoring settings file")));
        QCOMPARE(settings.stringValue(SettingsKey::StandbyMode), QStringLiteral("none"));
        QCOMPARE(changed.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
