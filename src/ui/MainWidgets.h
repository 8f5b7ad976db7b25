#pragma once
// The main window's widgets: the form keeps them, the objects that fill and follow them share them.

#include "editor/ActionId.h"
#include "editor/ValueEditor.h"

#include <array>
#include <cstddef>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolBar;
class QWebEngineProfile;
class QWebEngineView;

namespace tarvex {

class TAboutForm;
class TCustomizeDialog;
class TEditorTreeView;
class TFindField;
class TFoldersScanResultForm;
class TPreviewStage;
class TPreviewWebPage;
class TPropertyGrid;
class TScriptWarningsForm;
class TStyleTemplateForm;

// Not owned here: each widget belongs to the window (or to another widget) as Qt parents do.
struct TMainWidgets {
    // One per command, in the order of the command table (the order of TActionId).
    std::vector<QAction*> Actions;
    QMenu* RecentFilesMenu = nullptr;
    QToolBar* FileToolBar = nullptr;
    QToolBar* CommandsToolBar = nullptr;
    QMenu* MenuCreatorPopup = nullptr;
    QMenu* MenuStylePopup = nullptr;

    QTabWidget* ControlsPageControl = nullptr;
    // Above the design pages; hidden until Find.
    TFindField* FindField = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QSplitter* MainSplitter = nullptr;
    QSplitter* ObjectsSplitter = nullptr;
    QSplitter* StylesSplitter = nullptr;
    TEditorTreeView* ObjectsTreeView = nullptr;
    TEditorTreeView* MenuStyleTreeView = nullptr;
    TPropertyGrid* MenuValueList = nullptr;
    TPropertyGrid* MenuItemValueEditor = nullptr;
    TPropertyGrid* MenuStyleValueEditor = nullptr;

    QWebEngineProfile* BrowserProfile = nullptr;
    QWebEngineProfile* HelpProfile = nullptr;
    QWebEngineView* PreviewWebBrowser = nullptr;
    TPreviewStage* PreviewStage = nullptr;
    TPreviewWebPage* PreviewPage = nullptr;
    QWebEngineView* HelpBrowser = nullptr;

    QLabel* HintPanel = nullptr;
    QPushButton* ScriptWarningsButton = nullptr;
    TScriptWarningsForm* ScriptWarningsForm = nullptr;

    // Made when first needed, then hidden and reused.
    TAboutForm* AboutForm = nullptr;
    TStyleTemplateForm* StyleTemplateForm = nullptr;
    TFoldersScanResultForm* FoldersScanResultForm = nullptr;
    TCustomizeDialog* CustomizeDialog = nullptr;

    QAction* Action(TActionId id) const { return Actions[static_cast<std::size_t>(id)]; }
    std::array<TPropertyGrid*, 3> Grids() const {
        return {MenuValueList, MenuItemValueEditor, MenuStyleValueEditor};
    }
    TPropertyGrid* Grid(TValueEditorId id) const {
        return id == TValueEditorId::MenuValueList         ? MenuValueList
               : id == TValueEditorId::MenuItemValueEditor ? MenuItemValueEditor
                                                           : MenuStyleValueEditor;
    }
};

} // namespace tarvex
