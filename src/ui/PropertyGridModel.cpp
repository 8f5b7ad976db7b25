#include "PropertyGridModel.h"

#include "RecordString.h"
#include "model/RecordFields.h"

#include <QCoreApplication>

#include <QPainter>
#include <QPixmap>

namespace tarvex {

namespace {

// The fixed words of the pick-list row `key`; empty for other rows and for lists filled from the
// design (style names), which are never translated.
template <typename TRecord> std::span<const std::string_view> PicksIn(const std::string& key) {
    for (const TRecordField<TRecord>& field : FieldsOf<TRecord>()) {
        if (field.Caption == key && field.Kind == TFieldKind::PickList) {
            return field.Picks;
        }
    }
    return {};
}

std::span<const std::string_view> FixedPicks(const std::string& key) {
    for (const auto picks :
         {PicksIn<TMenuOptionsRec>(key), PicksIn<TMenuItemRec>(key), PicksIn<TMenuStyleRec>(key)}) {
        if (!picks.empty()) {
            return picks;
        }
    }
    return {};
}

QString ShownPick(std::string_view pick) {
    return pick.empty() ? QString() : QCoreApplication::translate("Values", std::string(pick).c_str());
}

} // namespace

QString TPropertyGridModel::ShownKey(const std::string& key) {
    return QCoreApplication::translate("Rows", key.c_str());
}

QString TPropertyGridModel::ShownValue(const std::string& key, const std::string& value) {
    for (const std::string_view pick : FixedPicks(key)) {
        if (pick == value) {
            return ShownPick(pick);
        }
    }
    return Utf8ToQString(value);
}

std::string TPropertyGridModel::StoredValue(const std::string& key, const QString& shown) {
    for (const std::string_view pick : FixedPicks(key)) {
        if (!pick.empty() && ShownPick(pick) == shown) {
            return std::string(pick);
        }
    }
    return QStringToUtf8(shown);
}

void TPropertyGridModel::SetRows(TPropertyRows* rows) {
    beginResetModel();
    m_rows = rows;
    m_rowCount = rows ? rows->RowCount() : 0;
    endResetModel();
}

void TPropertyGridModel::RowsChanged() {
    const int count = m_rows ? m_rows->RowCount() : 0;
    if (count != m_rowCount) {
        SetRows(m_rows);
        return;
    }
    // One cell at a time, so that an open cell editor is refreshed by the view as well.
    for (int row = 0; row < count; ++row) {
        const QModelIndex cell = index(row, 1);
        emit dataChanged(cell, cell);
    }
}

int TPropertyGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}

int TPropertyGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QColor TPropertyGridModel::HexColor(const QString& text) {
    if (text.size() != 6) {
        return QColor();
    }
    for (const QChar c : text) {
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))) {
            return QColor();
        }
    }
    return QColor(QLatin1Char('#') + text);
}

QVariant TPropertyGridModel::data(const QModelIndex& index, int role) const {
    if (!m_rows || !index.isValid() || index.row() >= m_rowCount) {
        return QVariant();
    }
    const int row = index.row();
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole) {
        const std::string key = m_rows->Key(row);
        return index.column() == 0 ? ShownKey(key) : ShownValue(key, m_rows->Value(row));
    }
    if (role == Qt::DecorationRole && index.column() == 1 &&
        m_rows->EditStyle(row) == TPropertyEditStyle::Color) {
        const QColor color = HexColor(Utf8ToQString(m_rows->Value(row)));
        if (!color.isValid()) {
            return QVariant();
        }
        // Framed, so that white shows on a white cell as well.
        QPixmap swatch(12, 12);
        swatch.fill(color);
        QPainter painter(&swatch);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(0, 0, 11, 11);
        return swatch;
    }
    return QVariant();
}

bool TPropertyGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_rows || role != Qt::EditRole || index.column() != 1 || index.row() >= m_rowCount) {
        return false;
    }
    const std::string text = StoredValue(m_rows->Key(index.row()), value.toString());
    if (m_rows->Value(index.row()) == text) {
        return true;
    }
    m_rows->SetValue(index.row(), text);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TPropertyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.column() == 0) {
        return Qt::ItemIsEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_rows && m_rows->Enabled()) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant TPropertyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return section == 0 ? tr("Properties") : tr("Value");
    }
    return QVariant();
}

} // namespace tarvex
