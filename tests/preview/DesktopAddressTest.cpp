#include "preview/DesktopAddress.h"

#include <gtest/gtest.h>

using namespace tarvex;

TEST(DesktopAddress, OnlyPagesDocumentsAndPicturesAreHandedToTheDesktop) {
    const struct {
        const char* Name;
        bool Shown;
    } cases[] = {
        {"other.htm", true},    {"Index.HTML", true}, {"guide.pdf", true},      {"logo.PNG", true},
        {"photo.jpeg", true},   {"icon.svg", true},   {"run.sh", false},        {"setup.exe", false},
        {"setup.EXE", false},   {"link.lnk", false},  {"site.url", false},      {"app.hta", false},
        {"go.bat", false},      {"go.cmd", false},    {"pkg.msi", false},       {"x.ps1", false},
        {"saver.scr", false},   {"notes", false},     {".htm", false},          {"data.bin", false},
        {"page.htm.", false},   {"page.htm ", false}, {"run.exe:a.htm", false}, {"page.htm.exe", false},
        {"run.desktop", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsShownByBrowser(std::filesystem::path("/site") / c.Name), c.Shown) << c.Name;
    }
    for (const auto* scheme : {"http", "HTTPS", "mailto"}) {
        EXPECT_TRUE(IsWebScheme(scheme)) << scheme;
    }
    for (const auto* scheme : {"file", "javascript", "ftp", "smb", "tarvex-preview", "ms-settings", ""}) {
        EXPECT_FALSE(IsWebScheme(scheme)) << scheme;
    }
}
