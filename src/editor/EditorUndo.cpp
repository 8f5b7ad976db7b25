#include "TarvexEditor.h"

#include "base/PathText.h"
#include "model/RecordFields.h"

#include <utility>

namespace tarvex {

namespace {

// Whether `node` hangs in `tree` now (a node taken out by a step keeps its tree).
bool InTree(const TTree& tree, const TTreeNode* node) {
    if (!node || node->Tree() != &tree) {
        return false;
    }
    const TTreeNode* top = node;
    for (const TTreeNode* up = node; up; up = up->Parent()) {
        if (up->Parent() && up->Parent()->Child(up->Index()) != up) {
            return false;
        }
        top = up;
    }
    return tree.Root(top->Index()) == top;
}

// The rows of the fields whose stored value differs.
template <typename R>
void NoteChangedFields(const R& before, const R& after, std::vector<std::string>& rows) {
    for (const TRecordField<R>& field : FieldsOf<R>()) {
        if (field.Text(before) != field.Text(after)) {
            rows.emplace_back(field.Caption);
        }
    }
}

} // namespace

// ---- steps ----

TTarvexEditor::TEditStep::TEditStep(TTarvexEditor& editor, std::string_view name, TCommitFirst commitFirst)
    : m_editor(editor) {
    if (editor.m_editDepth == 0) {
        if (commitFirst == TCommitFirst::Yes) {
            editor.CommitValueEditors();
        }
        editor.m_editName = name;
        editor.m_changedRows.clear();
    } else if (editor.m_editName.empty()) {
        editor.m_editName = name;
    }
    ++editor.m_editDepth;
    editor.m_history.BeginStep({editor.m_selectedObject, editor.m_selectedStyle});
}

TTarvexEditor::TEditStep::~TEditStep() {
    TTarvexEditor& e = m_editor;
    // A named edit that leaves a menu without its style (Delete Style) takes the repair into its
    // own step, so one undo brings both back; other commands get a "Repair menu style" step of
    // its own when the preview refreshes.
    if (e.m_editDepth == 1 && e.m_refreshPending && !e.m_editName.empty()) {
        e.RepairMenuStyles();
    }
    std::string name = e.m_editName;
    if (name.empty()) {
        const std::size_t rows = e.m_changedRows.size();
        name = rows == 1  ? "Change " + e.m_changedRows.front()
               : rows > 1 ? "Change " + std::to_string(rows) + " values"
                          : std::string(TDesignHistory::UnnamedStepName);
    }
    e.m_history.EndStep(name, {e.m_selectedObject, e.m_selectedStyle});
    if (--e.m_editDepth == 0) {
        e.HistoryChanged();
        if (e.m_refreshPending) {
            e.RefreshPreview();
        }
    }
}

void TTarvexEditor::CommitRecord(TTreeNode& node) {
    TEditStep step(*this, {});
    const TTreeNode::TRecord before = node.Record();
    const std::string textBefore = node.Text();
    const std::size_t noted = m_changedRows.size();
    if (node.IsStyle()) {
        CommitStyle(node);
        NoteChangedFields(std::get<TMenuStyleRec>(before), node.Style(), m_changedRows);
    } else if (node.IsOptions()) {
        CommitMenuOptions(node);
        NoteChangedFields(std::get<TMenuOptionsRec>(before), node.Options(), m_changedRows);
    } else {
        CommitMenuItem(node);
        NoteChangedFields(std::get<TMenuItemRec>(before), node.Item(), m_changedRows);
        // The node shows the whole caption: a change past the field's end is a change too.
        if (node.Text() != textBefore && m_changedRows.size() == noted) {
            m_changedRows.emplace_back(ItemField("Caption").Caption);
        }
    }
}

void TTarvexEditor::EditDesign(std::string_view name, const std::function<void()>& change) {
    TEditStep step(*this, name, TCommitFirst::Yes);
    change();
}

// ---- undo and redo ----

std::string TTarvexEditor::UndoCaption() const {
    const std::string name = m_history.UndoName();
    return name.empty() ? "Undo" : "Undo " + name;
}

std::string TTarvexEditor::RedoCaption() const {
    const std::string name = m_history.RedoName();
    return name.empty() ? "Redo" : "Redo " + name;
}

std::string TTarvexEditor::WindowTitle() const {
    const std::string file =
        m_projectFileName.empty() ? "Untitled" : PathText(PathFromUtf8(m_projectFileName).filename());
    return file + (Modified() ? "*" : "") + " \u2014 Korvane Tarvex";
}

void TTarvexEditor::UndoActionExecute() {
    UndoOrRedo(true);
}

void TTarvexEditor::RedoActionExecute() {
    UndoOrRedo(false);
}

void TTarvexEditor::UndoOrRedo(bool undo) {
    CommitValueEditors();
    const std::optional<TDesignHistory::TSelection> selection = undo ? m_history.Undo() : m_history.Redo();
    if (selection) {
        // A style the step brought or took away must not linger in (or be missing from) the
        // options' drop-down until the next page switch.
        FillMenuStylePickList();
        ShowHistorySelection(*selection);
        m_replayingHistory = true;
        RefreshPreview();
        m_replayingHistory = false;
    }
    HistoryChanged();
}

void TTarvexEditor::ShowHistorySelection(TDesignHistory::TSelection selection) {
    TTreeNode* object = InTree(m_project.Objects, selection.Object) ? selection.Object : nullptr;
    TTreeNode* style = InTree(m_project.Styles, selection.Style) ? selection.Style : nullptr;

    SetObjectSelection(object);
    if (object) {
        LoadMenuEditor(*object);
    } else {
        ClearMenuEditors();
    }
    ObjectsTreeViewChange(object);

    SetStyleSelection(style);
    if (style) {
        m_menuStyleValueEditor.SetEnabled(true);
        LoadStyleEditor(*style);
    } else {
        ClearStyleEditor();
    }
    const bool styleCommands = style && m_activePage == TControlsPage::MenuStyles;
    SetActionEnabled(TActionId::DelStyleAction, styleCommands);
    SetActionEnabled(TActionId::AddToFavoritesAction, styleCommands);
}

void TTarvexEditor::HistoryChanged() {
    // Saved, discarded or undone to what the file holds: nothing left to recover.
    if (m_history.Modified()) {
        m_recoveryDue = true;
    } else {
        RemoveRecoveryCopy();
    }
    CommandStatesMaybeChanged();
    std::string undo = UndoCaption();
    std::string redo = RedoCaption();
    if (undo != m_shownUndo || redo != m_shownRedo) {
        m_shownUndo = std::move(undo);
        m_shownRedo = std::move(redo);
        Notify([](TEditorListener& l) { l.ActionsChanged(); });
    }
    std::string title = WindowTitle();
    if (title != m_shownTitle) {
        m_shownTitle = std::move(title);
        Notify([](TEditorListener& l) { l.DocumentStateChanged(); });
    }
}

} // namespace tarvex
