#pragma once
// Keeps the window's views in step with the editor: the title, the commands' enabled state and
// captions, the grids, the trees' current rows and open groups, and the recent-files menu.

#include "editor/EditorListener.h"

#include <QObject>

#include <functional>
#include <set>

class QMainWindow;

namespace tarvex {

class TEditorTreeView;
class TTarvexEditor;
class TTreeModel;
struct TMainWidgets;

class TMainViewSync final : public QObject, public TEditorListener {
public:
    // All outlive this object; the views are made after it, before ConnectTrees().
    TMainViewSync(QMainWindow& window, TMainWidgets& widgets, TTarvexEditor& editor, TTreeModel& objects,
                  TTreeModel& styles);

    // Runs when the person chooses an entry of the recent-files menu, with its position.
    std::function<void(int index)> ReopenRequested;
    // Runs before the person's move of a tree's current row reaches the editor.
    std::function<void()> SelectionMoving;

    // Shows the two trees in their views; the person's moves of a current row go to the editor.
    void ConnectTrees();
    // True while a view is being set from the editor: what it reports then is no input of the person's.
    bool Syncing() const { return m_syncing > 0; }
    // Runs `change` on the views as the editor's own, not as the person's input.
    void Quietly(const std::function<void()>& change);

    void SyncActions();
    void SyncGrid(TValueEditorId id);
    void SyncGrids();
    void SyncTreeSelection(bool objects);
    // Both trees' current rows, later, when the editor has finished the operation that changed them.
    void ScheduleSelectionSync();
    void RebuildRecentFiles();

    void ObjectSelectionChanged(TTreeNode* node) override;
    void StyleSelectionChanged(TTreeNode* node) override;
    void ValueEditorChanged(TValueEditorId editor) override;
    void ActionsChanged() override;
    void ActivePageChanged(TControlsPage page) override;
    void ExpandNodeRequested(TTreeNode* group) override;
    void RecentFilesChanged() override;
    void DocumentStateChanged() override;
    void FindMatchesChanged() override;
    void PreviewNoteChanged(const TUiText& note) override;

private:
    void ConnectTree(TEditorTreeView* view, TTreeModel* model, bool objects);

    QMainWindow& m_window;
    TMainWidgets& m_widgets;
    TTarvexEditor& m_editor;
    TTreeModel& m_objectsModel;
    TTreeModel& m_stylesModel;
    std::set<const TTreeNode*> m_expandedBeforeReset;
    int m_syncing = 0;
    bool m_selectionSyncPending = false;
};

} // namespace tarvex
