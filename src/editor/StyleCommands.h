#pragma once
// The style list: its selection, the style editor and the commands that add and delete styles.

#include "ValueEditor.h"

#include "model/Tree.h"

#include <cstdint>
#include <string>

namespace tarvex {

class TTarvexEditor;

class TStyleCommands {
public:
    explicit TStyleCommands(TTarvexEditor& editor);

    TTreeNode* SelectedStyle() const { return m_selectedStyle; }
    const TValueEditor& MenuStyleValueEditor() const { return m_menuStyleValueEditor; }

    // `refreshPreview` false: the style entered is used by no menu yet (a new one).
    void MenuStyleTreeViewChanging(TTreeNode* newNode, bool refreshPreview = true);
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
    void CommitStyle(TTreeNode& node);
    void LoadStyleEditor(const TTreeNode& node);
    void DeleteSelectedStyle();

    TTarvexEditor& m_editor;
    TTreeNode* m_selectedStyle = nullptr;
    TValueEditor m_menuStyleValueEditor;
};

} // namespace tarvex
