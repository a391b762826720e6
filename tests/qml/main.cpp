// The Qt Quick Test runner: real logic objects on fakes, published before each engine loads
// the Zeffira module (linked statically, so qmltestrunner cannot load it).
#include "TestRig.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QtQuickTest/quicktest.h>

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
    void qmlEngineAvailable(QQmlEngine *engine) { engine->addImportPath(QStringLiteral("qrc:/qt/qml")); }
    void cleanupTestCase() { m_rig.reset(); }

private:
    std::unique_ptr<TestRig> m_rig;
};

QUICK_TEST_MAIN_WITH_SETUP(zeffira_qml, Setup)

#include "main.moc"
