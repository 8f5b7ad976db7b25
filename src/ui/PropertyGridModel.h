#pragma once
// The property grid's table model: column 0 the fixed keys, column 1 the editable values.

#include "PropertyRows.h"

#include <QAbstractTableModel>
#include <QColor>

#include <string>

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

    // The row key and a value as the window shows them. Keys and the words of a fixed pick list are
    // translated; the rows keep the English ones, which the editor matches and the files store.
    static QString ShownKey(const std::string& key);
    static QString ShownValue(const std::string& key, const std::string& value);
    // A shown value back as stored: a translated pick is its English word, anything else as typed.
    static std::string StoredValue(const std::string& key, const QString& shown);

    // A six-digit hex text as a colour; invalid otherwise.
    static QColor HexColor(const QString& text);

private:
    TPropertyRows* m_rows = nullptr;
    int m_rowCount = 0;
};

} // namespace tarvex
