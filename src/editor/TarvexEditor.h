#pragma once
// The behaviour of the main window without a window: state, commands, handlers, start-up and shutdown.

#include "ActionId.h"
#include "EditorListener.h"
#include "UserInterface.h"
#include "ValueEditor.h"

#include "base/FileIdentity.h"
#include "base/LockFile.h"
#include "favorites/FavoritesStore.h"
#include "import/FavoritesFolder.h"
#include "import/WebImport.h"
#include "model/DesignHistory.h"
#include "model/Project.h"
#include "preview/PreviewPage.h"
#include "preview/PreviewSite.h"
#include "preview/PublishFiles.h"
#include "project/ProjectWriter.h"
#include "project/RecentFilesList.h"
#include "project/RecoveryCopy.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
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
    static constexpr const char* RepairMenuStyleStep = "Repair menu style";

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
    // What the command table's enabling rule says of the command now.
    bool ActionEnabled(TActionId id) const;
    const TValueEditor& ValueEditor(TValueEditorId id) const;
    const TValueEditor& MenuValueList() const { return m_menuValueList; }
    const TValueEditor& MenuItemValueEditor() const { return m_menuItemValueEditor; }
    const TValueEditor& MenuStyleValueEditor() const { return m_menuStyleValueEditor; }
    const std::vector<TFavoriteStyleRec>& FavoriteStyles() const { return m_favoriteStyles; }
    const TRecentFilesList& RecentFiles() const { return m_recentFiles; }
    const std::filesystem::path& AppFolder() const { return m_appFolder; }
    std::filesystem::path TempFolder() const;
    std::filesystem::path PreviewPagePath() const;
    // Which files the preview may read and hand to the system.
    const TPreviewSite& PreviewSite() const { return m_previewSite; }
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

    // Makes `change` one named undo step of the design, for callers that change it other than
    // through a command (tests, tools). What the value editors hold is committed first.
    void EditDesign(std::string_view name, const std::function<void()>& change);

    // ---- commands ----
    // Runs the command `id`'s handler from the command table, as its menu entry, toolbar button or
    // shortcut does.
    void Execute(TActionId id);
    // Window work: they go to the UserInterface.
    void CustomizeActionBars1Execute();
    void AboutActionExecute();

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
    // A file dropped on the window: a project opens, a bookmarks file, site map or page goes to
    // its import; anything else is refused with a message.
    void OpenDroppedFile(const std::string& path);
    // True when the project file was written.
    bool SaveActionExecute();
    bool SaveAsActionExecute();
    // The two as commands, whose outcome the author sees for themselves.
    void SaveCommand() { SaveActionExecute(); }
    void SaveAsCommand() { SaveAsActionExecute(); }
    void PublishActionExecute();
    void ExitActionExecute();
    // The window came back to the front: a project file another program changed meanwhile is
    // offered for reloading when the design holds no unsaved change.
    void WindowActivated();

    // ---- recovery copies ----
    // Whether the design changed since its recovery copy was written. The window writes it a few
    // seconds after a change (WriteRecoveryCopy), so typing never waits for the disk.
    bool RecoveryCopyDue() const { return m_recoveryDue; }
    void WriteRecoveryCopy();
    // Offers in one question the copies that windows no longer running left: Recover (the newest
    // comes back as a changed design under its own file name), Discard, or Later.
    void OfferRecovery();
    std::filesystem::path RecoveryFolder() const { return m_appFolder / "recovery"; }

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
    friend struct TCommandRules;

    using TImportReader = TImportChoices (*)(const std::filesystem::path&);
    void RunWebImport(const std::string& dialogName, const std::string& filter, const std::string& defaultExt,
                      const std::string& caption, TImportReader read);
    // Reads `file`, lets the author review its tree and adds what was kept as one step.
    void ReviewImport(const std::filesystem::path& file, const std::string& caption, TImportReader read);

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

    void RemoveRecoveryCopy();
    void RecoverDesign(const TRecoveryCopy& copy);
    enum class TDiskAnswer { Write, SaveAs, Cancel };
    // Before Save writes over the project file: asks when another program changed it since.
    TDiskAnswer CheckDiskBeforeSave();
    // A lock on `file` for this window, asking first (with `ask`) when another window holds it;
    // nothing when the author cancels, an empty lock when there is nothing new to hold. Keeps the lock this
    // window already holds on the same file.
    std::optional<std::unique_ptr<TLockFile>> LockProjectFile(const std::filesystem::path& file,
                                                              bool ask = true);
    // Notes what the project file is now, after it was read or written.
    void KeepFileIdentity(std::optional<TFileIdentity> identity);
    // Save after a Yes to the save question; false (with the file name as it was) when nothing
    // was written, and the command that asked must stop.
    bool SaveAnsweringQuestion();
    TValueEditor& MutableEditor(TValueEditorId id);
    TScriptOutcome WriteScript();
    // Points every written menu whose style is gone at the first style, as one step of its own,
    // with the generator's box for each; the script would use that style anyway.
    void RepairMenuStyles();
    // Gives each written level without options a Menu Options node (main-menu defaults) first.
    void AddMissingMenuOptions();
    void SetObjectSelection(TTreeNode* node);
    void SetStyleSelection(TTreeNode* node);
    // For the commands whose rule is SwitchedOn: the events that concern them switch them.
    void SetActionEnabled(TActionId id, bool enabled);
    // Tells the listeners when a command's enabled state differs from what they were last told.
    void CommandStatesMaybeChanged();
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
    // The folder whose files the author's page may use: its own, or one above it the author
    // picks when the page refers upwards. Nothing when the author cancels.
    std::optional<std::filesystem::path> ChoosePreviewSiteFolder(const std::filesystem::path& page);
    void KeepPreviewSite();
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
    // Says why a save failed, naming the file's own folder; offers Save as where the folder is
    // the reason.
    bool ReportFailedSave(TSaveStatus status);
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
    // The node whose record an objects editor was last loaded from; a style repair of that record
    // is carried into the options editor so a stale style name is not committed back.
    TTreeNode* m_loadedObject = nullptr;
    bool m_treeUpdateGuard = false;
    // A RefreshPreview asked for inside an edit step, run when the outermost step ends.
    bool m_refreshPending = false;
    // Undo or redo is showing the design a step left; no repair may take that step's place.
    bool m_replayingHistory = false;
    // The last RefreshPreview could not write menu.js; the commands that called it stop there.
    bool m_scriptNotWritten = false;
    // The last RefreshPreview's generator refused (no style): there is no script to publish.
    bool m_scriptRefused = false;
    // The author has been told the design cannot be compiled.
    bool m_refusalSaid = false;
    // The script warnings the window lists now, so it is told only when they change.
    std::vector<std::string> m_listedWarnings;
    std::string m_projectFileName;
    // The project file as this design last read or wrote it, and which file that was.
    std::optional<TFileIdentity> m_fileIdentity;
    std::string m_identityFileName;
    // Tells other windows that this one has the project file open; none for a design never saved
    // or a folder that takes no lock.
    std::unique_ptr<TLockFile> m_projectLock;
    // This window, as its recovery copy names it.
    TLockOwner m_window = NewWindowOwner();
    bool m_recoveryDue = false;
    // The content of a change on disk the author chose not to reload: not offered again.
    std::optional<std::uint64_t> m_reloadDeclined;
    TControlsPage m_activePage = TControlsPage::MenuCreator;
    // The state of the commands switched on and off by events rather than derived.
    std::array<bool, ActionCount> m_switchedOn{};
    std::array<bool, ActionCount> m_notifiedEnabled{};

    TValueEditor m_menuValueList;
    TValueEditor m_menuItemValueEditor;
    TValueEditor m_menuStyleValueEditor;

    std::vector<TFavoriteStyleRec> m_favoriteStyles;
    // favorites.dat as this window last read or wrote it: what its own changes are measured from.
    std::vector<TFavoriteStyleRec> m_favoritesBase;
    TFavoritesFileState m_favoritesState = TFavoritesFileState::Missing;
    std::optional<std::filesystem::path> m_favoritesBackup;
    TRecentFilesList m_recentFiles;

    // Each file dialog offers the name chosen in it last during this run.
    std::map<std::string, std::string> m_lastDialogNames;

    std::function<std::optional<std::filesystem::path>()> m_findFavoritesFolder;
    TPreviewSite m_previewSite;
};

} // namespace tarvex
