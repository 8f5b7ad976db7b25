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

// ---- objects tree ----

void TTarvexEditor::ObjectsTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearMenuEditors();
        return;
    }
    if (m_treeUpdateGuard || newNode->IsStyle()) {
        return;
    }
    if (m_selectedObject) {
        if (m_selectedObject->IsOptions()) {
            CommitMenuOptions(*m_selectedObject);
        } else {
            CommitMenuItem(*m_selectedObject);
        }
    }
    LoadMenuEditor(*newNode);
    RefreshPreview();
}

void TTarvexEditor::CommitMenuOptions(TTreeNode& node) {
    const TValueEditor& rows = m_menuValueList;
    TMenuOptionsRec& rec = node.Options();
    TTreeNode* parent = node.Parent();
    const auto& level = m_project.Objects.Level(parent);
    const std::size_t first = static_cast<std::size_t>(node.Index()) + 1;

    rec.RemainVisible = ParseRowInteger(rows.Value("Remain Visible"), 100);
    const int32_t left = ParseRowInteger(rows.Value("Menu Left"), 100);
    if (left != rec.MenuLeft) {
        const int32_t delta = Wrap32(int64_t{rec.MenuLeft} - left);
        rec.MenuLeft = left;
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusLeft(level[i].get(), delta);
        }
    }
    const int32_t top = ParseRowInteger(rows.Value("Menu Top"), 100);
    if (top != rec.MenuTop) {
        const int32_t delta = Wrap32(int64_t{rec.MenuTop} - top);
        rec.MenuTop = top;
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusTop(level[i].get(), delta);
        }
    }
    rec.MenuWidth = ParseRowInteger(rows.Value("Menu Width"), 100);
    rec.MenuBorder = ParseRowInteger(rows.Value("Menu Border"), 1);
    rec.ScreenPosition = rows.Value("Screen Position");
    rec.MenuStyle = rows.Value("Menu Style");
    rec.TextAlignment = rows.Value("Text Alignment");

    // The row as typed, not as it will be stored: text past the field's end is still a change.
    const std::string& orientation = rows.Value("Orientation");
    if (orientation != rec.Orientation.view() && node.Level() == 0) {
        const bool horizontal = orientation == "Horizontal";
        for (std::size_t i = first; i < level.size(); ++i) {
            if (horizontal) {
                LayoutSubmenusHorizontal(level[i].get(), &node);
            } else {
                LayoutSubmenusVertical(level[i].get(), &node);
            }
        }
    }
    rec.Orientation = orientation;
    rec.ImagePosition = rows.Value("Image position");
    rec.MenuOpening = rows.Value("Menu opening");
}

void TTarvexEditor::CommitMenuItem(TTreeNode& node) {
    const TValueEditor& rows = m_menuItemValueEditor;
    node.SetText(rows.Value("Caption"));
    TMenuItemRec& rec = node.Item();
    rec.Caption = rows.Value("Caption");
    rec.Hint = rows.Value("Hint");
    rec.Address = rows.Value("Address");
    rec.Target = rows.Value("Target");
}

