#pragma once
// A two-column property grid ("Properties" / "Value") over a set of rows, with drop-down and colour cells.

#include "PropertyGridDelegate.h"
#include "PropertyGridModel.h"

#include <QTableView>
#include <functional>

namespace tarvex {

class TPropertyGrid : public QTableView {
    Q_OBJECT
public:
    explicit TPropertyGrid(int valueColumnWidth, QWidget* parent = nullptr);

    void SetRows(TPropertyRows* rows);
    TPropertyRows* Rows() const { return m_model->Rows(); }
    // Re-reads every value and the enabled state from the rows.
    void Reload();
    // Confirms the text of a cell still being edited, so that a command that runs now sees it;
    // the cell stays open and shows what was stored.
    void ConfirmOpenEditor();
    TPropertyGridModel* GridModel() const { return m_model; }

    // Called for the "..." button of a colour row; the handler writes the row, then Reload().
    std::function<void(int row)> OnEditButtonClick;

    bool IsEditing() const { return state() == EditingState; }
    using QTableView::edit;
    // Puts the keyboard in the value of `row`, its text selected for typing over.
    void EditRow(int row);

    static constexpr int KeyColumnWidth = 150;
    static constexpr int RowHeight = 18;

protected:
    // Keys are not editable: a click on a key edits that row's value.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // F4, Alt+Down or Space on a row: its pick list, or the colour dialog for a colour row.
    bool OpenChooser(int row);
    // Whether Tab (`forward`) or Shift+Tab from `row` goes past the grid's end.
    bool LeavesGrid(int row, bool forward) const;

    TPropertyGridModel* m_model;
    TPropertyGridDelegate* m_delegate;
};

} // namespace tarvex
