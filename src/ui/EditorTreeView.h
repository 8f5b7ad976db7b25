#pragma once
// Tree view of one of the editor's trees: no in-place editing, selection kept visible, hot tracking,
// and (for the objects tree) drag and drop decided by the editor.

#include <QTreeView>
#include <functional>

namespace tarvex {

class TTreeModel;
class TTreeNode;

class TEditorTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit TEditorTreeView(QWidget* parent = nullptr);

    void SetTreeModel(TTreeModel* model);
    TTreeModel* TreeModel() const { return m_model; }

    // Set both to allow drops. `ownDrag`: the drag began in this view's own tree.
    std::function<bool(bool ownDrag)> CanDrop;
    std::function<void(bool ownDrag, TTreeNode* target)> Drop;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool OwnDrag(const QDropEvent* event) const;

    TTreeModel* m_model = nullptr;
    // Where the left button went down on a node; null when it did not.
    QPoint m_pressPosition;
    QPersistentModelIndex m_pressIndex;
};

} // namespace tarvex
