// The entry point of libzeffira_secrets (see TokenLibrary.h).
#include "keychain/KeychainTokenStore.h"
#include "keychain/TokenLibrary.h"

extern "C" Q_DECL_EXPORT TokenStore *zeffira_create_token_store()
{
    return new KeychainTokenStore();
}
