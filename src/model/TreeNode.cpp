#include "TreeNode.h"

#include "Tree.h"

#include <algorithm>

namespace tarvex {

int NodeImageIndex(TNodeKind kind) {
    switch (kind) {
    case TNodeKind::MenuGroup:
        return 0;
    case TNodeKind::MenuItem:
        return 2;
    case TNodeKind::MenuOptions:
        return 4;
    case TNodeKind::Style:
        return 5;
    }
    return 0;
}

int NodeSelectedIndex(TNodeKind kind) {
    switch (kind) {
    case TNodeKind::MenuGroup:
        return 1;
    case TNodeKind::MenuItem:
        return 3;
    case TNodeKind::MenuOptions:
        return 4;
    case TNodeKind::Style:
        return 6;
    }
    return 0;
}

namespace {
std::variant<TMenuItemRec, std::unique_ptr<TMenuOptionsRec>, std::unique_ptr<TMenuStyleRec>>
RecordFor(TNodeKind kind) {
    switch (kind) {
    case TNodeKind::MenuOptions:
        return std::make_unique<TMenuOptionsRec>();
    case TNodeKind::Style:
        return std::make_unique<TMenuStyleRec>();
    default:
        return TMenuItemRec{};
    }
}
} // namespace

TTreeNode::TTreeNode(TTree* tree, TTreeNode* parent, TNodeKind kind, std::string text)
    : m_tree(tree), m_parent(parent), m_text(std::move(text)), m_record(RecordFor(kind)), m_kind(kind) {}

TTreeNode::TRecord TTreeNode::Record() const {
    if (Holds<TMenuOptionsRec>()) {
        return Options();
    }
    if (Holds<TMenuStyleRec>()) {
        return Style();
    }
    return Item();
}

bool TTreeNode::RecordEquals(const TRecord& record) const {
    return std::visit(
        [this](const auto& other) {
            using R = std::decay_t<decltype(other)>;
            return Holds<R>() && other == Stored<R>();
        },
        record);
}

void TTreeNode::SetText(std::string text) {
    if (text == m_text) {
        return;
    }
    std::string old = std::move(m_text);
    SetTextUnrecorded(std::move(text));
    if (m_tree && m_tree->m_journal) {
        m_tree->m_journal->TextChanged(*this, old);
    }
}

void TTreeNode::SetTextUnrecorded(std::string text) {
    m_text = std::move(text);
    if (m_tree) {
        m_tree->Notify([this](TTreeObserver& o) { o.NodeTextChanged(this); });
    }
}

void TTreeNode::RecordAboutToChange() {
    if (m_tree && m_tree->m_journal) {
        m_tree->m_journal->RecordAboutToChange(*this);
    }
}

const TNodeStore& TTreeNode::NoChildren() {
    static const TNodeStore none;
    return none;
}

const TTreeNode* TTreeNode::Child(int index) const {
    if (index < 0 || index >= ChildCount()) {
        return nullptr;
    }
    return (*m_children)[static_cast<std::size_t>(index)].get();
}

const TTreeNode* TTreeNode::NextSibling() const {
    return std::as_const(*m_tree).Level(m_parent).At(static_cast<std::size_t>(m_index) + 1);
}

const TTreeNode* TTreeNode::PrevSibling() const {
    return m_index > 0 ? std::as_const(*m_tree).Level(m_parent).At(static_cast<std::size_t>(m_index) - 1)
                       : nullptr;
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = m_parent; p; p = p->m_parent) {
        ++level;
    }
    return level;
}

bool TTreeNode::IsAncestorOf(const TTreeNode* other) const {
    for (const TTreeNode* p = other ? other->m_parent : nullptr; p; p = p->m_parent) {
        if (p == this) {
            return true;
        }
    }
    return false;
}

} // namespace tarvex
