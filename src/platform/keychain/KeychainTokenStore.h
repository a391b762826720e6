// Keeps the ListenBrainz token in the desktop's secret store through QtKeychain (the Secret
// Service, or KWallet); where no secret store answers, in a file only the user can read
// ($XDG_CONFIG_HOME/Zeffira/listenbrainz-token, mode 0600), and says which. A user who declines
// the store's prompt is not overruled: nothing is written then.
#pragma once

#include "scrobble/TokenStore.h"

class KeychainTokenStore final : public TokenStore
{
    Q_OBJECT
public:
    explicit KeychainTokenStore(QObject *parent = nullptr);

    static QString filePath();

    void read() override;
    void write(const QString &token) override;

private:
    // The file's token, or empty; with `place` File when there is one.
    QString readFile(Place *place) const;
    bool writeFile(const QString &token) const;
};
