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

    // Set both to allow drops. `ownDrag`: the drag began in this view's own tree; `target`: the
    // node under the mouse, null below the last one.
    // Where on the target's row a drop lands; None below the last row.
    enum class TRowPart { Middle, UpperEdge, LowerEdge, None };
    std::function<bool(bool ownDrag, TTreeNode* target)> CanDrop;
    std::function<void(bool ownDrag, TTreeNode* target, TRowPart place)> Drop;
    // Delete on the selected node.
    std::function<void()> DeleteRequested;
    // F2, Enter or a double-click on the selected node: edit its caption.
    std::function<void()> EditRequested;
    // Where the last accepted drag move would put the node; empty when no drop is under way.
    QRect DropIndicator() const { return m_dropIndicator; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    bool OwnDrag(const QDropEvent* event) const;
    bool AcceptDragAt(QDropEvent* event);
    // Which part of `target`'s row the point `at` is on.
    TRowPart PlaceAt(QPoint at, const QModelIndex& target) const;
    // The line where a drop at `place` of `target` puts the node: for the middle of a row, under
    // the last row of its holder.
    QRect IndicatorFor(const QModelIndex& target, TRowPart place) const;
    // The last row shown of `index` and what it holds, expanded.
    QModelIndex LastShownRow(QModelIndex index) const;

    TTreeModel* m_model = nullptr;
    // Where the left button went down on a node; null when it did not.
    QPoint m_pressPosition;
    QPersistentModelIndex m_pressIndex;
    QRect m_dropIndicator;
};

} // namespace tarvex
