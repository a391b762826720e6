// A warning from QML (a TypeError or ReferenceError in a binding or a handler, a binding loop,
// any warning placed in a .qml file) fails the views' tests: such a view misbehaves even when
// every check passes.
#pragma once

#include <QRegularExpression>
#include <QStringList>

class QQmlEngine;

namespace QmlWarnings {
// The messages that count, for QTest::failOnWarning() in a C++ test (QTest matches the text).
QRegularExpression pattern();
// Every warning `engine` reports from now on fails the test function that runs, or, outside
// one, is kept for outsideTests(). The engine still logs it. (Qt Quick Test's log handler
// replaces any message handler at the start of each file and passes nothing on, so the
// engine's own report is where the Quick Test runner hears of them.)
void failTestsOn(QQmlEngine *engine);
// The QML warnings reported while no test function ran (loading a file, cleaning up); they
// fail the run too.
QStringList outsideTests();
} // namespace QmlWarnings