void TTarvexEditor::LoadMenuEditor(TTreeNode& node) {
    m_loadedObject = &node;
    if (node.IsOptions()) {
        const TMenuOptionsRec& rec = node.Options();
        TValueEditor& rows = m_menuValueList;
        rows.SetValue("Remain Visible", std::to_string(rec.RemainVisible));
        rows.SetValue("Menu Left", std::to_string(rec.MenuLeft));
        rows.SetValue("Menu Top", std::to_string(rec.MenuTop));
        rows.SetValue("Menu Width", std::to_string(rec.MenuWidth));
        rows.SetValue("Menu Border", std::to_string(rec.MenuBorder));
        rows.SetValue("Screen Position", rec.ScreenPosition.str());
        rows.SetValue("Menu Style", rec.MenuStyle.str());
        rows.SetValue("Text Alignment", rec.TextAlignment.str());
        rows.SetValue("Orientation", rec.Orientation.str());
        rows.SetValue("Image position", rec.ImagePosition.str());
        rows.SetValue("Menu opening", rec.MenuOpening.str());
        rows.SetEnabled(true);
        NotifyEditor(TValueEditorId::MenuValueList);
        return;
    }
    const TMenuItemRec& rec = node.Item();
    TValueEditor& rows = m_menuItemValueEditor;
    rows.SetValue("Caption", rec.Caption.str());
    rows.SetValue("Hint", rec.Hint.str());
    rows.SetValue("Address", rec.Address.str());
    rows.SetValue("Target", rec.Target.str());
    rows.SetEnabled(true);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TTarvexEditor::ObjectsTreeViewChange(TTreeNode* node) {
    if (!node) {
        SetActionEnabled(TActionId::NewMenuItemAction, false);
        return;
    }
    SetActionEnabled(TActionId::NewMenuItemAction, true);
    const bool options = node->IsOptions();
    m_menuValueList.SetVisible(options);
    m_menuItemValueEditor.SetVisible(!options);
    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
    ShowQuickHelp(options ? "webmenu.htm" : "menu.htm");
}

bool TTarvexEditor::ObjectsTreeViewDragOver(TDragSource source) const {
    return source == TDragSource::ObjectsTreeView;
}

void TTarvexEditor::ObjectsTreeViewDragDrop(TDragSource source, TTreeNode* target) {
    TTreeNode* dragged = m_selectedObject;
    if (source != TDragSource::ObjectsTreeView || !dragged) {
        return;
    }
    if (dragged->IsOptions()) {
        Message("You can't drag&drop Menu Options", "Error", TMsgIcon::Error);
        return;
    }
    if (target && target->Tree() != &m_project.Objects) {
        return;
    }
    if (target && (target == dragged || dragged->IsAncestorOf(target))) {
        return;
    }
    TTreeNode* newParent = target ? target->Parent() : nullptr;
    if (!m_project.Objects.MoveToEnd(dragged, newParent)) {
        return;
    }
    if (newParent) {
        Notify([newParent](TEditorListener& l) { l.ExpandNodeRequested(newParent); });
    }
    RefreshPreview();
}

bool TTarvexEditor::ObjectsTreeViewMayDrop(TDragSource source, const TTreeNode* target) const {
    const TTreeNode* dragged = m_selectedObject;
    if (!ObjectsTreeViewDragOver(source) || !dragged || dragged->IsOptions()) {
        return false;
    }
    return !target ||
           (target->Tree() == &m_project.Objects && target != dragged && !dragged->IsAncestorOf(target));
}

TTreeNode* TTarvexEditor::AddMenuGroup(const std::string& name, const std::string& address) {
    m_treeUpdateGuard = true;
    TTreeNode* parent = m_selectedObject ? m_selectedObject->Parent() : nullptr;

    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = name;
    item.Address = address;
    TTreeNode* group = m_project.Objects.Append(parent, TNodeKind::MenuGroup, name);
    group->Item() = item;
    if (parent) {
        Notify([parent](TEditorListener& l) { l.ExpandNodeRequested(parent); });
    }

    TMenuOptionsRec options;
    FillDefaultMenuOptions(m_project, options, group);
    AppendOptionsNode(m_project, group, options);

    if (address.empty()) {
        TMenuItemRec first;
        FillDefaultMenuItem(first);
        first.Caption = "Menu item name";
        AppendItemNode(m_project, group, TNodeKind::MenuItem, first);
    }
    m_treeUpdateGuard = false;
    SelectObjectNode(group);
    return group;
}

TTreeNode* TTarvexEditor::AddMenuItem(const std::string& name, const std::string& address) {
    m_treeUpdateGuard = true;
    TTreeNode* parent = nullptr;
    if (m_selectedObject) {
        parent = m_selectedObject->IsGroup() ? m_selectedObject : m_selectedObject->Parent();
    }
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = name;
    item.Address = address;
    TTreeNode* node = m_project.Objects.Append(parent, TNodeKind::MenuItem, name);
    node->Item() = item;
    m_treeUpdateGuard = false;
    return node;
}

void TTarvexEditor::NewGroupActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new group", "Type new group name", "New group name");
    if (name) {
        AddMenuGroup(EnteredText(*name), std::string());
    }
}

void TTarvexEditor::NewMenuItemActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new menu item", "Type new menu item name", "New menu item name");
    if (name) {
        TTreeNode* item = AddMenuItem(EnteredText(*name), std::string(KorvaneHomePage));
        // The new entry is where the person continues: shown, selected, and in the preview.
        if (TTreeNode* holder = item->Parent()) {
            Notify([holder](TEditorListener& l) { l.ExpandNodeRequested(holder); });
        }
        SelectObjectNode(item);
    }
}

