// tarvex-cli import and html: projects from bookmarks, site maps, page navigation and Favorites
// folders, and the plain list of links a page shows without script.

#include "CliSupport.h"

#include "base/FilePlatform.h"
#include "base/PathText.h"
#include "import/FavoritesFolder.h"
#include "import/WebImport.h"
#include "script/MenuHtml.h"
#include "script/MenuModule.h"

#include <iostream>
#include <system_error>

namespace tarvex::cli {
namespace fs = std::filesystem;

namespace {

std::string_view KindName(TImportKind kind) {
    switch (kind) {
    case TImportKind::Folder:
        return "a Favorites folder";
    case TImportKind::Bookmarks:
        return "a bookmarks file";
    case TImportKind::Sitemap:
        return "a site map";
    case TImportKind::PageNavigation:
        return "an HTML page's navigation";
    }
    return "";
}

// A Favorites folder as a tree: its folders as groups, its shortcuts as items.
TImportResult ImportFolder(const fs::path& folder) {
    const auto caption = [](std::string_view text) {
        std::string clean = ImportedText(text);
        return clean.empty() ? std::string("Favorities") : clean;
    };
    TImportResult read = ReadFavoritesFolder(ScanFavoritesFolder(folder), true, caption);
    // Files left out and a scan cut short are told; what was read is still imported.
    if (!read.Error.Empty()) {
        PrintError(read.Error.English());
    }
    read.Tree->Caption = caption(PathText(folder.filename()));
    if (read.Tree->Children.empty()) {
        return {std::nullopt, TUiText::Verbatim("The folder " + PathText(folder) +
                                                " holds no internet shortcuts (.url files).")};
    }
    return read;
}

TImportResult ImportSource(TImportKind kind, const fs::path& source) {
    if (kind == TImportKind::Folder) {
        return ImportFolder(source);
    }
    if (kind == TImportKind::Sitemap) {
        return ParseSitemapFile(source);
    }
    const TImportBytes read = ReadImportFile(source);
    if (!read.Bytes) {
        return {std::nullopt, read.Error};
    }
    if (kind == TImportKind::Bookmarks) {
        return ParseBookmarks(*read.Bytes);
    }
    TImportChoices found = FindPageNavigations(*read.Bytes, PathText(source.stem()));
    if (!found.Error.Empty()) {
        return {std::nullopt, found.Error};
    }
    // The first nav, or the first list of links when the page has none.
    return {std::move(found.Choices.front().Tree), {}};
}

// Fills a new project with the chosen style (if any), the default options, and the imported tree's
// entries as the main menu, led by the page its root stands for (a site's home page).
void FillImportedProject(TProject& project, const TImportEntry& root,
                         const std::optional<TFavoriteStyleRec>& chosen) {
    if (chosen) {
        AppendStyleNode(project, chosen->Name.str(), chosen->Style);
    }
    TMenuOptionsRec options;
    FillDefaultMenuOptions(project, options, nullptr);
    AppendOptionsNode(project, nullptr, options);
    if (!root.Address.empty()) {
        TMenuItemRec home;
        FillDefaultMenuItem(home);
        home.Caption = root.Caption;
        home.Address = root.Address;
        AppendItemNode(project, nullptr, TNodeKind::MenuItem, home);
    }
    AppendImportedEntries(project, nullptr, root);
}

} // namespace

int Import(const fs::path& appFolder, const std::vector<std::string>& args) {
    const TArguments parsed(args, {"-o", "--style"}, {"--no-style", "--force"});
    const std::string& sourceText = parsed.Single("source");
    const std::optional<std::string> outText = parsed.Value("-o");
    if (!outText) {
        throw TUsageError{"missing -o PROJECT.xml"};
    }
    const std::optional<std::string> styleName = parsed.Value("--style");
    const bool noStyle = parsed.Flag("--no-style");
    if (styleName && noStyle) {
        throw TUsageError{"--style and --no-style exclude each other"};
    }
    const fs::path source = platform::PathFromUtf8(sourceText);
    const fs::path projectPath = platform::PathFromUtf8(*outText);
    std::error_code ec;
    if (fs::exists(projectPath, ec) && !parsed.Flag("--force")) {
        PrintError(platform::PathToUtf8(projectPath) + " already exists; use --force to replace it.");
        return ExitError;
    }
    if (!fs::exists(source, ec)) {
        PrintError("Can't read file " + sourceText + "!");
        return ExitError;
    }
    const std::optional<TImportKind> kind = DetectImportKind(source);
    if (!kind) {
        const TImportBytes read = ReadImportFile(source);
        PrintError(read.Bytes
                       ? sourceText + " is neither a folder, a bookmarks file, a site map nor an HTML page."
                       : read.Error.English());
        return ExitError;
    }
    if (*kind != TImportKind::Folder && !WebImportAvailable()) {
        PrintError("Importing " + std::string(KindName(*kind)) +
                   " is not available in this build of tarvex-cli.");
        return ExitError;
    }
    const TImportResult imported = ImportSource(*kind, source);
    if (!imported.Tree) {
        PrintError(imported.Error.English());
        return ExitError;
    }

    std::optional<TFavoriteStyleRec> chosen;
    if (!ChooseFavoriteStyle(appFolder, styleName, noStyle, chosen)) {
        return ExitError;
    }
    TProject project;
    FillImportedProject(project, *imported.Tree, chosen);
    return ReportSave(SaveProjectFile(project, projectPath), projectPath) ? ExitOk : ExitError;
}

int Html(const std::vector<std::string>& args) {
    const TArguments parsed(args, {"-o", "--current"}, {"--module"});
    const std::string& projectPath = parsed.Single("project file");
    const std::optional<std::string> outPath = parsed.Value("-o");
    const std::string current = parsed.Value("--current").value_or(std::string());
    const TMenuOutput output = parsed.Flag("--module") ? TMenuOutput::Module : TMenuOutput::Classic;
    TProject project;
    if (!LoadProjectFile(projectPath, project)) {
        return ExitError;
    }
    if (outPath) {
        const fs::path out = platform::PathFromUtf8(*outPath);
        // The module build writes the style sheet the page links; for the classic page it comes here.
        if (output == TMenuOutput::Classic &&
            !WriteOrReport(out.parent_path() / ModuleStyleSheetName, MenuModuleStyleSheet(project))) {
            return ExitError;
        }
        return WriteOrReport(out, GenerateMenuHtml(project, current, output, ProjectFolderOf(projectPath)))
                   ? ExitOk
                   : ExitError;
    }
    return PrintOrReport(GenerateMenuHtml(project, current, output, ProjectFolderOf(projectPath)))
               ? ExitOk
               : ExitError;
}

} // namespace tarvex::cli
