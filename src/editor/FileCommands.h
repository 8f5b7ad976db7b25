#pragma once
// The commands on the project file: New, Open, Save, Save as, the recent files, changes on disk,
// other windows' locks and the recovery copies.

#include "EditorContext.h"
#include "UserInterface.h"

#include "document/DesignDocument.h"

#include "base/LockFile.h"
#include "project/ProjectWriter.h"
#include "project/RecentFilesList.h"
#include "project/RecoveryCopy.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace tarvex {

class TFavoriteCommands;
class TObjectsTreeCommands;
class TStyleCommands;

class TFileCommands {
public:
    // New and Open empty the trees through `objects` and `styles`; New takes its first style from
    // `favorites`.
    TFileCommands(TEditorContext& context, TObjectsTreeCommands& objects, TStyleCommands& styles,
                  TFavoriteCommands& favorites)
        : m_context(context), m_objects(objects), m_styles(styles), m_favorites(favorites) {}

    void NewActionExecute() { NewProject(true); }
    // New, with the favourite style asked for (`askForStyle`) or, without a question, the first
    // favourite.
    void NewProject(bool askForStyle);
    // Asks the save question (with `askToSave`), then empties both trees; false when the author
    // cancelled or a Yes could not save.
    bool ConfirmAndClearProject(bool askToSave = true);
    // The save question alone: false when the author cancelled or a Yes could not save.
    bool ConfirmDiscard(bool askToSave = true);
    // Nothing selected, and the tree views left alone until the new design is in place.
    void LeaveSelection();
    // True when the load went ahead.
    bool LoadProject(const std::string& path, bool askToSave = true);
    void OpenActionExecute();
    // Opens `path` as Open does once a file is chosen. `askToSave` false: the design in the
    // window is the untouched one of the start-up, replaced without the save question.
    void OpenProjectFile(const std::string& path, bool askToSave = true);
    // True when the project file was written.
    bool SaveActionExecute();
    bool SaveAsActionExecute();
    // The two as commands, whose outcome the author sees for themselves.
    void SaveCommand() { SaveActionExecute(); }
    void SaveAsCommand() { SaveAsActionExecute(); }
    void ExitActionExecute();
    // The window came back to the front: a project file another program changed meanwhile is
    // offered for reloading when the design holds no unsaved change.
    void WindowActivated();
    // Save after a Yes to the save question; false (with the file name as it was) when nothing
    // was written, and the command that asked must stop.
    bool SaveAnsweringQuestion();

    // ---- recent files ----
    const TRecentFilesList& RecentFiles() const { return m_recentFiles; }
    void LoadRecentFiles();
    bool SaveRecentFiles();
    void AddRecentFile();
    void InsertRecentFile();
    // `position` 0 is the newest entry; out-of-range positions do nothing.
    void ReopenActionExecute(int position);

    // ---- recovery copies ----
    // Whether the design changed since its recovery copy was written. The window writes it a few
    // seconds after a change (WriteRecoveryCopy), so typing never waits for the disk.
    bool RecoveryCopyDue() const;
    void WriteRecoveryCopy();
    void RemoveRecoveryCopy();
    // Offers in one question the copies that windows no longer running left: Recover (the newest
    // comes back as a changed design under its own file name), Discard, or Later.
    void OfferRecovery();
    // Whether OfferRecovery has copies to offer.
    bool RecoveryCopiesWaiting() const;
    std::filesystem::path RecoveryFolder() const;

private:
    void RecoverDesign(const TRecoveryCopy& copy);
    enum class TDiskAnswer { Write, SaveAs, Cancel };
    // Before Save writes over the project file: asks when another program changed it since.
    TDiskAnswer CheckDiskBeforeSave();
    // A lock on `file` for this window, asking first (with `ask`) when another window holds it;
    // nothing when the author cancels, an empty lock when there is nothing new to hold. Keeps the
    // lock this window already holds on the same file.
    std::optional<std::unique_ptr<TLockFile>> LockProjectFile(const std::filesystem::path& file,
                                                              bool ask = true);
    // Says why a save failed, naming the file's own folder; offers Save as where the folder is
    // the reason.
    bool ReportFailedSave(TSaveStatus status);

    TDesignDocument& document();

    TEditorContext& m_context;
    TObjectsTreeCommands& m_objects;
    TStyleCommands& m_styles;
    TFavoriteCommands& m_favorites;
    TRecentFilesList m_recentFiles;
};

} // namespace tarvex
