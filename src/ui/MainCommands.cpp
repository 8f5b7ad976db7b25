// The main window's commands: each runs as the busy one, then the views show what it left.

#include "MainUnit.h"

#include "EditorTreeView.h"
#include "FindField.h"
#include "PropertyGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace tarvex {

void TTarvexForm::ConfirmOpenCell() {
    for (TPropertyGrid* grid : m_widgets.Grids()) {
        grid->ConfirmOpenEditor();
    }
}

void TTarvexForm::RunCommand(const std::function<void()>& command) {
    ConfirmOpenCell();
    ++m_busy;
    command();
    --m_busy;
    m_views->ScheduleSelectionSync();
}

void TTarvexForm::ReopenRecentFile(int index) {
    RunCommand([this, index] { m_editor->Files().ReopenActionExecute(index); });
}

void TTarvexForm::Execute(TActionId id) {
    // While a value cell is being edited, Undo and Redo take back its typing first, as in any
    // text field (Ctrl+Z and Ctrl+Shift+Z reach the field itself; Ctrl+Y, the menu and the
    // buttons come here). With nothing left to take back there, they act on the design.
    if (id == TActionId::UndoAction || id == TActionId::RedoAction) {
        const bool undo = id == TActionId::UndoAction;
        auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        for (TPropertyGrid* grid : m_widgets.Grids()) {
            if (cell && grid->isAncestorOf(cell) &&
                (undo ? cell->isUndoAvailable() : cell->isRedoAvailable())) {
                if (undo) {
                    cell->undo();
                } else {
                    cell->redo();
                }
                return;
            }
        }
    }
    RunCommand([this, id] { m_editor->Execute(id); });
}

void TTarvexForm::ConnectEditInput() {
    TFindField* find = m_widgets.FindField;
    connect(find, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_editor->Edit().SetFindText(text.toStdString()); });
    connect(find, &QLineEdit::returnPressed, this, [this] { Execute(TActionId::FindNextAction); });
    connect(find, &TFindField::Closed, this, [this, find] {
        find->hide();
        m_editor->Edit().SetFindText({});
        // The keyboard goes back to the page's tree, whose selection stays as Find left it.
        (m_editor->ActivePage() == TControlsPage::MenuCreator ? m_widgets.ObjectsTreeView
                                                              : m_widgets.MenuStyleTreeView)
            ->setFocus();
    });
    // Another window or program may fill the clipboard at any time: Paste follows it.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_editor->Edit().ClipboardChanged(); });
    m_editor->Edit().ClipboardChanged();
}

} // namespace tarvex
