#include "EditorTreeView.h"

#include "TreeModel.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>
#include <QStyledItemDelegate>

namespace tarvex {

namespace {

// Not every style marks the row under the mouse; this one does it in all of them, the way a
// hot-tracking tree does: the node's text underlined in the link colour.
class THotTrackDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if ((option->state & QStyle::State_MouseOver) && !(option->state & QStyle::State_Selected)) {
            option->font.setUnderline(true);
            option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Link));
        }
    }
};

} // namespace

TEditorTreeView::TEditorTreeView(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setItemDelegate(new THotTrackDelegate(this));
    // The selection stays as visible without focus as with it.
    QPalette keep = palette();
    keep.setColor(QPalette::Inactive, QPalette::Highlight, keep.color(QPalette::Active, QPalette::Highlight));
    keep.setColor(QPalette::Inactive, QPalette::HighlightedText,
                  keep.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(keep);
}

void TEditorTreeView::SetTreeModel(TTreeModel* model) {
    m_model = model;
    setModel(model);
}

void TEditorTreeView::mousePressEvent(QMouseEvent* event) {
    QTreeView::mousePressEvent(event);
    m_pressPosition = event->position().toPoint();
    const QModelIndex pressed = indexAt(m_pressPosition);
    // Only a node the press made (or left) the selected one is dragged: a press on a group's
    // expand button leaves the selection elsewhere.
    const bool onNode = event->button() == Qt::LeftButton && pressed.isValid() && pressed == currentIndex();
    m_pressIndex = onNode ? QPersistentModelIndex(pressed) : QPersistentModelIndex();
}

void TEditorTreeView::mouseMoveEvent(QMouseEvent* event) {
    // The drag begins with the first move of the held button, not after the toolkit's usual distance.
    if (dragEnabled() && m_pressIndex.isValid() && (event->buttons() & Qt::LeftButton) &&
        event->position().toPoint() != m_pressPosition && state() != DraggingState) {
        m_pressIndex = QPersistentModelIndex();
        setState(DraggingState);
        startDrag(model()->supportedDragActions());
        setState(NoState);
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

bool TEditorTreeView::OwnDrag(const QDropEvent* event) const {
    return m_model && m_model->IsOwnDrag(event->mimeData());
}

void TEditorTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (CanDrop && CanDrop(OwnDrag(event))) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TEditorTreeView::dragMoveEvent(QDragMoveEvent* event) {
    if (CanDrop && CanDrop(OwnDrag(event))) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TEditorTreeView::dropEvent(QDropEvent* event) {
    const bool own = OwnDrag(event);
    if (!Drop || !CanDrop || !CanDrop(own)) {
        event->ignore();
        return;
    }
    TTreeNode* target = TTreeModel::NodeOf(indexAt(event->position().toPoint()));
    // The tree moves the node itself; Qt must not remove any row on its side afterwards.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Drop(own, target);
}

} // namespace tarvex
