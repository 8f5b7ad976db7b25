#pragma once
// The document: one design, its undo history, its file name and what that file held when it was
// last read or written, its changed state, the lock that tells other windows it is open and whether
// its recovery copy is due. Tells its listeners what changed.

#include "base/FileIdentity.h"
#include "base/LockFile.h"
#include "base/Translatable.h"
#include "base/UiText.h"
#include "model/DesignHistory.h"
#include "model/Project.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvex {

using TSelection = TDesignHistory::TSelection;

// What happened to the design, as the document's listeners hear it.
struct TDesignChange {
    enum class TKind {
        // A named step ended that changed the design.
        Edited,
        // Undo or Redo: the design is as a step left it; Selection is what that step selected.
        Undone,
        Redone,
        // New, Open, a recovery or a reload built the design from scratch; no step records it.
        Replaced,
    };
    TKind Kind = TKind::Edited;
    TSelection Selection;
    // What the step touched (Replaced: everything). A node may be out of the tree by now.
    std::vector<TTreeNode*> Nodes;
    // Nodes came, went or moved; the style list or a style changed.
    bool Structure = false;
    bool Styles = false;
    // The value rows whose stored value the step changed, as its name counts them.
    std::vector<std::string> Fields;

    bool Touches(const TTreeNode* node) const;
};

class TDocumentListener {
public:
    virtual ~TDocumentListener() = default;
    // After the change; for Replaced still while the history is paused, so that what a listener
    // repairs then belongs to the design as built.
    virtual void DesignChanged(const TDesignChange& /*change*/) {}
    // The file name, the changed state or what Undo and Redo would do may differ from before.
    virtual void DocumentStateChanged() {}
};

class TDesignDocument {
public:
    TDesignDocument();
    TDesignDocument(const TDesignDocument&) = delete;
    TDesignDocument& operator=(const TDesignDocument&) = delete;

    void AddListener(TDocumentListener* listener);
    void RemoveListener(TDocumentListener* listener);

    // The same TProject for the document's whole life. Its records and texts change only through
    // the nodes' explicit edit calls inside a step; a read is never recorded.
    TProject& Project() { return m_project; }
    const TProject& Project() const { return m_project; }
    const TDesignHistory& History() const { return m_history; }
    TDesignHistory& History() { return m_history; }

    // ---- steps ----
    // Steps nest; the outermost one is the step, named by the first non-empty name, or else by the
    // value rows noted during it ("Change Caption", "Change 3 values"). A name is shown translated in
    // the "Document" context, so callers mark it: TARVEX_TRANSLATE_NOOP("Document", "Cut").
    void BeginStep(std::string_view name, TSelection before);
    // The open step changes `row` of `node` alone: it joins the last step when that one changed the
    // same row of the same node and nothing came between, so one undo takes back one change.
    void MergeWithSameRow(const TTreeNode* node, std::string_view row);
    // True when this closed the outermost step.
    bool EndStep(TSelection after);
    int StepDepth() const { return m_depth; }
    bool StepNamed() const { return !m_stepName.empty(); }
    // A value row whose stored value the open step changed.
    void NoteChangedRow(std::string_view row) { m_changedRows.emplace_back(row); }
    std::size_t ChangedRowCount() const { return m_changedRows.size(); }

    // Take the last step back (bring the next one again); false when there is none.
    bool Undo();
    bool Redo();
    // "Undo Change Caption", or plain "Undo" when there is nothing to take back; Redo the same.
    std::string UndoCaption() const { return UndoText().English(); }
    std::string RedoCaption() const { return RedoText().English(); }
    // The same as the window shows them, translated with the step's name.
    TUiText UndoText() const;
    TUiText RedoText() const;

    // Empties the design and builds it again with `build`, which is no step: it is where the
    // history starts. `saved`: whether the design so built is what its file holds.
    void Replace(const std::function<void(TProject&)>& build, bool saved = true);

    // The project's publish targets, as the author set them; the design has changed, but no step
    // records it (what Undo takes back is the menu, not where it goes).
    void SetPublishTargets(TPublishTargets targets);

    // ---- file ----
    bool Modified() const { return m_history.Modified(); }
    // The design as it is now is what its file holds.
    void MarkSaved();
    const std::string& FileName() const { return m_fileName; }
    void SetFileName(std::string fileName);
    // "site.xml* — Korvane Tarvex": the file's name ("Untitled" before the first save), marked
    // with "*" while the design has changed.
    TUiText Title() const;
    // Notes what the project file holds now, after it was read or written (nothing: forget it).
    void KeepFileIdentity(std::optional<TFileIdentity> identity);
    // What this design last read or wrote of its own file; nothing when the file name changed since.
    const TFileIdentity* FileIdentity() const;
    // The content of a change on disk the author chose not to reload: not offered again.
    bool ReloadDeclined(std::uint64_t contentHash) const { return m_reloadDeclined == contentHash; }
    void DeclineReload(std::uint64_t contentHash) { m_reloadDeclined = contentHash; }

    // The lock that tells other windows this one has the file open; empty for a design never
    // saved or a folder that takes no lock.
    const TLockFile* Lock() const { return m_lock.get(); }
    void HoldLock(std::unique_ptr<TLockFile> lock) { m_lock = std::move(lock); }
    void ReleaseLock() { m_lock.reset(); }
    // This window, as its lock and recovery copy name it.
    const TLockOwner& Owner() const { return m_owner; }

    // Whether the design changed since its recovery copy was written (or removed).
    bool RecoveryDue() const { return m_recoveryDue; }
    void SetRecoveryDue(bool due) { m_recoveryDue = due; }

private:
    void Changed(const TDesignChange& change);
    TUiText StepText() const;
    TUiText ShownStepName(const std::string& name) const;
    TDesignChange ChangeOfLastStep(TDesignChange::TKind kind, TSelection selection) const;
    void StateChanged();

    TProject m_project;
    // Declared after the project: it listens to the project's trees and lets go of them first.
    TDesignHistory m_history{m_project};
    std::vector<TDocumentListener*> m_listeners;
    int m_depth = 0;
    std::string m_stepName;
    std::vector<std::string> m_changedRows;
    // How each step name the history holds is shown: the history keeps the English name alone.
    std::map<std::string, TUiText, std::less<>> m_stepTexts;
    // The node and row of the open step, and of the last step kept, for MergeWithSameRow.
    std::pair<const TTreeNode*, std::string> m_stepRow;
    std::pair<const TTreeNode*, std::string> m_lastRow;
    std::string m_fileName;
    std::optional<TFileIdentity> m_fileIdentity;
    std::string m_identityFileName;
    std::optional<std::uint64_t> m_reloadDeclined;
    std::unique_ptr<TLockFile> m_lock;
    TLockOwner m_owner = NewWindowOwner();
    bool m_recoveryDue = false;
};

} // namespace tarvex
