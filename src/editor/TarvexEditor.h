#pragma once
// The behaviour of the main window without a window: state, commands, handlers, start-up and shutdown.

#include "ActionId.h"
#include "EditorListener.h"
#include "UserInterface.h"
#include "ValueEditor.h"

#include "favorites/FavoritesStore.h"
#include "import/FavoritesFolder.h"
#include "import/WebImport.h"
#include "model/DesignHistory.h"
#include "model/Project.h"
#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"
#include "project/RecentFilesList.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

// Where a drag comes from; only the objects tree itself may drop onto the objects tree.
enum class TDragSource { ObjectsTreeView, Other };

// Node texts, row values, paths and everything that reaches the UserInterface are UTF-8; typed
// text is cleaned (see EnteredText) as it comes in. Nothing here blocks: every command runs to its end and
// returns.
//
// A view drives it like this: the user's click on a node calls SelectObjectNode / SelectStyleNode
// (which run the Changing and Change handlers around the selection move); typed text goes into
// SetRowValue; a page switch calls SetActivePage; a menu entry, toolbar button or shortcut calls
// Execute with its command's id.
class TTarvexEditor {
public:
    // `appFolder` holds favorites.dat, menutarvex.dat, help/temp/ and help/online/.
    TTarvexEditor(TUserInterface& ui, std::filesystem::path appFolder);
    TTarvexEditor(const TTarvexEditor&) = delete;
    TTarvexEditor& operator=(const TTarvexEditor&) = delete;

    // ---- listeners ----
    void AddListener(TEditorListener* listener);
    void RemoveListener(TEditorListener* listener);

    // ---- state ----
    // The same TProject for the editor's whole life: New and Open empty and refill its trees.
    TProject& Project() { return m_project; }
    const TProject& Project() const { return m_project; }
    TTreeNode* SelectedObject() const { return m_selectedObject; }
    TTreeNode* SelectedStyle() const { return m_selectedStyle; }
    bool TreeUpdateGuard() const { return m_treeUpdateGuard; }
    const std::string& ProjectFileName() const { return m_projectFileName; }
    TControlsPage ActivePage() const { return m_activePage; }
    bool ActionEnabled(TActionId id) const { return m_actionEnabled[static_cast<std::size_t>(id)]; }
    const TValueEditor& ValueEditor(TValueEditorId id) const;
    const TValueEditor& MenuValueList() const { return m_menuValueList; }
    const TValueEditor& MenuItemValueEditor() const { return m_menuItemValueEditor; }
    const TValueEditor& MenuStyleValueEditor() const { return m_menuStyleValueEditor; }
    const std::vector<TFavoriteStyleRec>& FavoriteStyles() const { return m_favoriteStyles; }
    const TRecentFilesList& RecentFiles() const { return m_recentFiles; }
    const std::filesystem::path& AppFolder() const { return m_appFolder; }
    std::filesystem::path TempFolder() const;
    std::filesystem::path PreviewPagePath() const;
    std::filesystem::path HelpPagePath(const std::string& page) const;

    // ---- view input ----
    // The user moves a tree's selection (nullptr: none). Selecting the selected node does nothing.
    void SelectObjectNode(TTreeNode* node);
    void SelectStyleNode(TTreeNode* node);
    // Text typed into a grid cell; the record is written at the next commit.
    void SetRowValue(TValueEditorId editor, int row, std::string value);
    void SetRowValue(TValueEditorId editor, std::string_view key, std::string value);
    // The user switches the left page control; runs ControlsPageControlChange when it changes.
    void SetActivePage(TControlsPage page);
    // Puts what the value editors hold into the records of the selected node and style and
    // reloads them, without moving a selection or refreshing the preview. Every command that
    // reads or writes the design runs it first, so nothing typed is lost to a save or a close.
    void CommitValueEditors();

    // ---- commands ----
    // Runs the command `id` as its menu entry, toolbar button or shortcut does; the two that are
    // window work (the Customize dialog, the About box) go to the UserInterface.
    void Execute(TActionId id);

    // ---- undo and redo ----
    // Whether the design differs from the one opened, created or last saved.
    bool Modified() const { return m_history.Modified(); }
    // "Undo Change Caption", or plain "Undo" when there is nothing to take back; Redo the same.
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    // "site.xml* — Korvane Tarvex": the project's file name ("Untitled" before the first save),
    // marked with "*" while the design has changed.
    std::string WindowTitle() const;
    // Both first commit what the value editors hold, so typed values are a step of their own.
    void UndoActionExecute();
    void RedoActionExecute();
    const TDesignHistory& History() const { return m_history; }

