#pragma once
// What a view of the editor hears about, beyond the per-node notifications of the two trees.

#include "ActionId.h"
#include "ValueEditor.h"
#include "base/UiText.h"

#include <string>

namespace tarvex {

class TTreeNode;

// The two pages of the left page control.
enum class TControlsPage { MenuCreator, MenuStyles };

// Node insertions, removals, moves, text changes and resets arrive through TTreeObserver on
// Project().Objects and Project().Styles; the trees live as long as the editor, so a view
// registers once. Everything else that changes is announced here, after the change.
class TEditorListener {
public:
    virtual ~TEditorListener() = default;
    // The editor moved a tree's selection itself (a new group selected, a node deleted, the tree
    // cleared). A view that forwards the user's own clicks hears about those too; selecting the
    // node that is already selected again is a no-op in the editor, so echoing it back is safe.
    virtual void ObjectSelectionChanged(TTreeNode* /*node*/) {}
    virtual void StyleSelectionChanged(TTreeNode* /*node*/) {}
    // Values, edit styles, pick lists, enabled or visible state of one grid.
    virtual void ValueEditorChanged(TValueEditorId /*editor*/) {}
    // The enabled state of one or more commands.
    virtual void ActionsChanged() {}
    // The editor made a page of the left page control active (start-up does).
    virtual void ActivePageChanged(TControlsPage /*page*/) {}
    // A group should be expanded so that a node moved into it stays visible.
    virtual void ExpandNodeRequested(TTreeNode* /*group*/) {}
    virtual void RecentFilesChanged() {}
    // The design's changed state or the project's file name changed: the window title.
    virtual void DocumentStateChanged() {}
    virtual void FavoriteStylesChanged() {}
    // The find text changed: the view shows TEditCommands::FindMatches.
    virtual void FindMatchesChanged() {}
    // A note the preview shows where the menu would be, instead of a menu (empty: none).
    virtual void PreviewNoteChanged(const TUiText& /*note*/) {}
};

} // namespace tarvex
