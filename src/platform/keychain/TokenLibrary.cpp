#include "keychain/TokenLibrary.h"

#include "base/AppInfo.h"
#include "history/HistoryStore.h"

#include <QLibrary>

namespace TokenLibrary {

TokenStore *createTokenStore()
{
    // Never unloaded: QtKeychain's D-Bus objects live as long as the process.
    static QLibrary library(AppInfo::libraryDir() + QStringLiteral("/libzeffira_secrets.so"));
    const auto create = reinterpret_cast<CreateTokenStore>(library.resolve(kCreateTokenStoreSymbol));
    if (!create) {
        qCWarning(lcHistory, "Cannot load %s: %s (the ListenBrainz token is not kept)",
                  qUtf8Printable(library.fileName()), qUtf8Printable(library.errorString()));
        return nullptr;
    }
    return create();
}

} // namespace TokenLibrary
