#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "model/SubmenuLayout.h"
#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace tarvex {

using namespace editor_internal;

// ---- preview ----

void TTarvexEditor::RepairMenuStyles() {
    const std::vector<TTreeNode*> broken = OptionsNamingMissingStyles(m_project);
    if (broken.empty()) {
        return;
    }
    const std::string first = m_project.Styles.FirstRoot()->Text();
    const std::string shownBefore = m_menuValueList.Value(MenuStyleRow());
    {
        TEditStep step(*this, RepairMenuStyleStep);
        for (TTreeNode* options : broken) {
            options->EditOptions().MenuStyle = first;
        }
    }
    for (const TTreeNode* options : broken) {
        Message(MissingStyleText(MenuObjectName(options->Parent())), std::string(ScriptWarningCaption),
                TMsgIcon::Information);
    }
    // The options editor must not hand the missing name back at the next commit.
    const bool shown = std::find(broken.begin(), broken.end(), m_loadedObject) != broken.end();
    if (shown && shownBefore != first) {
        m_menuValueList.SetValue(MenuStyleRow(), first);
        NotifyEditor(TValueEditorId::MenuValueList);
    }
}

void TTarvexEditor::AddMissingMenuOptions() {
    // Without a style no script is written, and a design that cannot be written is left alone.
    if (m_project.Styles.Empty()) {
        return;
    }
    std::vector<TTreeNode*> bare;
    ForEachMenu(m_project.Objects, [&](TTreeNode* group) {
        if (!FindMenuOptionsNodeOfLevel(m_project.Objects, group)) {
            bare.push_back(group);
        }
    });
    for (TTreeNode* group : bare) {
        TMenuOptionsRec defaults;
        FillDefaultMenuOptions(m_project, defaults, nullptr);
        m_project.Objects.Insert(group, 0, TNodeKind::MenuOptions, std::string(MenuOptionsText))
            ->EditOptions() = defaults;
    }
}

TTarvexEditor::TScriptOutcome TTarvexEditor::WriteScript() {
    const TMenuScript script = tarvex::GenerateMenuScript(m_project);
    if (script.Refused) {
        // Said once until the design can be compiled again, or the author asks for the preview:
        // a box at every click would stop the author, who knows by now.
        if (!m_refusalSaid) {
            Message(std::string(NoStylesMessage), std::string(ScriptWarningCaption), TMsgIcon::Information);
            m_refusalSaid = true;
        }
        // The preview shows this design, which has no menu, never one an earlier design left.
        std::error_code error;
        std::filesystem::remove(TempFolder() / "menu.js", error);
        return TScriptOutcome::Refused;
    }
    m_refusalSaid = false;
    // A repair shows its box when the editor makes it; what the script merely works around waits
    // in a list, since a box for each at every refresh would stop the author at every click.
    std::vector<std::string> listed;
    for (const TScriptWarning& warning : script.Warnings) {
        listed.push_back(warning.Text);
    }
    if (listed != m_listedWarnings) {
        m_listedWarnings = std::move(listed);
        m_ui.ShowScriptWarnings(m_listedWarnings);
    }
    const std::filesystem::path file = TempFolder() / "menu.js";
    if (const TWriteStatus status = WriteMenuScript(script, file); status != TWriteStatus::Written) {
        m_ui.ReportError("Cannot create file " + PathText(file) + "." + WhyNotWritten(status));
        return TScriptOutcome::NotWritten;
    }
    return TScriptOutcome::Written;
}

bool TTarvexEditor::GenerateMenuScript() {
    return WriteScript() == TScriptOutcome::Written;
}

void TTarvexEditor::RefreshPreview() {
    // Inside an edit the preview waits for the step to end: a command refreshes it once, and a
    // repair the design needs becomes a step of its own.
    if (m_editDepth > 0) {
        m_refreshPending = true;
        return;
    }
    m_refreshPending = false;
    // Undo and redo show a design as it was; repairing it there would take the step's place.
    if (!m_replayingHistory) {
        RepairMenuStyles();
    }
    const TScriptOutcome outcome = WriteScript();
    m_scriptNotWritten = outcome == TScriptOutcome::NotWritten;
    m_scriptRefused = outcome == TScriptOutcome::Refused;
    // After a refusal the page still shows, without a menu.
    if (!m_scriptNotWritten) {
        m_ui.NavigatePreview(PathText(PreviewPagePath()));
    }
}

void TTarvexEditor::UpdatePreviewActionExecute() {
    TEditStep step(*this, {});
    m_refusalSaid = false;
    // Both editors are committed first, so the preview is generated and shown once.
    CommitValueEditors();
    RefreshPreview();
}

