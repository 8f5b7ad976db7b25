// The reader every file goes through, at its size ceiling and one byte past it.
#include "base/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace tarvex;
namespace fs = std::filesystem;

// Sizes around the reader's own steps: empty, one byte, and the block it grows by.
TEST(BaseLimits, WholeFileReadAtTheCeilingAndRefusedOneBytePast) {
    const fs::path file = fs::temp_directory_path() / "tarvex-base-limits.bin";
    for (const std::uint64_t size : {0u, 1u, 4095u, 4096u, 4097u, 65536u}) {
        const std::string bytes(size, 'x');
        std::ofstream(file, std::ios::binary) << bytes;
        EXPECT_EQ(ReadWholeFile(file, size), bytes) << size;
        EXPECT_EQ(ReadWholeFile(file, size + 1), bytes) << size;
        if (size > 0) {
            EXPECT_EQ(ReadWholeFile(file, size - 1), std::nullopt) << size;
        }
    }
    fs::remove(file);
}
