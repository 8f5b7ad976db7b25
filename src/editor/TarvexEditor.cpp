#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "RecordRows.h"
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

TTarvexEditor::TTarvexEditor(TUserInterface& ui, std::filesystem::path appFolder)
    : m_ui(ui), m_appFolder(std::move(appFolder)), m_menuValueList(RowKeys<TMenuOptionsRec>()),
      m_menuItemValueEditor(RowKeys<TMenuItemRec>()), m_menuStyleValueEditor(RowKeys<TMenuStyleRec>()),
      m_findFavoritesFolder(&FindFavoritesFolder) {
    m_actionEnabled.fill(true);
    // Save doubles as the project-open indicator: off until the first New.
    m_actionEnabled[static_cast<std::size_t>(TActionId::SaveAction)] = false;
    m_actionEnabled[static_cast<std::size_t>(TActionId::acHelpGroup)] = false;
    m_actionEnabled[static_cast<std::size_t>(TActionId::UndoAction)] = false;
    m_actionEnabled[static_cast<std::size_t>(TActionId::RedoAction)] = false;
    for (TActionId id :
         {TActionId::DelGroupAction, TActionId::DeleteMenuItemAction, TActionId::NewStyleAction,
          TActionId::StyleTemplateAction, TActionId::DelStyleAction, TActionId::AddToFavoritesAction}) {
        m_actionEnabled[static_cast<std::size_t>(id)] = false;
    }
    m_menuItemValueEditor.SetVisible(false);
}

// ---- listeners and state ----

