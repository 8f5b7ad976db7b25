// The main window's controls: commands, menus, toolbars, pages, grids, trees and browsers.

#include "MainUnit.h"

#include "AboutUnit.h"
#include "CustomizeDialog.h"
#include "DialogPlacement.h"
#include "EditorTreeView.h"
#include "FoldersScanResultUnit.h"
#include "MainUnitInternal.h"
#include "PreviewStage.h"
#include "PreviewWebPage.h"
#include "PropertyGrid.h"
#include "RecordString.h"
#include "ScriptWarningsUnit.h"
#include "StyleTemplateUnit.h"
#include "TarvexIcons.h"
#include "TreeModel.h"
#include "ValueEditorRows.h"
#include "base/FileIo.h"
#include "editor/CommandTable.h"

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

namespace {

// A menu-bar entry: a command (shown with its menu caption), a separator (Id unset, no text), or
// the recent-files submenu.
struct TMenuEntry {
    std::optional<TActionId> Id;
    const char* Text = nullptr;
};

constexpr const char* RecentFilesCaption = "Recent files...";
constexpr TMenuEntry Separator{};

using A = TActionId;

const std::vector<std::pair<const char*, std::vector<TMenuEntry>>>& MenuBarLayout() {
    static const std::vector<std::pair<const char*, std::vector<TMenuEntry>>> layout = {
        {"&File",
         {{A::NewAction},
          {A::OpenAction},
          {A::SaveAction},
          {A::SaveAsAction},
          Separator,
          {A::PublishAction},
          {A::ExportHtmlAction},
          Separator,
          {std::nullopt, RecentFilesCaption},
          Separator,
          {A::ExitAction}}},
        {"&Edit", {{A::UndoAction}, {A::RedoAction}}},
        {"&Menu",
         {{A::NewGroupAction},
          {A::DelGroupAction},
          {A::acHelpGroup},
          Separator,
          {A::NewMenuItemAction},
          {A::DeleteMenuItemAction},
          {A::acHelpMenu}}},
        {"&Styles",
         {{A::NewStyleAction},
          {A::DelStyleAction},
          {A::acHelpStyles},
          Separator,
          {A::StyleTemplateAction},
          {A::AddToFavoritesAction}}},
        {"&Preview",
         {{A::UpdatePreviewAction}, Separator, {A::OpenPreviewAction}, {A::DefaultPreviewAction}}},
        {"&Tools",
         {{A::CustomizeActionBars1},
          Separator,
          {A::ImportBookmarksAction},
          {A::ImportSitemapAction},
          {A::ImportPageNavAction}}},
        {"&Help",
         {{A::HelpHowUseAction},
          Separator,
          {A::HomePageAction},
          {A::EMailToUsAction},
          Separator,
          {A::AboutAction}}},
    };
    return layout;
}

// Toolbars and context menus: a command, or a separator.
const std::vector<std::optional<TActionId>> FileToolBarLayout = {
    A::NewAction,      A::OpenAction,           A::SaveAction, std::nullopt,
    A::UndoAction,     A::RedoAction,           std::nullopt,  A::PublishAction,
    std::nullopt,      A::CustomizeActionBars1, std::nullopt,  A::HelpHowUseAction,
    A::HomePageAction, A::EMailToUsAction,      std::nullopt,  A::ExitAction};

const std::vector<std::optional<TActionId>> CommandsToolBarLayout = {
    A::UpdatePreviewAction,  std::nullopt,      A::NewGroupAction,
    A::DelGroupAction,       std::nullopt,      A::NewMenuItemAction,
    A::DeleteMenuItemAction, std::nullopt,      A::NewStyleAction,
    A::StyleTemplateAction,  A::DelStyleAction, std::nullopt,
    A::AddToFavoritesAction, std::nullopt,      A::OpenPreviewAction,
    A::DefaultPreviewAction};

const std::vector<std::optional<TActionId>> MenuCreatorPopupLayout = {
    A::UpdatePreviewAction, std::nullopt,         A::NewGroupAction,      A::DelGroupAction,
    std::nullopt,           A::NewMenuItemAction, A::DeleteMenuItemAction};

const std::vector<std::optional<TActionId>> MenuStylePopupLayout = {
    A::UpdatePreviewAction, std::nullopt, A::NewStyleAction,      A::StyleTemplateAction,
    A::DelStyleAction,      std::nullopt, A::AddToFavoritesAction};

} // namespace

