#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "base/PathText.h"

#include <utility>

namespace tarvex {

using namespace editor_internal;

TTarvexEditor::TTarvexEditor(TUserInterface& ui, std::filesystem::path appFolder)
    : m_ui(ui), m_context(ui, m_document, std::move(appFolder)) {
    // The views first, then the preview, which then reads the design with the repairs the views
    // may not show.
    m_document.AddListener(this);
    m_document.AddListener(&m_preview);
    // New menu item starts on; Save doubles as the project-open indicator: off until the first
    // New; the style commands wait for their page.
    m_context.SetActionEnabled(TActionId::NewMenuItemAction, true);
    m_context.SetEnablingRule([this](TActionId id) { return ActionEnabled(id); });
}

TTarvexEditor::~TTarvexEditor() {
    m_document.RemoveListener(&m_preview);
    m_document.RemoveListener(this);
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

// ---- view input ----

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
    if (page == m_context.ActivePage()) {
        return;
    }
    m_context.SetActivePage(page);
    ControlsPageControlChange();
}

void TTarvexEditor::ShowFinding(std::size_t index) {
    const std::optional<TFindingPlace> place = m_preview.FindingPlace(index);
    if (!place) {
        return;
    }
    const TControlsPage page = place->Page;
    ShowPage(page);
    for (TTreeNode* up = place->Node->Parent(); up; up = up->Parent()) {
        m_context.Notify([up](TEditorListener& l) { l.ExpandNodeRequested(up); });
    }
    if (page == TControlsPage::MenuStyles) {
        m_styles.Select(place->Node);
    } else {
        m_objects.Select(place->Node);
    }
}

void TTarvexEditor::ShowPage(TControlsPage page) {
    if (ActivePage() != page) {
        SetActivePage(page);
        m_context.Notify([page](TEditorListener& l) { l.ActivePageChanged(page); });
    }
}

void TTarvexEditor::NewStyleCommand() {
    ShowPage(TControlsPage::MenuStyles);
    m_styles.NewStyleActionExecute();
}

void TTarvexEditor::StyleTemplateCommand() {
    ShowPage(TControlsPage::MenuStyles);
    m_favorites.StyleTemplateActionExecute();
}

void TTarvexEditor::ControlsPageControlChange() {
    m_objects.FillMenuStylePickList();
    const bool creator = ActivePage() == TControlsPage::MenuCreator;
    m_context.ShowQuickHelp(creator ? "menu.htm" : "style.htm");
    // The page's other commands follow the page by their rules.
    m_context.SetActionEnabled(TActionId::NewMenuItemAction, creator);
    m_context.SetActionEnabled(TActionId::DelStyleAction, !creator);
    m_context.SetActionEnabled(TActionId::AddToFavoritesAction, !creator);
    m_context.CommandStatesMaybeChanged();
}

void TTarvexEditor::SetupValueEditors() {
    m_objects.SetupValueEditors();
    m_styles.SetupValueEditor();
}

void TTarvexEditor::EditDesign(std::string_view name, const std::function<void()>& change) {
    TEditStep step(m_context, name);
    change();
}

// ---- start-up and shutdown ----

void TTarvexEditor::FormShow(TStartupOptions options) {
    m_favorites.Clear();
    m_context.SetActivePage(TControlsPage::MenuCreator);
    m_context.Notify([](TEditorListener& l) { l.ActivePageChanged(TControlsPage::MenuCreator); });
    m_files.LoadRecentFiles();
    m_favorites.LoadFavorites();
    SetupValueEditors();
    m_ui.NavigatePreview(PathText(m_preview.PreviewPagePath()));
    const bool askForStyle =
        options.StyleTemplateAtStartup && !options.ProjectNamed && !m_files.RecoveryCopiesWaiting();
    m_files.NewProject(askForStyle);
    m_context.SetTreeUpdateGuard(false);
    // Nothing counts as selected after start: New menu item waits for the first selection.
    m_objects.Deselect();
    m_files.OfferRecovery();
}

bool TTarvexEditor::FormCloseQuery() {
    if (!Modified()) {
        return true;
    }
    switch (Message(SaveQuestion(), ConfirmCaption(), TMsgIcon::Question, TMsgButtons::YesNoCancel)) {
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
        Message(TARVEX_TEXT("Editor",
                            "favorites.dat could not be read completely at start-up. It has been kept "
                            "as %1, and a new favorites.dat holds the favorite styles of this run.")
                    .Arg(PathText(*backup)),
                WarningCaption(), TMsgIcon::Information);
    }
    if (failed.empty()) {
        return;
    }
    const TUiText names = failed.size() > 1
                              ? TARVEX_TEXT("Editor", "%1 and %2").Arg(failed.front()).Arg(failed.back())
                              : TUiText::Verbatim(failed.front());
    // Said once, and the window still closes: there is nothing better to do at this point.
    Message(
        TARVEX_TEXT("Editor", "Unable to save %1 in the folder %2!").Arg(names).Arg(PathText(AppFolder())),
        ErrorCaption(), TMsgIcon::Information);
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

void TTarvexEditor::UndoOrRedo(bool undo) {
    if (undo) {
        m_document.Undo();
    } else {
        m_document.Redo();
    }
}

// The preview hears the same change after this, on its own.
void TTarvexEditor::DesignChanged(const TDesignChange& change) {
    switch (change.Kind) {
    case TDesignChange::TKind::Edited:
        // A style named or renamed must be offered in the options' drop-down at once.
        if (change.Styles) {
            m_objects.FillMenuStylePickList();
        }
        // The editors show what is stored.
        if (change.Touches(SelectedObject())) {
            m_objects.ReloadEditor();
        }
        if (change.Touches(SelectedStyle())) {
            m_styles.ReloadEditor();
        }
        break;
    case TDesignChange::TKind::Undone:
    case TDesignChange::TKind::Redone:
        m_objects.FillMenuStylePickList();
        ShowHistorySelection(change.Selection);
        break;
    case TDesignChange::TKind::Replaced:
        // The batch that built the design is over; the page's lists and commands follow it.
        m_context.SetTreeUpdateGuard(false);
        ControlsPageControlChange();
        break;
    }
}

void TTarvexEditor::ShowHistorySelection(TSelection selection) {
    TTreeNode* object = InTree(Project().Objects, selection.Object) ? selection.Object : nullptr;
    TTreeNode* style = InTree(Project().Styles, selection.Style) ? selection.Style : nullptr;

    m_objects.ShowSelection(object);
    m_styles.ShowSelection(style);
    const bool styleCommands = style && ActivePage() == TControlsPage::MenuStyles;
    m_context.SetActionEnabled(TActionId::DelStyleAction, styleCommands);
    m_context.SetActionEnabled(TActionId::AddToFavoritesAction, styleCommands);
}

void TTarvexEditor::DocumentStateChanged() {
    // Saved, discarded or undone to what the file holds: nothing left to recover.
    if (m_document.Modified()) {
        m_document.SetRecoveryDue(true);
    } else {
        m_files.RemoveRecoveryCopy();
    }
    m_context.CommandStatesMaybeChanged();
    std::string undo = UndoCaption();
    std::string redo = RedoCaption();
    if (undo != m_shownUndo || redo != m_shownRedo) {
        m_shownUndo = std::move(undo);
        m_shownRedo = std::move(redo);
        m_context.Notify([](TEditorListener& l) { l.ActionsChanged(); });
    }
    std::string title = WindowTitle().English();
    if (title != m_shownTitle) {
        m_shownTitle = std::move(title);
        m_context.Notify([](TEditorListener& l) { l.DocumentStateChanged(); });
    }
}

} // namespace tarvex
