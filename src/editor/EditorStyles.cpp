#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "model/FileIo.h"
#include "model/PathText.h"
#include "model/RecordText.h"
#include "model/SubmenuLayout.h"
#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <charconv>
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
    if (m_selectedStyle) {
        CommitStyle(*m_selectedStyle);
    }
    LoadStyleEditor(*newNode);
    RefreshPreview();
}

void TTarvexEditor::CommitStyle(TTreeNode& node) {
    const TValueEditor& rows = m_menuStyleValueEditor;
    TMenuStyleRec& rec = node.Style();
    rec.MouseOffFont = rows.Value("Mouse Off Font");
    rec.MouseOffBackground = rows.Value("Mouse Off Background");
    rec.MouseOnFont = rows.Value("Mouse On Font");
    rec.MouseOnBackground = rows.Value("Mouse On Background");
    rec.MenuBorderColor = rows.Value("Menu Border Color");
    rec.FontSize = ParseRowInteger(rows.Value("Font Size"), 0);
    rec.FontStyle = rows.Value("Font Style");
    rec.FontWeight = rows.Value("Font Weight");
    rec.FontName = rows.Value("Font Name");
    rec.MenuItemPadding = ParseRowInteger(rows.Value("Menu Item Padding"), 0);
    rec.SubMenuImage = rows.Value("Sub Menu Image");
    rec.BorderSeparatorbar = rows.Value("3D Border & Separator bar");
    rec.HighColor = rows.Value("3D High Color");
    rec.LowColor = rows.Value("3D Low Color");
    rec.TopBarImage = rows.Value("Top Bar Image");
    rec.MenuHeaderFontColor = rows.Value("Menu Header Font Color");
    rec.MenuHeaderBackground = rows.Value("Menu Header Background");
}

void TTarvexEditor::LoadStyleEditor(const TTreeNode& node) {
    const TMenuStyleRec& rec = node.Style();
    TValueEditor& rows = m_menuStyleValueEditor;
    rows.SetValue("Mouse Off Font", rec.MouseOffFont.str());
    rows.SetValue("Mouse Off Background", rec.MouseOffBackground.str());
    rows.SetValue("Mouse On Font", rec.MouseOnFont.str());
    rows.SetValue("Mouse On Background", rec.MouseOnBackground.str());
    rows.SetValue("Menu Border Color", rec.MenuBorderColor.str());
    rows.SetValue("Font Size", std::to_string(rec.FontSize));
    rows.SetValue("Font Style", rec.FontStyle.str());
    rows.SetValue("Font Weight", rec.FontWeight.str());
    rows.SetValue("Font Name", rec.FontName.str());
    rows.SetValue("Menu Item Padding", std::to_string(rec.MenuItemPadding));
    rows.SetValue("Sub Menu Image", rec.SubMenuImage.str());
    rows.SetValue("3D Border & Separator bar", rec.BorderSeparatorbar.str());
    rows.SetValue("3D High Color", rec.HighColor.str());
    rows.SetValue("3D Low Color", rec.LowColor.str());
    rows.SetValue("Top Bar Image", rec.TopBarImage.str());
    rows.SetValue("Menu Header Font Color", rec.MenuHeaderFontColor.str());
    rows.SetValue("Menu Header Background", rec.MenuHeaderBackground.str());
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
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(m_project, EnteredText(*name), style);
}

void TTarvexEditor::DeleteSelectedStyle() {
    TTreeNode* node = m_selectedStyle;
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