using namespace mainunit_internal;

QMenuBar* TTarvexForm::ActionMainMenuBar1() const {
    return menuBar();
}

void TTarvexForm::CreateActions() {
    // One QAction per command: the menus, toolbars and context menus show it, and it alone owns
    // the command's keys.
    for (const TCommand& command : Commands()) {
        const TActionId id = command.Id;
        auto* action =
            new QAction(TTarvexIcons::Command(Text(command.Icon)), Text(command.MenuCaption), this);
        action->setObjectName(Text(command.Name));
        action->setProperty("category", Text(command.Category));
        action->setIconText(Text(command.Caption));
        action->setToolTip(Text(command.Hint));
        action->setStatusTip(Text(command.Hint));
        QList<QKeySequence> keys;
        for (const std::string_view key : {command.Shortcut, command.AlternateShortcut}) {
            if (!key.empty()) {
                keys << QKeySequence(Text(key), QKeySequence::PortableText);
            }
        }
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        addAction(action);
        m_actions[static_cast<std::size_t>(id)] = action;
        m_actionList.push_back(action);
    }
}

void TTarvexForm::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("ActionMainMenuBar1"));
    if (HasFontFamily(QStringLiteral("Tahoma"))) {
        QFont tahoma(QStringLiteral("Tahoma"));
        tahoma.setPointSize(font().pointSize() > 0 ? font().pointSize() : 8);
        bar->setFont(tahoma);
    }
    bar->setMinimumHeight(24);
    for (const auto& [title, entries] : MenuBarLayout()) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(title));
        menu->setObjectName(QString::fromLatin1(title).remove(QLatin1Char('&')) + QStringLiteral("Menu"));
        menu->setToolTipsVisible(false);
        for (const TMenuEntry& entry : entries) {
            if (!entry.Id) {
                if (!entry.Text) {
                    menu->addSeparator();
                } else {
                    m_recentFilesMenu = menu->addMenu(QString::fromLatin1(entry.Text));
                    m_recentFilesMenu->setObjectName(QStringLiteral("RecentFilesItem"));
                }
                continue;
            }
            menu->addAction(Action(*entry.Id));
        }
    }
}

void TTarvexForm::CreateToolBars() {
    auto fill = [this](QToolBar* bar, const std::vector<std::optional<TActionId>>& layout) {
        for (const auto& id : layout) {
            if (id) {
                bar->addAction(Action(*id));
            } else {
                bar->addSeparator();
            }
        }
    };
    m_fileToolBar = new QToolBar(QStringLiteral("File"), this);
    m_fileToolBar->setObjectName(QStringLiteral("FileToolBar"));
    m_commandsToolBar = new QToolBar(QStringLiteral("Commands"), this);
    m_commandsToolBar->setObjectName(QStringLiteral("CommandsToolBar"));
    for (QToolBar* bar : {m_fileToolBar, m_commandsToolBar}) {
        bar->setMovable(true);
        // The bars move within the band across the top; the stored positions are band positions.
        bar->setAllowedAreas(Qt::TopToolBarArea);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setIconSize(QSize(16, 16));
        bar->setFixedHeight(ToolBarRowHeight);
    }
    fill(m_fileToolBar, FileToolBarLayout);
    fill(m_commandsToolBar, CommandsToolBarLayout);
    addToolBar(Qt::TopToolBarArea, m_fileToolBar);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_commandsToolBar);

    auto popup = [this](const char* name, const std::vector<std::optional<TActionId>>& layout) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        for (const auto& id : layout) {
            if (id) {
                menu->addAction(Action(*id));
            } else {
                menu->addSeparator();
            }
        }
        return menu;
    };
    m_pabMenuCreator = popup("pabMenuCreator", MenuCreatorPopupLayout);
    m_pabMenuStyle = popup("pabMenuStyle", MenuStylePopupLayout);
}

