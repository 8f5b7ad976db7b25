// The main window's controls: the pages, grids, trees, status bar and browsers, and the person's
// input on them.

#include "MainUnit.h"

#include "EditorTreeView.h"
#include "FindField.h"
#include "MainUnitInternal.h"
#include "PreviewStage.h"
#include "PreviewWebPage.h"
#include "PropertyGrid.h"
#include "ScriptWarningsUnit.h"
#include "ValueEditorRows.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace tarvex {

using namespace mainunit_internal;

namespace {

QSplitter* NewSplitter(Qt::Orientation orientation, const char* name, QWidget* parent = nullptr) {
    auto* splitter = new QSplitter(orientation, parent);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setHandleWidth(4);
    splitter->setChildrenCollapsible(false);
    return splitter;
}

QLabel* NewStatusPanel(const char* name) {
    auto* panel = new QLabel;
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

} // namespace

void TTarvexForm::CreateControls() {
    m_widgets.MainSplitter = NewSplitter(Qt::Horizontal, "Splitter1", this);
    m_widgets.ControlsPageControl = new QTabWidget;
    m_widgets.ControlsPageControl->setObjectName(QStringLiteral("ControlsPageControl"));
    m_widgets.ControlsPageControl->addTab(CreateObjectsPage(), tr("Menu creator"));
    m_widgets.ControlsPageControl->addTab(CreateStylesPage(), tr("Menu styles"));
    m_widgets.PageControl1 = new QTabWidget;
    m_widgets.PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // The find field sits over both pages: it searches the one that is showing.
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("DesignColumn"));
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(2);
    m_widgets.FindField = new TFindField;
    columnLayout->addWidget(m_widgets.FindField);
    columnLayout->addWidget(m_widgets.ControlsPageControl);

    QSplitter* main = m_widgets.MainSplitter;
    main->addWidget(column);
    main->addWidget(m_widgets.PageControl1);
    main->setStretchFactor(0, 0);
    main->setStretchFactor(1, 1);
    main->setSizes({297, 401});
    m_widgets.ObjectsSplitter->setSizes({161, 200});
    m_widgets.StylesSplitter->setSizes({161, 200});
    setCentralWidget(main);
    // The trees and grids show where the keyboard is: the toolkit's own style draws no frame for
    // a focused list. Both states are two pixels wide, so nothing moves when the focus comes.
    setStyleSheet(QStringLiteral("QTreeView, QTableView { border: 1px solid palette(mid); padding: 1px; }"
                                 "QTreeView:focus, QTableView:focus { border: 2px solid palette(highlight);"
                                 " padding: 0px; }"));

    m_widgets.MenuValueList->SetRows(m_menuValueRows.get());
    m_widgets.MenuItemValueEditor->SetRows(m_menuItemRows.get());
    m_widgets.MenuStyleValueEditor->SetRows(m_styleRows.get());
    m_views->ConnectTrees();
    ConnectInput();
    CreateStatusBar();
    NameForAssistiveTools();
}

QWidget* TTarvexForm::CreateObjectsPage() {
    // "Menu creator": the objects tree over the options and item editors, which share one area.
    m_widgets.ObjectsSplitter = NewSplitter(Qt::Vertical, "ObjectsSplitter");
    m_widgets.ObjectsTreeView = new TEditorTreeView;
    m_widgets.ObjectsTreeView->setObjectName(QStringLiteral("ObjectsTreeView"));
    auto* editorArea = new QWidget;
    editorArea->setObjectName(QStringLiteral("MenuEditorsPanel"));
    auto* editorLayout = new QVBoxLayout(editorArea);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->setSpacing(0);
    m_widgets.MenuValueList = new TPropertyGrid(118);
    m_widgets.MenuValueList->setObjectName(QStringLiteral("MenuValueList"));
    m_widgets.MenuItemValueEditor = new TPropertyGrid(135);
    m_widgets.MenuItemValueEditor->setObjectName(QStringLiteral("MenuItemValueEditor"));
    editorLayout->addWidget(m_widgets.MenuValueList);
    editorLayout->addWidget(m_widgets.MenuItemValueEditor);
    m_widgets.ObjectsSplitter->addWidget(m_widgets.ObjectsTreeView);
    m_widgets.ObjectsSplitter->addWidget(editorArea);
    // A taller pane gives the tree room as well as the grids.
    m_widgets.ObjectsSplitter->setStretchFactor(0, 1);
    m_widgets.ObjectsSplitter->setStretchFactor(1, 1);
    return m_widgets.ObjectsSplitter;
}

