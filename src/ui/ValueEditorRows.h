#pragma once
// The rows of one of the editor's value editors, as a property grid sees them.

#include "PropertyRows.h"
#include "editor/TarvexEditor.h"

namespace tarvex {

class TValueEditorRows : public TPropertyRows {
public:
    TValueEditorRows(TTarvexEditor& editor, TValueEditorId id) : m_editor(editor), m_id(id) {}

    int RowCount() const override { return Editor().RowCount(); }
    std::string Key(int row) const override;
    std::string Value(int row) const override;
    void SetValue(int row, const std::string& value) override { m_editor.SetRowValue(m_id, row, value); }
    TPropertyEditStyle EditStyle(int row) const override;
    std::vector<std::string> PickList(int row) const override;
    bool Enabled() const override { return Editor().Enabled(); }

private:
    const TValueEditor& Editor() const { return m_editor.ValueEditor(m_id); }

    TTarvexEditor& m_editor;
    TValueEditorId m_id;
};

} // namespace tarvex
