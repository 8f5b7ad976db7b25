#include "ValueEditor.h"

#include <stdexcept>

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
    // A misspelt key once blanked a field on every commit without a sound: now it cannot pass.
    throw std::logic_error("the value editor has no row \"" + std::string(key) + "\"");
}

const std::string& TValueEditor::Value(std::string_view key) const {
    return m_rows[static_cast<std::size_t>(FindRow(key))].Value;
}

TValueRow& TValueEditor::MutableRow(std::string_view key) {
    return m_rows[static_cast<std::size_t>(FindRow(key))];
}

void TValueEditor::SetValue(int row, std::string value) {
    if (row >= 0 && row < RowCount()) {
        m_rows[static_cast<std::size_t>(row)].Value = std::move(value);
    }
}

void TValueEditor::SetValue(std::string_view key, std::string value) {
    MutableRow(key).Value = std::move(value);
}

void TValueEditor::SetEditStyle(std::string_view key, TEditStyle style, std::vector<std::string> pickList) {
    TValueRow& row = MutableRow(key);
    row.EditStyle = style;
    row.PickList = std::move(pickList);
}

void TValueEditor::SetPickList(std::string_view key, std::vector<std::string> pickList) {
    MutableRow(key).PickList = std::move(pickList);
}

void TValueEditor::ClearValues() {
    for (TValueRow& row : m_rows) {
        row.Value.clear();
    }
}

} // namespace tarvex
