// The token store (QtKeychain) lives in a library of its own, libzeffira_secrets, loaded only
// once scrobbling is on. This is the loader and the library's entry point.
#pragma once

class TokenStore;

namespace TokenLibrary {
// A new token store, owned by the caller; null when the library cannot be loaded (logged).
TokenStore *createTokenStore();
} // namespace TokenLibrary

extern "C" {
using CreateTokenStore = TokenStore *(*)();
}
inline constexpr const char *kCreateTokenStoreSymbol = "zeffira_create_token_store";
