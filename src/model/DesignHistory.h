#pragma once
// The undo history of one design: named steps of tree changes, heard through the trees' journal
// hook as they happen, kept within a byte budget, with the point where the design was last saved.

#include "Project.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tarvex {

class TDesignHistory : private TTreeJournal {
public:
    // Which nodes were selected (in the objects tree and in the style list) around a step.
    struct TSelection {
        TTreeNode* Object = nullptr;
        TTreeNode* Style = nullptr;
    };

    // A change outside any BeginStep / EndStep is a programming error: every change of the design
    // is a named step. The handler hears of each such change (the default one stops a debug build
    // at an assertion; the tests install one that fails the test). The change is still recorded,
    // as a step of this name, so that the history stays whole.
    static constexpr const char* UnnamedStepName = "Change";
    using TUnsteppedChangeHandler = void (*)();
    // Returns the handler it replaces; nullptr brings back the default one.
    static TUnsteppedChangeHandler SetUnsteppedChangeHandler(TUnsteppedChangeHandler handler);
    static constexpr std::size_t DefaultMaxBytes = 50u * 1024 * 1024;
    static constexpr std::size_t DefaultMaxSteps = 1000;

    // Listens to both trees of `project` from now on, until it is destroyed.
    explicit TDesignHistory(TProject& project);
    TDesignHistory(const TDesignHistory&) = delete;
    TDesignHistory& operator=(const TDesignHistory&) = delete;
    ~TDesignHistory() override;

    // Steps nest; the outermost pair makes one step. `before` is what undo selects again.
    void BeginStep(TSelection before);
    // Closes a step level; the outermost close keeps the step, named `name`, unless it changed
    // nothing. True when a step was kept. The steps that could have been redone are gone then.
    // With `mergeWithLast` the changes join the last step instead, so that one undo takes both
    // back; not across the saved point, which undo must still reach.
    bool EndStep(const std::string& name, TSelection after, bool mergeWithLast = false);
    bool StepOpen() const { return m_depth > 0; }

    // What the last kept, undone or redone step touched, so that views redraw only that.
    struct TExtent {
        std::vector<TTreeNode*> Nodes;
        // Nodes came, went or moved.
        bool Structure = false;
        // The style list or a style's record changed.
        bool Styles = false;
    };
    const TExtent& LastExtent() const { return m_lastExtent; }

    bool CanUndo() const;
    bool CanRedo() const;
    // The name of the step Undo (Redo) would take back (bring again); empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    // Takes the last step back (brings the next one again) and returns the selection to show, or
    // nothing when there is no such step. Not while a step is open.
    std::optional<TSelection> Undo();
    std::optional<TSelection> Redo();

    // Forgets every step; the design as it is counts as saved.
    void Clear();
    // The design as it is now is what its file holds.
    void MarkSaved();
    // The design as it is now is not what any file holds (one recovered after a crash).
    void MarkUnsaved() { m_savedId = m_nextId++; }
    // Whether the design differs from the saved point: false after undoing back to it, true for
    // good once the step that led to it was dropped or overwritten.
    bool Modified() const;

    // While a pause lives nothing is recorded: for rebuilding a design from scratch, which the
    // caller follows with Clear.
    class TPause {
    public:
        explicit TPause(TDesignHistory& history) : m_history(history) { ++m_history.m_paused; }
        TPause(const TPause&) = delete;
        TPause& operator=(const TPause&) = delete;
        ~TPause() { --m_history.m_paused; }

    private:
        TDesignHistory& m_history;
    };

