#include "DesignHistory.h"

#include <cassert>
#include <utility>

namespace tarvex {

namespace {

template <typename R> void SwapAll(std::vector<R>& changes) {
    for (auto& change : changes) {
        change.Node->SwapRecordUnrecorded(change.Other);
    }
}

void StopAtUnsteppedChange() {
    assert(!"a change of the design outside an edit step");
}

TDesignHistory::TUnsteppedChangeHandler unsteppedChangeHandler = &StopAtUnsteppedChange;

} // namespace

TDesignHistory::TUnsteppedChangeHandler
TDesignHistory::SetUnsteppedChangeHandler(TUnsteppedChangeHandler handler) {
    return std::exchange(unsteppedChangeHandler, handler ? handler : &StopAtUnsteppedChange);
}

TDesignHistory::TDesignHistory(TProject& project) : m_project(project) {
    m_baseId = m_nextId++;
    m_savedId = m_baseId;
    m_project.Objects.SetJournal(this);
    m_project.Styles.SetJournal(this);
}

TDesignHistory::~TDesignHistory() {
    for (TTree* tree : {&m_project.Objects, &m_project.Styles}) {
        if (tree->Journal() == this) {
            tree->SetJournal(nullptr);
        }
    }
}

// ---- recording ----

TDesignHistory::TOpenStep& TDesignHistory::OpenStepFor() {
    if (!m_open) {
        if (m_depth == 0) {
            unsteppedChangeHandler();
        }
        m_open.emplace();
        m_open->Implicit = m_depth == 0;
    }
    return *m_open;
}

void TDesignHistory::RecordAboutToChange(TTreeNode& node) {
    if (!Recording()) {
        return;
    }
    TOpenStep& open = OpenStepFor();
    // Only the first write of a step keeps the record; a node written again makes no copy.
    if (!open.Records.contains(&node)) {
        open.Records.emplace(&node, node.Record());
        open.RecordOrder.push_back(&node);
    }
}

void TDesignHistory::TextChanged(TTreeNode& node, const std::string& oldText) {
    if (!Recording()) {
        return;
    }
    TOp op;
    op.Kind = TOpKind::Text;
    op.Node = &node;
    op.Text = oldText;
    OpenStepFor().Ops.push_back(std::move(op));
}

void TDesignHistory::NodeInserted(TTreeNode& node) {
    if (!Recording()) {
        return;
    }
    TOpenStep& open = OpenStepFor();
    TOp op;
    op.Kind = TOpKind::Insert;
    op.Node = &node;
    op.Parent = node.Parent();
    op.Index = node.Index();
    open.Ops.push_back(std::move(op));
    // Undoing the creation takes the node away whole; its record needs no copy of its own.
    open.Records.try_emplace(&node, std::nullopt);
}

TDetachedNode TDesignHistory::NodeRemoved(TTreeNode* parent, int index, TDetachedNode node) {
    if (!Recording()) {
        return node;
    }
    TOp op;
    op.Kind = TOpKind::Remove;
    op.Node = node.get();
    op.Parent = parent;
    op.Index = index;
    op.Owned = std::move(node);
    OpenStepFor().Ops.push_back(std::move(op));
    return nullptr;
}

void TDesignHistory::NodeMoved(TTreeNode& node, TTreeNode* oldParent, int oldIndex) {
    if (!Recording()) {
        return;
    }
    TOp op;
    op.Kind = TOpKind::Move;
    op.Node = &node;
    op.Parent = oldParent;
    op.Index = oldIndex;
    op.NewParent = node.Parent();
    op.NewIndex = node.Index();
    OpenStepFor().Ops.push_back(std::move(op));
}

void TDesignHistory::TreeCleared(TTree&) {
    // Every step may name a node that is gone now.
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    m_baseId = m_nextId++;
    m_open.reset();
    if (m_depth > 0) {
        m_open.emplace();
    }
}

// ---- steps ----

void TDesignHistory::BeginStep(TSelection before) {
    if (m_depth++ == 0) {
        CloseImplicitStep();
        m_open.emplace();
        m_open->Before = before;
    }
}

bool TDesignHistory::EndStep(const std::string& name, TSelection after, bool mergeWithLast) {
    if (m_depth == 0 || --m_depth > 0 || !m_open) {
        return false;
    }
    TOpenStep open = std::move(*m_open);
    m_open.reset();
    return Keep(std::move(open), name, after, mergeWithLast);
}

void TDesignHistory::CloseImplicitStep() {
    if (m_open && m_open->Implicit) {
        TOpenStep open = std::move(*m_open);
        m_open.reset();
        const TSelection selection = open.Before;
        Keep(std::move(open), UnnamedStepName, selection);
    }
}

bool TDesignHistory::OpenStepChanged() const {
    if (!m_open) {
        return false;
    }
    if (!m_open->Ops.empty()) {
        return true;
    }
    for (TTreeNode* node : m_open->RecordOrder) {
        if (!node->RecordEquals(*m_open->Records.at(node))) {
            return true;
        }
    }
    return false;
}

bool TDesignHistory::Keep(TOpenStep&& open, const std::string& name, TSelection after, bool mergeWithLast) {
    std::optional<TStep> made = MakeStep(std::move(open), name, after);
    if (!made) {
        return false;
    }
    TStep& step = *made;
    NoteExtent(step);
    if (mergeWithLast && m_done > 0 && m_done == m_steps.size() && m_steps.back().Id != m_savedId) {
        return MergeIntoLast(std::move(step));
    }
    // A new change ends what could have been redone.
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().Bytes;
        m_steps.pop_back();
    }
    step.Id = m_nextId++;
    m_bytes += step.Bytes;
    m_steps.push_back(std::move(step));
    ++m_done;
    Trim();
    return true;
}

