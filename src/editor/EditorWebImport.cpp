// The editor's imports from bookmark files, site maps and page navigation, and the export of the
// menu as a plain page of links.

#include "EditorInternal.h"
#include "TarvexEditor.h"

#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "import/WebImport.h"
#include "script/MenuHtml.h"

#include <system_error>

namespace tarvex {

using namespace editor_internal;

namespace {

constexpr std::string_view HtmlFilter = "HTML files|*.htm;*.html|All files|*.*";

} // namespace

TTreeNode* TTarvexEditor::InsertImportedTree(const TImportEntry& tree) {
    TEditStep step(*this, "Import Menu", TCommitFirst::Yes);
    m_treeUpdateGuard = true;
    TTreeNode* parent = m_selectedObject ? m_selectedObject->Parent() : nullptr;
    TTreeNode* group = AppendImportedTree(m_project, parent, tree);
    if (parent) {
        Notify([parent](TEditorListener& l) { l.ExpandNodeRequested(parent); });
    }
    m_treeUpdateGuard = false;
    SelectObjectNode(group);
    // The group's preview was drawn before its entries came.
    RefreshPreview();
    return group;
}

// Shared steps of the three imports: pick the file, then read and review it.
void TTarvexEditor::RunWebImport(const std::string& dialogName, const std::string& filter,
                                 const std::string& defaultExt, const std::string& caption,
                                 TImportReader read) {
    const std::optional<std::string> path =
        RunFileDialog(false, DialogRequest(dialogName, filter, defaultExt));
    if (path) {
        ReviewImport(PathFromUtf8(*path), caption, read);
    }
}

void TTarvexEditor::ReviewImport(const std::filesystem::path& file, const std::string& caption,
                                 TImportReader read) {
    if (!WebImportAvailable()) {
        Message("This kind of import is not available in this build of Tarvex.", "Error",
                TMsgIcon::Information);
        return;
    }
    TImportChoices found = read(file);
    if (found.Choices.empty()) {
        Message(found.Error, "Error", TMsgIcon::Error);
        return;
    }
    const std::optional<int> chosen = m_ui.ReviewImport(caption, found.Choices);
    if (!chosen || *chosen < 0 || static_cast<std::size_t>(*chosen) >= found.Choices.size()) {
        return;
    }
    const TImportEntry& tree = found.Choices[static_cast<std::size_t>(*chosen)].Tree;
    if (!tree.Included) {
        return;
    }
    InsertImportedTree(tree);
}

namespace {

TImportChoices Single(TImportResult result, const std::string& description) {
    if (!result.Tree) {
        return {{}, std::move(result.Error)};
    }
    return {{TImportChoice{description, std::move(*result.Tree)}}, {}};
}

TImportChoices ReadBookmarks(const std::filesystem::path& file) {
    const TImportBytes read = ReadImportFile(file);
    return read.Bytes ? Single(ParseBookmarks(*read.Bytes), "Bookmarks") : TImportChoices{{}, read.Error};
}

TImportChoices ReadSitemap(const std::filesystem::path& file) {
    return Single(ParseSitemapFile(file), "Site map");
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

void TTarvexEditor::ImportBookmarksActionExecute() {
    RunWebImport("OpenBookmarksDialog", "Bookmark files (html)|*.html;*.htm|All files|*.*", "html",
                 "Import bookmarks", &ReadBookmarks);
}

void TTarvexEditor::ImportSitemapActionExecute() {
    RunWebImport("OpenSitemapDialog", "Site maps (xml)|*.xml|All files|*.*", "xml", "Import site map",
                 &ReadSitemap);
}

void TTarvexEditor::ImportPageNavActionExecute() {
    RunWebImport("OpenNavigationDialog", std::string(HtmlFilter), "htm", "Import page navigation",
                 &ReadPageNavigation);
}

void TTarvexEditor::OpenDroppedFile(const std::string& path) {
    const std::filesystem::path file = PathFromUtf8(path);
    std::error_code error;
    const std::optional<TImportKind> kind =
        std::filesystem::is_regular_file(file, error) ? DetectImportKind(file) : std::nullopt;
    if (kind == TImportKind::Bookmarks) {
        ReviewImport(file, "Import bookmarks", &ReadBookmarks);
    } else if (kind == TImportKind::Sitemap) {
        ReviewImport(file, "Import site map", &ReadSitemap);
    } else if (kind == TImportKind::PageNavigation) {
        ReviewImport(file, "Import page navigation", &ReadPageNavigation);
    } else if (IsProjectName(file) && std::filesystem::is_regular_file(file, error)) {
        // Any other XML file is offered to the project reader, whose refusal says what is wrong.
        OpenProjectFile(path);
    } else {
        Message("Tarvex cannot use " + PathText(file.filename()) +
                    ": drop a project, a bookmarks file, a site map or a web page.",
                "Error", TMsgIcon::Error);
    }
}

void TTarvexEditor::ExportHtmlActionExecute() {
    CommitValueEditors();
    TFileDialogRequest request = DialogRequest("ExportHtmlDialog", std::string(HtmlFilter), "htm");
    request.OverwritePrompt = true;
    const std::optional<std::string> path = RunFileDialog(true, request);
    if (!path) {
        return;
    }
    if (const TWriteStatus status = WriteMenuHtml(m_project, PathFromUtf8(*path));
        status != TWriteStatus::Written) {
        m_ui.ReportError("Cannot create file " + *path + "." + WhyNotWritten(status));
    }
}

} // namespace tarvex