QWidget* TTarvexForm::CreateStylesPage() {
    // "Menu styles": the style list over the style editor.
    m_widgets.StylesSplitter = NewSplitter(Qt::Vertical, "StylesSplitter");
    m_widgets.MenuStyleTreeView = new TEditorTreeView;
    m_widgets.MenuStyleTreeView->setObjectName(QStringLiteral("MenuStyleTreeView"));
    m_widgets.MenuStyleValueEditor = new TPropertyGrid(118);
    m_widgets.MenuStyleValueEditor->setObjectName(QStringLiteral("MenuStyleValueEditor"));
    m_widgets.StylesSplitter->addWidget(m_widgets.MenuStyleTreeView);
    m_widgets.StylesSplitter->addWidget(m_widgets.MenuStyleValueEditor);
    m_widgets.StylesSplitter->setStretchFactor(0, 1);
    m_widgets.StylesSplitter->setStretchFactor(1, 1);
    return m_widgets.StylesSplitter;
}

void TTarvexForm::ConnectInput() {
    TPropertyGrid* styleGrid = m_widgets.MenuStyleValueEditor;
    styleGrid->OnEditButtonClick = [this, styleGrid](int row) {
        // The colour dialog opens on the cell's colour.
        const QColor cell =
            TPropertyGridModel::HexColor(styleGrid->model()->index(row, 1).data(Qt::EditRole).toString());
        if (cell.isValid()) {
            m_userInterface.SetNextColor(static_cast<uint32_t>(cell.red()) |
                                         (static_cast<uint32_t>(cell.green()) << 8) |
                                         (static_cast<uint32_t>(cell.blue()) << 16));
        }
        m_editor->Styles().MenuStyleValueEditorEditButtonClick(row);
        m_views->SyncGrid(TValueEditorId::MenuStyleValueEditor);
    };
    ConnectTreeInput();
    ConnectEditInput();
    connect(m_widgets.ControlsPageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_views->Syncing()) {
            ConfirmOpenCell();
            m_editor->SetActivePage(index == 0 ? TControlsPage::MenuCreator : TControlsPage::MenuStyles);
        }
    });
}

void TTarvexForm::ConnectTreeInput() {
    TEditorTreeView* objects = m_widgets.ObjectsTreeView;
    TEditorTreeView* styles = m_widgets.MenuStyleTreeView;
    objects->setDragEnabled(true);
    objects->setAcceptDrops(true);
    objects->setDropIndicatorShown(false);
    objects->setDragDropMode(QAbstractItemView::DragDrop);
    objects->setDefaultDropAction(Qt::MoveAction);
    objects->CanDrop = [this](bool own, TTreeNode* target) {
        return m_editor->Objects().ObjectsTreeViewMayDrop(
            own ? TDragSource::ObjectsTreeView : TDragSource::Other, target);
    };
    objects->Drop = [this](bool own, TTreeNode* target, TEditorTreeView::TRowPart place) {
        m_editor->Objects().ObjectsTreeViewDragDrop(
            own ? TDragSource::ObjectsTreeView : TDragSource::Other, target,
            place == TEditorTreeView::TRowPart::UpperEdge   ? TDropPlace::Before
            : place == TEditorTreeView::TRowPart::LowerEdge ? TDropPlace::After
                                                            : TDropPlace::OnNode);
        m_views->ScheduleSelectionSync();
    };
    objects->DeleteRequested = [this] {
        RunCommand([this] { m_editor->Objects().DeleteSelectedObjectExecute(); });
    };
    styles->DeleteRequested = [this] { Execute(TActionId::DelStyleAction); };
    objects->EditRequested = [this] {
        const TTreeNode* node = m_editor->SelectedObject();
        if (!node) {
            return;
        }
        if (node->IsOptions()) {
            m_widgets.MenuValueList->EditRow(0);
        } else {
            m_widgets.MenuItemValueEditor->EditRow(
                m_editor->Objects().MenuItemValueEditor().FindRow("Caption"));
        }
    };
    styles->EditRequested = [this] {
        if (m_editor->SelectedStyle()) {
            m_widgets.MenuStyleValueEditor->EditRow(0);
        }
    };
    for (const auto& [view, popup] :
         {std::pair(objects, m_widgets.MenuCreatorPopup), std::pair(styles, m_widgets.MenuStylePopup)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [view = view, popup = popup](const QPoint& at) {
                    popup->popup(view->viewport()->mapToGlobal(at));
                });
    }
}

