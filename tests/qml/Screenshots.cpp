#include "Screenshots.h"

#include <QEventLoop>
#include <QImage>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

namespace Screenshots {

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QQuickWindow *window, const QString &path, const char *tool)
{
    const QImage image = window->grabWindow();
    if (image.isNull() || !image.save(path)) {
        std::fprintf(stderr, "%s: could not write %s\n", tool, qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace Screenshots
