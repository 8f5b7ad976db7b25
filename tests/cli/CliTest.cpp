// Runs a copy of the built tarvex-cli in a throw-away application folder of its own.

#include "base/FileIo.h"
#include "base/FilePlatform.h"
#include "favorites/FavoritesStore.h"

#include "CliFixture.h"
#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace tarvex {
namespace {

using namespace clitest;
namespace fs = std::filesystem;
using platform::PathFromUtf8;
using platform::PathToUtf8;

TEST_F(CliTest, BuildPublishesEngineAndScriptIntoANewFolder) {
    const TRun run = Run({"build", (DataDir / "products-menu.xml").string(), "-o", "site/js"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const fs::path out = WorkDir() / "site" / "js";
    EXPECT_EQ(FilesIn(out), (std::vector<std::string>{"main.js", "menu.js", "one.js"}));
    EXPECT_EQ(Read(out / "one.js"), OneJs);
    EXPECT_EQ(Read(out / "main.js"), MainJs);
    EXPECT_EQ(Read(out / "menu.js"), Read(ScriptGolden));
}

// The module holds the very engine the classic files ship, ahead of the menus it serves.
TEST_F(CliTest, BuildModuleWritesTheModuleAndItsStyleSheetOnly) {
    const TRun run = Run({"build", (DataDir / "products-menu.xml").string(), "-o", "site", "--module"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const fs::path out = WorkDir() / "site";
    EXPECT_EQ(FilesIn(out), (std::vector<std::string>{"tarvex-menu.css", "tarvex-menu.js"}));
    const std::string module = Read(out / "tarvex-menu.js");
    EXPECT_NE(module.find(OneJs), std::string::npos);
    EXPECT_NE(module.find("addmenu(menu=[\"mainmenu\""), std::string::npos);
    EXPECT_NE(Read(out / "tarvex-menu.css").find("#tarvex-menu {"), std::string::npos);
}

TEST_F(CliTest, BuildNamesTheScriptAndDefaultsToTheCurrentFolder) {
    // A loosely written project (lower-case tags, indentation, LF lines) gives the same menu.
    const TRun run =
        Run({"build", (DataDir / "products-menu-loose-layout.xml").string(), "-n", "site menu.js"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(FilesIn(WorkDir()), (std::vector<std::string>{"main.js", "one.js", "site menu.js"}));
    EXPECT_EQ(Read(WorkDir() / "site menu.js"), Read(ScriptGolden));
}

TEST_F(CliTest, BuildReportsRepairedStyleAndStillSucceeds) {
    const TRun run = Run({"build", (DataDir / "missing-style.xml").string(), "-o", "out"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err,
              "Warning! Menu style in \"Our products\" object not found. Used first found menu style\n");
    // The fallback is the first style, which here is the one the submenu lost.
    EXPECT_EQ(Read(WorkDir() / "out" / "menu.js"), Read(ScriptGolden));
}

TEST_F(CliTest, StrictBuildTurnsAnyWarningIntoAnErrorAndWritesNothing) {
    TRun run = Run({"build", (DataDir / "missing-style.xml").string(), "-o", "out", "--strict"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.starts_with(
        "Warning! Menu style in \"Our products\" object not found. Used first found menu style\n"))
        << run.Err;
    EXPECT_FALSE(fs::exists(WorkDir() / "out"));

    // Rows too small to hit and a pale highlight are errors of the checks.
    run = Run({"build", "--strict", (DataDir / "products-menu.xml").string(), "-o", "out"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("error: Style \"Main style\": Its entries are 20.0 px high"), std::string::npos)
        << run.Err;
    EXPECT_FALSE(fs::exists(WorkDir() / "out"));

    run = Run({"build", "--strict", SampleProject.string(), "-o", "out"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(FilesIn(WorkDir() / "out"), (std::vector<std::string>{"main.js", "menu.js", "one.js"}));
}

TEST_F(CliTest, BuildRefusalsWriteNothing) {
    TRun run = Run({"build", (DataDir / "no-styles.xml").string(), "-o", "out"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "Project can not be compiled. You don't have menu styles\n");
    EXPECT_FALSE(fs::exists(WorkDir() / "out"));

    run = Run({"build", "nowhere.xml", "-o", "out"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "Can't read file nowhere.xml!\n");
    EXPECT_FALSE(fs::exists(WorkDir() / "out"));

    fs::remove(AppDir() / "help" / "temp" / "main.js");
    run = Run({"build", (DataDir / "products-menu.xml").string(), "-o", "out"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find((AppDir() / "help" / "temp" / "main.js").string()), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(WorkDir() / "out"));
}

TEST_F(CliTest, AFailedWriteIsReportedAsThePublishCommandReportsIt) {
    // A folder where the script should go: the engine files are written, the script cannot be.
    fs::create_directories(WorkDir() / "out" / "menu.js");
    const TRun run = Run({"build", (DataDir / "products-menu.xml").string(), "-o", "out"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(
        run.Err,
        "Not all files were published to the folder out.\nWritten: one.js, main.js.\nCannot create file " +
            PathToUtf8(fs::path("out") / "menu.js") + ".\n");
    EXPECT_EQ(Read(WorkDir() / "out" / "one.js"), OneJs);
}

TEST_F(CliTest, BadUsageExitsWithTwo) {
    const std::string project = (DataDir / "products-menu.xml").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"compile", project},
        {"build"},
        {"build", project, "extra.xml"},
        {"build", project, "-o"},
        {"build", project, "-x", "y"},
        {"build", project, "-n", "sub/menu.js"},
        {"build", project, "-n", "sub\\menu.js"},
        {"build", project, "-n", "..\\x.js"},
        {"build", project, "-n", "C:x.js"},
        {"build", project, "-n", "nul.js"},
        {"build", project, "-n", "menu.js."},
        {"build", project, "-n", "one.js"},
        {"build", project, "-o", "a", "-o", "b"},
        {"build", project, "--module", "-n", "menu.js"},
        {"new", "p.xml", "--style", "A", "--no-style"},
        {"format"},
        {"publish", project},
        {"publish", project, "my-site"},
        {"publish", project, "sftp://host/site", "--password", "secret"},
    };
    for (const auto& args : cases) {
        const TRun run = Run(args);
        EXPECT_EQ(run.ExitCode, 2) << (args.empty() ? "(no arguments)" : args[0]);
        EXPECT_NE(run.Err, "");
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_TRUE(FilesIn(WorkDir()).empty());
    // Unencrypted addresses are refused before anything connects, with the safe protocols named;
    // plain WebDAV on a private host only after the author's explicit consent.
    for (const auto& [address, reason] :
         std::vector<std::pair<std::string, std::string>>{{"ftp://host/site", "use sftp://"},
                                                          {"dav://example.org/site", "use davs://"},
                                                          {"dav://127.0.0.1/site", "--allow-plain-dav"}}) {
        const TRun refused = Run({"publish", project, address});
        EXPECT_EQ(refused.ExitCode, 1) << address;
        EXPECT_NE(refused.Err.find(reason), std::string::npos) << refused.Err;
    }

    TRun run = Run({"--version"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "tarvex-cli 1.3\n");
    run = Run({"build", "--help"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_NE(run.Out.find("build PROJECT.xml"), std::string::npos);
}

TEST_F(CliTest, FormatWritesTheCanonicalForm) {
    const std::string canonical = Read(DataDir / "products-menu.xml");
    TRun run = Run({"format", (DataDir / "products-menu-loose-layout.xml").string()});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, canonical);

    run = Run({"format", (DataDir / "products-menu.xml").string(), "-o", "again.xml"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(Read(WorkDir() / "again.xml"), canonical);

    run = Run({"format", "missing.xml"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "Can't read file missing.xml!\n");

    ASSERT_EQ(WriteFileAtomically(WorkDir() / "locked.xml", "keep me"), TWriteStatus::Written);
    fs::permissions(WorkDir() / "locked.xml", fs::perms::owner_read | fs::perms::group_read);
    run = Run({"format", "again.xml", "-o", "locked.xml"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "Can't save read-only file locked.xml!\n");
    EXPECT_EQ(Read(WorkDir() / "locked.xml"), "keep me");

    run = Run({"format", "again.xml", "-o", "no/such/folder/out.xml"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "Unable to save no/such/folder/out.xml in the folder " +
                           PathToUtf8((WorkDir() / "no" / "such" / "folder").lexically_normal()) + "!\n");
}

TEST_F(CliTest, NewTakesItsStyleFromTheFavourites) {
    ASSERT_EQ(SaveFavoritesFile(AppDir() / "favorites.dat",
                                {Favorite("Blue-sky", "0000FF"), Favorite("Forest green", "00FF00")}),
              TWriteStatus::Written);

    TRun run = Run({"new", "unknown.xml", "--style", "Sunset"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("Sunset"), std::string::npos);
    EXPECT_NE(run.Err.find("  Bluesky\n  Forest green\n"), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(WorkDir() / "unknown.xml"));

    run = Run({"new", "green.xml", "--style", "Forest green"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::string green = Read(WorkDir() / "green.xml");
    EXPECT_NE(green.find("<STYLE>\r\n<Name>Forest green</Name>\r\n<MouseOffFont>00FF00</MouseOffFont>"),
              std::string::npos);
    EXPECT_NE(green.find("<FontName>Georgia</FontName>"), std::string::npos);
    // Both Menu Options records name the style, so the project builds at once.
    std::size_t named = 0;
    for (std::size_t at = green.find("<MenuStyle>Forest green</MenuStyle>"); at != std::string::npos;
         at = green.find("<MenuStyle>Forest green</MenuStyle>", at + 1)) {
        ++named;
    }
    EXPECT_EQ(named, 2u);
    run = Run({"build", "green.xml"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_NE(Read(WorkDir() / "menu.js").find("//Forest green\r\nForestgreen=[\r\n\"00FF00\","),
              std::string::npos);

    // Typed with the dash it had before the store dropped it; without --style the first favourite.
    run = Run({"new", "blue.xml", "--style", "Blue-sky"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    run = Run({"new", "first.xml"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(Read(WorkDir() / "first.xml"), Read(WorkDir() / "blue.xml"));
    EXPECT_NE(Read(WorkDir() / "first.xml").find("<Name>Bluesky</Name>"), std::string::npos);

    // An existing project is not overwritten by accident.
    run = Run({"new", "green.xml", "--no-style"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(Read(WorkDir() / "green.xml"), green);
    run = Run({"new", "green.xml", "--no-style", "--force"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(Read(WorkDir() / "green.xml").find("<STYLES>\r\n</STYLES>\r\n"), std::string::npos);
    run = Run({"build", "green.xml"});
    EXPECT_EQ(run.ExitCode, 1);
}

TEST_F(CliTest, NewWithoutFavouritesWritesAProjectWithoutStyle) {
    const TRun run = Run({"new", "plain.xml"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Err.find("no style"), std::string::npos) << run.Err;
    // Byte for byte, so every system writes the same file.
    EXPECT_EQ(Read(WorkDir() / "plain.xml"), Read(DataDir / "new-no-style.xml"));
}

TEST_F(CliTest, InputsThatAreNoRegularFileAreRefusedAtOnce) {
    std::vector<std::string> inputs = {"."};
#ifdef _WIN32
    inputs.push_back("NUL");
#else
    inputs.push_back("/dev/zero");
#endif
    if (test::MakeFifo(WorkDir() / "pipe.xml")) {
        inputs.push_back("pipe.xml");
    } else {
        std::cout << "[ NOTE ] no FIFOs here: reading one is not tried\n";
    }
    for (const std::string& input : inputs) {
        for (const std::string command : {"build", "format"}) {
            const TRun run = Run({command, input}, true);
            EXPECT_EQ(run.ExitCode, 1) << command << " " << input;
            EXPECT_EQ(run.Err, "Can't read file " + input + "!\n") << command << " " << input;
        }
    }
}

TEST_F(CliTest, AFileWithoutProjectTagsIsNeitherReadNorOverwritten) {
    const std::string notes = "<html>\r\n<menu>\r\n<li>milk</li>\r\n</menu>\r\n";
    ASSERT_EQ(WriteFileAtomically(WorkDir() / "notes.txt", notes), TWriteStatus::Written);
    const TRun run = Run({"format", "notes.txt", "-o", "notes.txt"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "The file notes.txt is not a Tarvex project!\n");
    EXPECT_EQ(Read(WorkDir() / "notes.txt"), notes);
}

TEST_F(CliTest, DoubleDashEndsTheOptions) {
    fs::copy_file(DataDir / "products-menu.xml", WorkDir() / "-menu.xml");
    EXPECT_EQ(Run({"format", "-menu.xml"}).ExitCode, 2);
    const TRun run = Run({"format", "-o", "out.xml", "--", "-menu.xml"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(Read(WorkDir() / "out.xml"), Read(DataDir / "products-menu.xml"));
    EXPECT_EQ(Run({"new", "--", "--help"}).ExitCode, 0);
    EXPECT_TRUE(fs::exists(WorkDir() / "--help"));
}

TEST_F(CliTest, InstalledToolReadsTheDataInTheShareFolder) {
    // As installed: nothing beside the program, the data in ../share/tarvex from its folder.
    const fs::path shared = m_root / "share" / "tarvex";
    fs::create_directories(shared);
    fs::rename(AppDir() / "help", shared / "help");
    const TRun run = Run({"build", (DataDir / "products-menu.xml").string(), "-o", "out"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(Read(WorkDir() / "out" / "one.js"), OneJs);
    EXPECT_EQ(Read(WorkDir() / "out" / "main.js"), MainJs);
}

TEST_F(CliTest, NamesOutsideAnyCodePageAndAToolFoundOnPathWork) {
    // Started by bare name the tool still finds its data beside itself, not beside the name it was given.
    const std::string folder = "Menüs 日本 \xF0\x9F\x8D\x8A";
    fs::copy_file(DataDir / "products-menu.xml", WorkDir() / PathFromUtf8("Projekt ✓.xml"));
    TRun run = Run({"build", "Projekt ✓.xml", "-o", folder, "-n", "menü.js"}, false, true);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(FilesIn(WorkDir() / PathFromUtf8(folder)),
              (std::vector<std::string>{"main.js", "menü.js", "one.js"}));
    EXPECT_EQ(Read(WorkDir() / PathFromUtf8(folder) / PathFromUtf8("menü.js")), Read(ScriptGolden));

    run = Run({"format", "Projekt ✓.xml", "-o", folder + "/Kopie ✓.xml"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(Read(WorkDir() / PathFromUtf8(folder) / PathFromUtf8("Kopie ✓.xml")),
              Read(DataDir / "products-menu.xml"));
    run = Run({"format", "fehlt ✓.xml"});
    EXPECT_EQ(run.Err, "Can't read file fehlt ✓.xml!\n");
}

} // namespace
} // namespace tarvex
