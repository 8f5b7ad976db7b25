#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "base/FileIdentity.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "model/SubmenuLayout.h"
#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuModule.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace tarvex {

using namespace editor_internal;

// ---- project lifecycle ----

bool TTarvexEditor::ConfirmAndClearProject(bool askToSave) {
    if (askToSave && ActionEnabled(TActionId::SaveAction) && Modified()) {
        const TMsgResult answer =
            Message(SaveQuestion, "Confirm", TMsgIcon::Question, TMsgButtons::YesNoCancel);
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
    m_treeUpdateGuard = true;
    ObjectsTreeViewChanging(nullptr);
    SetObjectSelection(nullptr);
    ObjectsTreeViewChange(nullptr);
    MenuStyleTreeViewChanging(nullptr);
    SetStyleSelection(nullptr);
    m_loadedObject = nullptr;
    m_project.Objects.Clear();
    m_project.Styles.Clear();
    return true;
}

bool TTarvexEditor::SaveAnsweringQuestion() {
    const std::string name = m_projectFileName;
    if (SaveActionExecute()) {
        return true;
    }
    // The command that asked stops; the design goes on under the name it had, not one a failed
    // Save as tried.
    m_projectFileName = name;
    HistoryChanged();
    return false;
}

void TTarvexEditor::NewActionExecute() {
    CommitValueEditors();
    if (!ConfirmAndClearProject()) {
        return;
    }
    m_projectFileName.clear();
    KeepFileIdentity(std::nullopt);
    m_projectLock.reset();
    {
        // Building the new design is no step: it is where the history starts.
        TDesignHistory::TPause pause(m_history);
        StyleTemplateActionExecute();
        BuildDefaultProject(m_project);
        ObjectsTreeViewChange(m_selectedObject);
        m_treeUpdateGuard = false;
        SetActionEnabled(TActionId::SaveAction, true);
        ControlsPageControlChange();
        // Update Preview generates the script itself: running the generator before it as well would
        // only say every refusal and warning twice.
        UpdatePreviewActionExecute();
    }
    m_history.Clear();
    HistoryChanged();
}

bool TTarvexEditor::LoadProject(const std::string& path, bool askToSave) {
    CommitValueEditors();
    const std::filesystem::path file = PathFromUtf8(path);
    TProjectFileBytes read = ReadProjectFile(file, path);
    if (!read.Bytes) {
        Message(read.Error, "Error", TMsgIcon::Information);
        return false;
    }
    std::optional<std::string> bytes = std::move(read.Bytes);
    std::optional<std::unique_ptr<TLockFile>> lock = LockProjectFile(file);
    if (!lock || !ConfirmAndClearProject(askToSave)) {
        return false;
    }
    if (*lock) {
        m_projectLock = std::move(*lock);
    }
    // A Yes at the question may just have saved this very file: read what is there now.
    std::optional<std::string> current = ReadWholeFile(file, ProjectFileCeiling);
    if (current && HoldsProject(*current) && !ExceedsProjectBlockLimit(*current)) {
        bytes = std::move(current);
    }
    m_projectFileName = path;
    KeepFileIdentity(IdentityOf(file, *bytes));
    {
        // The design as read, with what it needed repaired, is the unchanged one.
        TDesignHistory::TPause pause(m_history);
        ReadProjectText(*bytes, m_project);
        AddMissingMenuOptions();
        m_treeUpdateGuard = false;
        ControlsPageControlChange();
        RefreshPreview();
    }
    m_history.Clear();
    HistoryChanged();
    return true;
}

void TTarvexEditor::OpenActionExecute() {
    const std::optional<std::string> path =
        RunFileDialog(false, DialogRequest("OpenProjectDialog", ProjectFilter, "xml"));
    if (path) {
        OpenProjectFile(*path);
    }
}

void TTarvexEditor::OpenProjectFile(const std::string& path, bool askToSave) {
    if (LoadProject(path, askToSave)) {
        AddRecentFile();
    }
}

bool TTarvexEditor::SaveActionExecute() {
    CommitValueEditors();
    if (m_projectFileName.empty()) {
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
    const TSaveStatus status = SaveProjectFile(m_project, PathFromUtf8(m_projectFileName));
    switch (status) {
    case TSaveStatus::ReadOnly:
        Message("Can't save read-only file " + m_projectFileName + "!", "Error", TMsgIcon::Information);
        return false;
    case TSaveStatus::CannotCreate:
    case TSaveStatus::NoSpace:
    case TSaveStatus::FolderRefusesNewFiles:
        return ReportFailedSave(status);
    case TSaveStatus::Written:
        if (std::optional<std::unique_ptr<TLockFile>> lock =
                LockProjectFile(PathFromUtf8(m_projectFileName), false);
            lock && *lock) {
            m_projectLock = std::move(*lock);
        }
        KeepFileIdentity(ReadIdentity(PathFromUtf8(m_projectFileName), ProjectFileCeiling));
        m_history.MarkSaved();
        HistoryChanged();
        AddRecentFile();
        return true;
    }
    return false;
}

std::optional<std::unique_ptr<TLockFile>> TTarvexEditor::LockProjectFile(const std::filesystem::path& file,
                                                                         bool ask) {
    const std::filesystem::path lockPath = LockPathFor(file);
    if (m_projectLock && m_projectLock->Path() == lockPath) {
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
    if (Message(PathText(file.filename()) + " is open in another Tarvex window.", "Confirm",
                TMsgIcon::Warning, TMsgButtons::OpenAnywayCancel) != TMsgResult::Ok) {
        return std::nullopt;
    }
    lock->Acquire(true);
    return lock;
}

void TTarvexEditor::KeepFileIdentity(std::optional<TFileIdentity> identity) {
    m_fileIdentity = identity;
    m_identityFileName = identity ? m_projectFileName : std::string();
    m_reloadDeclined.reset();
}

TTarvexEditor::TDiskAnswer TTarvexEditor::CheckDiskBeforeSave() {
    // A file chosen in Save as was confirmed in its dialog; one that is gone is written again.
    if (!m_fileIdentity || m_identityFileName != m_projectFileName ||
        CompareWithDisk(*m_fileIdentity, PathFromUtf8(m_projectFileName), ProjectFileCeiling) !=
            TDiskState::Changed) {
        return TDiskAnswer::Write;
    }
    const std::string name = PathText(PathFromUtf8(m_projectFileName).filename());
    switch (Message("The file " + name + " was changed by another program since you opened it.", "Confirm",
                    TMsgIcon::Warning, TMsgButtons::OverwriteSaveAsCancel)) {
    case TMsgResult::Yes:
        return TDiskAnswer::Write;
    case TMsgResult::No:
        return TDiskAnswer::SaveAs;
    default:
        return TDiskAnswer::Cancel;
    }
}

bool TTarvexEditor::ReportFailedSave(TSaveStatus status) {
    // The folder the file was to go into, which is what the person has to look at.
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::absolute(PathFromUtf8(m_projectFileName), error).lexically_normal().parent_path();
    const std::string text =
        "Unable to save " + m_projectFileName + " in the folder " + PathText(folder) + "!";
    if (status == TSaveStatus::NoSpace) {
        Message(text + WhyNotWritten(TWriteStatus::NoSpace), "Error", TMsgIcon::Information);
    } else if (status != TSaveStatus::FolderRefusesNewFiles) {
        Message(text, "Error", TMsgIcon::Information);
    } else if (Message(text + WhyNotWritten(TWriteStatus::FolderRefusesNewFiles) +
                           "\n\nSave the project in another folder?",
                       "Error", TMsgIcon::Question, TMsgButtons::OkCancel) == TMsgResult::Ok) {
        return SaveAsActionExecute();
    }
    return false;
}

void TTarvexEditor::WindowActivated() {
    CommitValueEditors();
    if (!m_fileIdentity || m_identityFileName != m_projectFileName || Modified()) {
        return;
    }
    const std::filesystem::path file = PathFromUtf8(m_projectFileName);
    const std::optional<TFileIdentity> now = ReadIdentity(file, ProjectFileCeiling);
    if (!now || now->ContentHash == m_fileIdentity->ContentHash || now->ContentHash == m_reloadDeclined) {
        return;
    }
    const std::string name = PathText(file.filename());
    if (Message("The file " + name + " was changed by another program. Do you want to reload it?", "Confirm",
                TMsgIcon::Question, TMsgButtons::YesNo) == TMsgResult::Yes) {
        OpenProjectFile(m_projectFileName, false);
    } else {
        m_reloadDeclined = now->ContentHash;
    }
}

bool TTarvexEditor::SaveAsActionExecute() {
    CommitValueEditors();
    TFileDialogRequest request = DialogRequest("SaveProjectDialog", ProjectFilter, "xml");
    request.OverwritePrompt = true;
    request.HideReadOnly = true;
    request.Resizable = true;
    const std::optional<std::string> path = RunFileDialog(true, request);
    if (!path || path->empty()) {
        return false;
    }
    m_projectFileName = *path;
    HistoryChanged();
    return SaveActionExecute();
}

void TTarvexEditor::PublishActionExecute() {
    UpdatePreviewActionExecute();
    // Publishing now would hand out an older design's menu.js under the new name, or none at all.
    if (m_scriptNotWritten || m_scriptRefused) {
        return;
    }
    TFileDialogRequest request = DialogRequest("PublishDialog",
                                               "JavaScript files (js)|*.js|Menu module (tarvex-menu.js, "
                                               "tarvex-menu.css)|tarvex-menu.js|All files|*.*",
                                               "js");
    request.Title = "Publish menu";
    const std::optional<std::string> path = RunFileDialog(true, request);
    if (!path || path->empty()) {
        return;
    }
    const std::filesystem::path target = PathFromUtf8(*path);
    // The module's own name chooses the module output: the engine and the menus in tarvex-menu.js,
    // the styles in tarvex-menu.css, beside each other.
    const bool module = target.filename() == ModuleScriptName;
    const auto confirm = [this](const std::filesystem::path& file) {
        return m_ui.ConfirmReplaceFile(PathText(file));
    };
    m_ui.SetBusy(true);
    const TPublishResult result =
        module ? WritePublishFiles(ReadModulePublishFiles(TempFolder(), target.parent_path(), m_project,
                                                          tarvex::GenerateMenuScript(m_project)),
                                   confirm)
               : PublishMenuFiles(TempFolder(), target, confirm);
    m_ui.SetBusy(false);
    if (result.Errors.empty() && result.Declined.empty()) {
        Message("Files: " +
                    (module ? std::string(ModuleScriptName) + " and " + std::string(ModuleStyleSheetName)
                            : "one, main.js and " + PathText(target.filename())) +
                    " was saved. Go to help file to lern more about adding menu to your HTML files",
                "Warning", TMsgIcon::Information);
        return;
    }
    Message(PublishReport(target, result), result.Errors.empty() ? "Warning" : "Error",
            TMsgIcon::Information);
}

void TTarvexEditor::ExitActionExecute() {
    m_ui.CloseMainWindow();
}

// ---- recent files ----

void TTarvexEditor::AddRecentFile() {
    if (m_recentFiles.Add(m_projectFileName)) {
        Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
    }
}

void TTarvexEditor::InsertRecentFile() {
    m_recentFiles.Insert(m_projectFileName);
    Notify([](TEditorListener& l) { l.RecentFilesChanged(); });
}

void TTarvexEditor::ReopenActionExecute(int position) {
    const std::vector<std::string>& paths = m_recentFiles.Paths();
    if (position < 0 || position >= static_cast<int>(paths.size())) {
        return;
    }
    const std::string path = paths[static_cast<std::size_t>(position)];
    LoadProject(path);
}

} // namespace tarvex