void TTarvexEditor::AddListener(TEditorListener* listener) {
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void TTarvexEditor::RemoveListener(TEditorListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

const TValueEditor& TTarvexEditor::ValueEditor(TValueEditorId id) const {
    switch (id) {
    case TValueEditorId::MenuValueList:
        return m_menuValueList;
    case TValueEditorId::MenuItemValueEditor:
        return m_menuItemValueEditor;
    case TValueEditorId::MenuStyleValueEditor:
        break;
    }
    return m_menuStyleValueEditor;
}

TValueEditor& TTarvexEditor::MutableEditor(TValueEditorId id) {
    return const_cast<TValueEditor&>(ValueEditor(id));
}

std::filesystem::path TTarvexEditor::TempFolder() const {
    return m_appFolder / "help" / "temp";
}

std::filesystem::path TTarvexEditor::PreviewPagePath() const {
    return TempFolder() / "preview.htm";
}

std::filesystem::path TTarvexEditor::HelpPagePath(const std::string& page) const {
    return m_appFolder / "help" / "online" / page;
}

void TTarvexEditor::NotifyEditor(TValueEditorId id) {
    Notify([id](TEditorListener& l) { l.ValueEditorChanged(id); });
}

void TTarvexEditor::SetActionEnabled(TActionId id, bool enabled) {
    bool& slot = m_actionEnabled[static_cast<std::size_t>(id)];
    if (slot != enabled) {
        slot = enabled;
        Notify([](TEditorListener& l) { l.ActionsChanged(); });
    }
}

TMsgResult TTarvexEditor::Message(const std::string& text, const std::string& caption, TMsgIcon icon,
                                  TMsgButtons buttons) {
    return m_ui.ShowMessageBox(text, caption, icon, buttons);
}

std::optional<std::string> TTarvexEditor::RunFileDialog(bool save, TFileDialogRequest request) {
    request.InitialName = m_lastDialogNames[request.DialogName];
    std::optional<std::string> path = save ? m_ui.SaveFileDialog(request) : m_ui.OpenFileDialog(request);
    if (path) {
        m_lastDialogNames[request.DialogName] = *path;
    }
    return path;
}

// ---- view input ----

void TTarvexEditor::SelectObjectNode(TTreeNode* node) {
    if (!node && m_selectedObject) {
        // The commands act on the selected node, so the view may not hide it: a click on empty
        // space keeps the selection, and the view is told to show it again.
        Notify([this](TEditorListener& l) { l.ObjectSelectionChanged(m_selectedObject); });
        return;
    }
    if (node == m_selectedObject || (node && node->Tree() != &m_project.Objects)) {
        return;
    }
    TEditStep step(*this, {});
    ObjectsTreeViewChanging(node);
    SetObjectSelection(node);
    ObjectsTreeViewChange(node);
}

void TTarvexEditor::SelectStyleNode(TTreeNode* node) {
    if (!node && m_selectedStyle) {
        Notify([this](TEditorListener& l) { l.StyleSelectionChanged(m_selectedStyle); });
        return;
    }
    if (node == m_selectedStyle || (node && node->Tree() != &m_project.Styles)) {
        return;
    }
    TEditStep step(*this, {});
    MenuStyleTreeViewChanging(node);
    SetStyleSelection(node);
}

void TTarvexEditor::SetObjectSelection(TTreeNode* node) {
    m_selectedObject = node;
    Notify([node](TEditorListener& l) { l.ObjectSelectionChanged(node); });
    DelGroupActionUpdate();
    DeleteMenuItemActionUpdate();
}

void TTarvexEditor::SetStyleSelection(TTreeNode* node) {
    m_selectedStyle = node;
    Notify([node](TEditorListener& l) { l.StyleSelectionChanged(node); });
}

void TTarvexEditor::SetRowValue(TValueEditorId editor, int row, std::string value) {
    MutableEditor(editor).SetValue(row, EnteredText(value));
    NotifyEditor(editor);
}

void TTarvexEditor::SetRowValue(TValueEditorId editor, std::string_view key, std::string value) {
    MutableEditor(editor).SetValue(key, EnteredText(value));
    NotifyEditor(editor);
}

void TTarvexEditor::SetActivePage(TControlsPage page) {
    if (page == m_activePage) {
        return;
    }
    TEditStep step(*this, {});
    CommitValueEditors();
    m_activePage = page;
    ControlsPageControlChange();
}

void TTarvexEditor::CommitValueEditors() {
    if (m_treeUpdateGuard) {
        return;
    }
    TEditStep step(*this, {});
    // Only an editor that holds the selected node's values may be written into it.
    if (m_selectedObject && m_loadedObject == m_selectedObject) {
        CommitRecord(*m_selectedObject);
        LoadMenuEditor(*m_selectedObject);
    }
    if (m_selectedStyle) {
        CommitRecord(*m_selectedStyle);
        LoadStyleEditor(*m_selectedStyle);
    }
}

// ---- commands ----

void TTarvexEditor::Execute(TActionId id) {
    using A = TActionId;
    switch (id) {
    case A::NewAction:
        NewActionExecute();
        break;
    case A::OpenAction:
        OpenActionExecute();
        break;
    case A::SaveAction:
        SaveActionExecute();
        break;
    case A::SaveAsAction:
        SaveAsActionExecute();
        break;
    case A::PublishAction:
        PublishActionExecute();
        break;
    case A::ExitAction:
        ExitActionExecute();
        break;
    case A::ExportHtmlAction:
        ExportHtmlActionExecute();
        break;
    case A::UndoAction:
        UndoActionExecute();
        break;
    case A::RedoAction:
        RedoActionExecute();
        break;
    case A::NewGroupAction:
        NewGroupActionExecute();
        break;
    case A::DelGroupAction:
        DelGroupActionExecute();
        break;
    case A::acHelpGroup:
        // Shown for its place in the Menu menu; it has no command and stays disabled.
        break;
    case A::NewMenuItemAction:
        NewMenuItemActionExecute();
        break;
    case A::DeleteMenuItemAction:
        DeleteMenuItemActionExecute();
        break;
    case A::acHelpMenu:
        acHelpMenuExecute();
        break;
    case A::NewStyleAction:
        NewStyleActionExecute();
        break;
    case A::StyleTemplateAction:
        StyleTemplateActionExecute();
        break;
    case A::DelStyleAction:
        DelStyleActionExecute();
        break;
    case A::AddToFavoritesAction:
        AddToFavoritesActionExecute();
        break;
    case A::acHelpStyles:
        acHelpStylesExecute();
        break;
    case A::UpdatePreviewAction:
        UpdatePreviewActionExecute();
        break;
    case A::OpenPreviewAction:
        OpenPreviewActionExecute();
        break;
    case A::DefaultPreviewAction:
        DefaultPreviewActionExecute();
        break;
    case A::ImportWinFavoritAction:
        ImportWinFavoritActionExecute();
        break;
    case A::ImportBookmarksAction:
        ImportBookmarksActionExecute();
        break;
    case A::ImportSitemapAction:
        ImportSitemapActionExecute();
        break;
    case A::ImportPageNavAction:
        ImportPageNavActionExecute();
        break;
    case A::CustomizeActionBars1:
        m_ui.ShowCustomizeDialog();
        break;
    case A::HelpHowUseAction:
        HelpHowUseActionExecute();
        break;
    case A::HomePageAction:
        HomePageActionExecute();
        break;
    case A::EMailToUsAction:
        EMailToUsActionExecute();
        break;
    case A::AboutAction:
        m_ui.ShowAboutBox();
        break;
    }
}

// ---- start-up and shutdown ----

void TTarvexEditor::FormShow() {
    m_favoriteStyles.clear();
    m_activePage = TControlsPage::MenuCreator;
    Notify([](TEditorListener& l) { l.ActivePageChanged(TControlsPage::MenuCreator); });

    m_recentFiles.Load(m_appFolder / "menutarvex.dat");
    Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
    LoadFavorites();
    SetupValueEditors();
    m_ui.NavigatePreview(PathText(PreviewPagePath()));

    NewActionExecute();

    m_treeUpdateGuard = false;
    // Nothing counts as selected after start: New menu item waits for the first selection.
    ObjectsTreeViewChanging(nullptr);
    SetObjectSelection(nullptr);
    ObjectsTreeViewChange(nullptr);
    OfferRecovery();
}

bool TTarvexEditor::FormCloseQuery() {
    CommitValueEditors();
    if (!Modified()) {
        return true;
    }
    switch (Message(SaveQuestion, "Confirm", TMsgIcon::Question, TMsgButtons::YesNoCancel)) {
    case TMsgResult::Yes:
        // The window stays when the save did not happen: closing would lose what was to be kept.
        return SaveAnsweringQuestion();
    case TMsgResult::No:
        return true;
    default:
        return false;
    }
}

void TTarvexEditor::FormClose(const std::function<void()>& saveWindowSettings) {
    // The close query let the window go: the changes were saved or the author discarded them.
    RemoveRecoveryCopy();
    m_projectLock.reset();
    m_favoritesBackup.reset();
    std::vector<std::string> failed;
    if (!m_recentFiles.SaveMerged(m_appFolder / "menutarvex.dat")) {
        failed.push_back("menutarvex.dat");
    }
    if (saveWindowSettings) {
        saveWindowSettings();
    }
    if (!SaveFavorites()) {
        failed.push_back("favorites.dat");
    }
    if (m_favoritesBackup) {
        Message("favorites.dat could not be read completely at start-up. It has been kept as " +
                    PathText(*m_favoritesBackup) +
                    ", and a new favorites.dat holds the favorite styles of this run.",
                "Warning", TMsgIcon::Information);
    }
    if (failed.empty()) {
        return;
    }
    std::string names = failed.front();
    if (failed.size() > 1) {
        names += " and " + failed.back();
    }
    // Said once, and the window still closes: there is nothing better to do at this point.
    Message("Unable to save " + names + " in the folder " + PathText(m_appFolder) + "!", "Error",
            TMsgIcon::Information);
}

} // namespace tarvex
