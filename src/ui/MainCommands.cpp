// The main window's command wiring: running a command as the busy one and showing what it left.

#include "MainUnit.h"

#include "AboutUnit.h"
#include "CustomizeDialog.h"
#include "DialogPlacement.h"
#include "EditorTreeView.h"
#include "FoldersScanResultUnit.h"
#include "MainUnitInternal.h"
#include "PreviewWebPage.h"
#include "PropertyGrid.h"
#include "RecordString.h"
#include "ScriptWarningsUnit.h"
#include "StyleTemplateUnit.h"
#include "TarvexIcons.h"
#include "TreeModel.h"
#include "ValueEditorRows.h"
#include "base/FileIo.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <limits>

namespace tarvex {

using namespace mainunit_internal;

void TTarvexForm::ScheduleSelectionSync() {
    if (m_selectionSyncPending) {
        return;
    }
    m_selectionSyncPending = true;
    // Later, when the editor has finished the operation that changed the rows.
    QTimer::singleShot(0, this, [this] {
        m_selectionSyncPending = false;
        SyncTreeSelection(true);
        SyncTreeSelection(false);
    });
}

void TTarvexForm::SyncTreeSelection(bool objects) {
    TEditorTreeView* view = objects ? m_objectsTreeView : m_menuStyleTreeView;
    TTreeModel* model = objects ? m_objectsModel.get() : m_stylesModel.get();
    if (!view || model->Changing()) {
        return;
    }
    TTreeNode* node = objects ? m_editor->SelectedObject() : m_editor->SelectedStyle();
    const QModelIndex index = model->IndexOf(node);
    ++m_syncing;
    if (index.isValid()) {
        if (view->selectionModel()->currentIndex() != index || !view->selectionModel()->isSelected(index)) {
            view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        }
        view->scrollTo(index);
    } else {
        view->selectionModel()->clear();
    }
    --m_syncing;
}

void TTarvexForm::SyncGrid(TValueEditorId id) {
    TPropertyGrid* grid = id == TValueEditorId::MenuValueList         ? m_menuValueList
                          : id == TValueEditorId::MenuItemValueEditor ? m_menuItemValueEditor
                                                                      : m_menuStyleValueEditor;
    if (!grid) {
        return;
    }
    grid->Reload();
    if (id != TValueEditorId::MenuStyleValueEditor) {
        grid->setVisible(m_editor->ValueEditor(id).Visible());
    }
}

void TTarvexForm::SyncActions() {
    for (int i = 0; i < ActionCount; ++i) {
        m_actions[static_cast<std::size_t>(i)]->setEnabled(
            m_editor->ActionEnabled(static_cast<TActionId>(i)));
    }
    // "Undo Change 3D Border & Separator bar": the "&" is text, not an access key; the menu's
    // access key stays on the first letter.
    for (const auto& [id, caption] : {std::pair(TActionId::UndoAction, m_editor->UndoCaption()),
                                      std::pair(TActionId::RedoAction, m_editor->RedoCaption())}) {
        Action(id)->setIconText(Text(caption));
        Action(id)->setText(QStringLiteral("&") + Text(caption).replace('&', QStringLiteral("&&")));
    }
}

void TTarvexForm::IdleUpdate() {
    // Not while a command or a modal dialog is still under way: the editor may be mid-change.
    if (m_busy > 0 || !m_startupDone || QApplication::activeModalWidget()) {
        return;
    }
    ++m_busy;
    m_editor->DelGroupActionUpdate();
    m_editor->DeleteMenuItemActionUpdate();
    --m_busy;
    SyncActions();
}

void TTarvexForm::CommitOpenCellEditors() {
    for (TPropertyGrid* grid : {m_menuValueList, m_menuItemValueEditor, m_menuStyleValueEditor}) {
        grid->CommitOpenEditor();
    }
}

void TTarvexForm::RunCommand(const std::function<void()>& command) {
    CommitOpenCellEditors();
    ++m_busy;
    command();
    --m_busy;
    // The grids show what the command left in the editor (typed values may have been committed).
    for (TValueEditorId grid : {TValueEditorId::MenuValueList, TValueEditorId::MenuItemValueEditor,
                                TValueEditorId::MenuStyleValueEditor}) {
        SyncGrid(grid);
    }
    ScheduleSelectionSync();
}

void TTarvexForm::Execute(TActionId id) {
    // While a value cell is being edited, Undo and Redo take back its typing first, as in any
    // text field (Ctrl+Z and Ctrl+Shift+Z reach the field itself; Ctrl+Y, the menu and the
    // buttons come here). With nothing left to take back there, they act on the design.
    if (id == TActionId::UndoAction || id == TActionId::RedoAction) {
        const bool undo = id == TActionId::UndoAction;
        auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        for (TPropertyGrid* grid : {m_menuValueList, m_menuItemValueEditor, m_menuStyleValueEditor}) {
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

void TTarvexForm::ShowCustomizeDialog() {
    if (!m_customizeDialog) {
        m_customizeDialog =
            new TCustomizeDialog(m_actionList, {m_fileToolBar, m_commandsToolBar}, menuBar(), this);
    }
    m_customizeDialog->show();
    m_customizeDialog->raise();
    m_customizeDialog->activateWindow();
}

void TTarvexForm::ShowAboutBox() {
    CreateSecondaryForms();
    m_aboutForm->exec();
}

} // namespace tarvex
