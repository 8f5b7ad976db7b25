#pragma once
// A two-column property grid ("Properties" / "Value") over a set of rows, with drop-down and colour cells.

#include "PropertyRows.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace tarvex {

// Table model over TPropertyRows: column 0 the fixed keys, column 1 the editable values.
class TPropertyGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TPropertyGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The rows are not owned; nullptr shows an empty grid.
    void SetRows(TPropertyRows* rows);
    TPropertyRows* Rows() const { return m_rows; }
    // The rows' values changed behind the model's back (load, clear, colour button).
    void RowsChanged();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A six-digit hex text as a colour; invalid otherwise.
    static QColor HexColor(const QString& text);

private:
    TPropertyRows* m_rows = nullptr;
    int m_rowCount = 0;
};

// Creates the cell editors: an editable combo box, a line edit with a "..." button, or a line edit.
class TPropertyGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TPropertyGridDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    void EditButtonClicked(int row) const;
};

class TPropertyGrid : public QTableView {
    Q_OBJECT
public:
    explicit TPropertyGrid(int valueColumnWidth, QWidget* parent = nullptr);

    void SetRows(TPropertyRows* rows);
    TPropertyRows* Rows() const { return m_model->Rows(); }
    // Re-reads every value and the enabled state from the rows.
    void Reload();
    // Hands the text of a cell still being edited to the rows, as typed, so a command that
    // runs now sees it.
    void CommitOpenEditor();
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
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
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
    // The cell being edited and the value it had when the edit began, for Escape.
    QPersistentModelIndex m_editIndex;
    QString m_editStartValue;
};

} // namespace tarvex
