#pragma once
// The one door from the editor to the person and the platform: dialogs, messages, browsers, the shell.

#include "base/UiText.h"
#include "checks/DesignChecks.h"
#include "favorites/FavoritesStore.h"
#include "import/FavoritesFolder.h"
#include "import/ImportTree.h"
#include "script/MenuHtml.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

// Every text crossing this interface (messages, captions, prompts, answers, paths, addresses)
// is UTF-8, as record text is. What the person reads is a TUiText, translated when shown.

enum class TMsgIcon { Information, Question, Warning, Error };
// The last three name their buttons for what they do: Overwrite (Yes), "Save as…" (No) and Cancel;
// "Open anyway" (Ok) and Cancel; Recover (Yes, the default), Discard (No) and Later (Cancel).
enum class TMsgButtons {
    Ok,
    OkCancel,
    YesNoCancel,
    YesNo,
    OverwriteSaveAsCancel,
    OpenAnywayCancel,
    RecoverDiscardLater
};
// Closing a box without choosing answers Cancel (or Ok for a box that only has OK; No for Yes/No).
enum class TMsgResult { Ok, Cancel, Yes, No };

// One of the four file dialogs of the main window; the window may use the name to keep per-dialog state.
struct TFileDialogRequest {
    std::string DialogName; // "OpenProjectDialog", "SaveProjectDialog", "PublishDialog", "OpenHTMLDialog"
    // "Description|patterns|Description|patterns", patterns separated by ';'; marked for translation
    // as a whole in the context "Editor".
    std::string Filter;
    std::string DefaultExt;  // without the dot; added to a chosen name that has no extension
    std::string InitialName; // full path, a bare name (in InitialFolder) or empty
    // Where the dialog opens when no earlier choice of it names a folder: the project's folder,
    // empty while the design has no file.
    std::string InitialFolder;
    TUiText Title;               // the dialog's caption; empty for the toolkit's own
    std::size_t FilterIndex = 0; // the filter shown when the dialog opens, counted from 0
    bool OverwritePrompt = false;
    bool HideReadOnly = false;
    bool Resizable = false;
};

// One entry of the insert-favourite-style dialog.
struct TStyleTemplateEntry {
    std::string Name;        // as listed
    std::string PreviewPath; // <app>/Favorites/<name>.bmp; may not exist (then no picture)
};

// How the favourites-folder dialog was closed.
struct TFolderDialogResult {
    enum class TOutcome { Cancel, OkWithoutSelection, OkSelected };
    TOutcome Outcome = TOutcome::Cancel;
    // With OkSelected: the chosen entry, a node of the tree that was passed in.
    const TFavoriteEntry* Entry = nullptr;
};

class TSitePublisher;

class TUserInterface {
public:
    virtual ~TUserInterface() = default;

    // A modal message box.
    virtual TMsgResult ShowMessageBox(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                                      TMsgButtons buttons) = 0;
    // The one-line input prompt; nothing when cancelled.
    // The initial text is a value for the design and stays as it is in every language.
    virtual std::optional<std::string> InputQuery(const TUiText& caption, const TUiText& prompt,
                                                  const std::string& initialText) = 0;
    // The open and save dialogs; nothing when cancelled. A save dialog with OverwritePrompt asks
    // itself before an existing file is chosen.
    virtual std::optional<std::string> OpenFileDialog(const TFileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileDialog(const TFileDialogRequest& request) = 0;
    // A folder picker under `caption`, opening at `initialFolder`; nothing when cancelled.
    virtual std::optional<std::string> ChooseFolder(const TUiText& caption,
                                                    const std::string& initialFolder) = 0;

    // The colour dialog; it remembers the colour chosen last (black the first time). The value has
    // red in the lowest byte, then green, then blue. Nothing when cancelled.
    virtual std::optional<uint32_t> ChooseColor() = 0;
    // The platform's current colour for a system colour index, red in the lowest byte.
    virtual uint32_t SystemColor(uint32_t index) = 0;

    // Publish's choice of what the page will load, `suggested` chosen when it opens; nothing on
    // Cancel.
    virtual std::optional<TMenuOutput> ChoosePublishOutput(TMenuOutput suggested) = 0;
    // The modal "Publish to site" dialog over the project's targets.
    virtual void ShowPublishToSite(TSitePublisher& publisher) = 0;
    // The "Style template" dialog: opens with the first entry selected; the chosen position, or
    // nothing on Cancel, on the close box, or when nothing is selected.
    virtual std::optional<int> ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) = 0;
    // The "Select Favorities Folder" dialog over `root` (nullptr: an empty tree).
    virtual TFolderDialogResult ChooseFavoritesFolder(const TFavoriteEntry* root) = 0;
    // The review of an import under `caption`: the trees to choose from (one, or a page's several
    // navigations), each with check boxes that clear Included to leave branches out. The chosen
    // tree's index, or nothing for Cancel.
    virtual std::optional<int> ReviewImport(const TUiText& caption, std::vector<TImportChoice>& choices) = 0;

    // Asynchronous requests: they return at once.
    virtual void NavigatePreview(const std::string& path) = 0;
    virtual void ShowQuickHelpPage(const std::string& path) = 0;
    virtual void OpenWebAddress(const std::string& address) = 0;
    // The checks' findings on the design (errors first, the script's warnings among them),
    // replacing those shown before (none: nothing to mend). Shown without a modal box: the author
    // opens the list when ready, and a finding chosen there goes to TPreviewCommands::ShowFinding.
    virtual void ShowChecks(const std::vector<TCheckFinding>& findings) = 0;

    // Asked before a published file replaces an existing one; true replaces it.
    virtual bool ConfirmReplaceFile(const std::string& path) = 0;
    // The busy cursor while files are copied.
    virtual void SetBusy(bool busy) = 0;
    // The application's general error report: a message box with the error's text.
    virtual void ReportError(const TUiText& text) = 0;
    // The Customize dialog over the window's command bars; it stays open beside the window.
    // The clipboard, in project text: put it there (text, and a type of our own for Tarvex
    // windows); whether it offers our type, by the types it offers alone (another program's data,
    // of any size, is not fetched for this); and the project text under our type, read now: nothing
    // when there is none, and nothing kept when it is larger than `ceiling` bytes (TooLarge).
    virtual void SetClipboardProject(const std::string& projectText) = 0;
    virtual bool ClipboardOffersProject() = 0;
    struct TClipboardText {
        std::optional<std::string> Text;
        bool TooLarge = false;
    };
    virtual TClipboardText ClipboardProject(std::uint64_t ceiling) = 0;
    // Shows the find field above the page's tree, holding `text`, with the keyboard in it.
    virtual void ShowFindField(const std::string& text) = 0;
    virtual void ShowCustomizeDialog() = 0;
    // The modal About box.
    virtual void ShowAboutBox() = 0;
    // Closes the main window through its ordinary close sequence (FormCloseQuery, then FormClose).
    virtual void CloseMainWindow() = 0;
};

} // namespace tarvex
