// The tray label: icon and station name by setting, selection and playing state.
#include "viewmodels/MenuBarLabel.h"

#include <QTest>

class TestMenuBarLabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void label_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("text");
        const QString antenna = QStringLiteral("antenna.radiowaves.left.and.right");
        const QString radio = QStringLiteral("radio");
        QTest::newRow("on, nothing chosen") << true << false << false << radio << QString();
        QTest::newRow("on, chosen and paused") << true << true << false << radio << QString();
        QTest::newRow("on, playing") << true << true << true << antenna << QStringLiteral(" Radio Één");
        QTest::newRow("off, playing") << false << true << true << antenna << QString();
        QTest::newRow("off, paused") << false << true << false << radio << QString();
    }

    void label()
    {
        QFETCH(bool, show);
        QFETCH(bool, selected);
        QFETCH(bool, playing);
        QFETCH(QString, icon);
        QFETCH(QString, text);
        std::optional<RadioStation> station;
        if (selected)
            station = RadioStation(QStringLiteral("Radio Één"), QStringLiteral("http://r/"));
        QCOMPARE(MenuBarLabel::compute(show, station, playing), (MenuBarLabel{icon, text}));
    }

    void longNamesEndInAnEllipsis_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString thirty = QString(30, QLatin1Char('a'));
        QTest::newRow("30 characters stay") << thirty << thirty;
        QTest::newRow("31 become 29 and the ellipsis") << thirty + "b" << QString(29, QLatin1Char('a')) + "…";
        QTest::newRow("no blank before the ellipsis")
            << QString(28, QLatin1Char('a')) + " bcd" << QString(28, QLatin1Char('a')) + "…";
        // 40 emoji, each a surrogate pair: cut between pairs, never inside one.
        QTest::newRow("surrogate pairs stay whole") << QString(40, QLatin1Char('x')).replace("x", "📻")
                                                    << QString(29, QLatin1Char('x')).replace("x", "📻") + "…";
    }

    void longNamesEndInAnEllipsis()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        const RadioStation station(name, QStringLiteral("http://r/"));
        QCOMPARE(MenuBarLabel::compute(true, station, true).text, QLatin1Char(' ') + shown);
    }
};

QTEST_GUILESS_MAIN(TestMenuBarLabel)
#include "tst_menubarlabel.moc"