void TTarvexForm::CreateStatusBar() {
    auto* status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(true);
    QLabel* firstPanel = NewStatusPanel("StatusPanel0");
    firstPanel->setFixedWidth(50);
    m_widgets.HintPanel = NewStatusPanel("StatusPanel1");
    m_widgets.HintPanel->setMinimumWidth(50);
    status->addWidget(firstPanel);
    status->addWidget(m_widgets.HintPanel, 1);
    auto* warnings = new QPushButton;
    m_widgets.ScriptWarningsButton = warnings;
    warnings->setObjectName(QStringLiteral("ScriptWarningsButton"));
    warnings->setFlat(true);
    warnings->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    warnings->setToolTip(tr("Show what visitors of the published menu would meet"));
    warnings->hide();
    m_widgets.ScriptWarningsForm = new TScriptWarningsForm(this);
    connect(warnings, &QPushButton::clicked, this, [this] {
        m_widgets.ScriptWarningsForm->show();
        m_widgets.ScriptWarningsForm->raise();
    });
    connect(m_widgets.ScriptWarningsForm, &TScriptWarningsForm::FindingActivated, this, [this](int row) {
        RunCommand([this, row] { m_editor->ShowFinding(static_cast<std::size_t>(row)); });
    });
    status->addPermanentWidget(warnings);
}

void TTarvexForm::NameForAssistiveTools() {
    // Screen readers and other assistive tools find the controls by these names.
    const TMainWidgets& w = m_widgets;
    const std::pair<QWidget*, const char*> names[] = {
        {w.ControlsPageControl, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Design pages")},
        {w.ObjectsTreeView, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Menu objects")},
        {w.MenuValueList, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Menu options")},
        {w.MenuItemValueEditor, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Menu item properties")},
        {w.MenuStyleTreeView, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Menu styles")},
        {w.MenuStyleValueEditor, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Style properties")},
        {w.PageControl1, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Preview and help pages")},
        {w.FileToolBar, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "File toolbar")},
        {w.CommandsToolBar, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Commands toolbar")},
        {menuBar(), QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Main menu")},
        {statusBar(), QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Status bar")},
        {w.HintPanel, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Hint")},
        {w.MainSplitter, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Design and preview divider")},
        {w.ObjectsSplitter, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Objects and properties divider")},
        {w.StylesSplitter, QT_TRANSLATE_NOOP("tarvex::TTarvexForm", "Styles and properties divider")}};
    for (const auto& [widget, name] : names) {
        widget->setAccessibleName(tr(name));
    }
}

void TTarvexForm::CreateBrowsers() {
    // An off-the-record profile without HTTP cache: the preview must always run the menu.js
    // that was just written, never a copy from an earlier refresh.
    m_widgets.BrowserProfile = new QWebEngineProfile;
    m_widgets.BrowserProfile->setHttpCacheType(QWebEngineProfile::NoCache);
    // The help pages are our own and keep file access, so they get a profile of their own.
    m_widgets.HelpProfile = new QWebEngineProfile;
    m_widgets.HelpProfile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_widgets.HelpProfile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);

    auto* preview = new QWebEngineView;
    m_widgets.PreviewWebBrowser = preview;
    preview->setObjectName(QStringLiteral("PreviewWebBrowser"));
    m_widgets.PreviewPage =
        new TPreviewWebPage(m_widgets.BrowserProfile, m_editor->Preview().PreviewSite(), preview);
    connect(m_widgets.PreviewPage, &TPreviewWebPage::LinkFollowed, this,
            [](const QUrl& url) { QDesktopServices::openUrl(url); });
    connect(m_widgets.PreviewPage, &TPreviewWebPage::NavigationBlocked, this,
            [this](const QString& why) { statusBar()->showMessage(why, 10000); });
    preview->setPage(m_widgets.PreviewPage);
    auto* help = new QWebEngineView;
    m_widgets.HelpBrowser = help;
    help->setObjectName(QStringLiteral("HelpBrowser"));
    help->setPage(new QWebEnginePage(m_widgets.HelpProfile, help));
    // A file dropped on the preview is for the window, not a page to show.
    preview->setAcceptDrops(false);
    m_widgets.PreviewStage = new TPreviewStage(preview);
    m_widgets.PageControl1->addTab(m_widgets.PreviewStage, tr("Preview"));
    m_widgets.PageControl1->addTab(help, tr("Quick help"));
    preview->setAccessibleName(tr("Menu preview"));
    help->setAccessibleName(tr("Quick help"));
    m_userInterface.FollowPreviewLoads();
}

} // namespace tarvex
