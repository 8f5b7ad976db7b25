#include "FileCommands.h"

#include "EditorInternal.h"
#include "FavoriteCommands.h"
#include "ObjectsTreeCommands.h"
#include "StyleCommands.h"
#include "base/FileIdentity.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "project/ProjectReader.h"

#include <chrono>
#include <system_error>

namespace tarvex {

using namespace editor_internal;

TDesignDocument& TFileCommands::document() {
    return m_context.Document();
}

void TFileCommands::LoadRecentFiles() {
    m_recentFiles.Load(m_context.AppFolder() / "menutarvex.dat");
    m_context.Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
}

bool TFileCommands::SaveRecentFiles() {
    return m_recentFiles.SaveMerged(m_context.AppFolder() / "menutarvex.dat");
}

bool TFileCommands::RecoveryCopyDue() const {
    return m_context.Document().RecoveryDue();
}

std::filesystem::path TFileCommands::RecoveryFolder() const {
    return m_context.AppFolder() / "recovery";
}

bool TFileCommands::ConfirmAndClearProject(bool askToSave) {
    if (!ConfirmDiscard(askToSave)) {
        return false;
    }
    LeaveSelection();
    m_context.Project().Objects.Clear();
    m_context.Project().Styles.Clear();
    return true;
}

void TFileCommands::LeaveSelection() {
    m_context.SetTreeUpdateGuard(true);
    m_objects.Deselect();
    m_styles.Deselect();
}

bool TFileCommands::ConfirmDiscard(bool askToSave) {
    if (askToSave && m_context.SwitchedOn(TActionId::SaveAction) && document().Modified()) {
        const TMsgResult answer =
            m_context.Message(SaveQuestion(), ConfirmCaption(), TMsgIcon::Question, TMsgButtons::YesNoCancel);
        // A Yes whose save did not happen (Save as cancelled, the write failed) must not cost the
        // author the design the save was meant to keep.
        if (answer == TMsgResult::Yes) {
            if (!SaveAnsweringQuestion()) {
                return false;
            }
        } else if (answer != TMsgResult::No) {
            return false;
        }
    }
    return true;
}

bool TFileCommands::SaveAnsweringQuestion() {
    const std::string name = document().FileName();
    if (SaveActionExecute()) {
        return true;
    }
    // The command that asked stops; the design goes on under the name it had, not one a failed
    // Save as tried.
    document().SetFileName(name);
    return false;
}

void TFileCommands::NewProject(bool askForStyle) {
    if (!ConfirmDiscard()) {
        return;
    }
    // Asked before anything changes: behind the question the window keeps the design and the
    // title it had. The trees are emptied inside Replace, outside any step, so no "*" comes up
    // for a design nobody has touched (not even behind the note about missing styles).
    const std::optional<int> style =
        askForStyle ? m_favorites.ChooseFromStyleTemplate() : std::optional<int>(0);
    LeaveSelection();
    TDesignDocument& document = m_context.Document();
    document.SetFileName({});
    document.KeepFileIdentity(std::nullopt);
    document.ReleaseLock();
    document.Replace([this, style](TProject& project) {
        if (style) {
            m_favorites.InsertFavoriteStyle(*style);
        }
        BuildDefaultProject(project);
        m_objects.ObjectsTreeViewChange(m_context.SelectedObject());
        m_context.SetActionEnabled(TActionId::SaveAction, true);
    });
}

bool TFileCommands::LoadProject(const std::string& path, bool askToSave) {
    const std::filesystem::path file = PathFromUtf8(path);
    TProjectFileBytes read = ReadProjectFile(file, path);
    if (!read.Bytes) {
        m_context.Message(read.Error, ErrorCaption(), TMsgIcon::Information);
        return false;
    }
    std::optional<std::string> bytes = std::move(read.Bytes);
    std::optional<std::unique_ptr<TLockFile>> lock = LockProjectFile(file);
    if (!lock || !ConfirmAndClearProject(askToSave)) {
        return false;
    }
    TDesignDocument& document = m_context.Document();
    if (*lock) {
        document.HoldLock(std::move(*lock));
    }
    // A Yes at the question may just have saved this very file: read what is there now.
    std::optional<std::string> current = ReadWholeFile(file, ProjectFileCeiling);
    if (current && HoldsProject(*current) && !ExceedsProjectBlockLimit(*current)) {
        bytes = std::move(current);
    }
    document.SetFileName(path);
    document.KeepFileIdentity(IdentityOf(file, *bytes));
    // The design as read, with what it needed repaired, is the unchanged one.
    document.Replace([&](TProject& project) {
        ReadProjectText(*bytes, project);
        m_objects.AddMissingMenuOptions();
    });
    return true;
}

void TFileCommands::OpenActionExecute() {
    const std::optional<std::string> path =
        m_context.RunFileDialog(false, DialogRequest("OpenProjectDialog", ProjectFilter, "xml"));
    if (path) {
        OpenProjectFile(*path);
    }
}

void TFileCommands::OpenProjectFile(const std::string& path, bool askToSave) {
    if (LoadProject(path, askToSave)) {
        AddRecentFile();
    }
}

bool TFileCommands::SaveActionExecute() {
    if (document().FileName().empty()) {
        return SaveAsActionExecute();
    }
    switch (CheckDiskBeforeSave()) {
    case TDiskAnswer::Write:
        break;
    case TDiskAnswer::SaveAs:
        return SaveAsActionExecute();
    case TDiskAnswer::Cancel:
        return false;
    }
    const TSaveStatus status = SaveProjectFile(m_context.Project(), PathFromUtf8(document().FileName()));
    switch (status) {
    case TSaveStatus::ReadOnly:
        m_context.Message(TARVEX_TEXT("Editor", "Can't save read-only file %1!").Arg(document().FileName()),
                          ErrorCaption(), TMsgIcon::Information);
        return false;
    case TSaveStatus::CannotCreate:
    case TSaveStatus::NoSpace:
    case TSaveStatus::FolderRefusesNewFiles:
        return ReportFailedSave(status);
    case TSaveStatus::Written:
        if (std::optional<std::unique_ptr<TLockFile>> lock =
                LockProjectFile(PathFromUtf8(document().FileName()), false);
            lock && *lock) {
            document().HoldLock(std::move(*lock));
        }
        document().KeepFileIdentity(ReadIdentity(PathFromUtf8(document().FileName()), ProjectFileCeiling));
        document().MarkSaved();
        AddRecentFile();
        return true;
    }
    return false;
}

std::optional<std::unique_ptr<TLockFile>> TFileCommands::LockProjectFile(const std::filesystem::path& file,
                                                                         bool ask) {
    const std::filesystem::path lockPath = LockPathFor(file);
    if (document().Lock() && document().Lock()->Path() == lockPath) {
        return std::unique_ptr<TLockFile>();
    }
    auto lock = std::make_unique<TLockFile>(lockPath);
    // A folder that takes no lock (read-only, a medium without room) never stops the work.
    if (lock->Acquire() != TLockResult::HeldByOther) {
        return lock;
    }
    if (!ask) {
        // Saved under a name another window holds: that window keeps its lock.
        return std::unique_ptr<TLockFile>();
    }
    if (m_context.Message(
            TARVEX_TEXT("Editor", "%1 is open in another Tarvex window.").Arg(PathText(file.filename())),
            ConfirmCaption(), TMsgIcon::Warning, TMsgButtons::OpenAnywayCancel) != TMsgResult::Ok) {
        return std::nullopt;
    }
    lock->Acquire(true);
    return lock;
}

TFileCommands::TDiskAnswer TFileCommands::CheckDiskBeforeSave() {
    // A file chosen in Save as was confirmed in its dialog; one that is gone is written again.
    const TFileIdentity* known = document().FileIdentity();
    if (!known || CompareWithDisk(*known, PathFromUtf8(document().FileName()), ProjectFileCeiling) !=
                      TDiskState::Changed) {
        return TDiskAnswer::Write;
    }
    const std::string name = PathText(PathFromUtf8(document().FileName()).filename());
    switch (m_context.Message(
        TARVEX_TEXT("Editor", "The file %1 was changed by another program since you opened it.").Arg(name),
        ConfirmCaption(), TMsgIcon::Warning, TMsgButtons::OverwriteSaveAsCancel)) {
    case TMsgResult::Yes:
        return TDiskAnswer::Write;
    case TMsgResult::No:
        return TDiskAnswer::SaveAs;
    default:
        return TDiskAnswer::Cancel;
    }
}

bool TFileCommands::ReportFailedSave(TSaveStatus status) {
    // The folder the file was to go into, which is what the person has to look at.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(PathFromUtf8(document().FileName()), error)
                                             .lexically_normal()
                                             .parent_path();
    const TUiText text = TARVEX_TEXT("Editor", "Unable to save %1 in the folder %2!")
                             .Arg(document().FileName())
                             .Arg(PathText(folder));
    if (status == TSaveStatus::NoSpace) {
        m_context.Message(TUiText("", "%1%2", {text, WhyNotWrittenText(TWriteStatus::NoSpace)}),
                          ErrorCaption(), TMsgIcon::Information);
    } else if (status != TSaveStatus::FolderRefusesNewFiles) {
        m_context.Message(text, ErrorCaption(), TMsgIcon::Information);
    } else if (m_context.Message(TARVEX_TEXT("Editor", "%1%2\n\nSave the project in another folder?")
                                     .Arg(text)
                                     .Arg(WhyNotWrittenText(TWriteStatus::FolderRefusesNewFiles)),
                                 ErrorCaption(), TMsgIcon::Question,
                                 TMsgButtons::OkCancel) == TMsgResult::Ok) {
        return SaveAsActionExecute();
    }
    return false;
}

void TFileCommands::WindowActivated() {
    const TFileIdentity* known = document().FileIdentity();
    if (!known || document().Modified()) {
        return;
    }
    const std::filesystem::path file = PathFromUtf8(document().FileName());
    const std::optional<TFileIdentity> now = ReadIdentity(file, ProjectFileCeiling);
    if (!now || now->ContentHash == known->ContentHash || document().ReloadDeclined(now->ContentHash)) {
        return;
    }
    const std::string name = PathText(file.filename());
    if (m_context.Message(
            TARVEX_TEXT("Editor", "The file %1 was changed by another program. Do you want to reload it?")
                .Arg(name),
            ConfirmCaption(), TMsgIcon::Question, TMsgButtons::YesNo) == TMsgResult::Yes) {
        OpenProjectFile(document().FileName(), false);
    } else {
        document().DeclineReload(now->ContentHash);
    }
}

bool TFileCommands::SaveAsActionExecute() {
    TFileDialogRequest request = DialogRequest("SaveProjectDialog", ProjectFilter, "xml");
    request.OverwritePrompt = true;
    request.HideReadOnly = true;
    request.Resizable = true;
    const std::optional<std::string> path = m_context.RunFileDialog(true, request);
    if (!path || path->empty()) {
        return false;
    }
    document().SetFileName(*path);
    return SaveActionExecute();
}

void TFileCommands::ExitActionExecute() {
    m_context.Ui().CloseMainWindow();
}

void TFileCommands::AddRecentFile() {
    if (m_recentFiles.Add(document().FileName())) {
        m_context.Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
    }
}

void TFileCommands::InsertRecentFile() {
    m_recentFiles.Insert(document().FileName());
    m_context.Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
}

void TFileCommands::ReopenActionExecute(int position) {
    const std::vector<std::string>& paths = m_recentFiles.Paths();
    if (position < 0 || position >= static_cast<int>(paths.size())) {
        return;
    }
    const std::string path = paths[static_cast<std::size_t>(position)];
    LoadProject(path);
}

void TFileCommands::WriteRecoveryCopy() {
    if (!RecoveryCopyDue()) {
        return;
    }
    TRecoveryCopy copy;
    copy.OriginalFile = document().FileName();
    copy.Time =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    copy.Owner = document().Owner();
    if (const TFileIdentity* known = document().FileIdentity()) {
        copy.Identity = *known;
    }
    copy.ProjectText = WriteProjectText(m_context.Project());
    std::error_code error;
    std::filesystem::create_directories(RecoveryFolder(), error);
    // A copy that cannot be written costs nothing yet: the next change tries again.
    if (WriteFileAtomically(RecoveryCopyPath(RecoveryFolder(), document().Owner()), RecoveryCopyText(copy)) ==
        TWriteStatus::Written) {
        document().SetRecoveryDue(false);
    }
}

void TFileCommands::RemoveRecoveryCopy() {
    document().SetRecoveryDue(false);
    std::error_code error;
    std::filesystem::remove(RecoveryCopyPath(RecoveryFolder(), document().Owner()), error);
}

bool TFileCommands::RecoveryCopiesWaiting() const {
    return !OrphanedRecoveryCopies(RecoveryFolder()).empty();
}

void TFileCommands::OfferRecovery() {
    std::vector<TRecoveryCopy> copies = OrphanedRecoveryCopies(RecoveryFolder());
    if (copies.empty()) {
        return;
    }
    std::vector<TUiText> lines;
    for (const TRecoveryCopy& copy : copies) {
        const TUiText name = copy.OriginalFile.empty()
                                 ? TARVEX_TEXT("Editor", "Untitled")
                                 : TUiText::Verbatim(PathText(PathFromUtf8(copy.OriginalFile).filename()));
        lines.push_back(TARVEX_TEXT("Editor", "%1, %2")
                            .Arg(name)
                            .Arg(TUiText::Moment(copy.Time, RecoveryTimeText(copy.Time))));
    }
    const TUiText text =
        TARVEX_TEXT("Editor", "Tarvex was not closed properly. These designs had changes that were "
                              "not saved:\n\n%1\n\nRecover them?")
            .Arg(TUiText::Joined(std::move(lines), "\n"));
    const TMsgResult answer =
        m_context.Message(text, ConfirmCaption(), TMsgIcon::Question, TMsgButtons::RecoverDiscardLater);
    if (answer == TMsgResult::Yes) {
        // One window shows one design: the newest comes back here, the others wait for the next start.
        RecoverDesign(copies.front());
        copies.resize(1);
    } else if (answer != TMsgResult::No) {
        return;
    }
    for (const TRecoveryCopy& copy : copies) {
        std::error_code error;
        std::filesystem::remove(copy.Path, error);
    }
}

void TFileCommands::RecoverDesign(const TRecoveryCopy& copy) {
    if (!ConfirmAndClearProject(false)) {
        return;
    }
    document().SetFileName(copy.OriginalFile);
    document().KeepFileIdentity(copy.Identity);
    document().ReleaseLock();
    if (!document().FileName().empty()) {
        if (auto lock = LockProjectFile(PathFromUtf8(document().FileName()), false); lock && *lock) {
            document().HoldLock(std::move(*lock));
        }
    }
    // Not what any file holds: Save writes the original file, through the check for changes on disk.
    document().Replace([&](TProject& project) { ReadProjectText(copy.ProjectText, project); }, false);
    // This window's own copy takes over before the old one goes.
    WriteRecoveryCopy();
}

} // namespace tarvex
