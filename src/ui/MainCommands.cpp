// The main window's commands: each runs as the busy one, then the views show what it left.

#include "MainUnit.h"

#include "PropertyGrid.h"

#include <QApplication>
#include <QLineEdit>

namespace tarvex {

void TTarvexForm::IdleUpdate() {
    // Not while a command or a modal dialog is still under way: the editor may be mid-change.
    if (m_busy > 0 || !m_startupDone || QApplication::activeModalWidget()) {
        return;
    }
    ++m_busy;
    m_editor->Objects().DelGroupActionUpdate();
    m_editor->Objects().DeleteMenuItemActionUpdate();
    --m_busy;
    m_views->SyncActions();
}

void TTarvexForm::CommitOpenCellEditors() {
    for (TPropertyGrid* grid : m_widgets.Grids()) {
        grid->CommitOpenEditor();
    }
}

void TTarvexForm::RunCommand(const std::function<void()>& command) {
    CommitOpenCellEditors();
    ++m_busy;
    command();
    --m_busy;
    // The grids show what the command left in the editor (typed values may have been committed).
    m_views->SyncGrids();
    m_views->ScheduleSelectionSync();
}

void TTarvexForm::ReopenRecentFile(int index) {
    CommitOpenCellEditors();
    ++m_busy;
    m_editor->Files().ReopenActionExecute(index);
    --m_busy;
    m_views->ScheduleSelectionSync();
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
                grid->CommitOpenEditor();
                return;
            }
        }
    }
    RunCommand([this, id] { m_editor->Execute(id); });
}

} // namespace tarvex
