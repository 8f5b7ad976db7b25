#pragma once
// One of the three property grids as data: fixed rows of key and value text, with their edit styles.

#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

enum class TValueEditorId { MenuValueList, MenuItemValueEditor, MenuStyleValueEditor };

enum class TEditStyle {
    Text,     // plain text
    PickList, // a drop-down offering PickList; any other text may be typed as well
    Ellipsis, // a "..." button in the value cell (the colour rows); text may be typed as well
};

// One row of a grid. Key and PickList entries are ASCII; Value is UTF-8.
struct TValueRow {
    std::string Key;
    std::string Value;
    TEditStyle EditStyle = TEditStyle::Text;
    std::vector<std::string> PickList; // "" stands for the (empty) entry
};

// Rows cannot be added or removed after construction; they are found by their exact key.
class TValueEditor {
public:
    TValueEditor() = default;
    explicit TValueEditor(const std::vector<std::string>& keys);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const std::vector<TValueRow>& Rows() const { return m_rows; }
    // nullptr for a row number out of range.
    const TValueRow* Row(int row) const;
    // Every access by key refuses a key no row has with std::logic_error, in every build: a
    // misspelt key is a programming error that must not pass for an empty row.
    int FindRow(std::string_view key) const;
    const std::string& Value(std::string_view key) const;

    // Out-of-range row numbers (from a grid) are ignored.
    void SetValue(int row, std::string value);
    void SetValue(std::string_view key, std::string value);
    void SetEditStyle(std::string_view key, TEditStyle style, std::vector<std::string> pickList = {});
    void SetPickList(std::string_view key, std::vector<std::string> pickList);
    // Empties every value cell.
    void ClearValues();

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

private:
    TValueRow& MutableRow(std::string_view key);

    std::vector<TValueRow> m_rows;
    bool m_enabled = false;
    bool m_visible = true;
};

} // namespace tarvex
