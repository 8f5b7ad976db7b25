#include "Tree.h"

#include <algorithm>
#include <limits>

namespace tarvex {

// Each node lets go of its children only after they have let go of theirs, so no destructor ever
// nests: a design nested thousands of levels deep (a hostile file can do that) cannot exhaust the
// stack.
void TTree::DestroyIteratively(std::vector<std::unique_ptr<TTreeNode>>&& level) {
    for (const auto& root : level) {
        WalkDepthFirst(
            root.get(), TreeChildAt, [](TTreeNode&) {}, [](TTreeNode& node) { node.m_children.reset(); });
    }
    level.clear();
}

void TTree::Renumber(std::vector<std::unique_ptr<TTreeNode>>& level, std::size_t from) {
    for (std::size_t i = from; i < level.size(); ++i) {
        level[i]->m_index = static_cast<int>(i);
    }
}

TTree::~TTree() {
    DestroyIteratively(std::move(m_roots));
}

const TTreeNode* TTree::Root(int index) const {
    if (index < 0 || index >= RootCount()) {
        return nullptr;
    }
    return m_roots[static_cast<std::size_t>(index)].get();
}

const TNodeStore& TTree::Store(const TTreeNode* parent) const {
    return parent ? parent->ChildStore() : m_roots;
}

TNodeLevel<const TTreeNode> TTree::Level(const TTreeNode* parent) const {
    return TNodeLevel<const TTreeNode>(Store(parent));
}

TNodeStore& TTree::MutableLevel(TTreeNode* parent) {
    if (!parent) {
        return m_roots;
    }
    if (!parent->m_children) {
        parent->m_children = std::make_unique<std::vector<std::unique_ptr<TTreeNode>>>();
    }
    return *parent->m_children;
}

TTreeNode* TTree::Append(TTreeNode* parent, TNodeKind kind, std::string text) {
    return Insert(parent, static_cast<int>(Level(parent).size()), kind, std::move(text));
}

TTreeNode* TTree::Insert(TTreeNode* parent, int index, TNodeKind kind, std::string text) {
    auto& level = MutableLevel(parent);
    index = std::clamp(index, 0, static_cast<int>(level.size()));
    Notify([&](TTreeObserver& o) { o.NodeAboutToBeInserted(parent, index); });
    auto node = std::make_unique<TTreeNode>(this, parent, kind, std::move(text));
    TTreeNode* raw = node.get();
    level.insert(level.begin() + index, std::move(node));
    Renumber(level, static_cast<std::size_t>(index));
    Notify([&](TTreeObserver& o) { o.NodeInserted(raw); });
    if (m_journal) {
        m_journal->NodeInserted(*raw);
    }
    return raw;
}

TDetachedNode TTree::Detach(TTreeNode* node) {
    if (!node || node->m_tree != this) {
        return nullptr;
    }
    TTreeNode* parent = node->m_parent;
    auto& level = MutableLevel(parent);
    const int index = node->Index();
    if (index < 0 || index >= static_cast<int>(level.size()) ||
        level[static_cast<std::size_t>(index)].get() != node) {
        return nullptr;
    }
    Notify([&](TTreeObserver& o) { o.NodeAboutToBeRemoved(node); });
    TDetachedNode detached(level[static_cast<std::size_t>(index)].release());
    level.erase(level.begin() + index);
    Renumber(level, static_cast<std::size_t>(index));
    Notify([&](TTreeObserver& o) { o.NodeRemoved(parent, index); });
    return detached;
}

TTreeNode* TTree::Attach(TTreeNode* parent, int index, TDetachedNode node) {
    if (!node || node->m_tree != this || (parent && parent->m_tree != this)) {
        return nullptr;
    }
    auto& level = MutableLevel(parent);
    index = std::clamp(index, 0, static_cast<int>(level.size()));
    Notify([&](TTreeObserver& o) { o.NodeAboutToBeInserted(parent, index); });
    TTreeNode* raw = node.get();
    raw->m_parent = parent;
    level.insert(level.begin() + index, std::unique_ptr<TTreeNode>(node.release()));
    Renumber(level, static_cast<std::size_t>(index));
    Notify([&](TTreeObserver& o) { o.NodeInserted(raw); });
    return raw;
}

void TTree::Remove(TTreeNode* node) {
    TTreeNode* parent = node ? node->m_parent : nullptr;
    const int index = node ? node->Index() : -1;
    TDetachedNode detached = Detach(node);
    if (detached && m_journal) {
        // Freed here (without recursion) unless the journal keeps it for an undo.
        detached = m_journal->NodeRemoved(parent, index, std::move(detached));
    }
}

bool TTree::MoveToEnd(TTreeNode* node, TTreeNode* newParent) {
    return MoveTo(node, newParent, std::numeric_limits<int>::max());
}

bool TTree::MoveTo(TTreeNode* node, TTreeNode* newParent, int index) {
    if (!node || node->m_tree != this || node == newParent || node->IsAncestorOf(newParent) ||
        (newParent && newParent->m_tree != this)) {
        return false;
    }
    TTreeNode* oldParent = node->m_parent;
    auto& from = MutableLevel(oldParent);
    auto& to = MutableLevel(newParent);
    const int fromIndex = node->Index();
    const bool sameLevel = &from == &to;
    // The place counts the level as it is once the node has left it.
    index = std::clamp(index, 0, static_cast<int>(to.size()) - (sameLevel ? 1 : 0));
    if (sameLevel && index == fromIndex) {
        return true;
    }
    // Observers are told the place in the level as it is before the move.
    const int beforeMove = sameLevel && index > fromIndex ? index + 1 : index;
    Notify([&](TTreeObserver& o) { o.NodeAboutToBeMoved(node, newParent, beforeMove); });
    std::unique_ptr<TTreeNode> owned = std::move(from[static_cast<std::size_t>(fromIndex)]);
    from.erase(from.begin() + fromIndex);
    owned->m_parent = newParent;
    to.insert(to.begin() + index, std::move(owned));
    Renumber(from, static_cast<std::size_t>(sameLevel ? std::min(fromIndex, index) : fromIndex));
    if (!sameLevel) {
        Renumber(to, static_cast<std::size_t>(index));
    }
    Notify([&](TTreeObserver& o) { o.NodeMoved(node); });
    if (m_journal) {
        m_journal->NodeMoved(*node, oldParent, fromIndex);
    }
    return true;
}

void TTree::Clear() {
    BeginUpdate();
    DestroyIteratively(std::move(m_roots));
    m_roots.clear();
    EndUpdate();
    if (m_journal) {
        m_journal->TreeCleared(*this);
    }
}

void TSubtreeDeleter::operator()(TTreeNode* node) const {
    std::vector<std::unique_ptr<TTreeNode>> level;
    level.emplace_back(node);
    TTree::DestroyIteratively(std::move(level));
}

void TTree::BeginUpdate() {
    if (m_updateDepth == 0) {
        for (TTreeObserver* o : m_observers) {
            o->TreeAboutToBeReset();
        }
    }
    ++m_updateDepth;
}

void TTree::EndUpdate() {
    if (m_updateDepth == 0) {
        return;
    }
    if (--m_updateDepth == 0) {
        for (TTreeObserver* o : m_observers) {
            o->TreeReset();
        }
    }
}

void TTree::AddObserver(TTreeObserver* observer) {
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void TTree::RemoveObserver(TTreeObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void TTree::ForEach(const std::function<void(const TTreeNode&)>& visit) const {
    Walk(visit, [](const TTreeNode&) {});
}

void TTree::ForEach(const std::function<void(TTreeNode&)>& visit) {
    Walk(visit, [](const TTreeNode&) {});
}

std::size_t TTree::NodeCount() const {
    std::size_t count = 0;
    ForEach([&](const TTreeNode&) { ++count; });
    return count;
}

} // namespace tarvex
