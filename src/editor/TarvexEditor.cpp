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
      m_findFavoritesFolder(&FindFavoritesFolder), m_previewSite(TempFolder()) {
    if (const std::optional<std::string> site = ReadWholeFile(TempFolder() / PreviewSiteFileName)) {
        m_previewSite.Restore(*site);
    }
    // New menu item starts on; Save doubles as the project-open indicator: off until the first
    // New; the style commands wait for their page.
    m_switchedOn[static_cast<std::size_t>(TActionId::NewMenuItemAction)] = true;
    for (std::size_t i = 0; i < m_notifiedEnabled.size(); ++i) {
        m_notifiedEnabled[i] = ActionEnabled(static_cast<TActionId>(i));
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

void TTarvexEditor::CustomizeActionBars1Execute() {
    m_ui.ShowCustomizeDialog();
}

void TTarvexEditor::AboutActionExecute() {
    m_ui.ShowAboutBox();
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
