#pragma once
// The objects tree: its selection, the options and item editors, and the commands that add,
// delete and move groups and items.

#include "EditorContext.h"
#include "ValueEditor.h"

#include "model/RecordFields.h"
#include "model/Tree.h"

#include <string>
#include <string_view>

namespace tarvex {

// Where a drag comes from; only the objects tree itself may drop onto the objects tree.
enum class TDragSource { ObjectsTreeView, Other };

// Where on the target's row a drop lands: its middle, or the upper or lower edge, where the view
// draws its line between two rows.
enum class TDropPlace { OnNode, Before, After };

class TObjectsTreeCommands {
public:
    explicit TObjectsTreeCommands(TEditorContext& context);

    TTreeNode* SelectedObject() const { return m_context.SelectedObject(); }
    const TValueEditor& MenuValueList() const { return m_menuValueList; }
    const TValueEditor& MenuItemValueEditor() const { return m_menuItemValueEditor; }

    // The selection moves to `node` (nullptr: none) with the editor of its kind loaded; selecting
    // the selected node does nothing, and a click on empty space keeps the selection.
    void Select(TTreeNode* node);
    // Nothing selected, both editors empty and off.
    void Deselect();
    // Selects what a step of the history left (nullptr: none) and shows its stored values.
    void ShowSelection(TTreeNode* node);
    // The editor shows what is stored in the selected node again.
    void ReloadEditor();
    // Loads the editor of `newNode`'s kind (none: empties both) before the selection moves.
    void ObjectsTreeViewChanging(TTreeNode* newNode);
    // A confirmed row of the options or item editor (`editor`), stored in the selected node as a
    // step of its own. A blank caption is refused with a message and the caption stays.
    void ConfirmRow(TValueEditorId editor, std::string_view key, const std::string& text);
    void ObjectsTreeViewChange(TTreeNode* node);
    bool ObjectsTreeViewDragOver(TDragSource source) const;
    // `target` is the node under the mouse at the drop point, nullptr for empty space. On the
    // middle of a row the node goes to the end of the target's level; on an edge, right before or
    // after the target, though never ahead of the level's Menu Options.
    void ObjectsTreeViewDragDrop(TDragSource source, TTreeNode* target,
                                 TDropPlace place = TDropPlace::OnNode);
    // Whether a drop of the selected node on `target` (null: below every node) would move it;
    // the view shows the refusal cursor before the drop otherwise.
    bool ObjectsTreeViewMayDrop(TDragSource source, const TTreeNode* target) const;
    // The new group, which is then selected.
    TTreeNode* AddMenuGroup(const std::string& name, const std::string& address);
    TTreeNode* AddMenuItem(const std::string& name, const std::string& address);
    void NewGroupActionExecute();
    void DelGroupActionExecute();
    // The Delete key in the objects tree: the group or item command for the selected node, with
    // its confirmation; a Menu Options node stays.
    void DeleteSelectedObjectExecute();
    void NewMenuItemActionExecute();
    void DeleteMenuItemActionExecute();
    // Deletes the selected group or item without asking, inside the caller's step if there is one,
    // and selects its neighbour.
    void DeleteSelectedObject();
    // The entries of the selected group, or of the level the selection stands on, by caption in
    // the author's order; the Menu Options node stays first.
    void SortByCaptionActionExecute();
    void ClearMenuEditors();
    void SetupValueEditors();
    // Offers the style list's names in the options editor's Menu Style row.
    void FillMenuStylePickList();
    // Gives each written level without options a Menu Options node (main-menu defaults).
    void AddMissingMenuOptions();

private:
    void ConfirmOptionsRow(TTreeNode& node, const TRecordField<TMenuOptionsRec>& field,
                           const std::string& text);
    void ConfirmItemRow(TTreeNode& node, const TRecordField<TMenuItemRec>& field, const std::string& text);
    void LoadMenuEditor(const TTreeNode& node);
    void ConfirmAndDeleteSelectedObject(const TUiText& question);
    // Shows the refusal when a typed name would be an empty caption.
    bool RefuseBlankCaption(std::string_view caption);

    TEditorContext& m_context;
    TValueEditor m_menuValueList;
    TValueEditor m_menuItemValueEditor;
};

} // namespace tarvex