    // ---- start-up and shutdown ----
    // The start-up sequence's steps that are not window work: favourites and recent files read,
    // grids set up, preview shown, first New. The window applies its own settings before calling.
    void FormShow();
    // The close query: asks the save question; false keeps the window open.
    bool FormCloseQuery();
    // The shutdown sequence: menutarvex.dat, then the window's own settings (`saveWindowSettings`,
    // may be empty), then favorites.dat.
    void FormClose(const std::function<void()>& saveWindowSettings = {});

    // ---- project lifecycle ----
    void NewActionExecute();
    bool ConfirmAndClearProject(bool askToSave = true);
    // True when the load went ahead.
    bool LoadProject(const std::string& path, bool askToSave = true);
    void OpenActionExecute();
    // Opens `path` as Open does once a file is chosen. `askToSave` false: the design in the
    // window is the untouched one of the start-up, replaced without the save question.
    void OpenProjectFile(const std::string& path, bool askToSave = true);
    void SaveActionExecute();
    void SaveAsActionExecute();
    void PublishActionExecute();
    void ExitActionExecute();

    // ---- objects tree ----
    void ObjectsTreeViewChanging(TTreeNode* newNode);
    void ObjectsTreeViewChange(TTreeNode* node);
    bool ObjectsTreeViewDragOver(TDragSource source) const;
    // `target` is the node under the mouse at the drop point, nullptr for empty space.
    void ObjectsTreeViewDragDrop(TDragSource source, TTreeNode* target);
    // Whether a drop of the selected node on `target` (null: below every node) would move it;
    // the view shows the refusal cursor before the drop otherwise.
    bool ObjectsTreeViewMayDrop(TDragSource source, const TTreeNode* target) const;
    // The new group, which is then selected.
    TTreeNode* AddMenuGroup(const std::string& name, const std::string& address);
    TTreeNode* AddMenuItem(const std::string& name, const std::string& address);
    void NewGroupActionExecute();
    void DelGroupActionExecute();
    void DelGroupActionUpdate();
    // The Delete key in the objects tree: the group or item command for the selected node, with
    // its confirmation; a Menu Options node stays.
    void DeleteSelectedObjectExecute();
    void NewMenuItemActionExecute();
    void DeleteMenuItemActionExecute();
    void DeleteMenuItemActionUpdate();
    void ClearMenuEditors();
    void SetupValueEditors();

    // ---- style list ----
    void MenuStyleTreeViewChanging(TTreeNode* newNode);
    // The "..." button of the style editor's row `row` was pressed.
    void MenuStyleValueEditorEditButtonClick(int row);
    // Six upper-case hex digits, red first; a value with the top bit set is a system colour index.
    std::string ColorToHex(uint32_t color) const;
    void ClearStyleEditor();
    void NewStyleActionExecute();
    void DelStyleActionExecute();

    // ---- favourites ----
    void AddToFavoritesActionExecute();
    void StyleTemplateActionExecute();
    void LoadFavorites();
    // False when favorites.dat could not be written.
    bool SaveFavorites();

    // ---- preview ----
    // Generates menu.js into the temp folder, showing the refusal or the warnings; false when
    // nothing was written.
    bool GenerateMenuScript();
    void RefreshPreview();
    void UpdatePreviewActionExecute();
    void OpenPreviewActionExecute();
    void DefaultPreviewActionExecute();

    // ---- pages, help and web ----
    void ControlsPageControlChange();
    void ShowQuickHelp(const std::string& page);
    void OpenWebPage(const std::string& address);
    void HomePageActionExecute();
    void EMailToUsActionExecute();
    void HelpHowUseActionExecute();
    void acHelpMenuExecute();
    void acHelpStylesExecute();

    // ---- recent files ----
    void AddRecentFile();
    void InsertRecentFile();
    // `position` 0 is the newest entry; out-of-range positions do nothing.
    void ReopenActionExecute(int position);

    // ---- import ----
    void ImportWinFavoritActionExecute();
    void ImportFavoritesFolder(const TFavoriteEntry& entry);
    void ImportBookmarksActionExecute();
    void ImportSitemapActionExecute();
    void ImportPageNavActionExecute();
    // Adds the included part of an imported tree beside the selected node, as the folder import
    // adds its group, selects it and refreshes the preview. The one way an imported tree enters the
    // design. Returns the new group.
    TTreeNode* InsertImportedTree(const TImportEntry& tree);
    void ExportHtmlActionExecute();
    // Where the import looks for the Favorites folder (FindFavoritesFolder unless replaced).
    void SetFavoritesFolderFinder(std::function<std::optional<std::filesystem::path>()> finder);

private:
    void RunWebImport(const std::string& dialogName, const std::string& filter, const std::string& defaultExt,
                      const std::string& caption,
                      const std::function<TImportChoices(const std::filesystem::path&)>& read);

