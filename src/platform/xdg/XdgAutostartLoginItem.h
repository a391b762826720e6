// The login item as a freedesktop autostart entry "<autostart folder>/<app-id>.desktop" that
// starts the running program's executable. Enabled while the file exists and is not hidden.
#pragma once

#include "desktop/LoginItem.h"

class XdgAutostartLoginItem final : public LoginItem
{
public:
    // $XDG_CONFIG_HOME/autostart, the running program, the configured application id.
    XdgAutostartLoginItem();
    // Tests point it at their own folder and program path.
    XdgAutostartLoginItem(const QString &autostartFolder, const QString &executablePath,
                          const QString &appId);

    static QString defaultFolder();
    QString filePath() const { return m_filePath; }
    // The file's content for `executablePath`.
    static QByteArray desktopEntry(const QString &executablePath, const QString &appId);
    // `argument` as one quoted Exec argument, escaped for a desktop entry's string value.
    static QString execArgument(const QString &argument);

    bool isEnabled() const override;
    Error registerItem() override;
    Error unregisterItem() override;

private:
    QString m_folder;
    QString m_filePath;
    QString m_executablePath;
    QString m_appId;
};
