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

// ---- objects tree ----

void TTarvexEditor::ObjectsTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearMenuEditors();
        return;
    }
    if (m_treeUpdateGuard || newNode->IsStyle()) {
        return;
    }
    // The commit and whatever the refresh repairs are one step.
    TEditStep step(*this, {});
    if (m_selectedObject) {
        CommitRecord(*m_selectedObject);
    }
    LoadMenuEditor(*newNode);
    RefreshPreview();
}

void TTarvexEditor::CommitMenuOptions(TTreeNode& node) {
    const TValueEditor& rows = m_menuValueList;
    const TMenuOptionsRec& rec = node.Options();
    TMenuOptionsRec typed = rec;
    CommitRows(rows, typed);
    const auto& level = m_project.Objects.Level(node.Parent());
    const std::size_t first = static_cast<std::size_t>(node.Index()) + 1;

    // A menu that moves takes every submenu below its entries along.
    if (typed.MenuLeft != rec.MenuLeft) {
        const int32_t delta = Wrap32(int64_t{rec.MenuLeft} - typed.MenuLeft);
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusLeft(level[i].get(), delta);
        }
    }
    if (typed.MenuTop != rec.MenuTop) {
        const int32_t delta = Wrap32(int64_t{rec.MenuTop} - typed.MenuTop);
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusTop(level[i].get(), delta);
        }
    }
    // The row as typed, not as it will be stored: text past the field's end is still a change.
    const std::string& orientation = rows.Value(OptionsField("Orientation").Caption);
    const bool turned = orientation != rec.Orientation.view() && node.Level() == 0;
    // The layout reads the menu's new position, width and border.
    if (!(typed == rec)) {
        node.EditOptions() = typed;
    }
    if (turned) {
        const bool horizontal = orientation == "Horizontal";
        for (std::size_t i = first; i < level.size(); ++i) {
            if (horizontal) {
                LayoutSubmenusHorizontal(level[i].get(), &node);
            } else {
                LayoutSubmenusVertical(level[i].get(), &node);
            }
        }
    }
}

void TTarvexEditor::CommitMenuItem(TTreeNode& node) {
    const std::string_view captionRow = ItemField("Caption").Caption;
    if (IsBlank(m_menuItemValueEditor.Value(captionRow))) {
        // An entry without a caption is an empty row a visitor cannot read or name: the caption it
        // had stays, and the other rows are still taken.
        Message(std::string(EmptyCaptionMessage), "Error", TMsgIcon::Error);
        m_menuItemValueEditor.SetValue(captionRow, std::string(node.Text()));
        NotifyEditor(TValueEditorId::MenuItemValueEditor);
    }
    // The node shows the whole caption row; the record keeps what fits.
    node.SetText(m_menuItemValueEditor.Value(captionRow));
    TMenuItemRec typed = node.Item();
    CommitRows(m_menuItemValueEditor, typed);
    if (!(typed == node.Item())) {
        node.EditItem() = std::move(typed);
    }
}

void TTarvexEditor::LoadMenuEditor(TTreeNode& node) {
    m_loadedObject = &node;
    if (node.IsOptions()) {
        LoadRows(m_menuValueList, node.Options());
        m_menuValueList.SetEnabled(true);
        NotifyEditor(TValueEditorId::MenuValueList);
        return;
    }
    LoadRows(m_menuItemValueEditor, node.Item());
    m_menuItemValueEditor.SetEnabled(true);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TTarvexEditor::ObjectsTreeViewChange(TTreeNode* node) {
    // Undo and redo move this selection on either page; the "Menu styles" page keeps its own
    // commands and help, or an item would be added to a tree the author cannot see.
    const bool creator = m_activePage == TControlsPage::MenuCreator;
    SetActionEnabled(TActionId::NewMenuItemAction, creator && node);
    if (!node) {
        return;
    }
    const bool options = node->IsOptions();
    m_menuValueList.SetVisible(options);
    m_menuItemValueEditor.SetVisible(!options);
    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
    if (creator) {
        ShowQuickHelp(options ? "webmenu.htm" : "menu.htm");
    }
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
    TEditStep step(*this, dragged->IsGroup() ? "Move Group" : "Move Item");
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
    TEditStep step(*this, "Add Group", TCommitFirst::Yes);
    m_treeUpdateGuard = true;
    TTreeNode* parent = m_selectedObject ? m_selectedObject->Parent() : nullptr;

    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = name;
    item.Address = address;
    TTreeNode* group = m_project.Objects.Append(parent, TNodeKind::MenuGroup, name);
    group->EditItem() = item;
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
    TEditStep step(*this, "Add Item", TCommitFirst::Yes);
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
    node->EditItem() = item;
    m_treeUpdateGuard = false;
    return node;
}

bool TTarvexEditor::RefuseBlankCaption(std::string_view caption) {
    if (!IsBlank(caption)) {
        return false;
    }
    Message(std::string(EmptyCaptionMessage), "Error", TMsgIcon::Error);
    return true;
}

void TTarvexEditor::NewGroupActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new group", "Type new group name", "New group name");
    if (name && RefuseBlankCaption(*name)) {
        return;
    }
    if (name) {
        AddMenuGroup(EnteredText(*name), std::string());
    }
}

void TTarvexEditor::NewMenuItemActionExecute() {
    const std::optional<std::string> name =
        m_ui.InputQuery("Create new menu item", "Type new menu item name", "New menu item name");
    if (name && RefuseBlankCaption(*name)) {
        return;
    }
    if (name) {
        TEditStep step(*this, "Add Item", TCommitFirst::Yes);
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
    TEditStep step(*this, node->IsGroup() ? "Delete Group" : "Delete Item");
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
    CommandStatesMaybeChanged();
}

void TTarvexEditor::DeleteMenuItemActionUpdate() {
    CommandStatesMaybeChanged();
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
    SetupRows<TMenuOptionsRec>(m_menuValueList);
    SetupRows<TMenuItemRec>(m_menuItemValueEditor);
    SetupRows<TMenuStyleRec>(m_menuStyleValueEditor);
    NotifyEditor(TValueEditorId::MenuValueList);
    NotifyEditor(TValueEditorId::MenuItemValueEditor);
    NotifyEditor(TValueEditorId::MenuStyleValueEditor);
}

} // namespace tarvex
