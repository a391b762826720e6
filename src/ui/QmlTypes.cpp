#include "QmlTypes.h"

#include "base/AppInfo.h"
#include "base/Logging.h"
#include "catalogue/StationLogo.h"
#include "viewmodels/TrayMenu.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QJSEngine>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>

namespace {
AppWindows::Objects g_objects;
// Stateless: one serves every banner.
QtScheduler g_scheduler;
} // namespace

void publishViewObjects(const AppWindows::Objects &objects)
{
    g_objects = objects;
}

const AppWindows::Objects &publishedViewObjects()
{
    return g_objects;
}

QObject *QmlTypes::handOut(QObject *object, const char *name)
{
    if (!object) {
        qCWarning(lcApp, "QML asked for %s before it was published", name);
        return nullptr;
    }
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    return object;
}

QmlStationListModel::QmlStationListModel(QObject *parent)
    : StationListModel(g_objects.stations, g_objects.player, parent)
{
}

QmlCategoryListModel::QmlCategoryListModel(QObject *parent) : CategoryListModel(g_objects.stations, parent) {}

QmlCategoryStationsModel::QmlCategoryStationsModel(QObject *parent)
    : CategoryStationsModel(g_objects.stations, parent)
{
}

QmlStationDrop::QmlStationDrop(QObject *parent) : StationDrop(g_objects.stations, g_objects.settings, parent)
{
}

QmlStationInput::QmlStationInput(QObject *parent) : StationInput(g_objects.stations, parent) {}

QmlOutputDeviceModel::QmlOutputDeviceModel(QObject *parent) : OutputDeviceModel(g_objects.devices, parent) {}

QmlSkipBanner::QmlSkipBanner(QObject *parent) : SkipBanner(g_objects.player, &g_scheduler, parent) {}

QmlDirectorySearch::QmlDirectorySearch(QObject *parent)
    : DirectorySearchModel(g_objects.directory, &g_scheduler, parent)
{
}

QmlStationTransfer::QmlStationTransfer(QObject *parent)
    : StationTransfer(g_objects.stations, g_objects.history, parent)
{
}

QmlHistoryListModel::QmlHistoryListModel(QObject *parent)
    : HistoryListModel(g_objects.history, g_objects.historyRecorder, {}, parent)
{
}

void QmlClipboard::setText(const QString &text)
{
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

bool QmlClipboard::copyPlayingTitle()
{
    const QString text = g_objects.player ? TrayMenu::titleToCopy(*g_objects.player) : QString();
    setText(text);
    return !text.isEmpty();
}

QmlAlarmListModel::QmlAlarmListModel(QObject *parent)
    : AlarmListModel(g_objects.alarmClock, g_objects.stations, parent)
{
}

QmlStationLogos::QmlStationLogos(QObject *parent) : QObject(parent) {}

QUrl QmlStationLogos::source(const QString &logoUrl)
{
    if (logoUrl.isEmpty())
        return {};
    if (const QString kept = StationLogo::cachedFile(logoUrl); !kept.isEmpty())
        return QUrl::fromLocalFile(kept);
    if (!m_asked.contains(logoUrl)) {
        m_asked.insert(logoUrl);
        fetch(logoUrl);
    }
    return {};
}

QImage QmlStationLogos::decode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    static const QList<QByteArray> formats{"png", "jpeg", "jpg", "ico", "svg", "svgz"};
    if (!formats.contains(format))
        return {};
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxEdge || size.height() > maxEdge))
        return {};
    // A drawing is drawn at the size it is kept at; a picture is scaled after reading.
    if (format.startsWith("svg"))
        reader.setScaledSize(size.isValid()
                                 ? size.scaled(StationLogo::size, StationLogo::size, Qt::KeepAspectRatio)
                                 : QSize(StationLogo::size, StationLogo::size));
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.width() == StationLogo::size || image.height() == StationLogo::size
               ? image
               : image.scaled(StationLogo::size, StationLogo::size, Qt::KeepAspectRatio,
                              Qt::SmoothTransformation);
}

void QmlStationLogos::fetch(const QString &logoUrl)
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request{QUrl(logoUrl)};
    request.setTransferTimeout(10000);
    request.setMaximumRedirectsAllowed(3);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Zeffira/%1").arg(AppInfo::version()));
    QNetworkReply *reply = m_network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > maxBytes || total > maxBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, logoUrl] {
        reply->deleteLater();
        const QByteArray bytes =
            reply->error() == QNetworkReply::NoError ? reply->read(maxBytes + 1) : QByteArray();
        const QImage logo = bytes.size() > maxBytes ? QImage() : decode(bytes);
        if (logo.isNull()) {
            qCInfo(lcApp, "No logo from %s (%s)", qUtf8Printable(logoUrl),
                   qUtf8Printable(reply->error() != QNetworkReply::NoError ? reply->errorString()
                                                                           : QStringLiteral("not an image")));
            return;
        }
        QDir().mkpath(StationLogo::folder());
        QSaveFile file(StationLogo::cachePath(logoUrl));
        if (!file.open(QIODevice::WriteOnly) || !logo.save(&file, "PNG") || !file.commit())
            return;
        ++m_revision;
        Q_EMIT changed();
        // The media controls show it too.
        if (RadioPlayer *player = publishedViewObjects().player)
            player->refreshNowPlaying();
    });
}
