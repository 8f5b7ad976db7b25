#pragma once
// The style list: its selection, the style editor and the commands that add and delete styles.

#include "EditorContext.h"
#include "ValueEditor.h"

#include "model/Tree.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

class TPreviewCommands;

class TStyleCommands {
public:
    // `preview` repairs the menus a deleted style leaves without one, and keeps still for a new style.
    TStyleCommands(TEditorContext& context, TPreviewCommands& preview);

    TTreeNode* SelectedStyle() const { return m_context.SelectedStyle(); }
    const TValueEditor& MenuStyleValueEditor() const { return m_menuStyleValueEditor; }

    // The selection moves to `node` (nullptr: none) with the style editor loaded; selecting the
    // selected style does nothing, and a click on empty space keeps the selection.
    void Select(TTreeNode* node);
    // Nothing selected, the editor empty and off.
    void Deselect();
    // Selects what a step of the history left (nullptr: none) and shows its stored values.
    void ShowSelection(TTreeNode* node);
    // The editor shows what is stored in the selected style again.
    void ReloadEditor();
    void SetupValueEditor();
    // Deletes the selected style without asking; the menus that used it take the first style in
    // the same step.
    void DeleteSelectedStyle();

    // Loads the style editor with `newNode` (none: empties it) before the selection moves.
    void MenuStyleTreeViewChanging(TTreeNode* newNode);
    // A confirmed row of the style editor, stored in the selected style as a step of its own.
    void ConfirmRow(std::string_view key, const std::string& text);
    // The "..." button of the style editor's row `row` was pressed.
    void MenuStyleValueEditorEditButtonClick(int row);
    // Six upper-case hex digits, red first; a value with the top bit set is a system colour index.
    std::string ColorToHex(uint32_t color) const;
    void ClearStyleEditor();
    void NewStyleActionExecute();
    void DelStyleActionExecute();

private:
    void LoadStyleEditor(const TTreeNode& node);

    TEditorContext& m_context;
    TPreviewCommands& m_preview;
    TValueEditor m_menuStyleValueEditor;
};

} // namespace tarvex
