#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "project/RecoveryCopy.h"

#include <chrono>

namespace tarvex {

using namespace editor_internal;

// ---- recovery copies ----

void TTarvexEditor::WriteRecoveryCopy() {
    if (!m_recoveryDue) {
        return;
    }
    CommitValueEditors();
    TRecoveryCopy copy;
    copy.OriginalFile = m_projectFileName;
    copy.Time =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    copy.Owner = m_window;
    if (m_identityFileName == m_projectFileName) {
        copy.Identity = m_fileIdentity;
    }
    copy.ProjectText = WriteProjectText(m_project);
    std::error_code error;
    std::filesystem::create_directories(RecoveryFolder(), error);
    // A copy that cannot be written costs nothing yet: the next change tries again.
    if (WriteFileAtomically(RecoveryCopyPath(RecoveryFolder(), m_window), RecoveryCopyText(copy)) ==
        TWriteStatus::Written) {
        m_recoveryDue = false;
    }
}

void TTarvexEditor::RemoveRecoveryCopy() {
    m_recoveryDue = false;
    std::error_code error;
    std::filesystem::remove(RecoveryCopyPath(RecoveryFolder(), m_window), error);
}

void TTarvexEditor::OfferRecovery() {
    std::vector<TRecoveryCopy> copies = OrphanedRecoveryCopies(RecoveryFolder());
    if (copies.empty()) {
        return;
    }
    std::string text = "Tarvex was not closed properly. These designs had changes that were not saved:\n";
    for (const TRecoveryCopy& copy : copies) {
        const std::string name =
            copy.OriginalFile.empty() ? "Untitled" : PathText(PathFromUtf8(copy.OriginalFile).filename());
        text += "\n" + name + ", " + RecoveryTimeText(copy.Time);
    }
    const TMsgResult answer =
        Message(text + "\n\nRecover them?", "Confirm", TMsgIcon::Question, TMsgButtons::RecoverDiscardLater);
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

void TTarvexEditor::RecoverDesign(const TRecoveryCopy& copy) {
    if (!ConfirmAndClearProject(false)) {
        return;
    }
    m_projectFileName = copy.OriginalFile;
    KeepFileIdentity(copy.Identity);
    m_projectLock.reset();
    if (!m_projectFileName.empty()) {
        if (auto lock = LockProjectFile(PathFromUtf8(m_projectFileName), false); lock && *lock) {
            m_projectLock = std::move(*lock);
        }
    }
    {
        TDesignHistory::TPause pause(m_history);
        ReadProjectText(copy.ProjectText, m_project);
        m_treeUpdateGuard = false;
        ControlsPageControlChange();
        RefreshPreview();
    }
    m_history.Clear();
    // Not what any file holds: Save writes the original file, through the check for changes on disk.
    m_history.MarkUnsaved();
    HistoryChanged();
    // This window's own copy takes over before the old one goes.
    WriteRecoveryCopy();
}

} // namespace tarvex
