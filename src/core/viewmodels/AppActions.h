// The views' requests to the application shell (open a window, quit), the About window's facts,
// the symbol-to-icon table, and the output-device choice. Shared with QML as `App`; owns nothing
// it is given.
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

class AudioDeviceManager;

class AppActions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString versionLine READ versionLine CONSTANT)
    Q_PROPERTY(bool isBeta READ isBeta CONSTANT)
    Q_PROPERTY(QString privacyUrl READ privacyUrl CONSTANT)
    Q_PROPERTY(QString supportUrl READ supportUrl CONSTANT)
public:
    // `devices` may be null; chooseOutputDevice then does nothing.
    explicit AppActions(AudioDeviceManager *devices = nullptr, QObject *parent = nullptr);

    // "Versie <version> (<build>)", or "Versie 1.0.0" when either part is absent or empty.
    static QString versionLineFor(const std::optional<QString> &version, const std::optional<QString> &build);
    QString versionLine() const;
    // Read at every call: present in the environment (even with an empty value) means beta.
    bool isBeta() const;
    QString privacyUrl() const;
    QString supportUrl() const;

    // The icon file (in data/icons and the QML module) drawn for a symbol name; empty when the
    // symbol has none.
    static QString iconFileName(const QString &symbolName);
    // The URL the views load for a symbol name; empty when the symbol has none.
    Q_INVOKABLE QString iconSource(const QString &symbolName) const;

    Q_INVOKABLE void openSettings() { Q_EMIT settingsRequested(); }
    Q_INVOKABLE void openAbout() { Q_EMIT aboutRequested(); }
    Q_INVOKABLE void quit() { Q_EMIT quitRequested(); }
    // Empty text is the system default. The player follows the stored choice.
    Q_INVOKABLE void chooseOutputDevice(const QString &uid);

Q_SIGNALS:
    void settingsRequested();
    void aboutRequested();
    void quitRequested();

private:
    QPointer<AudioDeviceManager> m_devices;
};
