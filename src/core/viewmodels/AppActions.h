// The views' requests to the application shell (open a window, quit), the About window's facts
// and the symbol-to-icon table. Shared with QML as `App`.
#pragma once

#include <QObject>
#include <optional>

class AppActions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString versionLine READ versionLine CONSTANT)
    Q_PROPERTY(bool isBeta READ isBeta CONSTANT)
    Q_PROPERTY(QString privacyUrl READ privacyUrl CONSTANT)
    Q_PROPERTY(QString supportUrl READ supportUrl CONSTANT)
public:
    explicit AppActions(QObject *parent = nullptr);

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
    Q_INVOKABLE void openAlarms() { Q_EMIT alarmsRequested(); }
    Q_INVOKABLE void openAbout() { Q_EMIT aboutRequested(); }
    Q_INVOKABLE void quit() { Q_EMIT quitRequested(); }

Q_SIGNALS:
    void settingsRequested();
    void alarmsRequested();
    void aboutRequested();
    void quitRequested();
};
