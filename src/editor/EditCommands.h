#pragma once
// The Edit menu's work on the trees: the clipboard (cut, copy, paste, duplicate), moves with the
// keyboard and find.

#include "EditorContext.h"

#include "model/Tree.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class TObjectsTreeCommands;
class TStyleCommands;

// The keyboard's moves of the selected group or item.
enum class TMove { Up, Down, Out, In };

class TEditCommands {
public:
    // Cut deletes and paste selects through the two trees' groups.
    TEditCommands(TEditorContext& context, TObjectsTreeCommands& objects, TStyleCommands& styles)
        : m_context(context), m_objects(objects), m_styles(styles) {}

    void CutActionExecute();
    void CopyActionExecute();
    void PasteActionExecute();
    void DuplicateActionExecute();
    void MoveUpActionExecute() { Move(TMove::Up); }
    void MoveDownActionExecute() { Move(TMove::Down); }
    void MoveOutActionExecute() { Move(TMove::Out); }
    void MoveInActionExecute() { Move(TMove::In); }
    void FindActionExecute();
    void FindNextActionExecute();

    // The page's selection can go to the clipboard: a group, an item or a style.
    bool CanCopy() const;
    // The clipboard holds a Tarvex window's copy: groups and items, or styles.
    bool CanPaste() const;
    bool CanMove(TMove move) const;

    // The clipboard changed, here or in another program: Paste follows what it holds now.
    void ClipboardChanged();

    // The text Find looks for, as typed into its field; the matches are shown and Find next
    // selects the one after the selection.
    void SetFindText(const std::string& text);
    const std::string& FindText() const { return m_findText; }
    // The page's nodes whose caption or address (a style: its name) holds the text, in tree order.
    std::vector<TTreeNode*> FindMatches() const;

private:
    // The project text of the page's selection (and the styles a copied menu uses).
    std::string SelectionText() const;
    // Adds what `text` holds to the page's tree as one step; false when it holds nothing for it.
    bool PasteText(const std::string& text, std::string_view stepName);
    void Move(TMove move);
    // Where `move` would put the selected node; nothing when it would be refused.
    struct TPlace {
        TTreeNode* Parent = nullptr;
        int Index = 0;
    };
    std::optional<TPlace> MovePlace(TMove move) const;
    bool OnStylesPage() const;
    TTreeNode* Selected() const;

    TEditorContext& m_context;
    TObjectsTreeCommands& m_objects;
    TStyleCommands& m_styles;
    // Whether the clipboard offered a Tarvex window's copy when last looked at; what it holds is
    // read on Paste only.
    bool m_clipboardHasProject = false;
    std::string m_findText;
};

} // namespace tarvex
