#include "MainViewSync.h"

#include "EditorTreeView.h"
#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "PreviewStage.h"
#include "PropertyGrid.h"
#include "ShownText.h"
#include "TreeModel.h"
#include "editor/TarvexEditor.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

#include <utility>

namespace tarvex {

using namespace mainunit_internal;

TMainViewSync::TMainViewSync(QMainWindow& window, TMainWidgets& widgets, TTarvexEditor& editor,
                             TTreeModel& objects, TTreeModel& styles)
    : m_window(window), m_widgets(widgets), m_editor(editor), m_objectsModel(objects), m_stylesModel(styles) {
}

void TMainViewSync::Quietly(const std::function<void()>& change) {
    ++m_syncing;
    change();
    --m_syncing;
}

// ---- editor notifications ----

void TMainViewSync::ObjectSelectionChanged(TTreeNode*) {
    SyncTreeSelection(true);
}

void TMainViewSync::StyleSelectionChanged(TTreeNode*) {
    SyncTreeSelection(false);
}

void TMainViewSync::ValueEditorChanged(TValueEditorId editor) {
    SyncGrid(editor);
}

void TMainViewSync::ActionsChanged() {
    SyncActions();
}

void TMainViewSync::ActivePageChanged(TControlsPage page) {
    Quietly(
        [&] { m_widgets.ControlsPageControl->setCurrentIndex(page == TControlsPage::MenuCreator ? 0 : 1); });
}

void TMainViewSync::ExpandNodeRequested(TTreeNode* group) {
    if (!m_objectsModel.Changing()) {
        m_widgets.ObjectsTreeView->expand(m_objectsModel.IndexOf(group));
    }
}

void TMainViewSync::RecentFilesChanged() {
    RebuildRecentFiles();
}

void TMainViewSync::PreviewNoteChanged(const TUiText& note) {
    m_widgets.PreviewStage->SetNote(Shown(note));
}

void TMainViewSync::FindMatchesChanged() {
    const std::vector<TTreeNode*> found = m_editor.Edit().FindMatches();
    const bool objects = m_editor.ActivePage() == TControlsPage::MenuCreator;
    (objects ? m_objectsModel : m_stylesModel).SetMarked(found);
    (objects ? m_stylesModel : m_objectsModel).SetMarked({});
    // The groups holding a match are opened, so that every match can be seen.
    if (objects) {
        for (const TTreeNode* node : found) {
            for (const TTreeNode* up = node->Parent(); up; up = up->Parent()) {
                m_widgets.ObjectsTreeView->expand(m_objectsModel.IndexOf(up));
            }
        }
    }
}

void TMainViewSync::DocumentStateChanged() {
    m_window.setWindowTitle(ShownVisible(m_editor.WindowTitle()));
}

// ---- the views ----

void TMainViewSync::RebuildRecentFiles() {
    m_widgets.RecentFilesMenu->clear();
    const std::vector<std::string>& paths = m_editor.Files().RecentFiles().Paths();
    for (int i = 0; i < static_cast<int>(paths.size()); ++i) {
        // A "&" inside a path is part of the name, not an access key.
        QString path = Text(paths[static_cast<std::size_t>(i)]);
        path.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = m_widgets.RecentFilesMenu->addAction(QStringLiteral("&%1: %2").arg(i).arg(path));
        entry->setObjectName(QStringLiteral("Action%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, i] {
            if (ReopenRequested) {
                ReopenRequested(i);
            }
        });
    }
}

void TMainViewSync::ScheduleSelectionSync() {
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

void TMainViewSync::SyncTreeSelection(bool objects) {
    TEditorTreeView* view = objects ? m_widgets.ObjectsTreeView : m_widgets.MenuStyleTreeView;
    TTreeModel& model = objects ? m_objectsModel : m_stylesModel;
    if (!view || model.Changing()) {
        return;
    }
    TTreeNode* node = objects ? m_editor.SelectedObject() : m_editor.SelectedStyle();
    const QModelIndex index = model.IndexOf(node);
    Quietly([&] {
        if (index.isValid()) {
            if (view->selectionModel()->currentIndex() != index ||
                !view->selectionModel()->isSelected(index)) {
                view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            }
            view->scrollTo(index);
        } else {
            view->selectionModel()->clear();
        }
    });
}

void TMainViewSync::SyncGrid(TValueEditorId id) {
    TPropertyGrid* grid = m_widgets.Grid(id);
    if (!grid) {
        return;
    }
    grid->Reload();
    if (id != TValueEditorId::MenuStyleValueEditor) {
        grid->setVisible(m_editor.ValueEditor(id).Visible());
    }
}

void TMainViewSync::SyncGrids() {
    for (TValueEditorId id : {TValueEditorId::MenuValueList, TValueEditorId::MenuItemValueEditor,
                              TValueEditorId::MenuStyleValueEditor}) {
        SyncGrid(id);
    }
}

void TMainViewSync::SyncActions() {
    for (int i = 0; i < ActionCount; ++i) {
        m_widgets.Actions[static_cast<std::size_t>(i)]->setEnabled(
            m_editor.ActionEnabled(static_cast<TActionId>(i)));
    }
    // "Undo Change 3D Border & Separator bar": the "&" is text, not an access key; the menu's
    // access key stays on the first letter.
    for (const auto& [id, caption] : {std::pair(TActionId::UndoAction, Shown(m_editor.UndoText())),
                                      std::pair(TActionId::RedoAction, Shown(m_editor.RedoText()))}) {
        m_widgets.Action(id)->setIconText(caption);
        m_widgets.Action(id)->setText(QStringLiteral("&") +
                                      QString(caption).replace('&', QStringLiteral("&&")));
    }
}

// ---- the trees ----

void TMainViewSync::ConnectTrees() {
    ConnectTree(m_widgets.ObjectsTreeView, &m_objectsModel, true);
    ConnectTree(m_widgets.MenuStyleTreeView, &m_stylesModel, false);
}

void TMainViewSync::ConnectTree(TEditorTreeView* view, TTreeModel* model, bool objects) {
    view->SetTreeModel(model);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, model, objects](const QModelIndex& current) {
                // Qt moves the current row on its own while rows come and go; only the person's
                // moves are forwarded.
                if (m_syncing > 0 || model->Changing()) {
                    return;
                }
                TTreeNode* node = TTreeModel::NodeOf(current);
                if (SelectionMoving) {
                    SelectionMoving();
                }
                if (objects) {
                    m_editor.SelectObjectNode(node);
                } else {
                    m_editor.SelectStyleNode(node);
                }
                SyncTreeSelection(objects);
            });
    // A batch rebuild resets the model; the groups that were open are opened again.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this, view, model] {
        m_expandedBeforeReset.clear();
        model->Tree().ForEach([&](const TTreeNode& node) {
            if (view->isExpanded(model->IndexOf(&node))) {
                m_expandedBeforeReset.insert(&node);
            }
        });
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this, view, model] {
        if (!model->Tree().Empty() && !m_expandedBeforeReset.empty()) {
            model->Tree().ForEach([&](const TTreeNode& node) {
                if (m_expandedBeforeReset.count(&node) > 0) {
                    view->expand(model->IndexOf(&node));
                }
            });
        }
        m_expandedBeforeReset.clear();
        ScheduleSelectionSync();
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TMainViewSync::ScheduleSelectionSync);
    connect(model, &QAbstractItemModel::rowsMoved, this, &TMainViewSync::ScheduleSelectionSync);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TMainViewSync::ScheduleSelectionSync);
}

} // namespace tarvex
