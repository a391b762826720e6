// The tray benchmark's baseline: a bare QGuiApplication whose only work is one tray item.
// With a StatusNotifierWatcher on the session bus, QSystemTrayIcon registers over D-Bus.
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("bare_tray"));
    // Without a watcher Qt would fall back to an XEmbed widget, which needs a QApplication.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        std::fprintf(stderr, "bare_tray: no StatusNotifierWatcher on the session bus\n");
        return 2;
    }
    // An icon drawn here rather than loaded, so no image plugin is part of the baseline.
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::darkCyan);
        painter.drawEllipse(pixmap.rect().adjusted(2, 2, -2, -2));
    }
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.setToolTip(QStringLiteral("bare_tray"));
    tray.show();
    return app.exec();
}
