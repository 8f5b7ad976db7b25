#pragma once
// Thin QAbstractItemModel over one of the editor's trees (objects tree or style list).

#include "model/Tree.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <array>
#include <unordered_set>
#include <vector>

namespace tarvex {

class TTreeModel : public QAbstractItemModel, private TTreeObserver {
    Q_OBJECT
public:
    // `dragEnabled`: whether nodes may be dragged (the objects tree only).
    TTreeModel(TTree& tree, bool dragEnabled, QObject* parent = nullptr);
    ~TTreeModel() override;

    TTree& Tree() const { return m_tree; }
    // The nodes Find matched, shown in bold until the next call.
    void SetMarked(const std::vector<TTreeNode*>& nodes);
    QModelIndex IndexOf(const TTreeNode* node) const;
    static TTreeNode* NodeOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // True between a begin and an end notification: the view must not forward the selection
    // moves Qt makes on its own while rows come and go.
    bool Changing() const { return m_changing > 0; }

    // True when `data` is a drag that started in this very model.
    bool IsOwnDrag(const QMimeData* data) const;
    static const char* const DragMimeType;

private:
    void NodeAboutToBeInserted(const TTreeNode* parent, int index) override;
    void NodeInserted(TTreeNode* node) override;
    void NodeAboutToBeRemoved(TTreeNode* node) override;
    void NodeRemoved(const TTreeNode* parent, int index) override;
    void NodeAboutToBeMoved(TTreeNode* node, const TTreeNode* newParent, int newIndex) override;
    void NodeMoved(TTreeNode* node) override;
    void NodeTextChanged(TTreeNode* node) override;
    void TreeAboutToBeReset() override;
    void TreeReset() override;

    TTree& m_tree;
    bool m_dragEnabled;
    enum class TMove { None, Rows, Reset };
    TMove m_move = TMove::None;
    int m_changing = 0;
    std::array<QIcon, 4> m_icons;
    // Find's matches, shown in bold; forgotten when nodes go, so no freed node is named here.
    std::unordered_set<const TTreeNode*> m_marked;
};

} // namespace tarvex
