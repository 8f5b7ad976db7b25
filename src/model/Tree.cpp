#include "Tree.h"

#include <algorithm>

namespace tarvex {

// Nodes are freed from a work list rather than by nested destructors, so a design nested
// thousands of levels deep (a hostile file can do that) cannot exhaust the stack.
void TTree::DestroyIteratively(std::vector<std::unique_ptr<TTreeNode>>&& level) {
    std::vector<std::unique_ptr<TTreeNode>> pending = std::move(level);
    while (!pending.empty()) {
        std::unique_ptr<TTreeNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->m_children) {
            pending.push_back(std::move(child));
        }
        node->m_children.clear();
    }
}

void TTree::Renumber(std::vector<std::unique_ptr<TTreeNode>>& level, std::size_t from) {
    for (std::size_t i = from; i < level.size(); ++i) {
        level[i]->m_index = static_cast<int>(i);
    }
}

TTree::~TTree() {
    DestroyIteratively(std::move(m_roots));
}

TTreeNode* TTree::Root(int index) const {
    if (index < 0 || index >= RootCount()) {
        return nullptr;
    }
    return m_roots[static_cast<std::size_t>(index)].get();
}

const std::vector<std::unique_ptr<TTreeNode>>& TTree::Level(const TTreeNode* parent) const {
    return parent ? parent->m_children : m_roots;
}

std::vector<std::unique_ptr<TTreeNode>>& TTree::MutableLevel(TTreeNode* parent) {
    return parent ? parent->m_children : m_roots;
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
    return raw;
}

void TTree::Remove(TTreeNode* node) {
    if (!node || node->m_tree != this) {
        return;
    }
    TTreeNode* parent = node->m_parent;
    auto& level = MutableLevel(parent);
    const int index = node->Index();
    if (index < 0) {
        return;
    }
    Notify([&](TTreeObserver& o) { o.NodeAboutToBeRemoved(node); });
    std::vector<std::unique_ptr<TTreeNode>> doomed;
    doomed.push_back(std::move(level[static_cast<std::size_t>(index)]));
    level.erase(level.begin() + index);
    Renumber(level, static_cast<std::size_t>(index));
    DestroyIteratively(std::move(doomed));
    Notify([&](TTreeObserver& o) { o.NodeRemoved(parent, index); });
}

bool TTree::MoveToEnd(TTreeNode* node, TTreeNode* newParent) {
    if (!node || node->m_tree != this || node == newParent || node->IsAncestorOf(newParent)) {
        return false;
    }
    auto& from = MutableLevel(node->m_parent);
    auto& to = MutableLevel(newParent);
    const int fromIndex = node->Index();
    const int newIndex = static_cast<int>(to.size());
    if (&from == &to && fromIndex == newIndex - 1) {
        return true;
    }
    Notify([&](TTreeObserver& o) { o.NodeAboutToBeMoved(node, newParent, newIndex); });
    std::unique_ptr<TTreeNode> owned = std::move(from[static_cast<std::size_t>(fromIndex)]);
    from.erase(from.begin() + fromIndex);
    Renumber(from, static_cast<std::size_t>(fromIndex));
    owned->m_parent = newParent;
    owned->m_index = static_cast<int>(to.size());
    to.push_back(std::move(owned));
    Notify([&](TTreeObserver& o) { o.NodeMoved(node); });
    return true;
}

void TTree::Clear() {
    BeginUpdate();
    DestroyIteratively(std::move(m_roots));
    m_roots.clear();
    EndUpdate();
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

void TTree::ForEach(const std::function<void(TTreeNode&)>& visit) const {
    Walk(visit, [](const TTreeNode&) {});
}

std::size_t TTree::NodeCount() const {
    std::size_t count = 0;
    ForEach([&](TTreeNode&) { ++count; });
    return count;
}

} // namespace tarvex
