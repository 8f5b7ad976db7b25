#include "ObjectsTreeCommands.h"

#include "EditorInternal.h"
#include "RecordRows.h"
#include "base/RecordText.h"
#include "model/SubmenuLayout.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvex {

using namespace editor_internal;

TObjectsTreeCommands::TObjectsTreeCommands(TEditorContext& context)
    : m_context(context), m_menuValueList(RowKeys<TMenuOptionsRec>()),
      m_menuItemValueEditor(RowKeys<TMenuItemRec>()) {
    m_menuItemValueEditor.SetVisible(false);
}

void TObjectsTreeCommands::ObjectsTreeViewChanging(TTreeNode* newNode) {
    if (!newNode) {
        ClearMenuEditors();
        return;
    }
    if (m_context.TreeUpdateGuard() || newNode->IsStyle()) {
        return;
    }
    LoadMenuEditor(*newNode);
}

void TObjectsTreeCommands::ConfirmRow(TValueEditorId editor, std::string_view key, const std::string& text) {
    const bool options = editor == TValueEditorId::MenuValueList;
    const TValueEditor& rows = options ? m_menuValueList : m_menuItemValueEditor;
    const std::string row = rows.Row(rows.FindRow(key))->Key;
    TTreeNode* node = SelectedObject();
    if (!node || !rows.Enabled() || node->IsOptions() != options || node->IsStyle()) {
        return;
    }
    TEditStep step(m_context, {});
    m_context.Document().MergeWithSameRow(node, row);
    const std::string textBefore = node->Text();
    const TTreeNode::TRecord before = node->Record();
    if (options) {
        ConfirmOptionsRow(*node, FieldOfRow<TMenuOptionsRec>(row), text);
    } else {
        ConfirmItemRow(*node, FieldOfRow<TMenuItemRec>(row), text);
    }
    // The node shows the whole caption: a change past the field's end is a change too.
    if (node->Text() != textBefore || !node->RecordEquals(before)) {
        m_context.Document().NoteChangedRow(row);
    }
}

void TObjectsTreeCommands::ConfirmOptionsRow(TTreeNode& node, const TRecordField<TMenuOptionsRec>& field,
                                             const std::string& text) {
    const TMenuOptionsRec& rec = node.Options();
    TMenuOptionsRec typed = rec;
    StoreRow(field, text, typed);
    const TNodeLevel<TTreeNode> level = m_context.Project().Objects.Level(node.Parent());
    const std::size_t first = static_cast<std::size_t>(node.Index()) + 1;

    // A menu that moves takes every submenu below its entries along.
    if (typed.MenuLeft != rec.MenuLeft) {
        const int32_t delta = Wrap32(int64_t{rec.MenuLeft} - typed.MenuLeft);
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusLeft(&level[i], delta);
        }
    }
    if (typed.MenuTop != rec.MenuTop) {
        const int32_t delta = Wrap32(int64_t{rec.MenuTop} - typed.MenuTop);
        for (std::size_t i = first; i < level.size(); ++i) {
            ShiftSubmenusTop(&level[i], delta);
        }
    }
    // The row as typed, not as it will be stored: text past the field's end is still a change.
    const bool turned = field.Caption == OptionsField("Orientation").Caption &&
                        text != rec.Orientation.view() && node.Level() == 0;
    // The layout reads the menu's new position, width and border.
    if (!(typed == rec)) {
        node.EditOptions() = typed;
    }
    if (turned) {
        const bool horizontal = text == "Horizontal";
        for (std::size_t i = first; i < level.size(); ++i) {
            if (horizontal) {
                LayoutSubmenusHorizontal(&level[i], &node);
            } else {
                LayoutSubmenusVertical(&level[i], &node);
            }
        }
    }
}

void TObjectsTreeCommands::ConfirmItemRow(TTreeNode& node, const TRecordField<TMenuItemRec>& field,
                                          const std::string& text) {
    if (field.Caption == ItemField("Caption").Caption) {
        // An entry without a caption is an empty row a visitor cannot read or name: the caption it
        // had stays.
        if (RefuseBlankCaption(text)) {
            return;
        }
        // The node shows the whole caption; the record keeps what fits.
        node.SetText(text);
    }
    TMenuItemRec typed = node.Item();
    StoreRow(field, text, typed);
    if (!(typed == node.Item())) {
        node.EditItem() = std::move(typed);
    }
}

