// What the preview may read and hand to the system, for a page inside a site folder.

#include "preview/PreviewSite.h"
#include "base/PathText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tarvex {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

TEST(PreviewSiteTest, ServesTheEngineAndTheSiteAndNothingOutside) {
    const fs::path root = fs::temp_directory_path() / ("tarvex-site-" + std::to_string(getpid()));
    fs::remove_all(root);
    const fs::path engine = root / "temp";
    const fs::path site = root / "site";
    for (const char* name : {"preview.htm", "one.js", "menu.js", "main.js"}) {
        Write(engine / name, name);
    }
    Write(site / "pages" / "page.htm", "<link href=\"../shared/site.css\">");
    Write(site / "pages" / "one.js", "the author's own one.js");
    Write(site / "pages" / "css" / "local.css", "local");
    Write(site / "shared" / "site.css", "shared");
    Write(root / "secret.txt", "secret");
    Write(root / "site2" / "x.css", "a sibling whose name starts like the site's");
    fs::create_directories(site / "pages" / "folder");
#ifndef _WIN32
    fs::create_symlink(root / "secret.txt", site / "pages" / "link.txt");
#endif

    TPreviewSite preview(engine);
    EXPECT_EQ(preview.PreviewUrlPath(), "/preview.htm");
    EXPECT_EQ(preview.FileFor("/one.js"), fs::canonical(engine / "one.js"));
    EXPECT_FALSE(preview.FileFor("/../secret.txt"));
    EXPECT_FALSE(preview.SiteFileFor("/one.js")) << "the engine's files are never handed out";

    EXPECT_FALSE(preview.UsePage(site / "pages" / "page.htm", root / "site2")) << "a folder beside the page";
    ASSERT_TRUE(preview.UsePage(site / "pages" / "page.htm", site));
    EXPECT_EQ(preview.PreviewUrlPath(), "/pages/page.htm");

    struct TCase {
        const char* Path;
        std::optional<fs::path> Served;
        std::optional<fs::path> HandedOut;
    };
    const TCase cases[] = {
        {"/pages/page.htm", engine / "preview.htm", site / "pages" / "page.htm"},
        {"/pages/one.js", engine / "one.js", site / "pages" / "one.js"},
        {"/pages/./menu.js", engine / "menu.js", std::nullopt},
        {"/pages/css/local.css", site / "pages" / "css" / "local.css", site / "pages" / "css" / "local.css"},
        {"/pages/../shared/site.css", site / "shared" / "site.css", site / "shared" / "site.css"},
        {"/../secret.txt", std::nullopt, std::nullopt},
        {"/pages/../../secret.txt", std::nullopt, std::nullopt},
        {"/../site2/x.css", std::nullopt, std::nullopt},
        {"/pages\\..\\..\\secret.txt", std::nullopt, std::nullopt},
        {"/pages/folder", std::nullopt, std::nullopt},
        {"/pages/missing.css", std::nullopt, std::nullopt},
#ifndef _WIN32
        {"/pages/link.txt", std::nullopt, std::nullopt},
#endif
    };
    for (const TCase& c : cases) {
        const auto canonical = [](const std::optional<fs::path>& p) {
            return p ? std::optional<fs::path>(fs::canonical(*p)) : std::nullopt;
        };
        EXPECT_EQ(preview.FileFor(c.Path), canonical(c.Served)) << c.Path;
        EXPECT_EQ(preview.SiteFileFor(c.Path), canonical(c.HandedOut)) << c.Path;
    }
    EXPECT_FALSE(preview.InSite(root / "secret.txt"));
    EXPECT_TRUE(preview.InSite(site / "shared" / "site.css"));

    TPreviewSite restored(engine);
    restored.Restore(preview.Describe());
    EXPECT_EQ(restored.PreviewUrlPath(), "/pages/page.htm");
    fs::remove_all(site);
    restored.Restore(preview.Describe());
    EXPECT_FALSE(restored.HasAuthorPage()) << "a page gone since falls back to the default page";
    fs::remove_all(root);
}

} // namespace
} // namespace tarvex
