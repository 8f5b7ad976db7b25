#include "StyleCommands.h"

#include "EditorInternal.h"
#include "RecordRows.h"
#include "TarvexEditor.h"
#include "base/RecordText.h"

#include <cstdio>

namespace tarvex {

using namespace editor_internal;

TStyleCommands::TStyleCommands(TTarvexEditor& editor)
    : m_editor(editor), m_menuStyleValueEditor(RowKeys<TMenuStyleRec>()) {}

void TStyleCommands::MenuStyleTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearStyleEditor();
        m_editor.SetActionEnabled(TActionId::DelStyleAction, false);
        m_editor.SetActionEnabled(TActionId::AddToFavoritesAction, false);
        return;
    }
    if (m_editor.m_treeUpdateGuard || !newNode->IsStyle()) {
        return;
    }
    // Update Preview reaches here from the "Menu creator" page too, where the style commands
    // stay off as the page switch left them.
    if (m_editor.m_activePage == TControlsPage::MenuStyles) {
        m_editor.SetActionEnabled(TActionId::DelStyleAction, true);
        m_editor.SetActionEnabled(TActionId::AddToFavoritesAction, true);
    }
    m_menuStyleValueEditor.SetEnabled(true);
    LoadStyleEditor(*newNode);
}

void TStyleCommands::ConfirmRow(std::string_view key, const std::string& text) {
    const std::string row = m_menuStyleValueEditor.Row(m_menuStyleValueEditor.FindRow(key))->Key;
    TTreeNode* node = m_selectedStyle;
    if (!node || !m_menuStyleValueEditor.Enabled()) {
        return;
    }
    TTarvexEditor::TEditStep step(m_editor, {});
    m_editor.m_document.MergeWithSameRow(node, row);
    TMenuStyleRec typed = node->Style();
    StoreRow(FieldOfRow<TMenuStyleRec>(row), text, typed);
    if (!(typed == node->Style())) {
        node->EditStyle() = std::move(typed);
        m_editor.m_document.NoteChangedRow(row);
    }
}

void TStyleCommands::LoadStyleEditor(const TTreeNode& node) {
    LoadRows(m_menuStyleValueEditor, node.Style());
    m_editor.NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TStyleCommands::MenuStyleValueEditorEditButtonClick(int row) {
    const TValueRow* cell = m_menuStyleValueEditor.Row(row);
    if (!cell || cell->EditStyle != TEditStyle::Ellipsis) {
        return;
    }
    const std::optional<uint32_t> color = m_editor.m_ui.ChooseColor();
    if (color) {
        m_editor.SetRowValue(TValueEditorId::MenuStyleValueEditor, row, ColorToHex(*color));
    }
}

std::string TStyleCommands::ColorToHex(uint32_t color) const {
    if (color & 0x80000000u) {
        color = m_editor.m_ui.SystemColor(color & 0x7FFFFFFFu);
    }
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

void TStyleCommands::ClearStyleEditor() {
    m_menuStyleValueEditor.ClearValues();
    m_menuStyleValueEditor.SetEnabled(false);
    m_editor.NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TStyleCommands::NewStyleActionExecute() {
    const std::optional<std::string> name =
        m_editor.m_ui.InputQuery("Create new style", "Type new menu style name", "New style name");
    if (!name) {
        return;
    }
    // A new style is used by no menu yet: the preview stays as it is.
    TPreviewCommands::THold hold(m_editor.Preview());
    TTarvexEditor::TEditStep step(m_editor, "New Style");
    TMenuStyleRec style;
    FillDefaultStyle(style);
    TTreeNode* node = AppendStyleNode(m_editor.Project(), EnteredText(*name), style);
    // The author names a style to edit it next.
    MenuStyleTreeViewChanging(node);
    SetStyleSelection(node);
}

void TStyleCommands::DeleteSelectedStyle() {
    TTreeNode* node = m_selectedStyle;
    TTarvexEditor::TEditStep step(m_editor, "Delete Style");
    TTreeNode* next = node->NextSibling();
    if (!next) {
        next = node->PrevSibling();
    }
    m_selectedStyle = nullptr;
    m_editor.Project().Styles.Remove(node);
    if (next) {
        m_editor.SelectStyleNode(next);
    } else {
        MenuStyleTreeViewChanging(nullptr);
        SetStyleSelection(nullptr);
    }
    // The menus that used the style take the first one in the same step, so one undo brings both
    // back.
    m_editor.m_preview.RepairMenuStyles();
}

void TStyleCommands::DelStyleActionExecute() {
    if (!m_selectedStyle) {
        return;
    }
    const std::string text =
        "Do you really want to delete \"" + std::string(m_selectedStyle->Text()) + "\" style?";
    if (m_editor.Message(text, "Warning", TMsgIcon::Information, TMsgButtons::OkCancel) == TMsgResult::Ok) {
        DeleteSelectedStyle();
    }
}

void TStyleCommands::SetStyleSelection(TTreeNode* node) {
    m_selectedStyle = node;
    m_editor.Notify([node](TEditorListener& l) { l.StyleSelectionChanged(node); });
}

} // namespace tarvex
