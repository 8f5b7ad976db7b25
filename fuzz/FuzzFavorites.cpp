// Whatever favorites.dat holds, what is loaded must save and load back unchanged.
#include "favorites/FavoritesStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvex;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto favorites = ParseFavorites(bytes);
    if (favorites.size() > size / FavoriteRecordSize) {
        std::abort();
    }
    const std::string saved = SerializeFavorites(favorites);
    if (saved.size() != 4 + FavoriteRecordSize * favorites.size()) {
        std::abort();
    }
    if (ParseFavorites(saved) != favorites || SerializeFavorites(ParseFavorites(saved)) != saved) {
        std::abort();
    }
    return 0;
}