void TTarvexForm::CreateControls() {
    m_mainSplitter = new QSplitter(Qt::Horizontal, this);
    m_mainSplitter->setObjectName(QStringLiteral("Splitter1"));
    m_mainSplitter->setHandleWidth(4);
    m_mainSplitter->setChildrenCollapsible(false);

    m_controlsPageControl = new QTabWidget;
    m_controlsPageControl->setObjectName(QStringLiteral("ControlsPageControl"));

    // "Menu creator": the objects tree over the options and item editors, which share one area.
    m_objectsSplitter = new QSplitter(Qt::Vertical);
    m_objectsSplitter->setObjectName(QStringLiteral("ObjectsSplitter"));
    m_objectsSplitter->setHandleWidth(4);
    m_objectsSplitter->setChildrenCollapsible(false);
    m_objectsTreeView = new TEditorTreeView;
    m_objectsTreeView->setObjectName(QStringLiteral("ObjectsTreeView"));
    auto* editorArea = new QWidget;
    editorArea->setObjectName(QStringLiteral("MenuEditorsPanel"));
    auto* editorLayout = new QVBoxLayout(editorArea);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->setSpacing(0);
    m_menuValueList = new TPropertyGrid(118);
    m_menuValueList->setObjectName(QStringLiteral("MenuValueList"));
    m_menuItemValueEditor = new TPropertyGrid(135);
    m_menuItemValueEditor->setObjectName(QStringLiteral("MenuItemValueEditor"));
    editorLayout->addWidget(m_menuValueList);
    editorLayout->addWidget(m_menuItemValueEditor);
    m_objectsSplitter->addWidget(m_objectsTreeView);
    m_objectsSplitter->addWidget(editorArea);
    // A taller pane gives the tree room as well as the grids.
    m_objectsSplitter->setStretchFactor(0, 1);
    m_objectsSplitter->setStretchFactor(1, 1);
    m_controlsPageControl->addTab(m_objectsSplitter, QStringLiteral("Menu creator"));

    // "Menu styles": the style list over the style editor.
    m_stylesSplitter = new QSplitter(Qt::Vertical);
    m_stylesSplitter->setObjectName(QStringLiteral("StylesSplitter"));
    m_stylesSplitter->setHandleWidth(4);
    m_stylesSplitter->setChildrenCollapsible(false);
    m_menuStyleTreeView = new TEditorTreeView;
    m_menuStyleTreeView->setObjectName(QStringLiteral("MenuStyleTreeView"));
    m_menuStyleValueEditor = new TPropertyGrid(118);
    m_menuStyleValueEditor->setObjectName(QStringLiteral("MenuStyleValueEditor"));
    m_stylesSplitter->addWidget(m_menuStyleTreeView);
    m_stylesSplitter->addWidget(m_menuStyleValueEditor);
    m_stylesSplitter->setStretchFactor(0, 1);
    m_stylesSplitter->setStretchFactor(1, 1);
    m_controlsPageControl->addTab(m_stylesSplitter, QStringLiteral("Menu styles"));

    m_pageControl1 = new QTabWidget;
    m_pageControl1->setObjectName(QStringLiteral("PageControl1"));

    m_mainSplitter->addWidget(m_controlsPageControl);
    m_mainSplitter->addWidget(m_pageControl1);
    m_mainSplitter->setStretchFactor(0, 0);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setSizes({297, 401});
    m_objectsSplitter->setSizes({161, 200});
    m_stylesSplitter->setSizes({161, 200});
    setCentralWidget(m_mainSplitter);

    m_menuValueList->SetRows(m_menuValueRows.get());
    m_menuItemValueEditor->SetRows(m_menuItemRows.get());
    m_menuStyleValueEditor->SetRows(m_styleRows.get());
    m_menuStyleValueEditor->OnEditButtonClick = [this](int row) {
        // The colour dialog opens on the cell's colour.
        const QColor cell = TPropertyGridModel::HexColor(
            m_menuStyleValueEditor->model()->index(row, 1).data(Qt::EditRole).toString());
        if (cell.isValid()) {
            m_lastColor = static_cast<uint32_t>(cell.red()) | (static_cast<uint32_t>(cell.green()) << 8) |
                          (static_cast<uint32_t>(cell.blue()) << 16);
        }
        m_editor->MenuStyleValueEditorEditButtonClick(row);
        SyncGrid(TValueEditorId::MenuStyleValueEditor);
    };

    ConnectTree(m_objectsTreeView, m_objectsModel.get(), true);
    ConnectTree(m_menuStyleTreeView, m_stylesModel.get(), false);
    m_objectsTreeView->setDragEnabled(true);
    m_objectsTreeView->setAcceptDrops(true);
    m_objectsTreeView->setDropIndicatorShown(false);
    m_objectsTreeView->setDragDropMode(QAbstractItemView::DragDrop);
    m_objectsTreeView->setDefaultDropAction(Qt::MoveAction);
    m_objectsTreeView->CanDrop = [this](bool own, TTreeNode* target) {
        return m_editor->ObjectsTreeViewMayDrop(own ? TDragSource::ObjectsTreeView : TDragSource::Other,
                                                target);
    };
    m_objectsTreeView->Drop = [this](bool own, TTreeNode* target) {
        m_editor->ObjectsTreeViewDragDrop(own ? TDragSource::ObjectsTreeView : TDragSource::Other, target);
        ScheduleSelectionSync();
    };
    m_objectsTreeView->DeleteRequested = [this] {
        RunCommand([this] { m_editor->DeleteSelectedObjectExecute(); });
    };
    m_menuStyleTreeView->DeleteRequested = [this] { Execute(A::DelStyleAction); };
    m_objectsTreeView->EditRequested = [this] {
        const TTreeNode* node = m_editor->SelectedObject();
        if (!node) {
            return;
        }
        if (node->IsOptions()) {
            m_menuValueList->EditRow(0);
        } else {
            m_menuItemValueEditor->EditRow(m_editor->MenuItemValueEditor().FindRow("Caption"));
        }
    };
    m_menuStyleTreeView->EditRequested = [this] {
        if (m_editor->SelectedStyle()) {
            m_menuStyleValueEditor->EditRow(0);
        }
    };

    m_objectsTreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_objectsTreeView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        m_pabMenuCreator->popup(m_objectsTreeView->viewport()->mapToGlobal(at));
    });
    m_menuStyleTreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_menuStyleTreeView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        m_pabMenuStyle->popup(m_menuStyleTreeView->viewport()->mapToGlobal(at));
    });

    connect(m_controlsPageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_syncing == 0) {
            CommitOpenCellEditors();
            m_editor->SetActivePage(index == 0 ? TControlsPage::MenuCreator : TControlsPage::MenuStyles);
        }
    });

    auto* status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(true);
    auto* firstPanel = new QLabel;
    firstPanel->setObjectName(QStringLiteral("StatusPanel0"));
    firstPanel->setFixedWidth(50);
    firstPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_hintPanel = new QLabel;
    m_hintPanel->setObjectName(QStringLiteral("StatusPanel1"));
    m_hintPanel->setMinimumWidth(50);
    m_hintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status->addWidget(firstPanel);
    status->addWidget(m_hintPanel, 1);
    m_scriptWarningsButton = new QPushButton;
    m_scriptWarningsButton->setObjectName(QStringLiteral("ScriptWarningsButton"));
    m_scriptWarningsButton->setFlat(true);
    m_scriptWarningsButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    m_scriptWarningsButton->setToolTip(QStringLiteral("Show the menu script warnings"));
    m_scriptWarningsButton->hide();
    m_scriptWarningsForm = new TScriptWarningsForm(this);
    connect(m_scriptWarningsButton, &QPushButton::clicked, this, [this] {
        m_scriptWarningsForm->show();
        m_scriptWarningsForm->raise();
    });
    status->addPermanentWidget(m_scriptWarningsButton);

    // Screen readers and other assistive tools find the controls by these names.
    const std::pair<QWidget*, const char*> names[] = {{m_controlsPageControl, "Design pages"},
                                                      {m_objectsTreeView, "Menu objects"},
                                                      {m_menuValueList, "Menu options"},
                                                      {m_menuItemValueEditor, "Menu item properties"},
                                                      {m_menuStyleTreeView, "Menu styles"},
                                                      {m_menuStyleValueEditor, "Style properties"},
                                                      {m_pageControl1, "Preview and help pages"},
                                                      {m_fileToolBar, "File toolbar"},
                                                      {m_commandsToolBar, "Commands toolbar"},
                                                      {menuBar(), "Main menu"},
                                                      {status, "Status bar"},
                                                      {m_hintPanel, "Hint"},
                                                      {m_mainSplitter, "Design and preview divider"},
                                                      {m_objectsSplitter, "Objects and properties divider"},
                                                      {m_stylesSplitter, "Styles and properties divider"}};
    for (const auto& [widget, name] : names) {
        widget->setAccessibleName(QString::fromLatin1(name));
    }
}

