#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "RecordRows.h"
#include "base/PathText.h"
#include "model/RecordFields.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace tarvex {

using namespace editor_internal;

TTarvexEditor::TTarvexEditor(TUserInterface& ui, std::filesystem::path appFolder)
    : m_ui(ui), m_appFolder(std::move(appFolder)) {
    m_document.AddListener(this);
    // New menu item starts on; Save doubles as the project-open indicator: off until the first
    // New; the style commands wait for their page.
    m_switchedOn[static_cast<std::size_t>(TActionId::NewMenuItemAction)] = true;
    for (std::size_t i = 0; i < m_notifiedEnabled.size(); ++i) {
        m_notifiedEnabled[i] = ActionEnabled(static_cast<TActionId>(i));
    }
}

TTarvexEditor::~TTarvexEditor() {
    m_document.RemoveListener(this);
}

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
        return m_objects.MenuValueList();
    case TValueEditorId::MenuItemValueEditor:
        return m_objects.MenuItemValueEditor();
    case TValueEditorId::MenuStyleValueEditor:
        break;
    }
    return m_styles.MenuStyleValueEditor();
}

void TTarvexEditor::NotifyEditor(TValueEditorId id) {
    Notify([id](TEditorListener& l) { l.ValueEditorChanged(id); });
}

TMsgResult TTarvexEditor::Message(const std::string& text, const std::string& caption, TMsgIcon icon,
                                  TMsgButtons buttons) {
    return m_ui.ShowMessageBox(text, caption, icon, buttons);
}

std::optional<std::string> TTarvexEditor::RunFileDialog(bool save, TFileDialogRequest request) {
    // A name chosen earlier in this run beats the one the command suggests.
    if (const auto last = m_lastDialogNames.find(request.DialogName); last != m_lastDialogNames.end()) {
        request.InitialName = last->second;
    }
    std::optional<std::string> path = save ? m_ui.SaveFileDialog(request) : m_ui.OpenFileDialog(request);
    if (path) {
        m_lastDialogNames[request.DialogName] = *path;
    }
    return path;
}

// ---- view input ----

void TTarvexEditor::SelectObjectNode(TTreeNode* node) {
    TTreeNode* selected = m_objects.SelectedObject();
    if (!node && selected) {
        // The commands act on the selected node, so the view may not hide it: a click on empty
        // space keeps the selection, and the view is told to show it again.
        Notify([selected](TEditorListener& l) { l.ObjectSelectionChanged(selected); });
        return;
    }
    if (node == selected || (node && node->Tree() != &Project().Objects)) {
        return;
    }
    m_objects.ObjectsTreeViewChanging(node);
    m_objects.SetObjectSelection(node);
    m_objects.ObjectsTreeViewChange(node);
}

void TTarvexEditor::SelectStyleNode(TTreeNode* node) {
    TTreeNode* selected = m_styles.SelectedStyle();
    if (!node && selected) {
        Notify([selected](TEditorListener& l) { l.StyleSelectionChanged(selected); });
        return;
    }
    if (node == selected || (node && node->Tree() != &Project().Styles)) {
        return;
    }
    m_styles.MenuStyleTreeViewChanging(node);
    m_styles.SetStyleSelection(node);
}

void TTarvexEditor::SetRowValue(TValueEditorId editor, int row, std::string value) {
    // Out-of-range rows (from a grid) are ignored.
    if (const TValueRow* cell = ValueEditor(editor).Row(row)) {
        const std::string key = cell->Key;
        SetRowValue(editor, key, std::move(value));
    }
}

void TTarvexEditor::SetRowValue(TValueEditorId editor, std::string_view key, std::string value) {
    if (editor == TValueEditorId::MenuStyleValueEditor) {
        m_styles.ConfirmRow(key, EnteredText(value));
    } else {
        m_objects.ConfirmRow(editor, key, EnteredText(value));
    }
}

void TTarvexEditor::SetActivePage(TControlsPage page) {
    if (page == m_activePage) {
        return;
    }
    m_activePage = page;
    ControlsPageControlChange();
}

void TTarvexEditor::ControlsPageControlChange() {
    m_objects.FillMenuStylePickList();
    const bool creator = m_activePage == TControlsPage::MenuCreator;
    m_preview.ShowQuickHelp(creator ? "menu.htm" : "style.htm");
    // The page's other commands follow the page by their rules.
    SetActionEnabled(TActionId::NewMenuItemAction, creator);
    SetActionEnabled(TActionId::DelStyleAction, !creator);
    SetActionEnabled(TActionId::AddToFavoritesAction, !creator);
    CommandStatesMaybeChanged();
}

