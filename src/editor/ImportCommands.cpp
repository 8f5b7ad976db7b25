#include "ImportCommands.h"

#include "DesignCeiling.h"
#include "EditorInternal.h"
#include "FileCommands.h"
#include "ObjectsTreeCommands.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "script/MenuHtml.h"

#include <functional>
#include <system_error>

namespace tarvex {

using namespace editor_internal;

namespace {

constexpr std::string_view HtmlFilter =
    TARVEX_TRANSLATE_NOOP("Editor", "HTML files|*.htm;*.html|All files|*.*");

TUiText ImportBookmarksCaption() {
    return TARVEX_TEXT("Editor", "Import bookmarks");
}
TUiText ImportSitemapCaption() {
    return TARVEX_TEXT("Editor", "Import site map");
}
TUiText ImportNavigationCaption() {
    return TARVEX_TEXT("Editor", "Import page navigation");
}

TUiText NoFolderSelected() {
    return TARVEX_TEXT("Editor", "You have not selected folder.");
}

} // namespace
namespace {

TImportChoices Single(TImportResult result, TUiText description) {
    if (!result.Tree) {
        return {{}, std::move(result.Error)};
    }
    return {{TImportChoice{std::move(description), std::move(*result.Tree)}}, {}};
}

TImportChoices ReadBookmarks(const std::filesystem::path& file) {
    const TImportBytes read = ReadImportFile(file);
    return read.Bytes
               ? Single(ParseBookmarks(*read.Bytes), ImportText(TARVEX_TRANSLATE_NOOP("Import", "Bookmarks")))
               : TImportChoices{{}, read.Error};
}

TImportChoices ReadSitemap(const std::filesystem::path& file) {
    return Single(ParseSitemapFile(file), ImportText(TARVEX_TRANSLATE_NOOP("Import", "Site map")));
}

TImportChoices ReadPageNavigation(const std::filesystem::path& file) {
    const TImportBytes read = ReadImportFile(file);
    if (!read.Bytes) {
        return TImportChoices{{}, read.Error};
    }
    TImportChoices found = FindPageNavigations(*read.Bytes, PathText(file.stem()));
    return TImportChoices{std::move(found.Choices), std::move(found.Error)};
}

bool IsProjectName(const std::filesystem::path& file) {
    return AsciiLower(PathText(file.extension())) == ".xml";
}

} // namespace

TImportCommands::TImportCommands(TEditorContext& context, TObjectsTreeCommands& objects, TFileCommands& files)
    : m_context(context), m_objects(objects), m_files(files), m_findFavoritesFolder(&FindFavoritesFolder) {}

void TImportCommands::SetFavoritesFolderFinder(std::function<std::optional<std::filesystem::path>()> finder) {
    m_findFavoritesFolder = std::move(finder);
}

void TImportCommands::ImportWinFavoritActionExecute() {
    std::optional<TFavoriteEntry> root;
    const std::optional<std::filesystem::path> folder =
        m_findFavoritesFolder ? m_findFavoritesFolder() : std::optional<std::filesystem::path>();
    if (folder) {
        root = ScanFavoritesFolder(*folder);
    } else {
        m_context.Message(TARVEX_TEXT("Editor", "Can't find favirities directory."), ErrorCaption(),
                          TMsgIcon::Information);
    }
    const TFolderDialogResult result = m_context.Ui().ChooseFavoritesFolder(root ? &*root : nullptr);
    switch (result.Outcome) {
    case TFolderDialogResult::TOutcome::Cancel:
        return;
    case TFolderDialogResult::TOutcome::OkWithoutSelection:
        m_context.Message(NoFolderSelected(), ErrorCaption(), TMsgIcon::Information);
        return;
    case TFolderDialogResult::TOutcome::OkSelected:
        if (result.Entry) {
            ImportFavoritesFolder(*result.Entry);
        } else {
            m_context.Message(NoFolderSelected(), ErrorCaption(), TMsgIcon::Information);
        }
        return;
    }
}

void TImportCommands::ImportFavoritesFolder(const TFavoriteEntry& entry) {
    if (entry.Kind == TFavoriteEntry::TKind::Shortcut) {
        m_context.Message(NoFolderSelected(), ErrorCaption(), TMsgIcon::Information);
        return;
    }
    // Only the folder's own shortcuts become items; sub-folders carry no file to read.
    const TImportResult read = ReadFavoritesFolder(entry, false, EnteredText);
    if (read.Tree && !AllowImport(m_context.Ui(), m_context.Project(), *read.Tree)) {
        return;
    }
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Import Favorites"));
    m_objects.AddMenuGroup(read.Tree->Caption, " ");
    for (const TImportEntry& item : read.Tree->Children) {
        m_objects.AddMenuItem(item.Caption, item.Address);
    }
    if (!read.Error.Empty()) {
        m_context.Message(read.Error, ErrorCaption(), TMsgIcon::Error);
    }
}

TTreeNode* TImportCommands::InsertImportedTree(const TImportEntry& tree) {
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Import Menu"));
    m_context.SetTreeUpdateGuard(true);
    TTreeNode* parent = m_context.SelectedObject() ? m_context.SelectedObject()->Parent() : nullptr;
    TTreeNode* group = AppendImportedTree(m_context.Project(), parent, tree);
    if (parent) {
        m_context.Notify([parent](TEditorListener& l) { l.ExpandNodeRequested(parent); });
    }
    m_context.SetTreeUpdateGuard(false);
    m_objects.Select(group);
    return group;
}

// Shared steps of the three imports: pick the file, then read and review it.
void TImportCommands::RunWebImport(const std::string& dialogName, const std::string& filter,
                                   const std::string& defaultExt, const TUiText& caption,
                                   TImportReader read) {
    const std::optional<std::string> path =
        m_context.RunFileDialog(false, DialogRequest(dialogName, filter, defaultExt));
    if (path) {
        ReviewImport(PathFromUtf8(*path), caption, read);
    }
}

void TImportCommands::ReviewImport(const std::filesystem::path& file, const TUiText& caption,
                                   TImportReader read) {
    if (!WebImportAvailable()) {
        m_context.Message(
            TARVEX_TEXT("Editor", "This kind of import is not available in this build of Tarvex."),
            ErrorCaption(), TMsgIcon::Information);
        return;
    }
    TImportChoices found = read(file);
    if (found.Choices.empty()) {
        m_context.Message(found.Error, ErrorCaption(), TMsgIcon::Error);
        return;
    }
    const std::optional<int> chosen = m_context.Ui().ReviewImport(caption, found.Choices);
    if (!chosen || *chosen < 0 || static_cast<std::size_t>(*chosen) >= found.Choices.size()) {
        return;
    }
    const TImportEntry& tree = found.Choices[static_cast<std::size_t>(*chosen)].Tree;
    if (!tree.Included || !AllowImport(m_context.Ui(), m_context.Project(), tree)) {
        return;
    }
    InsertImportedTree(tree);
}

void TImportCommands::ImportBookmarksActionExecute() {
    RunWebImport("OpenBookmarksDialog",
                 TARVEX_TRANSLATE_NOOP("Editor", "Bookmark files (html)|*.html;*.htm|All files|*.*"), "html",
                 ImportBookmarksCaption(), &ReadBookmarks);
}

void TImportCommands::ImportSitemapActionExecute() {
    RunWebImport("OpenSitemapDialog", TARVEX_TRANSLATE_NOOP("Editor", "Site maps (xml)|*.xml|All files|*.*"),
                 "xml", ImportSitemapCaption(), &ReadSitemap);
}

void TImportCommands::ImportPageNavActionExecute() {
    RunWebImport("OpenNavigationDialog", std::string(HtmlFilter), "htm", ImportNavigationCaption(),
                 &ReadPageNavigation);
}

void TImportCommands::ExportHtmlActionExecute() {
    TFileDialogRequest request = DialogRequest("ExportHtmlDialog", std::string(HtmlFilter), "htm");
    request.OverwritePrompt = true;
    const std::optional<std::string> path = m_context.RunFileDialog(true, request);
    if (!path) {
        return;
    }
    if (const TWriteStatus status =
            WriteMenuHtml(m_context.Project(), PathFromUtf8(*path), m_context.ProjectFolder());
        status != TWriteStatus::Written) {
        m_context.Ui().ReportError(CannotCreateFileText(*path, status));
    }
}

void TImportCommands::OpenDroppedFile(const std::string& path) {
    const std::filesystem::path file = PathFromUtf8(path);
    std::error_code error;
    const std::optional<TImportKind> kind =
        std::filesystem::is_regular_file(file, error) ? DetectImportKind(file) : std::nullopt;
    if (kind == TImportKind::Bookmarks) {
        ReviewImport(file, ImportBookmarksCaption(), &ReadBookmarks);
    } else if (kind == TImportKind::Sitemap) {
        ReviewImport(file, ImportSitemapCaption(), &ReadSitemap);
    } else if (kind == TImportKind::PageNavigation) {
        ReviewImport(file, ImportNavigationCaption(), &ReadPageNavigation);
    } else if (IsProjectName(file) && std::filesystem::is_regular_file(file, error)) {
        // Any other XML file is offered to the project reader, whose refusal says what is wrong.
        m_files.OpenProjectFile(path);
    } else {
        m_context.Message(TARVEX_TEXT("Editor",
                                      "Tarvex cannot use %1: drop a project, a bookmarks file, a site map "
                                      "or a web page.")
                              .Arg(PathText(file.filename())),
                          ErrorCaption(), TMsgIcon::Error);
    }
}

} // namespace tarvex
