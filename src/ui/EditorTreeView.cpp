#include "EditorTreeView.h"

#include "TreeModel.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyledItemDelegate>

#include <algorithm>

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

QModelIndex TEditorTreeView::LastShownRow(QModelIndex index) const {
    while (isExpanded(index) && model()->rowCount(index) > 0) {
        index = model()->index(model()->rowCount(index) - 1, 0, index);
    }
    return index;
}

TEditorTreeView::TRowPart TEditorTreeView::PlaceAt(QPoint at, const QModelIndex& target) const {
    if (!target.isValid()) {
        return TRowPart::None;
    }
    // A quarter of the row at either edge: wide enough to hit, narrow enough to leave the middle.
    const QRect row = visualRect(target);
    const int edge = std::max(2, row.height() / 4);
    if (at.y() < row.top() + edge) {
        return TRowPart::UpperEdge;
    }
    if (at.y() > row.bottom() - edge) {
        return TRowPart::LowerEdge;
    }
    return TRowPart::Middle;
}

QRect TEditorTreeView::IndicatorFor(const QModelIndex& target, TRowPart place) const {
    if (place == TRowPart::UpperEdge || place == TRowPart::LowerEdge) {
        // Between two rows, at the target's indentation; after a group, below all it shows.
        const QRect entry = visualRect(target);
        const int y =
            place == TRowPart::UpperEdge ? entry.top() - 1 : visualRect(LastShownRow(target)).bottom() - 1;
        return QRect(entry.left(), y, viewport()->width() - entry.left(), 3);
    }
    // A drop moves the node to the end of the target's holder: the line goes under the holder's
    // last visible row, at the indentation of its entries.
    const QModelIndex holder = target.isValid() ? target.parent() : QModelIndex();
    const int count = model()->rowCount(holder);
    if (count == 0) {
        return QRect();
    }
    const QRect lastRow = visualRect(LastShownRow(model()->index(count - 1, 0, holder)));
    const QRect entry = visualRect(model()->index(count - 1, 0, holder));
    if (!lastRow.isValid() || !entry.isValid()) {
        return QRect();
    }
    return QRect(entry.left(), lastRow.bottom() - 1, viewport()->width() - entry.left(), 3);
}

bool TEditorTreeView::AcceptDragAt(QDropEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    const QRect before = m_dropIndicator;
    const bool accepted = CanDrop && CanDrop(OwnDrag(event), TTreeModel::NodeOf(at));
    m_dropIndicator = accepted ? IndicatorFor(at, PlaceAt(event->position().toPoint(), at)) : QRect();
    if (before != m_dropIndicator) {
        viewport()->update();
    }
    if (accepted) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        // The refusal cursor shows while the mouse is here.
        event->ignore();
    }
    return accepted;
}

void TEditorTreeView::dragEnterEvent(QDragEnterEvent* event) {
    // Entering is accepted for any drag of our own, so that moves over refused nodes still reach
    // dragMoveEvent and show the refusal there.
    if (CanDrop && OwnDrag(event)) {
        AcceptDragAt(event);
        event->accept();
    } else {
        event->ignore();
    }
}

void TEditorTreeView::dragMoveEvent(QDragMoveEvent* event) {
    AcceptDragAt(event);
}

void TEditorTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
    m_dropIndicator = QRect();
    viewport()->update();
    QTreeView::dragLeaveEvent(event);
}

void TEditorTreeView::dropEvent(QDropEvent* event) {
    m_dropIndicator = QRect();
    viewport()->update();
    const bool own = OwnDrag(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    TTreeNode* target = TTreeModel::NodeOf(at);
    if (!Drop || !CanDrop || !CanDrop(own, target)) {
        event->ignore();
        return;
    }
    // The tree moves the node itself; Qt must not remove any row on its side afterwards.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Drop(own, target, PlaceAt(event->position().toPoint(), at));
}

void TEditorTreeView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (m_dropIndicator.isValid()) {
        QPainter painter(viewport());
        painter.fillRect(m_dropIndicator, palette().color(QPalette::Highlight));
    }
}

void TEditorTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && EditRequested) {
        if (index != currentIndex()) {
            setCurrentIndex(index);
        }
        EditRequested();
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void TEditorTreeView::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Delete && DeleteRequested) {
        DeleteRequested();
        event->accept();
        return;
    }
    if (plain &&
        (event->key() == Qt::Key_F2 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        EditRequested && currentIndex().isValid()) {
        EditRequested();
        event->accept();
        return;
    }
    // Alt with an arrow is a move command; where the move is refused the key must not fall
    // through to the tree and move the selection instead.
    const bool altArrow = (event->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier &&
                          (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                           event->key() == Qt::Key_Left || event->key() == Qt::Key_Right);
    if (altArrow) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags TEditorTreeView::selectionCommand(const QModelIndex& index,
                                                                      const QEvent* event) const {
    // Neither empty space nor Ctrl+click takes the selection away: the commands act on it.
    if (!index.isValid()) {
        return QItemSelectionModel::NoUpdate;
    }
    QItemSelectionModel::SelectionFlags flags = QTreeView::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return flags;
}

} // namespace tarvex
