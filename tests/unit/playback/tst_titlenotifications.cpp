// A desktop notification for each new song title, only when switched on and while playing.
#include "base/SettingsStore.h"
#include "desktop/DesktopNotifier.h"
#include "playback/RadioPlayer.h"
#include "playback/TitleNotifications.h"
#include "support/FakeStreamBackend.h"
#include "support/ManualScheduler.h"

#include <QTest>

namespace {
struct RecordingNotifier final : DesktopNotifier {
    void notify(const QString &summary, const QString &body) override { shown << summary + " | " + body; }
    QStringList shown;
};
} // namespace

class TestTitleNotifications : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void notifiesNewTitles()
    {
        FakeStreamBackend backend;
        SettingsStore settings{QString()};
        ManualScheduler scheduler;
        RadioPlayer player(&backend, &settings, &scheduler);
        RecordingNotifier notifier;
        TitleNotifications notifications(&player, &settings, &notifier);

        player.play(RadioStation(QStringLiteral("Alfa"), QStringLiteral("http://a.example/")));
        backend.reportReady();
        backend.reportTitle(QStringLiteral("Off by default"));
        settings.setValue(SettingsKey::NotifyOnNewTitle, true);
        backend.reportTitle(QStringLiteral("Song\r\nOne"));
        backend.reportTitle(QStringLiteral("Song One")); // the same title again
        player.togglePlayPause();
        backend.reportTitle(QStringLiteral("While paused"));
        player.togglePlayPause();
        backend.reportTitle(QStringLiteral("Song Two"));
        QCOMPARE(notifier.shown, (QStringList{"Song One | Alfa", "Song Two | Alfa"}));
    }
};

QTEST_GUILESS_MAIN(TestTitleNotifications)
#include "tst_titlenotifications.moc"
