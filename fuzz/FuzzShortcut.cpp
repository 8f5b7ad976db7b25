// An internet shortcut of any content gives an address that fits its 255-character field.
#include "import/FavoritesFolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string address = tarvex::ParseInternetShortcut(bytes);
    if (address.size() > 255 || address.size() > size) {
        std::abort();
    }
    return 0;
}