void TTarvexEditor::SetupValueEditors() {
    m_objects.SetupValueEditors();
    SetupRows<TMenuStyleRec>(m_styles.m_menuStyleValueEditor);
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

// ---- start-up and shutdown ----

void TTarvexEditor::FormShow(TStartupOptions options) {
    m_favorites.Clear();
    m_activePage = TControlsPage::MenuCreator;
    Notify([](TEditorListener& l) { l.ActivePageChanged(TControlsPage::MenuCreator); });
    m_files.LoadRecentFiles();
    m_favorites.LoadFavorites();
    SetupValueEditors();
    m_ui.NavigatePreview(PathText(m_preview.PreviewPagePath()));
    const bool askForStyle =
        options.StyleTemplateAtStartup && !options.ProjectNamed && !m_files.RecoveryCopiesWaiting();
    m_files.NewProject(askForStyle);
    m_treeUpdateGuard = false;
    // Nothing counts as selected after start: New menu item waits for the first selection.
    m_objects.ObjectsTreeViewChanging(nullptr);
    m_objects.SetObjectSelection(nullptr);
    m_objects.ObjectsTreeViewChange(nullptr);
    m_files.OfferRecovery();
}

bool TTarvexEditor::FormCloseQuery() {
    if (!Modified()) {
        return true;
    }
    switch (Message(SaveQuestion, "Confirm", TMsgIcon::Question, TMsgButtons::YesNoCancel)) {
    case TMsgResult::Yes:
        // The window stays when the save did not happen: closing would lose what was to be kept.
        return m_files.SaveAnsweringQuestion();
    case TMsgResult::No:
        return true;
    default:
        return false;
    }
}

void TTarvexEditor::FormClose(const std::function<void()>& saveWindowSettings) {
    // The close query let the window go: the changes were saved or the author discarded them.
    m_files.RemoveRecoveryCopy();
    m_document.ReleaseLock();
    m_favorites.ForgetBackup();
    std::vector<std::string> failed;
    if (!m_files.SaveRecentFiles()) {
        failed.push_back("menutarvex.dat");
    }
    if (saveWindowSettings) {
        saveWindowSettings();
    }
    if (!m_favorites.SaveFavorites()) {
        failed.push_back("favorites.dat");
    }
    if (const std::optional<std::filesystem::path>& backup = m_favorites.Backup()) {
        Message("favorites.dat could not be read completely at start-up. It has been kept as " +
                    PathText(*backup) + ", and a new favorites.dat holds the favorite styles of this run.",
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

// ---- edit steps, undo and redo, and what follows a change of the document ----

namespace {

// Whether `node` hangs in `tree` now (a node taken out by a step keeps its tree).
bool InTree(const TTree& tree, const TTreeNode* node) {
    if (!node || node->Tree() != &tree) {
        return false;
    }
    const TTreeNode* top = node;
    for (const TTreeNode* up = node; up; up = up->Parent()) {
        if (up->Parent() && up->Parent()->Child(up->Index()) != up) {
            return false;
        }
        top = up;
    }
    return tree.Root(top->Index()) == top;
}

} // namespace

TTarvexEditor::TEditStep::TEditStep(TTarvexEditor& editor, std::string_view name) : m_editor(editor) {
    editor.m_document.BeginStep(name, {editor.SelectedObject(), editor.SelectedStyle()});
}

TTarvexEditor::TEditStep::~TEditStep() {
    m_editor.m_document.EndStep({m_editor.SelectedObject(), m_editor.SelectedStyle()});
}

void TTarvexEditor::EditDesign(std::string_view name, const std::function<void()>& change) {
    TEditStep step(*this, name);
    change();
}

void TTarvexEditor::UndoOrRedo(bool undo) {
    if (undo) {
        m_document.Undo();
    } else {
        m_document.Redo();
    }
}

// The preview hears the same change on its own (it listens to the document after this).
void TTarvexEditor::DesignChanged(const TDesignChange& change) {
    switch (change.Kind) {
    case TDesignChange::TKind::Edited:
        // A style named or renamed must be offered in the options' drop-down at once.
        if (change.Styles) {
            m_objects.FillMenuStylePickList();
        }
        ShowStoredValues(change);
        break;
    case TDesignChange::TKind::Undone:
    case TDesignChange::TKind::Redone:
        m_objects.FillMenuStylePickList();
        ShowHistorySelection(change.Selection);
        break;
    case TDesignChange::TKind::Replaced:
        break;
    }
}

void TTarvexEditor::ShowStoredValues(const TDesignChange& change) {
    if (TTreeNode* object = m_objects.SelectedObject(); change.Touches(object) && !m_treeUpdateGuard) {
        m_objects.LoadMenuEditor(*object);
    }
    if (TTreeNode* style = m_styles.SelectedStyle(); change.Touches(style)) {
        m_styles.LoadStyleEditor(*style);
    }
}

void TTarvexEditor::ShowHistorySelection(TSelection selection) {
    TTreeNode* object = InTree(Project().Objects, selection.Object) ? selection.Object : nullptr;
    TTreeNode* style = InTree(Project().Styles, selection.Style) ? selection.Style : nullptr;

    m_objects.SetObjectSelection(object);
    if (object) {
        m_objects.LoadMenuEditor(*object);
    } else {
        m_objects.ClearMenuEditors();
    }
    m_objects.ObjectsTreeViewChange(object);

    m_styles.SetStyleSelection(style);
    if (style) {
        m_styles.m_menuStyleValueEditor.SetEnabled(true);
        m_styles.LoadStyleEditor(*style);
    } else {
        m_styles.ClearStyleEditor();
    }
    const bool styleCommands = style && m_activePage == TControlsPage::MenuStyles;
    SetActionEnabled(TActionId::DelStyleAction, styleCommands);
    SetActionEnabled(TActionId::AddToFavoritesAction, styleCommands);
}

void TTarvexEditor::DocumentStateChanged() {
    // Saved, discarded or undone to what the file holds: nothing left to recover.
    if (m_document.Modified()) {
        m_document.SetRecoveryDue(true);
    } else {
        m_files.RemoveRecoveryCopy();
    }
    CommandStatesMaybeChanged();
    std::string undo = UndoCaption();
    std::string redo = RedoCaption();
    if (undo != m_shownUndo || redo != m_shownRedo) {
        m_shownUndo = std::move(undo);
        m_shownRedo = std::move(redo);
        Notify([](TEditorListener& l) { l.ActionsChanged(); });
    }
    std::string title = WindowTitle();
    if (title != m_shownTitle) {
        m_shownTitle = std::move(title);
        Notify([](TEditorListener& l) { l.DocumentStateChanged(); });
    }
}

} // namespace tarvex
