// What a step holds: made from what the journal heard while it was open, its size against the
// history's budget, joined into the step before it, and what it touched.
#include "DesignHistory.h"

#include "RecordFields.h"

#include <algorithm>
#include <utility>

namespace tarvex {

namespace {

// What a string holds beyond its own object; short strings live inside it.
std::size_t HeapBytes(const std::string& text) {
    static const std::size_t inPlace = std::string().capacity();
    return text.capacity() > inPlace ? text.capacity() + 1 : 0;
}

// A record with the texts its fields hold beyond their own objects.
template <typename R> std::size_t RecordBytes(const R& record) {
    std::size_t bytes = sizeof record;
    for (const TRecordField<R>& field : FieldsOf<R>()) {
        if (!field.IsInteger()) {
            bytes += TCompactText::HeapBytesFor(field.GetText(record).size());
        }
    }
    return bytes;
}

// An entry's record lives in its node; the options' and styles' records apart from it.
std::size_t NodeBytes(const TTreeNode& node) {
    const std::size_t bytes =
        sizeof node + HeapBytes(node.Text()) + node.Children().capacity() * sizeof(void*);
    if (node.IsOptions()) {
        return bytes + RecordBytes(node.Options());
    }
    if (node.IsStyle()) {
        return bytes + RecordBytes(node.Style());
    }
    return bytes + RecordBytes(node.Item()) - sizeof(TMenuItemRec);
}

std::size_t SubtreeBytes(const TTreeNode& root) {
    std::size_t bytes = 0;
    WalkDepthFirst(&root, TreeChildAt, [&bytes](const TTreeNode& node) { bytes += NodeBytes(node); });
    return bytes;
}

template <typename R> std::size_t ChangeBytes(const std::vector<R>& changes) {
    std::size_t bytes = changes.capacity() * sizeof(R);
    for (const auto& change : changes) {
        bytes += RecordBytes(change.Other) - sizeof change.Other;
    }
    return bytes;
}

// Adds the record changes of a later step: a node the earlier step already holds keeps the
// earlier record, which is what undo must bring back.
template <typename R> void JoinChanges(std::vector<R>& into, std::vector<R>&& later) {
    for (R& change : later) {
        const bool known = std::any_of(into.begin(), into.end(),
                                       [&change](const R& held) { return held.Node == change.Node; });
        if (!known) {
            into.push_back(std::move(change));
        }
    }
}

template <typename R> bool AllUnchanged(const std::vector<R>& changes) {
    return std::all_of(changes.begin(), changes.end(), [](const R& change) {
        return change.Node->RecordEquals(TTreeNode::TRecord(change.Other));
    });
}

} // namespace

std::optional<TDesignHistory::TStep> TDesignHistory::MakeStep(TOpenStep&& open, const std::string& name,
                                                              TSelection after) {
    TStep step;
    step.Name = name;
    step.Before = open.Before;
    step.After = after;
    step.Ops = std::move(open.Ops);
    for (TTreeNode* node : open.RecordOrder) {
        std::optional<TTreeNode::TRecord>& earlier = open.Records.at(node);
        if (!earlier || node->RecordEquals(*earlier)) {
            continue;
        }
        if (auto* item = std::get_if<TMenuItemRec>(&*earlier)) {
            step.Items.push_back({node, std::move(*item)});
        } else if (auto* options = std::get_if<TMenuOptionsRec>(&*earlier)) {
            step.Options.push_back({node, std::move(*options)});
        } else {
            step.Styles.push_back({node, std::move(std::get<TMenuStyleRec>(*earlier))});
        }
    }
    if (step.Ops.empty() && step.Items.empty() && step.Options.empty() && step.Styles.empty()) {
        return std::nullopt;
    }
    step.Bytes = sizeof step + HeapBytes(step.Name) + step.Ops.capacity() * sizeof(TOp) +
                 ChangeBytes(step.Items) + ChangeBytes(step.Options) + ChangeBytes(step.Styles);
    for (const TOp& op : step.Ops) {
        step.Bytes += HeapBytes(op.Text);
        if (op.Kind == TOpKind::Remove) {
            step.Bytes += SubtreeBytes(*op.Node);
        } else if (op.Kind == TOpKind::Insert) {
            // Held here once the insertion is undone.
            step.Bytes += NodeBytes(*op.Node);
        }
    }
    return step;
}

bool TDesignHistory::MergeIntoLast(TStep&& step) {
    TStep& last = m_steps.back();
    for (TOp& op : step.Ops) {
        last.Ops.push_back(std::move(op));
    }
    JoinChanges(last.Items, std::move(step.Items));
    JoinChanges(last.Options, std::move(step.Options));
    JoinChanges(last.Styles, std::move(step.Styles));
    last.After = step.After;
    last.Bytes += step.Bytes;
    m_bytes += step.Bytes;
    // A state of its own: neither the one before the joined change nor a saved one.
    last.Id = m_nextId++;
    if (last.Ops.empty() && AllUnchanged(last.Items) && AllUnchanged(last.Options) &&
        AllUnchanged(last.Styles)) {
        // Typed back to what it was: there is nothing left to take back.
        m_bytes -= last.Bytes;
        m_steps.pop_back();
        --m_done;
        return false;
    }
    return true;
}

void TDesignHistory::NoteExtent(const TStep& step) {
    m_lastExtent = TExtent{};
    const auto note = [this](TTreeNode* node) {
        m_lastExtent.Nodes.push_back(node);
        m_lastExtent.Styles = m_lastExtent.Styles || node->IsStyle();
    };
    for (const TOp& op : step.Ops) {
        note(op.Node);
        m_lastExtent.Structure = m_lastExtent.Structure || op.Kind != TOpKind::Text;
    }
    for (const auto& change : step.Items) {
        note(change.Node);
    }
    for (const auto& change : step.Options) {
        note(change.Node);
    }
    for (const auto& change : step.Styles) {
        note(change.Node);
    }
}

} // namespace tarvex
