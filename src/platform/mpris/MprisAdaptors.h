// The two MPRIS interfaces as Qt D-Bus adaptors on MprisService; they only forward. A third
// adaptor answers org.freedesktop.DBus.Properties for them, so that a property is set only with a
// value of its own type.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantMap>

class MprisService;

class MprisRootAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)
public:
    explicit MprisRootAdaptor(MprisService *service);

    QString identity() const;
    QString desktopEntry() const;
    bool canQuit() const { return true; }
    bool canRaise() const;
    bool hasTrackList() const { return false; }
    QStringList supportedUriSchemes() const;
    QStringList supportedMimeTypes() const;

public Q_SLOTS:
    void Raise();
    void Quit();

private:
    MprisService *m_service;
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    explicit MprisPlayerAdaptor(MprisService *service);

    QString playbackStatus() const;
    double rate() const { return 1.0; }
    void setRate(double) {}
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);
    qlonglong position() const;
    bool canGoNext() const;
    bool canGoPrevious() const;
    bool canPlay() const;
    bool canPause() const;
    bool canSeek() const;
    bool canControl() const;

public Q_SLOTS:
    void Next(const QDBusMessage &message);
    void Previous(const QDBusMessage &message);
    void Pause(const QDBusMessage &message);
    void PlayPause(const QDBusMessage &message);
    void Stop(const QDBusMessage &message);
    void Play(const QDBusMessage &message);
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath &trackId, qlonglong position);
    void OpenUri(const QString &uri, const QDBusMessage &message);

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    MprisService *m_service;
};

// Get, GetAll and Set of the two MPRIS interfaces. Qt's own handling converts whatever a client
// sends to the property's type (the string "0.75", or true, became a volume); here a Set needs
// the property's D-Bus type and is refused with InvalidArgs otherwise.
class MprisPropertiesAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.DBus.Properties")
public:
    explicit MprisPropertiesAdaptor(MprisService *service);

public Q_SLOTS:
    QDBusVariant Get(const QString &interfaceName, const QString &propertyName, const QDBusMessage &message);
    QVariantMap GetAll(const QString &interfaceName, const QDBusMessage &message);
    void Set(const QString &interfaceName, const QString &propertyName, const QDBusVariant &value,
             const QDBusMessage &message);

Q_SIGNALS:
    // Sent by MprisService itself; declared for the introspection data.
    void PropertiesChanged(const QString &interfaceName, const QVariantMap &changedProperties,
                           const QStringList &invalidatedProperties);

private:
    // The adaptor serving `interfaceName`, or null after answering the call with an error.
    QObject *adaptorFor(const QString &interfaceName, const QDBusMessage &message) const;
    // The property's index, or -1 after answering the call with an error.
    int propertyIndex(const QObject *adaptor, const QString &propertyName, const QDBusMessage &message) const;

    MprisService *m_service;
};
