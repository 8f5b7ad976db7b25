// The coordinator's side of the document: edit steps around the commands, undo and redo, and what
// follows a change of the design or of the document's state.

#include "TarvexEditor.h"
#include "model/RecordFields.h"

#include <functional>
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

// Notes the rows of the fields whose stored value differs.
template <typename R> void NoteChangedFields(const R& before, const R& after, TDesignDocument& document) {
    for (const TRecordField<R>& field : FieldsOf<R>()) {
        if (field.Text(before) != field.Text(after)) {
            document.NoteChangedRow(field.Caption);
        }
    }
}

} // namespace

TTarvexEditor::TEditStep::TEditStep(TTarvexEditor& editor, std::string_view name, TCommitFirst commitFirst)
    : m_editor(editor) {
    if (editor.m_document.StepDepth() == 0 && commitFirst == TCommitFirst::Yes) {
        editor.CommitValueEditors();
    }
    editor.m_document.BeginStep(name, {editor.SelectedObject(), editor.SelectedStyle()});
}

TTarvexEditor::TEditStep::~TEditStep() {
    TTarvexEditor& e = m_editor;
    if (e.m_document.EndStep({e.SelectedObject(), e.SelectedStyle()})) {
        e.m_preview.RefreshIfPending();
    }
}

void TTarvexEditor::CommitRecord(TTreeNode& node) {
    TEditStep step(*this, {});
    const TTreeNode::TRecord before = node.Record();
    const std::string textBefore = node.Text();
    const std::size_t noted = m_document.ChangedRowCount();
    if (node.IsStyle()) {
        m_styles.CommitStyle(node);
        NoteChangedFields(std::get<TMenuStyleRec>(before), node.Style(), m_document);
    } else if (node.IsOptions()) {
        m_objects.CommitMenuOptions(node);
        NoteChangedFields(std::get<TMenuOptionsRec>(before), node.Options(), m_document);
    } else {
        m_objects.CommitMenuItem(node);
        NoteChangedFields(std::get<TMenuItemRec>(before), node.Item(), m_document);
        // The node shows the whole caption: a change past the field's end is a change too.
        if (node.Text() != textBefore && m_document.ChangedRowCount() == noted) {
            m_document.NoteChangedRow(ItemField("Caption").Caption);
        }
    }
}

void TTarvexEditor::EditDesign(std::string_view name, const std::function<void()>& change) {
    TEditStep step(*this, name, TCommitFirst::Yes);
    change();
}

void TTarvexEditor::UndoOrRedo(bool undo) {
    CommitValueEditors();
    if (undo) {
        m_document.Undo();
    } else {
        m_document.Redo();
    }
}

void TTarvexEditor::DesignChanged(const TDesignChange& change) {
    switch (change.Kind) {
    case TDesignChange::TKind::Edited:
        // A command shows what it did. Typed values reach the preview at the selection change or
        // Update Preview, as the author expects; a save or a page switch leaves it as it is.
        if (change.Named && !m_preview.Held()) {
            m_preview.RefreshPreview();
        }
        break;
    case TDesignChange::TKind::Undone:
    case TDesignChange::TKind::Redone:
        // A style the step brought or took away must not linger in (or be missing from) the
        // options' drop-down until the next page switch.
        m_objects.FillMenuStylePickList();
        ShowHistorySelection(change.Selection);
        m_preview.ShowReplayedDesign();
        break;
    case TDesignChange::TKind::Replaced:
        m_preview.ShowNewDesign();
        break;
    }
}

void TTarvexEditor::ShowHistorySelection(TSelection selection) {
    TTreeNode* object = InTree(Project().Objects, selection.Object) ? selection.Object : nullptr;
    TTreeNode* style = InTree(Project().Styles, selection.Style) ? selection.Style : nullptr;

    m_objects.SetObjectSelection(object);
    if (object) {
        m_objects.LoadMenuEditor(*object);
    } else {
        m_objects.ClearMenuEditors();
    }
    m_objects.ObjectsTreeViewChange(object);

    m_styles.SetStyleSelection(style);
    if (style) {
        m_styles.m_menuStyleValueEditor.SetEnabled(true);
        m_styles.LoadStyleEditor(*style);
    } else {
        m_styles.ClearStyleEditor();
    }
    const bool styleCommands = style && m_activePage == TControlsPage::MenuStyles;
    SetActionEnabled(TActionId::DelStyleAction, styleCommands);
    SetActionEnabled(TActionId::AddToFavoritesAction, styleCommands);
}

void TTarvexEditor::DocumentStateChanged() {
    // Saved, discarded or undone to what the file holds: nothing left to recover.
    if (m_document.Modified()) {
        m_document.SetRecoveryDue(true);
    } else {
        m_files.RemoveRecoveryCopy();
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
