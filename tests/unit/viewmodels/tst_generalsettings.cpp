// The General tab's model: stored settings with their defaults and outside changes, and the
// start-at-login switch with its error row.
#include "base/SettingsStore.h"
#include "support/FakeLoginItem.h"
#include "viewmodels/GeneralSettingsModel.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString rowEnd = QStringLiteral(". Installeer de app via 'make install'.");

struct Rig {
    explicit Rig(bool loginEnabled = false, const QString &settingsFile = QString()) : settings(settingsFile)
    {
        login.enabled = loginEnabled;
        model = std::make_unique<GeneralSettingsModel>(&settings, &login);
    }
    SettingsStore settings;
    FakeLoginItem login;
    std::unique_ptr<GeneralSettingsModel> model;
};
} // namespace

class TestGeneralSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreShowsDefaults()
    {
        Rig rig;
        QCOMPARE(rig.model->showStationInMenuBar(), false);
        QCOMPARE(rig.model->pauseOnSleep(), true);
        QCOMPARE(rig.model->standbyMode(), QStringLiteral("restart"));
        QCOMPARE(rig.model->launchAtLogin(), false);
        QCOMPARE(rig.model->loginError(), QString());
    }

    void standbyOptionsInEnumerationOrder()
    {
        Rig rig;
        QStringList described;
        for (const QVariant &option : rig.model->standbyModeOptions()) {
            const QVariantMap map = option.toMap();
            described << map.value(QStringLiteral("value")).toString() + QLatin1Char('=') +
                             map.value(QStringLiteral("label")).toString();
        }
        QCOMPARE(described, QStringList({QStringLiteral("resume=Stream hervatten"),
                                         QStringLiteral("restart=Stream opnieuw starten"),
                                         QStringLiteral("none=Niet automatisch starten")}));
    }

    void wrongTypesReadAsDefaults()
    {
        Rig rig;
        rig.settings.setValue(SettingsKey::ShowStationInMenuBar, QStringLiteral("true"));
        rig.settings.setValue(SettingsKey::PauseOnSleep, 0);
        rig.settings.setValue(SettingsKey::StandbyMode, true);
        QCOMPARE(rig.model->showStationInMenuBar(), false);
        QCOMPARE(rig.model->pauseOnSleep(), true);
        QCOMPARE(rig.model->standbyMode(), QStringLiteral("restart"));
    }

    void writesEachSettingAndNotifies_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("stored");
        QTest::newRow("menu bar") << "showStationInMenuBar" << QVariant(true)
                                  << SettingsKey::ShowStationInMenuBar << QJsonValue(true);
        QTest::newRow("pause on sleep")
            << "pauseOnSleep" << QVariant(false) << SettingsKey::PauseOnSleep << QJsonValue(false);
        QTest::newRow("standby mode") << "standbyMode" << QVariant(QStringLiteral("none"))
                                      << SettingsKey::StandbyMode << QJsonValue(QStringLiteral("none"));
        QTest::newRow("song notifications")
            << "notifyOnNewTitle" << QVariant(true) << SettingsKey::NotifyOnNewTitle << QJsonValue(true);
        QTest::newRow("even loudness (on by default)")
            << "loudnessLeveling" << QVariant(false) << SettingsKey::LoudnessLeveling << QJsonValue(false);
    }

    void writesEachSettingAndNotifies()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QString, key);
        QFETCH(QJsonValue, stored);
        Rig rig;
        const QMetaProperty meta =
            rig.model->metaObject()->property(rig.model->metaObject()->indexOfProperty(qPrintable(property)));
        QSignalSpy notified(rig.model.get(), meta.notifySignal());
        QVERIFY(meta.write(rig.model.get(), value));
        QCOMPARE(rig.settings.value(key), stored);
        QCOMPARE(meta.read(rig.model.get()), value);
        QCOMPARE(notified.count(), 1);
    }

    void pauseOffKeepsStandbyMode()
    {
        Rig rig;
        rig.model->setStandbyMode(QStringLiteral("resume"));
        QSignalSpy standby(rig.model.get(), &GeneralSettingsModel::standbyModeChanged);
        rig.model->setPauseOnSleep(false);
        QCOMPARE(rig.settings.value(SettingsKey::PauseOnSleep), QJsonValue(false));
        QCOMPARE(rig.model->standbyMode(), QStringLiteral("resume"));
        QCOMPARE(rig.settings.value(SettingsKey::StandbyMode), QJsonValue(QStringLiteral("resume")));
        QCOMPARE(standby.count(), 0);
    }

    void outsideChangeOfTheFileNotifies()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.json"));
        Rig rig(false, path);
        QSignalSpy menuBar(rig.model.get(), &GeneralSettingsModel::showStationInMenuBarChanged);
        QSignalSpy standby(rig.model.get(), &GeneralSettingsModel::standbyModeChanged);
        QSignalSpy pause(rig.model.get(), &GeneralSettingsModel::pauseOnSleepChanged);

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(QJsonObject{{SettingsKey::ShowStationInMenuBar, true},
                                             {SettingsKey::StandbyMode, QStringLiteral("none")}})
                       .toJson());
        file.close();
        // What the store's file watcher does on the write; called here so nothing waits.
        rig.settings.reload();

        QCOMPARE(menuBar.count(), 1);
        QCOMPARE(standby.count(), 1);
        QCOMPARE(pause.count(), 0);
        QCOMPARE(rig.model->showStationInMenuBar(), true);
        QCOMPARE(rig.model->standbyMode(), QStringLiteral("none"));
    }

    void switchMirrorsLoginItemAtCreationAndOnRefresh()
    {
        Rig rig(true);
        QCOMPARE(rig.model->launchAtLogin(), true);
        rig.login.enabled = false; // unregistered elsewhere
        QSignalSpy changed(rig.model.get(), &GeneralSettingsModel::launchAtLoginChanged);
        rig.model->refresh();
        QCOMPARE(rig.model->launchAtLogin(), false);
        QCOMPARE(changed.count(), 1);
        rig.login.enabled = true; // registered elsewhere
        rig.model->refresh();
        QCOMPARE(rig.model->launchAtLogin(), true);
        // Following the item is not the user's change: nothing is registered or removed.
        QCOMPARE(rig.login.calls, QStringList());
    }

    void switchingRegistersAndUnregisters()
    {
        Rig rig;
        rig.model->setLaunchAtLogin(true);
        QVERIFY(rig.login.enabled);
        rig.model->setLaunchAtLogin(false);
        QVERIFY(!rig.login.enabled);
        rig.model->setLaunchAtLogin(false); // no change, nothing to do
        QCOMPARE(rig.login.calls, QStringList({QStringLiteral("register"), QStringLiteral("unregister")}));
        QCOMPARE(rig.model->loginError(), QString());
    }

    void failingRegistrationShowsTheRealStatusAndTheErrorRow()
    {
        Rig rig;
        rig.login.nextError = QStringLiteral("Not a directory");
        QSignalSpy changed(rig.model.get(), &GeneralSettingsModel::launchAtLoginChanged);
        rig.model->setLaunchAtLogin(true);
        QCOMPARE(rig.model->launchAtLogin(), false);
        QCOMPARE(changed.count(), 2); // on with the user, back off with the item
        QCOMPARE(rig.model->loginError(),
                 QStringLiteral("Fout: Not a directory. Installeer de app via 'make install'."));
        // Setting the switch back is not a second attempt.
        QCOMPARE(rig.login.calls, QStringList({QStringLiteral("register")}));

        // A later success leaves the row; so does showing the tab again.
        rig.model->setLaunchAtLogin(true);
        QCOMPARE(rig.model->launchAtLogin(), true);
        rig.model->refresh();
        QCOMPARE(rig.model->loginError(), QStringLiteral("Fout: Not a directory") + rowEnd);

        // A later failure replaces it; a fresh window starts without it.
        rig.login.nextError = QStringLiteral("Permission denied");
        rig.model->setLaunchAtLogin(false);
        QCOMPARE(rig.model->launchAtLogin(), true); // still registered
        QCOMPARE(rig.model->loginError(), QStringLiteral("Fout: Permission denied") + rowEnd);
        rig.model->reset();
        QCOMPARE(rig.model->loginError(), QString());
        QCOMPARE(rig.model->launchAtLogin(), true);
    }
};

QTEST_GUILESS_MAIN(TestGeneralSettings)
#include "tst_generalsettings.moc"
