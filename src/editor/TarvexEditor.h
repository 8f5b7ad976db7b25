#pragma once
// The behaviour of the main window without a window: the coordinator that wires the document, the
// shared context and the handler groups, and dispatches the view input and the commands to them.

#include "ActionId.h"
#include "EditCommands.h"
#include "EditorContext.h"
#include "EditorListener.h"
#include "FavoriteCommands.h"
#include "FileCommands.h"
#include "ImportCommands.h"
#include "ObjectsTreeCommands.h"
#include "PreviewCommands.h"
#include "StyleCommands.h"
#include "UserInterface.h"
#include "ValueEditor.h"

#include "document/DesignDocument.h"

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// Node texts, row values, paths and everything that reaches the UserInterface are UTF-8; typed
// text is cleaned (see EnteredText) as it comes in. Nothing here blocks: every command runs to its
// end and returns.
//
// A view drives it like this: the user's click on a node calls SelectObjectNode / SelectStyleNode
// (which run the Changing and Change handlers around the selection move); typed text goes into
// SetRowValue; a page switch calls SetActivePage; a menu entry, toolbar button or shortcut calls
// Execute with its command's id.
class TTarvexEditor : private TDocumentListener {
public:
    static constexpr const char* RepairMenuStyleStep = TPreviewCommands::RepairMenuStyleStep;
    using TEditStep = tarvex::TEditStep;

    // `appFolder` holds favorites.dat, menutarvex.dat, help/temp/ and help/online/.
    TTarvexEditor(TUserInterface& ui, std::filesystem::path appFolder);
    TTarvexEditor(const TTarvexEditor&) = delete;
    TTarvexEditor& operator=(const TTarvexEditor&) = delete;
    ~TTarvexEditor() override;

    void AddListener(TEditorListener* listener) { m_context.AddListener(listener); }
    void RemoveListener(TEditorListener* listener) { m_context.RemoveListener(listener); }

    // ---- the document and the handler groups ----
    TDesignDocument& Document() { return m_document; }
    const TDesignDocument& Document() const { return m_document; }
    TFileCommands& Files() { return m_files; }
    TObjectsTreeCommands& Objects() { return m_objects; }
    const TObjectsTreeCommands& Objects() const { return m_objects; }
    TStyleCommands& Styles() { return m_styles; }
    const TStyleCommands& Styles() const { return m_styles; }
    TFavoriteCommands& Favorites() { return m_favorites; }
    const TFavoriteCommands& Favorites() const { return m_favorites; }
    TImportCommands& Imports() { return m_imports; }
    TPreviewCommands& Preview() { return m_preview; }
    TEditCommands& Edit() { return m_edit; }
    const TEditCommands& Edit() const { return m_edit; }
    const TPreviewCommands& Preview() const { return m_preview; }

    // ---- state ----
    // The same TProject for the editor's whole life: New and Open empty and refill its trees.
    TProject& Project() { return m_document.Project(); }
    const TProject& Project() const { return m_document.Project(); }
    TTreeNode* SelectedObject() const { return m_context.SelectedObject(); }
    TTreeNode* SelectedStyle() const { return m_context.SelectedStyle(); }
    bool TreeUpdateGuard() const { return m_context.TreeUpdateGuard(); }
    const std::string& ProjectFileName() const { return m_document.FileName(); }
    TControlsPage ActivePage() const { return m_context.ActivePage(); }
    // What the command table's enabling rule says of the command now.
    bool ActionEnabled(TActionId id) const;
    // For the commands whose rule is SwitchedOn: whether the events that concern them left them on.
    bool SwitchedOn(TActionId id) const { return m_context.SwitchedOn(id); }
    const TValueEditor& ValueEditor(TValueEditorId id) const;
    const std::filesystem::path& AppFolder() const { return m_context.AppFolder(); }
    // Whether the design differs from the one opened, created or last saved.
    bool Modified() const { return m_document.Modified(); }
    std::string UndoCaption() const { return m_document.UndoCaption(); }
    std::string RedoCaption() const { return m_document.RedoCaption(); }
    TUiText UndoText() const { return m_document.UndoText(); }
    TUiText RedoText() const { return m_document.RedoText(); }
    TUiText WindowTitle() const { return m_document.Title(); }
    const TDesignHistory& History() const { return m_document.History(); }