    // The oldest steps are dropped while there are more than `maxSteps` or they hold more than
    // `maxBytes` together; the newest step always stays, so the last change can be taken back.
    void SetLimits(std::size_t maxBytes, std::size_t maxSteps);
    std::size_t ByteEstimate() const { return m_bytes; }
    int StepCount() const { return static_cast<int>(m_steps.size()); }
    int UndoCount() const { return static_cast<int>(m_done); }

private:
    enum class TOpKind { Insert, Remove, Move, Text };
    // One structural change or text change, able to go both ways. A node out of the tree
    // (inserted and undone, or removed and not undone) is owned here.
    struct TOp {
        TOpKind Kind = TOpKind::Insert;
        TTreeNode* Node = nullptr;
        TTreeNode* Parent = nullptr; // Insert/Remove: where; Move: where it came from
        int Index = 0;
        TTreeNode* NewParent = nullptr; // Move: where it went
        int NewIndex = 0;
        TDetachedNode Owned;
        std::string Text; // Text: the other text
    };
    // The record a node does not hold at the moment: the earlier one while the step is done, the
    // later one while it is undone. Undo and redo exchange it with the node's.
    template <typename R> struct TRecordChange {
        TTreeNode* Node;
        R Other;
    };
    struct TStep {
        std::string Name;
        std::vector<TOp> Ops;
        std::vector<TRecordChange<TMenuItemRec>> Items;
        std::vector<TRecordChange<TMenuOptionsRec>> Options;
        std::vector<TRecordChange<TMenuStyleRec>> Styles;
        TSelection Before;
        TSelection After;
        std::size_t Bytes = 0;
        std::uint64_t Id = 0;
    };
    // What the open step has heard so far.
    struct TOpenStep {
        // Declared, so that std::optional sees it before the members' initialisers are read.
        TOpenStep() {}
        std::vector<TOp> Ops;
        // The record as it was at the first write access in this step, by node; nodes created in
        // the step are marked with no record, since taking back their creation is enough.
        std::unordered_map<TTreeNode*, std::optional<TTreeNode::TRecord>> Records;
        std::vector<TTreeNode*> RecordOrder;
        TSelection Before;
        bool Implicit = false;
        bool Empty() const { return Ops.empty() && RecordOrder.empty(); }
    };

    // TTreeJournal
    void RecordAboutToChange(TTreeNode& node) override;
    void TextChanged(TTreeNode& node, const std::string& oldText) override;
    void NodeInserted(TTreeNode& node) override;
    TDetachedNode NodeRemoved(TTreeNode* parent, int index, TDetachedNode node) override;
    void NodeMoved(TTreeNode& node, TTreeNode* oldParent, int oldIndex) override;
    void TreeCleared(TTree& tree) override;

    bool Recording() const { return m_paused == 0 && !m_replaying; }
    // Changes heard with no step open start an implicit one, closed before anything else happens.
    TOpenStep& OpenStepFor();
    void CloseImplicitStep();
    bool Keep(TOpenStep&& open, const std::string& name, TSelection after, bool mergeWithLast = false);
    // The step the open one makes, with its size; nothing when it changed nothing.
    static std::optional<TStep> MakeStep(TOpenStep&& open, const std::string& name, TSelection after);
    // Joins `step` into the last one; false when the two together change nothing, and the last
    // step is gone.
    bool MergeIntoLast(TStep&& step);
    void NoteExtent(const TStep& step);
    bool OpenStepChanged() const;
    void Apply(TStep& step, bool undo);
    void Trim();
    void DropOldest();
    std::uint64_t StateId() const;

    TProject& m_project;
    std::deque<TStep> m_steps;
    // Steps [0, m_done) are done, the rest undone.
    std::size_t m_done = 0;
    std::optional<TOpenStep> m_open;
    TExtent m_lastExtent;
    int m_depth = 0;
    int m_paused = 0;
    bool m_replaying = false;
    std::size_t m_bytes = 0;
    std::size_t m_maxBytes = DefaultMaxBytes;
    std::size_t m_maxSteps = DefaultMaxSteps;
    std::uint64_t m_nextId = 1;
    // The state before the oldest kept step, and the state that was saved.
    std::uint64_t m_baseId = 0;
    std::uint64_t m_savedId = 0;
};

} // namespace tarvex
