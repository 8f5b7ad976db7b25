#include "base/ShippedData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace tarvex;
namespace fs = std::filesystem;

TEST(ShippedData, BesideTheExecutableFirstThenTheInstalledShareFolder) {
    struct TCase {
        const char* name;
        std::vector<std::string> folders; // relative to a prefix holding bin/
        std::vector<std::string> files;
        std::string expected; // relative to the prefix; empty when nothing is found
    };
    const TCase cases[] = {
        {"build tree", {"bin/help", "share/tarvex/help"}, {}, "bin"},
        {"installed", {"share/tarvex/help"}, {}, "share/tarvex"},
        {"help beside is a file", {"share/tarvex/help"}, {"bin/help"}, "share/tarvex"},
        {"share without help", {"share/tarvex"}, {}, ""},
        {"nothing", {}, {}, ""},
    };
    const fs::path root =
        fs::temp_directory_path() /
        ("tarvex-shipped-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root);
        fs::create_directories(root / "bin");
        for (const std::string& folder : c.folders) {
            fs::create_directories(root / folder);
        }
        for (const std::string& file : c.files) {
            std::ofstream(root / file) << "x";
        }
        EXPECT_EQ(ShippedDataFolder(root / "bin"),
                  c.expected.empty() ? fs::path() : (root / c.expected).lexically_normal());
    }
    fs::remove_all(root);
}
