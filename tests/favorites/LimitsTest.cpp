// The favourites file's size ceiling, at the ceiling and one byte past it.
#include "favorites/FavoritesStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tarvex;
namespace fs = std::filesystem;

// A file past the ceiling is reported unreadable, so the close does not save an empty list over
// it; sparse files keep the 64 MB off the disk.
TEST(FavoritesLimits, FileSizeAtTheCeilingAndOnePast) {
    const fs::path file = fs::temp_directory_path() / "tarvex-favorites-limits.dat";
    for (const std::uint64_t extra : {0u, 1u}) {
        std::ofstream(file, std::ios::binary) << SerializeFavorites({});
        fs::resize_file(file, FavoritesFileCeiling + extra);
        const TFavoritesFile read = ReadFavoritesFileState(file);
        EXPECT_EQ(read.State, extra == 0 ? TFavoritesFileState::Damaged : TFavoritesFileState::Unreadable)
            << extra;
    }
    fs::remove(file);
}
