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

TTarvexEditor::TScriptOutcome TTarvexEditor::WriteScript() {
    // The generator repairs what it cannot write (a missing style, a missing Menu Options node);
    // those repairs are changes of the design like any other.
    TEditStep step(*this, {});
    // Read only: through the const node, reading is no write for the undo history.
    const TTreeNode* shown = m_loadedObject && m_loadedObject->IsOptions() ? m_loadedObject : nullptr;
    const std::string styleBefore = shown ? shown->Options().MenuStyle.str() : std::string();

    const TMenuScript script = tarvex::GenerateMenuScript(m_project);
    if (script.Refused) {
        Message(std::string(NoStylesMessage), std::string(ScriptWarningCaption), TMsgIcon::Information);
        return TScriptOutcome::Refused;
    }
    // A missing style changed the design and keeps its box; the rest wait in a list, since a
    // box for each at every refresh would stop the author at every click.
    std::vector<std::string> listed;
    for (const TScriptWarning& warning : script.Warnings) {
        if (warning.Kind == TScriptWarningKind::MissingStyle) {
            Message(warning.Text, std::string(ScriptWarningCaption), TMsgIcon::Information);
        } else {
            listed.push_back(warning.Text);
        }
    }
    if (listed != m_listedWarnings) {
        m_listedWarnings = std::move(listed);
        m_ui.ShowScriptWarnings(m_listedWarnings);
    }
    // The generator may have pointed the shown menu at the first style; the editor must not
    // hand the missing name back at the next commit.
    if (shown && shown->Options().MenuStyle.str() != styleBefore &&
        m_menuValueList.Value(MenuStyleRow()) == styleBefore) {
        m_menuValueList.SetValue(MenuStyleRow(), shown->Options().MenuStyle.str());
        NotifyEditor(TValueEditorId::MenuValueList);
    }
    const std::filesystem::path file = TempFolder() / "menu.js";
    if (WriteMenuScript(script, file) != TWriteStatus::Written) {
        m_ui.ReportError("Cannot create file " + PathText(file) + ".");
        return TScriptOutcome::NotWritten;
    }
    return TScriptOutcome::Written;
}

bool TTarvexEditor::GenerateMenuScript() {
    return WriteScript() == TScriptOutcome::Written;
}

void TTarvexEditor::RefreshPreview() {
    const TScriptOutcome outcome = WriteScript();
    m_scriptNotWritten = outcome == TScriptOutcome::NotWritten;
    m_scriptRefused = outcome == TScriptOutcome::Refused;
    // After a refusal the page still shows, with whatever menu.js an earlier run left.
    if (!m_scriptNotWritten) {
        m_ui.NavigatePreview(PathText(PreviewPagePath()));
    }
}

void TTarvexEditor::UpdatePreviewActionExecute() {
    TEditStep step(*this, {});
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
    ShowWrittenPreview(WritePreviewFromUserPage(PathFromUtf8(*path), PreviewPagePath()), *path);
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
    ShowWrittenPreview(CopyDefaultPreviewPage(defaultPage, PreviewPagePath()), PathText(defaultPage));
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
    for (TActionId id :
         {TActionId::NewGroupAction, TActionId::NewMenuItemAction, TActionId::ImportWinFavoritAction,
          TActionId::ImportBookmarksAction, TActionId::ImportSitemapAction, TActionId::ImportPageNavAction}) {
        SetActionEnabled(id, creator);
    }
    for (TActionId id : {TActionId::NewStyleAction, TActionId::StyleTemplateAction, TActionId::DelStyleAction,
                         TActionId::AddToFavoritesAction}) {
        SetActionEnabled(id, !creator);
    }
    DelGroupActionUpdate();
    DeleteMenuItemActionUpdate();
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
