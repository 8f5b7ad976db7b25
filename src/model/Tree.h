#pragma once
// An ordered tree of TTreeNode (objects tree or style list) that tells observers about every change.

#include "TreeNode.h"
#include "base/DepthFirstWalk.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tarvex {

// Notifications in the begin/end pairs a Qt item model needs. `parent` nullptr means the root level.
class TTreeObserver {
public:
    virtual ~TTreeObserver() = default;
    virtual void NodeAboutToBeInserted(const TTreeNode* /*parent*/, int /*index*/) {}
    virtual void NodeInserted(TTreeNode* /*node*/) {}
    virtual void NodeAboutToBeRemoved(TTreeNode* /*node*/) {}
    virtual void NodeRemoved(const TTreeNode* /*parent*/, int /*index*/) {}
    virtual void NodeAboutToBeMoved(TTreeNode* /*node*/, const TTreeNode* /*newParent*/, int /*newIndex*/) {}
    virtual void NodeMoved(TTreeNode* /*node*/) {}
    virtual void NodeTextChanged(TTreeNode* /*node*/) {}
    virtual void TreeAboutToBeReset() {}
    virtual void TreeReset() {}
};

// Frees a subtree that is out of any tree without recursion (see TTree::Detach).
struct TSubtreeDeleter {
    void operator()(TTreeNode* node) const;
};
// A node with its subtree taken out of its tree; it keeps its tree and can go back into it.
using TDetachedNode = std::unique_ptr<TTreeNode, TSubtreeDeleter>;

// Hears every change of a tree's content as it happens, also between BeginUpdate and EndUpdate,
// so that a history can take each one back. A record may change after its node's Edit call; the
// journal hears of the call before the write.
class TTreeJournal {
public:
    virtual ~TTreeJournal() = default;
    virtual void RecordAboutToChange(TTreeNode& node) = 0;
    virtual void TextChanged(TTreeNode& node, const std::string& oldText) = 0;
    // A node created by Insert/Append, now in the tree.
    virtual void NodeInserted(TTreeNode& node) = 0;
    // `node` left the level of `parent` at `index`. The journal may keep the subtree; what it
    // hands back is freed.
    virtual TDetachedNode NodeRemoved(TTreeNode* parent, int index, TDetachedNode node) = 0;
    virtual void NodeMoved(TTreeNode& node, TTreeNode* oldParent, int oldIndex) = 0;
    // Every node of `tree` is gone.
    virtual void TreeCleared(TTree& tree) = 0;
};

class TTree {
public:
    TTree() = default;
    TTree(const TTree&) = delete;
    TTree& operator=(const TTree&) = delete;
    ~TTree();

    // Through a const tree only const nodes are reachable; the writable overloads are for writers.
    TNodeLevel<const TTreeNode> Roots() const { return TNodeLevel<const TTreeNode>(m_roots); }
    TNodeLevel<TTreeNode> Roots() { return TNodeLevel<TTreeNode>(m_roots); }
    int RootCount() const { return static_cast<int>(m_roots.size()); }
    const TTreeNode* Root(int index) const;
    TTreeNode* Root(int index) { return const_cast<TTreeNode*>(std::as_const(*this).Root(index)); }
    const TTreeNode* FirstRoot() const { return m_roots.empty() ? nullptr : m_roots.front().get(); }
    TTreeNode* FirstRoot() { return m_roots.empty() ? nullptr : m_roots.front().get(); }
    bool Empty() const { return m_roots.empty(); }
    // The children of `parent`, or the root level when `parent` is nullptr.
    TNodeLevel<const TTreeNode> Level(const TTreeNode* parent) const;
    TNodeLevel<TTreeNode> Level(const TTreeNode* parent) {
        return TNodeLevel<TTreeNode>(std::as_const(*this).Store(parent));
    }

