#include "PropertyGrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>

namespace tarvex {

TPropertyGrid::TPropertyGrid(int valueColumnWidth, QWidget* parent) : QTableView(parent) {
    m_model = new TPropertyGridModel(this);
    m_delegate = new TPropertyGridDelegate(this);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // A click on the current cell opens its editor at once (mousePressEvent), not after the
    // double-click interval, so keys typed straight after the click reach the editor.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setIconSize(QSize(12, 12));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    // The keys take what their longest caption needs, the values the rest of the pane; the
    // starting widths only size the first layout.
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(40);
    setColumnWidth(0, KeyColumnWidth);
    setColumnWidth(1, valueColumnWidth);

    connect(m_delegate, &TPropertyGridDelegate::EditButtonClicked, this, [this](int row) {
        if (OnEditButtonClick) {
            OnEditButtonClick(row);
        }
    });
}

void TPropertyGrid::SetRows(TPropertyRows* rows) {
    m_model->SetRows(rows);
    setEnabled(rows && rows->Enabled());
}

void TPropertyGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.isValid() && current.column() == 0) {
        setCurrentIndex(current.sibling(current.row(), 1));
        return;
    }
    QTableView::currentChanged(current, previous);
}

void TPropertyGrid::EditRow(int row) {
    if (row < 0 || row >= m_model->rowCount() || !isEnabled()) {
        return;
    }
    setFocus(Qt::OtherFocusReason);
    const QModelIndex cell = m_model->index(row, 1);
    if (currentIndex() != cell) {
        // Opens the cell's editor: the grid edits whichever cell becomes current.
        setCurrentIndex(cell);
    }
    if (state() != EditingState) {
        edit(cell);
    }
    for (QLineEdit* line : viewport()->findChildren<QLineEdit*>()) {
        if (line->isVisible() && line->hasFocus()) {
            line->selectAll();
        }
    }
}

bool TPropertyGrid::LeavesGrid(int row, bool forward) const {
    return forward ? row >= m_model->rowCount() - 1 : row <= 0;
}

bool TPropertyGrid::OpenChooser(int row) {
    TPropertyRows* rows = m_model->Rows();
    if (!rows || row < 0 || row >= m_model->rowCount() || !rows->Enabled()) {
        return false;
    }
    switch (rows->EditStyle(row)) {
    case TPropertyEditStyle::Color:
        if (OnEditButtonClick) {
            OnEditButtonClick(row);
        }
        return true;
    case TPropertyEditStyle::PickList: {
        const QModelIndex cell = m_model->index(row, 1);
        edit(cell);
        for (QComboBox* combo : viewport()->findChildren<QComboBox*>()) {
            if (combo->isVisible()) {
                combo->showPopup();
            }
        }
        return true;
    }
    case TPropertyEditStyle::Text:
        break;
    }
    return false;
}

void TPropertyGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool moves = forward || hint == QAbstractItemDelegate::EditPreviousItem;
    const int row = currentIndex().row();
    // The view's own move would go to the key cell beside (Shift+Tab), which cannot be edited.
    QTableView::closeEditor(editor, moves ? QAbstractItemDelegate::NoHint : hint);
    if (moves && LeavesGrid(row, forward)) {
        QWidget::focusNextPrevChild(forward);
    } else if (moves) {
        EditRow(row + (forward ? 1 : -1));
    }
}

void TPropertyGrid::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (mods & Qt::ControlModifier)) {
        // Ctrl+Tab is never the grid's: it goes on to the page holding the grid, which turns the page.
        event->ignore();
        return;
    }
    if (tab) {
        const bool forward = event->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier);
        if (LeavesGrid(currentIndex().row(), forward)) {
            // Ignored: focusNextPrevChild then passes the focus on to the next control.
            event->ignore();
            return;
        }
        // Row by row: the view's own walk stops at the key cells, which cannot be edited.
        EditRow(currentIndex().row() + (forward ? 1 : -1));
        event->accept();
        return;
    }
    if (state() != EditingState && currentIndex().isValid() && IsChooserKey(event, true) &&
        OpenChooser(currentIndex().row())) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool TPropertyGrid::event(QEvent* event) {
    // Alt with an arrow belongs to the grid and its cells (Alt+Down opens a pick list), not to the
    // window's commands that move tree nodes with the same keys.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                           key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
        if (arrow && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void TPropertyGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex before = currentIndex();
    QTableView::mousePressEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid() && at.column() == 1 && at == before &&
        state() != EditingState) {
        edit(at);
    }
}

bool TPropertyGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // Only a text the cell cuts gets a tooltip: the whole text.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex at = indexAt(help->pos());
        const QString text = at.data(Qt::DisplayRole).toString();
        const int room =
            visualRect(at).width() - 8 - (at.data(Qt::DecorationRole).isValid() ? iconSize().width() + 4 : 0);
        if (!at.isValid() || text.isEmpty() || fontMetrics().horizontalAdvance(text) <= room) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
    }
    return QTableView::viewportEvent(event);
}

void TPropertyGrid::Reload() {
    m_model->RowsChanged();
    TPropertyRows* rows = m_model->Rows();
    setEnabled(rows && rows->Enabled());
}

void TPropertyGrid::ConfirmOpenEditor() {
    const QModelIndex index = currentIndex();
    if (state() != QAbstractItemView::EditingState || !index.isValid()) {
        return;
    }
    if (QWidget* editor = indexWidget(index)) {
        m_delegate->setModelData(editor, m_model, index);
    }
}

} // namespace tarvex
