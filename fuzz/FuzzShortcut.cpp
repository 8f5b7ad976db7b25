// An internet shortcut of any content gives an address that fits its 255-character field.
#include "ImportChecks.h"
#include "base/RecordText.h"
#include "import/FavoritesFolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string address = tarvex::ParseInternetShortcut(bytes);
    // A byte of the Windows code page becomes at most three bytes of UTF-8.
    if (!tarvex::IsValidUtf8(address) || tarvex::fuzz::CharacterCount(address) > 255 ||
        address.size() > 3 * size) {
        std::abort();
    }
    return 0;
}
