#pragma once
// One node of the objects tree or the style list: kind, text, the record it owns, and its children.

#include "Records.h"

#include <memory>
#include <string>
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

    TTree* Tree() const { return m_tree; }
    // The parent node, or nullptr for a node of the root level.
    TTreeNode* Parent() const { return m_parent; }
    const std::vector<std::unique_ptr<TTreeNode>>& Children() const { return m_children; }
    bool HasChildren() const { return !m_children.empty(); }
    int ChildCount() const { return static_cast<int>(m_children.size()); }
    TTreeNode* Child(int index) const;
    TTreeNode* FirstChild() const { return m_children.empty() ? nullptr : m_children.front().get(); }
    TTreeNode* NextSibling() const;
    TTreeNode* PrevSibling() const;
    // 0 for the root level, 1 for a child of a root-level node, and so on.
    int Level() const;
    // Position among the nodes of its level, counting from 0.
    int Index() const { return m_index; }
    bool IsAncestorOf(const TTreeNode* other) const;

    // The record matching the node kind; asking for another kind's record is a programming error.
    // Reading is always const, whatever the node, and is never taken for a change.
    const TMenuItemRec& Item() const { return std::get<TMenuItemRec>(m_record); }
    const TMenuOptionsRec& Options() const { return std::get<TMenuOptionsRec>(m_record); }
    const TMenuStyleRec& Style() const { return std::get<TMenuStyleRec>(m_record); }

    // The only way to change the record: the tree's journal hears of it before the write, so no
    // change can pass by the undo history. Inside an edit step only (see TDesignHistory).
    template <typename R> R& EditRecord() { return std::get<R>(WritableRecord()); }
    TMenuItemRec& EditItem() { return EditRecord<TMenuItemRec>(); }
    TMenuOptionsRec& EditOptions() { return EditRecord<TMenuOptionsRec>(); }
    TMenuStyleRec& EditStyle() { return EditRecord<TMenuStyleRec>(); }

    using TRecord = std::variant<TMenuItemRec, TMenuOptionsRec, TMenuStyleRec>;
    const TRecord& Record() const { return m_record; }
    // Exchanges the record with `other` (of the node's own record type) without telling the
    // journal: a history uses it to take a change back and to bring it again.
    template <typename R> void SwapRecordUnrecorded(R& other) { std::swap(std::get<R>(m_record), other); }
    // Sets the text without telling the journal; observers hear of it as usual.
    void SetTextUnrecorded(std::string text);

private:
    friend class TTree;
    TRecord& WritableRecord();

    TTree* m_tree;
    TTreeNode* m_parent;
    TNodeKind m_kind;
    std::string m_text;
    TRecord m_record;
    std::vector<std::unique_ptr<TTreeNode>> m_children;
    // Kept up to date by TTree so that sibling steps stay O(1) in wide menus.
    int m_index = 0;
};

} // namespace tarvex