    // Appends a node (with the record default-constructed for its kind) as the last child of
    // `parent` (nullptr: the root level). The tree owns it; the pointer stays valid until it is removed.
    TTreeNode* Append(TTreeNode* parent, TNodeKind kind, std::string text);
    TTreeNode* Insert(TTreeNode* parent, int index, TNodeKind kind, std::string text);
    // Removes the node with its subtree; their records go with them.
    void Remove(TTreeNode* node);
    // Makes `node` the last node of the level of `newParent`; refused (false) when that would put it
    // inside its own subtree.
    bool MoveToEnd(TTreeNode* node, TTreeNode* newParent);
    // Moves `node` so that it ends up at `index` of the level of `newParent`; refused (false) as
    // MoveToEnd is.
    bool MoveTo(TTreeNode* node, TTreeNode* newParent, int index);
    void Clear();

    // Takes `node` with its subtree out of the tree and hands it to the caller, and puts such a
    // node back (at `index` of the level of `parent`). Observers hear of both as a removal and an
    // insertion; the journal hears of neither: these are how a history replays its changes.
    TDetachedNode Detach(TTreeNode* node);
    TTreeNode* Attach(TTreeNode* parent, int index, TDetachedNode node);

    // At most one journal; nullptr detaches it.
    void SetJournal(TTreeJournal* journal) { m_journal = journal; }
    TTreeJournal* Journal() const { return m_journal; }

    // While an update runs no per-node notification is sent; the last EndUpdate announces a reset.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return m_updateDepth > 0; }

    void AddObserver(TTreeObserver* observer);
    void RemoveObserver(TTreeObserver* observer);

    // WalkDepthFirst over every root in order: `enter(node)` before the node's children,
    // `leave(node)` after them; an `enter` that returns false skips the children and the leave.
    // The tree's shape must not change during the walk.
    template <typename TEnter, typename TLeave> void Walk(TEnter&& enter, TLeave&& leave) const;
    template <typename TEnter, typename TLeave> void Walk(TEnter&& enter, TLeave&& leave);
    // Depth-first pre-order walk over every node.
    void ForEach(const std::function<void(const TTreeNode&)>& visit) const;
    void ForEach(const std::function<void(TTreeNode&)>& visit);
    std::size_t NodeCount() const;

private:
    friend class TTreeNode;
    friend struct TSubtreeDeleter;
    const TNodeStore& Store(const TTreeNode* parent) const;
    TNodeStore& MutableLevel(TTreeNode* parent);
    static void Renumber(std::vector<std::unique_ptr<TTreeNode>>& level, std::size_t from);
    static void DestroyIteratively(std::vector<std::unique_ptr<TTreeNode>>&& level);
    template <typename F> void Notify(F&& f) const {
        if (m_updateDepth == 0) {
            for (TTreeObserver* o : m_observers) {
                f(*o);
            }
        }
    }

    std::vector<std::unique_ptr<TTreeNode>> m_roots;
    std::vector<TTreeObserver*> m_observers;
    TTreeJournal* m_journal = nullptr;
    int m_updateDepth = 0;
};

// The child list of a node of either tree, for WalkDepthFirst: const children of a const node.
struct TTreeChildAt {
    const TTreeNode* operator()(const TTreeNode& node, std::size_t i) const { return node.Children().At(i); }
    TTreeNode* operator()(TTreeNode& node, std::size_t i) const { return node.Children().At(i); }
};
inline constexpr TTreeChildAt TreeChildAt{};

template <typename TEnter, typename TLeave> void TTree::Walk(TEnter&& enter, TLeave&& leave) const {
    for (const auto& root : m_roots) {
        WalkDepthFirst(static_cast<const TTreeNode*>(root.get()), TreeChildAt, enter, leave);
    }
}

template <typename TEnter, typename TLeave> void TTree::Walk(TEnter&& enter, TLeave&& leave) {
    for (const auto& root : m_roots) {
        WalkDepthFirst(root.get(), TreeChildAt, enter, leave);
    }
}

} // namespace tarvex
