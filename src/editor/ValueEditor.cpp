#include "ValueEditor.h"

namespace tarvex {

TValueEditor::TValueEditor(const std::vector<std::string>& keys) {
    m_rows.reserve(keys.size());
    for (const std::string& key : keys) {
        m_rows.push_back(TValueRow{key, {}, TEditStyle::Text, {}});
    }
}

const TValueRow* TValueEditor::Row(int row) const {
    if (row < 0 || row >= RowCount()) {
        return nullptr;
    }
    return &m_rows[static_cast<std::size_t>(row)];
}

int TValueEditor::FindRow(std::string_view key) const {
    for (int i = 0; i < RowCount(); ++i) {
        if (m_rows[static_cast<std::size_t>(i)].Key == key) {
            return i;
        }
    }
    return -1;
}

const std::string& TValueEditor::Value(std::string_view key) const {
    static const std::string empty;
    const TValueRow* row = Row(FindRow(key));
    return row ? row->Value : empty;
}

TValueRow* TValueEditor::MutableRow(std::string_view key) {
    const int index = FindRow(key);
    return index < 0 ? nullptr : &m_rows[static_cast<std::size_t>(index)];
}

void TValueEditor::SetValue(int row, std::string value) {
    if (row >= 0 && row < RowCount()) {
        m_rows[static_cast<std::size_t>(row)].Value = std::move(value);
    }
}

void TValueEditor::SetValue(std::string_view key, std::string value) {
    if (TValueRow* row = MutableRow(key)) {
        row->Value = std::move(value);
    }
}

void TValueEditor::SetEditStyle(std::string_view key, TEditStyle style, std::vector<std::string> pickList) {
    if (TValueRow* row = MutableRow(key)) {
        row->EditStyle = style;
        row->PickList = std::move(pickList);
    }
}

void TValueEditor::SetPickList(std::string_view key, std::vector<std::string> pickList) {
    if (TValueRow* row = MutableRow(key)) {
        row->PickList = std::move(pickList);
    }
}

void TValueEditor::ClearValues() {
    for (TValueRow& row : m_rows) {
        row.Value.clear();
    }
}

} // namespace tarvex
