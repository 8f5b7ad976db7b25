#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "RecordRows.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "model/SubmenuLayout.h"
#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace tarvex {

using namespace editor_internal;

// ---- style list ----

void TTarvexEditor::MenuStyleTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearStyleEditor();
        SetActionEnabled(TActionId::DelStyleAction, false);
        SetActionEnabled(TActionId::AddToFavoritesAction, false);
        return;
    }
    if (m_treeUpdateGuard || !newNode->IsStyle()) {
        return;
    }
    // Update Preview reaches here from the "Menu creator" page too, where the style commands
    // stay off as the page switch left them.
    if (m_activePage == TControlsPage::MenuStyles) {
        SetActionEnabled(TActionId::DelStyleAction, true);
        SetActionEnabled(TActionId::AddToFavoritesAction, true);
    }
    m_menuStyleValueEditor.SetEnabled(true);
    TEditStep step(*this, {});
    if (m_selectedStyle) {
        CommitRecord(*m_selectedStyle);
    }
    LoadStyleEditor(*newNode);
    RefreshPreview();
}

void TTarvexEditor::CommitStyle(TTreeNode& node) {
    TMenuStyleRec typed = node.Style();
    CommitRows(m_menuStyleValueEditor, typed);
    if (!(typed == node.Style())) {
        node.EditStyle() = std::move(typed);
    }
}

void TTarvexEditor::LoadStyleEditor(const TTreeNode& node) {
    LoadRows(m_menuStyleValueEditor, node.Style());
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TTarvexEditor::MenuStyleValueEditorEditButtonClick(int row) {
    const TValueRow* cell = m_menuStyleValueEditor.Row(row);
    if (!cell || cell->EditStyle != TEditStyle::Ellipsis) {
        return;
    }
    const std::optional<uint32_t> color = m_ui.ChooseColor();
    if (color) {
        SetRowValue(TValueEditorId::MenuStyleValueEditor, row, ColorToHex(*color));
    }
}

std::string TTarvexEditor::ColorToHex(uint32_t color) const {
    if (color & 0x80000000u) {
        color = m_ui.SystemColor(color & 0x7FFFFFFFu);
    }
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

void TTarvexEditor::ClearStyleEditor() {
    m_menuStyleValueEditor.ClearValues();
    m_menuStyleValueEditor.SetEnabled(false);
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

void TTarvexEditor::NewStyleActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new style", "Type new menu style name", "New style name");
    if (!name) {
        return;
    }
    TEditStep step(*this, "New Style");
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(m_project, EnteredText(*name), style);
}

void TTarvexEditor::DeleteSelectedStyle() {
    TTreeNode* node = m_selectedStyle;
    TEditStep step(*this, "Delete Style");
    TTreeNode* next = node->NextSibling();
    if (!next) {
        next = node->PrevSibling();
    }
    m_selectedStyle = nullptr;
    m_project.Styles.Remove(node);
    if (next) {
        SelectStyleNode(next);
    } else {
        MenuStyleTreeViewChanging(nullptr);
        SetStyleSelection(nullptr);
    }
}

void TTarvexEditor::DelStyleActionExecute() {
    if (!m_selectedStyle) {
        return;
    }
    const std::string text =
        "Do you really want to delete \"" + std::string(m_selectedStyle->Text()) + "\" style?";
    if (Message(text, "Warning", TMsgIcon::Information, TMsgButtons::OkCancel) == TMsgResult::Ok) {
        DeleteSelectedStyle();
    }
}

} // namespace tarvex