    enum class TScriptOutcome { Written, Refused, NotWritten };
    enum class TCommitFirst { No, Yes };

    // One undo step around a change of the design, for as long as it lives. Steps nest: the
    // outermost one is the step, named by the first non-empty name, or else by the value rows its
    // commits changed ("Change Caption", "Change 3 values"). With TCommitFirst::Yes the typed
    // values are committed before, as a step of their own.
    class TEditStep {
    public:
        TEditStep(TTarvexEditor& editor, std::string_view name, TCommitFirst commitFirst = TCommitFirst::No);
        TEditStep(const TEditStep&) = delete;
        TEditStep& operator=(const TEditStep&) = delete;
        ~TEditStep();

    private:
        TTarvexEditor& m_editor;
    };

    // The sentences of Publish's closing report when not all three files were written.
    std::string PublishReport(const std::filesystem::path& target, const TPublishResult& result) const;

    TValueEditor& MutableEditor(TValueEditorId id);
    TScriptOutcome WriteScript();
    void SetObjectSelection(TTreeNode* node);
    void SetStyleSelection(TTreeNode* node);
    void SetActionEnabled(TActionId id, bool enabled);
    // Commits the value editor of `node`'s kind into it, noting the rows whose stored value changed
    // for the step's name.
    void CommitRecord(TTreeNode& node);
    void CommitMenuOptions(TTreeNode& node);
    void CommitMenuItem(TTreeNode& node);
    // Shows the refusal when a typed name would be an empty caption.
    bool RefuseBlankCaption(std::string_view caption);
    void LoadMenuEditor(TTreeNode& node);
    void CommitStyle(TTreeNode& node);
    void LoadStyleEditor(const TTreeNode& node);
    // Reports a failed preview-page write, or shows the page that was written.
    void ShowWrittenPreview(TPreviewStatus status, const std::string& sourceText);
    void ConfirmAndDeleteSelectedObject(std::string_view kindWords);
    void DeleteSelectedObject();
    void DeleteSelectedStyle();
    void UndoOrRedo(bool undo);
    // Offers the style list's names in the options editor's Menu Style row.
    void FillMenuStylePickList();
    // Selects what a step says without committing the editors (they hold what the step replaced)
    // and loads both editors from the records.
    void ShowHistorySelection(TDesignHistory::TSelection selection);
    // Tells the window about the Undo and Redo commands, the changed state and the title.
    void HistoryChanged();
    TMsgResult Message(const std::string& text, const std::string& caption, TMsgIcon icon,
                       TMsgButtons buttons = TMsgButtons::Ok);
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

    TProject m_project;
    // Declared after the project: it listens to the project's trees and lets go of them first.
    TDesignHistory m_history{m_project};
    int m_editDepth = 0;
    std::string m_editName;
    std::vector<std::string> m_changedRows;
    // What the window was last told, so it hears only of changes.
    std::string m_shownUndo;
    std::string m_shownRedo;
    std::string m_shownTitle;
    TTreeNode* m_selectedObject = nullptr;
    TTreeNode* m_selectedStyle = nullptr;
    // The node whose record an objects editor was last loaded from; the generator's repairs of
    // that record are carried into the options editor so a stale style name is not committed back.
    TTreeNode* m_loadedObject = nullptr;
    bool m_treeUpdateGuard = false;
    // The last RefreshPreview could not write menu.js; the commands that called it stop there.
    bool m_scriptNotWritten = false;
    // The last RefreshPreview's generator refused (no style): there is no script to publish.
    bool m_scriptRefused = false;
    // The script warnings the window lists now, so it is told only when they change.
    std::vector<std::string> m_listedWarnings;
    std::string m_projectFileName;
    TControlsPage m_activePage = TControlsPage::MenuCreator;
    std::array<bool, ActionCount> m_actionEnabled{};

    TValueEditor m_menuValueList;
    TValueEditor m_menuItemValueEditor;
    TValueEditor m_menuStyleValueEditor;

    std::vector<TFavoriteStyleRec> m_favoriteStyles;
    // How favorites.dat read at start-up: one that did not read cleanly is kept as a backup
    // before the close writes a new one.
    TFavoritesFileState m_favoritesState = TFavoritesFileState::Missing;
    std::optional<std::filesystem::path> m_favoritesBackup;
    TRecentFilesList m_recentFiles;

    // Each file dialog offers the name chosen in it last during this run.
    std::map<std::string, std::string> m_lastDialogNames;

    std::function<std::optional<std::filesystem::path>()> m_findFavoritesFolder;
};

} // namespace tarvex
