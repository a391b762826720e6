#include "QmlWarnings.h"

#include <QQmlEngine>
#include <QQmlError>
#include <QTest>

namespace {
QStringList g_outsideTests;
} // namespace

QRegularExpression QmlWarnings::pattern()
{
    // Where the engine reports it: "qrc:/qt/qml/Zeffira/qml/panel/StationList.qml:12:5: ...".
    static const QRegularExpression located(
        QStringLiteral(R"(\.qml:\d+|\bTypeError\b|\bReferenceError\b|Binding loop detected)"));
    return located;
}

void QmlWarnings::failTestsOn(QQmlEngine *engine)
{
    QObject::connect(engine, &QQmlEngine::warnings, engine, [](const QList<QQmlError> &warnings) {
        for (const QQmlError &warning : warnings) {
            if (warning.messageType() != QtWarningMsg && warning.messageType() != QtCriticalMsg)
                continue;
            if (QTest::currentTestFunction()) {
                QTest::qFail(qPrintable(QStringLiteral("QML warning: ") + warning.toString()),
                             qPrintable(warning.url().toString()), warning.line());
            } else {
                g_outsideTests << warning.toString();
            }
        }
    });
}

QStringList QmlWarnings::outsideTests()
{
    return g_outsideTests;
}
