#pragma once
// One node of the objects tree or the style list: kind, text, the record it owns, and its children.

#include "NodeLevel.h"
#include "Records.h"

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace tarvex {

class TTree;

enum class TNodeKind { MenuGroup, MenuItem, MenuOptions, Style };

// The tree image list's indices: the pairing (normal / selected) is what tells the kinds apart.
int NodeImageIndex(TNodeKind kind);
int NodeSelectedIndex(TNodeKind kind);

class TTreeNode {
public:
    TTreeNode(TTree* tree, TTreeNode* parent, TNodeKind kind, std::string text);
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    TNodeKind Kind() const { return m_kind; }
    bool IsGroup() const { return m_kind == TNodeKind::MenuGroup; }
    bool IsItem() const { return m_kind == TNodeKind::MenuItem; }
    bool IsOptions() const { return m_kind == TNodeKind::MenuOptions; }
    bool IsStyle() const { return m_kind == TNodeKind::Style; }

    // Node text is record text (8-bit) and is never cut: the "Caption" row sets it whole.
    const std::string& Text() const { return m_text; }
    void SetText(std::string text);

    // Through a const node only const nodes are reachable; the writable overloads are for writers.
    const TTree* Tree() const { return m_tree; }
    TTree* Tree() { return m_tree; }
    // The parent node, or nullptr for a node of the root level.
    const TTreeNode* Parent() const { return m_parent; }
    TTreeNode* Parent() { return m_parent; }
    TNodeLevel<const TTreeNode> Children() const { return TNodeLevel<const TTreeNode>(ChildStore()); }
    TNodeLevel<TTreeNode> Children() { return TNodeLevel<TTreeNode>(ChildStore()); }
    bool HasChildren() const { return m_children && !m_children->empty(); }
    int ChildCount() const { return static_cast<int>(ChildStore().size()); }
    const TTreeNode* Child(int index) const;
    TTreeNode* Child(int index) { return Writable(std::as_const(*this).Child(index)); }
    const TTreeNode* FirstChild() const { return HasChildren() ? m_children->front().get() : nullptr; }
    TTreeNode* FirstChild() { return Writable(std::as_const(*this).FirstChild()); }
    const TTreeNode* NextSibling() const;
    TTreeNode* NextSibling() { return Writable(std::as_const(*this).NextSibling()); }
    const TTreeNode* PrevSibling() const;
    TTreeNode* PrevSibling() { return Writable(std::as_const(*this).PrevSibling()); }
    // 0 for the root level, 1 for a child of a root-level node, and so on.
    int Level() const;
    // Position among the nodes of its level, counting from 0.
    int Index() const { return m_index; }
    bool IsAncestorOf(const TTreeNode* other) const;

    // The record matching the node kind; asking for another kind's record is a programming error.
    // Reading is always const, whatever the node, and is never taken for a change.
    const TMenuItemRec& Item() const { return Stored<TMenuItemRec>(); }
    const TMenuOptionsRec& Options() const { return Stored<TMenuOptionsRec>(); }
    const TMenuStyleRec& Style() const { return Stored<TMenuStyleRec>(); }

    // The only way to change the record: the tree's journal hears of it before the write, so no
    // change can pass by the undo history. Inside an edit step only (see TDesignHistory).
    template <typename R> R& EditRecord() {
        RecordAboutToChange();
        return Stored<R>();
    }
    TMenuItemRec& EditItem() { return EditRecord<TMenuItemRec>(); }
    TMenuOptionsRec& EditOptions() { return EditRecord<TMenuOptionsRec>(); }
    TMenuStyleRec& EditStyle() { return EditRecord<TMenuStyleRec>(); }

    using TRecord = std::variant<TMenuItemRec, TMenuOptionsRec, TMenuStyleRec>;
    // A copy of the record, whatever its kind.
    TRecord Record() const;
    bool RecordEquals(const TRecord& record) const;
    // Exchanges the record with `other` (of the node's own record type) without telling the
    // journal: a history uses it to take a change back and to bring it again.
    template <typename R> void SwapRecordUnrecorded(R& other) {
        using std::swap;
        swap(Stored<R>(), other);
    }
    // Sets the text without telling the journal; observers hear of it as usual.
    void SetTextUnrecorded(std::string text);

private:
    friend class TTree;
    void RecordAboutToChange();
    static const TNodeStore& NoChildren();
    const TNodeStore& ChildStore() const { return m_children ? *m_children : NoChildren(); }
    // A node of this node's own tree, reached from a writable node: writable as well.
    static TTreeNode* Writable(const TTreeNode* node) { return const_cast<TTreeNode*>(node); }
    template <typename R> bool Holds() const {
        if constexpr (std::is_same_v<R, TMenuItemRec>) {
            return std::holds_alternative<TMenuItemRec>(m_record);
        } else {
            return std::holds_alternative<std::unique_ptr<R>>(m_record);
        }
    }
    template <typename R> const R& Stored() const {
        if constexpr (std::is_same_v<R, TMenuItemRec>) {
            return std::get<TMenuItemRec>(m_record);
        } else {
            return *std::get<std::unique_ptr<R>>(m_record);
        }
    }
    template <typename R> R& Stored() { return const_cast<R&>(std::as_const(*this).template Stored<R>()); }

    TTree* m_tree;
    TTreeNode* m_parent;
    std::string m_text;
    // Entries are most of a design and hold their small record in place; the few menu options and
    // styles keep their larger ones apart, so an entry's node does not grow to a style's size.
    std::variant<TMenuItemRec, std::unique_ptr<TMenuOptionsRec>, std::unique_ptr<TMenuStyleRec>> m_record;
    // Made with the first child: most nodes never have one.
    std::unique_ptr<std::vector<std::unique_ptr<TTreeNode>>> m_children;
    // Kept up to date by TTree so that sibling steps stay O(1) in wide menus.
    int m_index = 0;
    TNodeKind m_kind;
};

} // namespace tarvex
