#pragma once
// The style list: its selection, the style editor and the commands that add and delete styles.

#include "ValueEditor.h"

#include "model/Tree.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

class TTarvexEditor;

class TStyleCommands {
public:
    explicit TStyleCommands(TTarvexEditor& editor);

    TTreeNode* SelectedStyle() const { return m_selectedStyle; }
    const TValueEditor& MenuStyleValueEditor() const { return m_menuStyleValueEditor; }

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
    friend class TTarvexEditor;
    friend class TFileCommands;
    friend class TPreviewCommands;
    friend class TEditCommands;

    void SetStyleSelection(TTreeNode* node);
    void LoadStyleEditor(const TTreeNode& node);
    void DeleteSelectedStyle();

    TTarvexEditor& m_editor;
    TTreeNode* m_selectedStyle = nullptr;
    TValueEditor m_menuStyleValueEditor;
};

} // namespace tarvex
