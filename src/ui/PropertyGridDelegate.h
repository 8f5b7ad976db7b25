#pragma once
// The property grid's cell editors.

#include <QStyledItemDelegate>

class QKeyEvent;

namespace tarvex {

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

// F4 or Alt+Down (and with `spaceToo`, Space): the keys that open a cell's pick list or colour dialog.
bool IsChooserKey(const QKeyEvent* event, bool spaceToo);

} // namespace tarvex
