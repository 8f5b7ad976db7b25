#include "StyleCommands.h"

#include "EditorInternal.h"
#include "PreviewCommands.h"
#include "RecordRows.h"
#include "base/RecordText.h"

#include <cstdio>
#include <optional>

namespace tarvex {

using namespace editor_internal;

TStyleCommands::TStyleCommands(TEditorContext& context, TPreviewCommands& preview)
    : m_context(context), m_preview(preview), m_menuStyleValueEditor(RowKeys<TMenuStyleRec>()) {}

void TStyleCommands::MenuStyleTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearStyleEditor();
        m_context.SetActionEnabled(TActionId::DelStyleAction, false);
        m_context.SetActionEnabled(TActionId::AddToFavoritesAction, false);
        return;
    }
    if (m_context.TreeUpdateGuard() || !newNode->IsStyle()) {
        return;
    }
    // Update Preview reaches here from the "Menu creator" page too, where the style commands
    // stay off as the page switch left them.
    if (m_context.ActivePage() == TControlsPage::MenuStyles) {
        m_context.SetActionEnabled(TActionId::DelStyleAction, true);
        m_context.SetActionEnabled(TActionId::AddToFavoritesAction, true);
    }
    m_menuStyleValueEditor.SetEnabled(true);
    LoadStyleEditor(*newNode);
}

void TStyleCommands::ConfirmRow(std::string_view key, const std::string& text) {
    const std::string row = m_menuStyleValueEditor.Row(m_menuStyleValueEditor.FindRow(key))->Key;
    TTreeNode* node = SelectedStyle();
    if (!node || !m_menuStyleValueEditor.Enabled()) {
        return;
    }
    TEditStep step(m_context, {});
    m_context.Document().MergeWithSameRow(node, row);
    TMenuStyleRec typed = node->Style();
    StoreRow(FieldOfRow<TMenuStyleRec>(row), text, typed);
    if (!(typed == node->Style())) {
        node->EditStyle() = std::move(typed);
        m_context.Document().NoteChangedRow(row);
    }
}

void TStyleCommands::LoadStyleEditor(const TTreeNode& node) {
    LoadRows(m_menuStyleValueEditor, node.Style());
    m_context.NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TStyleCommands::MenuStyleValueEditorEditButtonClick(int row) {
    const TValueRow* cell = m_menuStyleValueEditor.Row(row);
    if (!cell || cell->EditStyle != TEditStyle::Ellipsis) {
        return;
    }
    const std::optional<uint32_t> color = m_context.Ui().ChooseColor();
    if (color) {
        ConfirmRow(cell->Key, ColorToHex(*color));
    }
}

std::string TStyleCommands::ColorToHex(uint32_t color) const {
    if (color & 0x80000000u) {
        color = m_context.Ui().SystemColor(color & 0x7FFFFFFFu);
    }
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

void TStyleCommands::ClearStyleEditor() {
    m_menuStyleValueEditor.ClearValues();
    m_menuStyleValueEditor.SetEnabled(false);
    m_context.NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TStyleCommands::NewStyleActionExecute() {
    const std::optional<std::string> name =
        m_context.Ui().InputQuery(TARVEX_TEXT("Editor", "Create new style"),
                                  TARVEX_TEXT("Editor", "Type new menu style name"), "New style name");
    if (!name) {
        return;
    }
    // A new style is used by no menu yet: the preview stays as it is. The first one is what
    // every menu falls back to, so the preview shows it at once.
    std::optional<TPreviewCommands::THold> hold;
    if (!m_context.Project().Styles.Empty()) {
        hold.emplace(m_preview);
    }
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "New Style"));
    TMenuStyleRec style;
    FillDefaultStyle(style);
    TTreeNode* node = AppendStyleNode(m_context.Project(), EnteredText(*name), style);
    // The author names a style to edit it next.
    MenuStyleTreeViewChanging(node);
    m_context.SetStyleSelection(node);
}

void TStyleCommands::DeleteSelectedStyle() {
    TTreeNode* node = SelectedStyle();
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Delete Style"));
    TTreeNode* next = node->NextSibling();
    if (!next) {
        next = node->PrevSibling();
    }
    m_context.SetStyleSelection(nullptr);
    m_context.Project().Styles.Remove(node);
    if (next) {
        Select(next);
    } else {
        Deselect();
    }
    // The menus that used the style take the first one in the same step, so one undo brings both
    // back.
    m_preview.RepairMenuStyles();
}

void TStyleCommands::DelStyleActionExecute() {
    if (!SelectedStyle()) {
        return;
    }
    const TUiText text =
        TARVEX_TEXT("Editor", "Do you really want to delete \"%1\" style?").Arg(SelectedStyle()->Text());
    if (m_context.Message(text, WarningCaption(), TMsgIcon::Information, TMsgButtons::OkCancel) ==
        TMsgResult::Ok) {
        DeleteSelectedStyle();
    }
}

void TStyleCommands::Select(TTreeNode* node) {
    TTreeNode* selected = SelectedStyle();
    if (!node && selected) {
        m_context.Notify([selected](TEditorListener& l) { l.StyleSelectionChanged(selected); });
        return;
    }
    if (node == selected || (node && node->Tree() != &m_context.Project().Styles)) {
        return;
    }
    MenuStyleTreeViewChanging(node);
    m_context.SetStyleSelection(node);
}

void TStyleCommands::Deselect() {
    MenuStyleTreeViewChanging(nullptr);
    m_context.SetStyleSelection(nullptr);
}

void TStyleCommands::ShowSelection(TTreeNode* node) {
    m_context.SetStyleSelection(node);
    if (node) {
        m_menuStyleValueEditor.SetEnabled(true);
        LoadStyleEditor(*node);
    } else {
        ClearStyleEditor();
    }
}

void TStyleCommands::ReloadEditor() {
    if (const TTreeNode* node = SelectedStyle()) {
        LoadStyleEditor(*node);
    }
}

void TStyleCommands::SetupValueEditor() {
    SetupRows<TMenuStyleRec>(m_menuStyleValueEditor);
    m_context.NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

} // namespace tarvex