void TTarvexForm::CreateBrowsers() {
    // An off-the-record profile without HTTP cache: the preview must always run the menu.js
    // that was just written, never a copy from an earlier refresh.
    m_browserProfile = new QWebEngineProfile;
    m_browserProfile->setHttpCacheType(QWebEngineProfile::NoCache);
    // The help pages are our own and keep file access, so they get a profile of their own.
    m_helpProfile = new QWebEngineProfile;
    m_helpProfile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_helpProfile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);

    m_previewWebBrowser = new QWebEngineView;
    m_previewWebBrowser->setObjectName(QStringLiteral("PreviewWebBrowser"));
    m_previewPage = new TPreviewWebPage(m_browserProfile, m_editor->PreviewSite(), m_previewWebBrowser);
    m_previewPage->WatchInput(m_previewWebBrowser);
    connect(m_previewPage, &TPreviewWebPage::LinkFollowed, this,
            [](const QUrl& url) { QDesktopServices::openUrl(url); });
    m_previewWebBrowser->setPage(m_previewPage);
    m_helpBrowser = new QWebEngineView;
    m_helpBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    m_helpBrowser->setPage(new QWebEnginePage(m_helpProfile, m_helpBrowser));
    // A file dropped on the preview is for the window, not a page to show.
    m_previewWebBrowser->setAcceptDrops(false);
    m_previewStage = new TPreviewStage(m_previewWebBrowser);
    m_pageControl1->addTab(m_previewStage, QStringLiteral("Preview"));
    m_pageControl1->addTab(m_helpBrowser, QStringLiteral("Quick help"));
    m_previewWebBrowser->setAccessibleName(QStringLiteral("Menu preview"));
    m_helpBrowser->setAccessibleName(QStringLiteral("Quick help"));

    // A refresh of the same page comes back to where the person had scrolled it.
    connect(m_previewWebBrowser, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_previewLoading = false;
        if (ok && !m_previewScroll.isNull()) {
            m_previewWebBrowser->page()->runJavaScript(
                QStringLiteral("window.scrollTo(%1, %2)").arg(m_previewScroll.x()).arg(m_previewScroll.y()));
        }
        m_previewScroll = QPointF();
    });
}