void TObjectsTreeCommands::LoadMenuEditor(const TTreeNode& node) {
    if (node.IsOptions()) {
        LoadRows(m_menuValueList, node.Options());
        m_menuValueList.SetEnabled(true);
        m_context.NotifyEditor(TValueEditorId::MenuValueList);
        return;
    }
    LoadRows(m_menuItemValueEditor, node.Item());
    m_menuItemValueEditor.SetEnabled(true);
    m_context.NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TObjectsTreeCommands::ObjectsTreeViewChange(TTreeNode* node) {
    // Undo and redo move this selection on either page; the "Menu styles" page keeps its own
    // commands and help, or an item would be added to a tree the author cannot see.
    const bool creator = m_context.ActivePage() == TControlsPage::MenuCreator;
    m_context.SetActionEnabled(TActionId::NewMenuItemAction, creator && node);
    if (!node) {
        return;
    }
    const bool options = node->IsOptions();
    m_menuValueList.SetVisible(options);
    m_menuItemValueEditor.SetVisible(!options);
    m_context.NotifyEditor(TValueEditorId::MenuValueList);
    m_context.NotifyEditor(TValueEditorId::MenuItemValueEditor);
    if (creator) {
        m_context.ShowQuickHelp(options ? "webmenu.htm" : "menu.htm");
    }
}

TTreeNode* TObjectsTreeCommands::AddMenuGroup(const std::string& name, const std::string& address) {
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Add Group"));
    m_context.SetTreeUpdateGuard(true);
    TTreeNode* parent = SelectedObject() ? SelectedObject()->Parent() : nullptr;

    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = name;
    item.Address = address;
    TTreeNode* group = m_context.Project().Objects.Append(parent, TNodeKind::MenuGroup, name);
    group->EditItem() = item;
    if (parent) {
        m_context.Notify([parent](TEditorListener& l) { l.ExpandNodeRequested(parent); });
    }

    TMenuOptionsRec options;
    FillDefaultMenuOptions(m_context.Project(), options, group);
    AppendOptionsNode(m_context.Project(), group, options);

    if (address.empty()) {
        TMenuItemRec first;
        FillDefaultMenuItem(first);
        first.Caption = "Menu item name";
        AppendItemNode(m_context.Project(), group, TNodeKind::MenuItem, first);
    }
    m_context.SetTreeUpdateGuard(false);
    Select(group);
    return group;
}

TTreeNode* TObjectsTreeCommands::AddMenuItem(const std::string& name, const std::string& address) {
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Add Item"));
    m_context.SetTreeUpdateGuard(true);
    TTreeNode* parent = nullptr;
    if (SelectedObject()) {
        parent = SelectedObject()->IsGroup() ? SelectedObject() : SelectedObject()->Parent();
    }
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = name;
    item.Address = address;
    TTreeNode* node = m_context.Project().Objects.Append(parent, TNodeKind::MenuItem, name);
    node->EditItem() = item;
    m_context.SetTreeUpdateGuard(false);
    return node;
}

bool TObjectsTreeCommands::RefuseBlankCaption(std::string_view caption) {
    if (!IsBlank(caption)) {
        return false;
    }
    m_context.Message(TUiText("Editor", EmptyCaptionMessage), ErrorCaption(), TMsgIcon::Error);
    return true;
}

void TObjectsTreeCommands::NewGroupActionExecute() {
    const std::optional<std::string> name =
        m_context.Ui().InputQuery(TARVEX_TEXT("Editor", "Create new group"),
                                  TARVEX_TEXT("Editor", "Type new group name"), "New group name");
    if (name && RefuseBlankCaption(*name)) {
        return;
    }
    if (name) {
        AddMenuGroup(EnteredText(*name), std::string());
    }
}

void TObjectsTreeCommands::NewMenuItemActionExecute() {
    const std::optional<std::string> name =
        m_context.Ui().InputQuery(TARVEX_TEXT("Editor", "Create new menu item"),
                                  TARVEX_TEXT("Editor", "Type new menu item name"), "New menu item name");
    if (name && RefuseBlankCaption(*name)) {
        return;
    }
    if (name) {
        TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Add Item"));
        TTreeNode* item = AddMenuItem(EnteredText(*name), std::string(KorvaneHomePage));
        // The new entry is where the person continues: shown, selected, and in the preview.
        if (TTreeNode* holder = item->Parent()) {
            m_context.Notify([holder](TEditorListener& l) { l.ExpandNodeRequested(holder); });
        }
        Select(item);
    }
}

void TObjectsTreeCommands::DeleteSelectedObject() {
    TTreeNode* node = SelectedObject();
    TEditStep step(m_context, node->IsGroup() ? TARVEX_TRANSLATE_NOOP("Document", "Delete Group")
                                              : TARVEX_TRANSLATE_NOOP("Document", "Delete Item"));
    TTreeNode* next = node->NextSibling();
    if (!next) {
        next = node->PrevSibling();
    }
    if (!next) {
        next = node->Parent();
    }
    // Nothing is selected while the node goes: no view may show it.
    m_context.SetObjectSelection(nullptr);
    m_context.Project().Objects.Remove(node);
    if (next) {
        Select(next);
    } else {
        Deselect();
    }
}

void TObjectsTreeCommands::ConfirmAndDeleteSelectedObject(const TUiText& question) {
    const TUiText text = TUiText(question).Arg(SelectedObject()->Text());
    if (m_context.Message(text, WarningCaption(), TMsgIcon::Information, TMsgButtons::OkCancel) ==
        TMsgResult::Ok) {
        DeleteSelectedObject();
    }
}

void TObjectsTreeCommands::DelGroupActionExecute() {
    // Menu Options nodes are never deleted by a command, whatever the caller's enabling did.
    if (SelectedObject() && SelectedObject()->IsGroup()) {
        ConfirmAndDeleteSelectedObject(
            TARVEX_TEXT("Editor", "Do you really want to delete \"%1\" menu group?"));
    }
}

void TObjectsTreeCommands::DeleteMenuItemActionExecute() {
    if (SelectedObject() && SelectedObject()->IsItem()) {
        ConfirmAndDeleteSelectedObject(
            TARVEX_TEXT("Editor", "Do you really want to delete \"%1\" menu item?"));
    }
}

void TObjectsTreeCommands::DeleteSelectedObjectExecute() {
    if (m_context.ActivePage() != TControlsPage::MenuCreator || !SelectedObject()) {
        return;
    }
    if (SelectedObject()->IsGroup()) {
        DelGroupActionExecute();
    } else if (SelectedObject()->IsItem()) {
        DeleteMenuItemActionExecute();
    }
}

void TObjectsTreeCommands::ClearMenuEditors() {
    m_menuValueList.ClearValues();
    m_menuValueList.SetEnabled(false);
    m_menuItemValueEditor.ClearValues();
    m_menuItemValueEditor.SetEnabled(false);
    m_context.NotifyEditor(TValueEditorId::MenuValueList);
    m_context.NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TObjectsTreeCommands::SetupValueEditors() {
    SetupRows<TMenuOptionsRec>(m_menuValueList);
    SetupRows<TMenuItemRec>(m_menuItemValueEditor);
    m_context.NotifyEditor(TValueEditorId::MenuValueList);
    m_context.NotifyEditor(TValueEditorId::MenuItemValueEditor);
}

void TObjectsTreeCommands::AddMissingMenuOptions() {
    // Without a style no script is written, and a design that cannot be written is left alone.
    if (m_context.Project().Styles.Empty()) {
        return;
    }
    std::vector<TTreeNode*> bare;
    ForEachMenu(m_context.Project().Objects, [&](TTreeNode* group) {
        if (!FindMenuOptionsNodeOfLevel(m_context.Project().Objects, group)) {
            bare.push_back(group);
        }
    });
    for (TTreeNode* group : bare) {
        TMenuOptionsRec defaults;
        FillDefaultMenuOptions(m_context.Project(), defaults, nullptr);
        m_context.Project()
            .Objects.Insert(group, 0, TNodeKind::MenuOptions, std::string(MenuOptionsText))
            ->EditOptions() = defaults;
    }
}

void TObjectsTreeCommands::FillMenuStylePickList() {
    std::vector<std::string> styleNames;
    for (const TTreeNode& style : m_context.Project().Styles.Roots()) {
        styleNames.push_back(style.Text());
    }
    std::vector<std::string> darkNames = styleNames;
    // The empty entry: no style of its own for a dark colour scheme.
    darkNames.insert(darkNames.begin(), std::string());
    m_menuValueList.SetPickList(MenuStyleRow(), std::move(styleNames));
    m_menuValueList.SetPickList(OptionsField("DarkStyle").Caption, std::move(darkNames));
    m_context.NotifyEditor(TValueEditorId::MenuValueList);
}

void TObjectsTreeCommands::Select(TTreeNode* node) {
    TTreeNode* selected = SelectedObject();
    if (!node && selected) {
        // The commands act on the selected node, so the view may not hide it: a click on empty
        // space keeps the selection, and the view is told to show it again.
        m_context.Notify([selected](TEditorListener& l) { l.ObjectSelectionChanged(selected); });
        return;
    }
    if (node == selected || (node && node->Tree() != &m_context.Project().Objects)) {
        return;
    }
    ObjectsTreeViewChanging(node);
    m_context.SetObjectSelection(node);
    ObjectsTreeViewChange(node);
}

void TObjectsTreeCommands::Deselect() {
    ObjectsTreeViewChanging(nullptr);
    m_context.SetObjectSelection(nullptr);
    ObjectsTreeViewChange(nullptr);
}

void TObjectsTreeCommands::ShowSelection(TTreeNode* node) {
    m_context.SetObjectSelection(node);
    if (node) {
        LoadMenuEditor(*node);
    } else {
        ClearMenuEditors();
    }
    ObjectsTreeViewChange(node);
}

void TObjectsTreeCommands::ReloadEditor() {
    if (const TTreeNode* node = SelectedObject(); node && !m_context.TreeUpdateGuard()) {
        LoadMenuEditor(*node);
    }
}

} // namespace tarvex