void TDesignHistory::SetLimits(std::size_t maxBytes, std::size_t maxSteps) {
    m_maxBytes = maxBytes;
    m_maxSteps = maxSteps;
    Trim();
}

void TDesignHistory::Trim() {
    while (m_steps.size() > 1 && m_done > 0 && (m_steps.size() > m_maxSteps || m_bytes > m_maxBytes)) {
        DropOldest();
    }
}

void TDesignHistory::DropOldest() {
    // The state after the dropped step is now the oldest one undo can reach.
    m_baseId = m_steps.front().Id;
    m_bytes -= m_steps.front().Bytes;
    m_steps.pop_front();
    --m_done;
}

// ---- undo and redo ----

void TDesignHistory::Apply(TStep& step, bool undo) {
    m_replaying = true;
    const auto applyOp = [undo](TOp& op) {
        TTree& tree = *op.Node->Tree();
        const bool attach = (op.Kind == TOpKind::Remove) == undo;
        switch (op.Kind) {
        case TOpKind::Insert:
        case TOpKind::Remove:
            if (attach) {
                tree.Attach(op.Parent, op.Index, std::move(op.Owned));
            } else {
                op.Owned = tree.Detach(op.Node);
            }
            break;
        case TOpKind::Move:
            if (undo) {
                tree.MoveTo(op.Node, op.Parent, op.Index);
            } else {
                tree.MoveTo(op.Node, op.NewParent, op.NewIndex);
            }
            break;
        case TOpKind::Text: {
            std::string current = op.Node->Text();
            op.Node->SetTextUnrecorded(std::move(op.Text));
            op.Text = std::move(current);
            break;
        }
        }
    };
    if (undo) {
        for (auto it = step.Ops.rbegin(); it != step.Ops.rend(); ++it) {
            applyOp(*it);
        }
    } else {
        for (TOp& op : step.Ops) {
            applyOp(op);
        }
    }
    // Records belong to their nodes wherever those are, so their order against the ops is free.
    SwapAll(step.Items);
    SwapAll(step.Options);
    SwapAll(step.Styles);
    m_replaying = false;
}

std::optional<TDesignHistory::TSelection> TDesignHistory::Undo() {
    CloseImplicitStep();
    if (m_depth > 0 || m_done == 0) {
        return std::nullopt;
    }
    TStep& step = m_steps[m_done - 1];
    Apply(step, true);
    NoteExtent(step);
    --m_done;
    return step.Before;
}

std::optional<TDesignHistory::TSelection> TDesignHistory::Redo() {
    CloseImplicitStep();
    if (m_depth > 0 || m_done == m_steps.size()) {
        return std::nullopt;
    }
    TStep& step = m_steps[m_done];
    Apply(step, false);
    NoteExtent(step);
    ++m_done;
    return step.After;
}

bool TDesignHistory::CanUndo() const {
    return m_depth == 0 && (m_done > 0 || OpenStepChanged());
}

bool TDesignHistory::CanRedo() const {
    // Closing a pending implicit step would end what could be redone.
    return m_depth == 0 && m_done < m_steps.size() && !OpenStepChanged();
}

std::string TDesignHistory::UndoName() const {
    if (!CanUndo()) {
        return {};
    }
    return OpenStepChanged() ? std::string(UnnamedStepName) : m_steps[m_done - 1].Name;
}

std::string TDesignHistory::RedoName() const {
    return CanRedo() ? m_steps[m_done].Name : std::string();
}

// ---- saved point ----

std::uint64_t TDesignHistory::StateId() const {
    return m_done == 0 ? m_baseId : m_steps[m_done - 1].Id;
}

void TDesignHistory::Clear() {
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    if (m_depth == 0) {
        m_open.reset();
    } else if (m_open) {
        m_open.emplace();
    }
    m_baseId = m_nextId++;
    m_savedId = m_baseId;
}

void TDesignHistory::MarkSaved() {
    CloseImplicitStep();
    m_savedId = StateId();
}

bool TDesignHistory::Modified() const {
    return StateId() != m_savedId || OpenStepChanged();
}

} // namespace tarvex