void TTarvexForm::ConnectTree(TEditorTreeView* view, TTreeModel* model, bool objects) {
    view->SetTreeModel(model);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, model, objects](const QModelIndex& current) {
                // Qt moves the current row on its own while rows come and go; only the person's
                // moves are forwarded.
                if (m_syncing > 0 || model->Changing()) {
                    return;
                }
                TTreeNode* node = TTreeModel::NodeOf(current);
                if (objects) {
                    m_editor->SelectObjectNode(node);
                } else {
                    m_editor->SelectStyleNode(node);
                }
                SyncTreeSelection(objects);
            });
    // A batch rebuild resets the model; the groups that were open are opened again.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this, view, model] {
        m_expandedBeforeReset.clear();
        model->Tree().ForEach([&](TTreeNode& node) {
            if (view->isExpanded(model->IndexOf(&node))) {
                m_expandedBeforeReset.insert(&node);
            }
        });
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this, view, model] {
        if (!model->Tree().Empty() && !m_expandedBeforeReset.empty()) {
            model->Tree().ForEach([&](TTreeNode& node) {
                if (m_expandedBeforeReset.count(&node) > 0) {
                    view->expand(model->IndexOf(&node));
                }
            });
        }
        m_expandedBeforeReset.clear();
        ScheduleSelectionSync();
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TTarvexForm::ScheduleSelectionSync);
    connect(model, &QAbstractItemModel::rowsMoved, this, &TTarvexForm::ScheduleSelectionSync);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TTarvexForm::ScheduleSelectionSync);
}

} // namespace tarvex
