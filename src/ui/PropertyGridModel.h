#pragma once
// The property grid's table model: column 0 the fixed keys, column 1 the editable values.

#include "PropertyRows.h"

#include <QAbstractTableModel>
#include <QColor>

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

} // namespace tarvex
