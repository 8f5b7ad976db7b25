#pragma once
// The behaviour of the main window without a window: the coordinator of the document, the command
// table and the handler groups. It owns the view input and the state the groups share.

#include "ActionId.h"
#include "EditCommands.h"
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
    static constexpr const char* RepairMenuStyleStep = "Repair menu style";

    // `appFolder` holds favorites.dat, menutarvex.dat, help/temp/ and help/online/.
    TTarvexEditor(TUserInterface& ui, std::filesystem::path appFolder);
    TTarvexEditor(const TTarvexEditor&) = delete;
    TTarvexEditor& operator=(const TTarvexEditor&) = delete;
    ~TTarvexEditor() override;

    void AddListener(TEditorListener* listener);
    void RemoveListener(TEditorListener* listener);

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
    TTreeNode* SelectedObject() const { return m_objects.SelectedObject(); }
    TTreeNode* SelectedStyle() const { return m_styles.SelectedStyle(); }
    bool TreeUpdateGuard() const { return m_treeUpdateGuard; }
    const std::string& ProjectFileName() const { return m_document.FileName(); }
    TControlsPage ActivePage() const { return m_activePage; }
    // What the command table's enabling rule says of the command now.
    bool ActionEnabled(TActionId id) const;
    const TValueEditor& ValueEditor(TValueEditorId id) const;
    const std::filesystem::path& AppFolder() const { return m_appFolder; }
    // Whether the design differs from the one opened, created or last saved.
    bool Modified() const { return m_document.Modified(); }
    std::string UndoCaption() const { return m_document.UndoCaption(); }
    std::string RedoCaption() const { return m_document.RedoCaption(); }
    std::string WindowTitle() const { return m_document.Title(); }
    const TDesignHistory& History() const { return m_document.History(); }

    // ---- view input ----
    // The user moves a tree's selection (nullptr: none). Selecting the selected node does nothing.
    void SelectObjectNode(TTreeNode* node);
    void SelectStyleNode(TTreeNode* node);
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

    // ---- commands of the window as a whole ----
    void UndoActionExecute() { UndoOrRedo(true); }
    void RedoActionExecute() { UndoOrRedo(false); }
    void CustomizeActionBars1Execute() { m_ui.ShowCustomizeDialog(); }
    void AboutActionExecute() { m_ui.ShowAboutBox(); }
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

    // One undo step around a change of the design, for as long as it lives. Steps nest: the
    // outermost one is the step. The views and the preview follow once the outermost step ends.
    class TEditStep {
    public:
        TEditStep(TTarvexEditor& editor, std::string_view name);
        TEditStep(const TEditStep&) = delete;
        TEditStep& operator=(const TEditStep&) = delete;
        ~TEditStep();

    private:
        TTarvexEditor& m_editor;
    };

private:
    friend struct TCommandRules;
    friend class TFileCommands;
    friend class TObjectsTreeCommands;
    friend class TStyleCommands;
    friend class TFavoriteCommands;
    friend class TImportCommands;
    friend class TPreviewCommands;
    friend class TEditCommands;

    // TDocumentListener
    void DesignChanged(const TDesignChange& change) override;
    void DocumentStateChanged() override;

    void UndoOrRedo(bool undo);
    // Selects what a step says without committing the editors (they hold what the step replaced)
    // and loads both editors from the records.
    void ShowHistorySelection(TSelection selection);
    // The editors show what is stored: reloaded when a step touched the node they show.
    void ShowStoredValues(const TDesignChange& change);
    // For the commands whose rule is SwitchedOn: the events that concern them switch them.
    void SetActionEnabled(TActionId id, bool enabled);
    // Tells the listeners when a command's enabled state differs from what they were last told.
    void CommandStatesMaybeChanged();
    TMsgResult Message(const std::string& text, const std::string& caption, TMsgIcon icon,
                       TMsgButtons buttons = TMsgButtons::Ok);
    // Each file dialog offers the name chosen in it last during this run.
    std::optional<std::string> RunFileDialog(bool save, TFileDialogRequest request);
    void NotifyEditor(TValueEditorId id);
    template <typename F> void Notify(F&& f) {
        for (TEditorListener* l : m_listeners) {
            f(*l);
        }
    }

    TUserInterface& m_ui;
    std::filesystem::path m_appFolder;
    std::vector<TEditorListener*> m_listeners;
    TDesignDocument m_document;
    // Set by the commands that restructure the trees in a batch: the trees' own selection
    // notifications neither commit nor load meanwhile.
    bool m_treeUpdateGuard = false;
    TControlsPage m_activePage = TControlsPage::MenuCreator;
    // The state of the commands switched on and off by events rather than derived.
    std::array<bool, ActionCount> m_switchedOn{};
    std::array<bool, ActionCount> m_notifiedEnabled{};
    // What the window was last told, so it hears only of changes.
    std::string m_shownUndo;
    std::string m_shownRedo;
    std::string m_shownTitle;
    std::map<std::string, std::string> m_lastDialogNames;

    TFileCommands m_files{*this};
    TObjectsTreeCommands m_objects{*this};
    TStyleCommands m_styles{*this};
    TFavoriteCommands m_favorites{*this};
    TImportCommands m_imports{*this};
    TPreviewCommands m_preview{*this};
    TEditCommands m_edit{*this};
};

} // namespace tarvex
