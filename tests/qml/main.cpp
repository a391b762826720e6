// The Qt Quick Test runner: real logic objects on fakes, published before each engine loads
// the Zeffira module (linked statically, so qmltestrunner cannot load it). A QML warning fails
// the test function it happens in, or the run when it happens outside one.
#include "QmlWarnings.h"
#include "TestRig.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QtQuickTest/quicktest.h>
#include <cstdio>

class Setup : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void applicationAvailable()
    {
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
        m_rig = std::make_unique<TestRig>();
        m_rig->publish();
        m_rig->registerInQml();
    }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        QmlWarnings::failTestsOn(engine);
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }
    void cleanupTestCase() { m_rig.reset(); }

private:
    std::unique_ptr<TestRig> m_rig;
};

int main(int argc, char **argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    Setup setup;
    const int failures = quick_test_main_with_setup(argc, argv, "zeffira_qml", QUICK_TEST_SOURCE_DIR, &setup);
    const QStringList outside = QmlWarnings::outsideTests();
    for (const QString &message : outside)
        std::fprintf(stderr, "FAIL!  : QML warning outside a test function: %s\n", qPrintable(message));
    return failures != 0 ? failures : (outside.isEmpty() ? 0 : 1);
}

#include "main.moc"