void TTarvexEditor::OpenPreviewActionExecute() {
    const std::optional<std::string> path =
        RunFileDialog(false, DialogRequest("OpenHTMLDialog", "HTML files|*.htm;*.html|All files|*.*", "htm"));
    if (!path) {
        return;
    }
    const std::filesystem::path page = PathFromUtf8(*path);
    const std::optional<std::filesystem::path> siteFolder = ChoosePreviewSiteFolder(page);
    if (!siteFolder) {
        return;
    }
    const TPreviewStatus status = WritePreviewFromUserPage(page, PreviewPagePath());
    if (status == TPreviewStatus::Written) {
        m_previewSite.UsePage(page, *siteFolder);
        KeepPreviewSite();
    }
    ShowWrittenPreview(status, *path);
}

std::optional<std::filesystem::path>
TTarvexEditor::ChoosePreviewSiteFolder(const std::filesystem::path& page) {
    const std::filesystem::path pageFolder = page.parent_path();
    const std::optional<std::string> text = ReadWholeFile(page);
    if (!text || text->find("../") == std::string::npos) {
        return pageFolder;
    }
    const TMsgResult answer =
        Message("The page refers to files above its own folder. Choose the folder of your site, so that "
                "the preview shows them too?",
                "Open HTML to preview", TMsgIcon::Question, TMsgButtons::YesNoCancel);
    if (answer == TMsgResult::Cancel) {
        return std::nullopt;
    }
    if (answer == TMsgResult::No) {
        return pageFolder;
    }
    const std::optional<std::string> chosen =
        m_ui.ChooseFolder("Site folder of " + PathText(page.filename()), PathText(pageFolder.parent_path()));
    if (!chosen) {
        return std::nullopt;
    }
    TPreviewSite trial(TempFolder());
    if (!trial.UsePage(page, PathFromUtf8(*chosen))) {
        Message("The folder " + *chosen +
                    " does not hold the page; the preview reads from the page's own folder.",
                "Open HTML to preview", TMsgIcon::Warning);
        return pageFolder;
    }
    return PathFromUtf8(*chosen);
}

void TTarvexEditor::KeepPreviewSite() {
    const std::filesystem::path file = TempFolder() / PreviewSiteFileName;
    // The choice only saves asking again after a restart; a temp folder that refuses it costs nothing else.
    WriteFileAtomically(file, m_previewSite.Describe());
}

void TTarvexEditor::ShowWrittenPreview(TPreviewStatus status, const std::string& sourceText) {
    switch (status) {
    case TPreviewStatus::CannotRead:
        m_ui.ReportError("Cannot open file " + sourceText + ".");
        return;
    case TPreviewStatus::CannotWrite:
        m_ui.ReportError("Cannot create file " + PathText(PreviewPagePath()) + ".");
        return;
    case TPreviewStatus::Written:
        m_ui.NavigatePreview(PathText(PreviewPagePath()));
        return;
    }
}

void TTarvexEditor::DefaultPreviewActionExecute() {
    const std::filesystem::path defaultPage = TempFolder() / "default.htm";
    const TPreviewStatus status = CopyDefaultPreviewPage(defaultPage, PreviewPagePath());
    if (status == TPreviewStatus::Written) {
        m_previewSite.UseDefaultPage();
        KeepPreviewSite();
    }
    ShowWrittenPreview(status, PathText(defaultPage));
}

// ---- pages, help and web ----

void TTarvexEditor::FillMenuStylePickList() {
    std::vector<std::string> styleNames;
    for (const auto& style : m_project.Styles.Roots()) {
        styleNames.push_back(style->Text());
    }
    std::vector<std::string> darkNames = styleNames;
    // The empty entry: no style of its own for a dark colour scheme.
    darkNames.insert(darkNames.begin(), std::string());
    m_menuValueList.SetPickList(MenuStyleRow(), std::move(styleNames));
    m_menuValueList.SetPickList(OptionsField("DarkStyle").Caption, std::move(darkNames));
    NotifyEditor(TValueEditorId::MenuValueList);
}

void TTarvexEditor::ControlsPageControlChange() {
    FillMenuStylePickList();

    const bool creator = m_activePage == TControlsPage::MenuCreator;
    ShowQuickHelp(creator ? "menu.htm" : "style.htm");
    // The page's other commands follow the page by their rules.
    SetActionEnabled(TActionId::NewMenuItemAction, creator);
    SetActionEnabled(TActionId::DelStyleAction, !creator);
    SetActionEnabled(TActionId::AddToFavoritesAction, !creator);
    CommandStatesMaybeChanged();
}

void TTarvexEditor::ShowQuickHelp(const std::string& page) {
    m_ui.ShowQuickHelpPage(PathText(HelpPagePath(page)));
}

void TTarvexEditor::OpenWebPage(const std::string& address) {
    m_ui.OpenWebAddress(address);
}

void TTarvexEditor::HomePageActionExecute() {
    OpenWebPage(std::string(KorvaneHomePage));
}

void TTarvexEditor::EMailToUsActionExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/feedback.php");
}

void TTarvexEditor::HelpHowUseActionExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?product=6");
}

void TTarvexEditor::acHelpMenuExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?helpid=38&product=6");
}

void TTarvexEditor::acHelpStylesExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?helpid=39&product=6");
}

} // namespace tarvex