    // ---- view input ----
    // The user moves a tree's selection (nullptr: none). Selecting the selected node does nothing.
    void SelectObjectNode(TTreeNode* node) { m_objects.Select(node); }
    void SelectStyleNode(TTreeNode* node) { m_styles.Select(node); }
    // A grid cell's text, confirmed (Enter, Tab, the keyboard or the mouse leaving the cell): it is
    // stored in the selected node or style at once, as a step of its own ("Change Menu Width") that
    // a second change of the same row joins. While the cell is open its text is the view's alone.
    void SetRowValue(TValueEditorId editor, int row, std::string value);
    void SetRowValue(TValueEditorId editor, std::string_view key, std::string value);
    // The user switches the left page control; runs ControlsPageControlChange when it changes.
    void SetActivePage(TControlsPage page);
    // Makes `change` one named undo step of the design, for callers that change it other than
    // through a command (tests, tools).
    void EditDesign(std::string_view name, const std::function<void()>& change);
    // Runs the command `id`'s handler from the command table, as its menu entry, toolbar button or
    // shortcut does.
    void Execute(TActionId id);
    // Selects the node or style of the finding at `index` of the preview's findings, on its page.
    void ShowFinding(std::size_t index);
    // Turns the left page control to `page`, as the author's own click would.
    void ShowPage(TControlsPage page);

    // ---- commands of the window as a whole ----
    void UndoActionExecute() { UndoOrRedo(true); }
    void RedoActionExecute() { UndoOrRedo(false); }
    void CustomizeActionBars1Execute() { m_ui.ShowCustomizeDialog(); }
    void AboutActionExecute() { m_ui.ShowAboutBox(); }
    // The Styles commands that make a style work from either page: they turn to the Menu styles
    // page first, where the new style is shown.
    void NewStyleCommand();
    void StyleTemplateCommand();
    void ControlsPageControlChange();
    void SetupValueEditors();

    // ---- start-up and shutdown ----
    // What the window knows before the first New: whether the author wants the Style template
    // at start-up, and whether a project named on the command line follows at once.
    struct TStartupOptions {
        bool StyleTemplateAtStartup = true;
        bool ProjectNamed = false;
    };
    // The start-up sequence's steps that are not window work: favourites and recent files read,
    // grids set up, preview shown, first New. The window applies its own settings before calling.
    // The first New asks for a favourite style only when no other design is about to replace it
    // (a named project, a design to recover) and the author has not turned the question off; else
    // it takes the first favourite.
    void FormShow(TStartupOptions options);
    void FormShow() { FormShow(TStartupOptions{}); }
    // The close query: asks the save question; false keeps the window open.
    bool FormCloseQuery();
    // The shutdown sequence: menutarvex.dat, then the window's own settings (`saveWindowSettings`,
    // may be empty), then favorites.dat.
    void FormClose(const std::function<void()>& saveWindowSettings = {});

private:
    // TDocumentListener
    void DesignChanged(const TDesignChange& change) override;
    void DocumentStateChanged() override;

    void UndoOrRedo(bool undo);
    // Selects what a step says and loads both editors from the records.
    void ShowHistorySelection(TSelection selection);
    TMsgResult Message(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                       TMsgButtons buttons = TMsgButtons::Ok) {
        return m_context.Message(text, caption, icon, buttons);
    }

    TUserInterface& m_ui;
    TDesignDocument m_document;
    TEditorContext m_context;
    // What the window was last told, so it hears only of changes.
    std::string m_shownUndo;
    std::string m_shownRedo;
    std::string m_shownTitle;

    // In the order they need each other.
    TPreviewCommands m_preview{m_context};
    TObjectsTreeCommands m_objects{m_context};
    TStyleCommands m_styles{m_context, m_preview};
    TFavoriteCommands m_favorites{m_context};
    TFileCommands m_files{m_context, m_objects, m_styles, m_favorites};
    TImportCommands m_imports{m_context, m_objects, m_files};
    TEditCommands m_edit{m_context, m_objects, m_styles};
};

} // namespace tarvex