void TTarvexEditor::DeleteSelectedObject() {
    TTreeNode* node = m_selectedObject;
    TTreeNode* next = node->NextSibling();
    if (!next) {
        next = node->PrevSibling();
    }
    if (!next) {
        next = node->Parent();
    }
    // The values typed for the node go with it: nothing is committed.
    m_selectedObject = nullptr;
    m_loadedObject = nullptr;
    m_project.Objects.Remove(node);
    if (next) {
        SelectObjectNode(next);
    } else {
        ObjectsTreeViewChanging(nullptr);
        SetObjectSelection(nullptr);
        ObjectsTreeViewChange(nullptr);
        RefreshPreview();
    }
}

void TTarvexEditor::ConfirmAndDeleteSelectedObject(std::string_view kindWords) {
    const std::string text = "Do you really want to delete \"" + std::string(m_selectedObject->Text()) +
                             "\" " + std::string(kindWords) + "?";
    if (Message(text, "Warning", TMsgIcon::Information, TMsgButtons::OkCancel) == TMsgResult::Ok) {
        DeleteSelectedObject();
    }
}

void TTarvexEditor::DelGroupActionExecute() {
    // Menu Options nodes are never deleted by a command, whatever the caller's enabling did.
    if (m_selectedObject && m_selectedObject->IsGroup()) {
        ConfirmAndDeleteSelectedObject("menu group");
    }
}

void TTarvexEditor::DeleteMenuItemActionExecute() {
    if (m_selectedObject && m_selectedObject->IsItem()) {
        ConfirmAndDeleteSelectedObject("menu item");
    }
}

void TTarvexEditor::DeleteSelectedObjectExecute() {
    if (m_activePage != TControlsPage::MenuCreator || !m_selectedObject) {
        return;
    }
    if (m_selectedObject->IsGroup()) {
        DelGroupActionExecute();
    } else if (m_selectedObject->IsItem()) {
        DeleteMenuItemActionExecute();
    }
}

void TTarvexEditor::DelGroupActionUpdate() {
    SetActionEnabled(TActionId::DelGroupAction, m_activePage == TControlsPage::MenuCreator &&
                                                    m_selectedObject && m_selectedObject->IsGroup());
}

void TTarvexEditor::DeleteMenuItemActionUpdate() {
    SetActionEnabled(TActionId::DeleteMenuItemAction, m_activePage == TControlsPage::MenuCreator &&
                                                          m_selectedObject && m_selectedObject->IsItem());
}

void TTarvexEditor::ClearMenuEditors() {
    m_loadedObject = nullptr;
    m_menuValueList.ClearValues();
    m_menuValueList.SetEnabled(false);
    m_menuItemValueEditor.ClearValues();
    m_menuItemValueEditor.SetEnabled(false);
    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TTarvexEditor::SetupValueEditors() {
    TValueEditor& options = m_menuValueList;
    options.SetEditStyle("Screen Position", TEditStyle::PickList,
                         {"", "center", "left", "right", "middle", "top", "bottom"});
    options.SetEditStyle("Menu Style", TEditStyle::PickList, {});
    options.SetEditStyle("Text Alignment", TEditStyle::PickList, {"", "left", "right", "center"});
    options.SetEditStyle("Orientation", TEditStyle::PickList, {"", "Horizontal", "Vertical"});
    options.SetEditStyle("Image position", TEditStyle::PickList, {"", "left", "right", "center"});
    options.SetEditStyle("Menu opening", TEditStyle::PickList, {"on mouse click", "on mouse over"});

    TValueEditor& style = m_menuStyleValueEditor;
    for (const char* key : {"Mouse Off Font", "Mouse Off Background", "Mouse On Font", "Mouse On Background",
                            "Menu Border Color", "3D High Color", "3D Low Color", "Menu Header Font Color",
                            "Menu Header Background"}) {
        style.SetEditStyle(key, TEditStyle::Ellipsis);
    }
    style.SetEditStyle("Font Style", TEditStyle::PickList, {"", "italic", "normal"});
    style.SetEditStyle("Font Weight", TEditStyle::PickList, {"", "bold", "normal"});
    style.SetEditStyle("3D Border & Separator bar", TEditStyle::PickList, {"", "Yes", "No"});

    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

} // namespace tarvex
