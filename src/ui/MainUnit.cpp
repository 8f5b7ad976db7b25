#include "MainUnit.h"

#include "AboutUnit.h"
#include "CustomizeDialog.h"
#include "DialogPlacement.h"
#include "EditorTreeView.h"
#include "FoldersScanResultUnit.h"
#include "PreviewWebPage.h"
#include "PropertyGrid.h"
#include "RecordString.h"
#include "ScriptWarningsUnit.h"
#include "StyleTemplateUnit.h"
#include "TarvexIcons.h"
#include "TreeModel.h"
#include "ValueEditorRows.h"
#include "model/FileIo.h"

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

std::filesystem::path ToPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// The icon file of each command, in the order of TActionId. The three topic help commands share one.
constexpr std::array<const char*, ActionCount> ActionIcons = {
    "new",         "open",           "save",      "saveas",       "publish",   "exit",
    "newgroup",    "delgroup",       "helptopic", "newitem",      "delitem",   "helptopic",
    "newstyle",    "styletemplate",  "delstyle",  "addfavorites", "helptopic", "updatepreview",
    "openpreview", "defaultpreview", "import",    "customize",    "help",      "homepage",
    "email",       "about"};

// A menu-bar entry: a command with the menu's own access key, a separator (Id unset, no text),
// or the recent-files submenu.
struct TMenuEntry {
    std::optional<TActionId> Id;
    const char* Text;
};

constexpr const char* RecentFilesCaption = "Recent files...";

using A = TActionId;

const std::vector<std::pair<const char*, std::vector<TMenuEntry>>>& MenuBarLayout() {
    static const std::vector<std::pair<const char*, std::vector<TMenuEntry>>> layout = {
        {"&File",
         {{A::NewAction, "&New"},
          {A::OpenAction, "&Open"},
          {A::SaveAction, "&Save"},
          {A::SaveAsAction, "S&ave as ..."},
          {std::nullopt, nullptr},
          {A::PublishAction, "&Publish menu"},
          {std::nullopt, nullptr},
          {std::nullopt, RecentFilesCaption},
          {std::nullopt, nullptr},
          {A::ExitAction, "&Exit"}}},
        {"&Menu",
         {{A::NewGroupAction, "&New menu group"},
          {A::DelGroupAction, "&Delete menu group"},
          {A::acHelpGroup, "H&ow to use groups"},
          {std::nullopt, nullptr},
          {A::NewMenuItemAction, "N&ew menu item"},
          {A::DeleteMenuItemAction, "De&lete menu item"},
          {A::acHelpMenu, "&How to use menu item"}}},
        {"&Styles",
         {{A::NewStyleAction, "&New style"},
          {A::DelStyleAction, "&Delete style"},
          {A::acHelpStyles, "How to use styles"},
          {std::nullopt, nullptr},
          {A::StyleTemplateAction, "&Insert favorete style"},
          {A::AddToFavoritesAction, "&Add to favorites"}}},
        {"&Preview",
         {{A::UpdatePreviewAction, "U&pdate Preview"},
          {std::nullopt, nullptr},
          {A::OpenPreviewAction, "&Open HTML to preview"},
          {A::DefaultPreviewAction, "&Use default preview"}}},
        {"&Tools", {{A::CustomizeActionBars1, "&Customize"}}},
        {"&Help",
         {{A::HelpHowUseAction, "&How to use program"},
          {std::nullopt, nullptr},
          {A::HomePageAction, "H&ome page"},
          {A::EMailToUsAction, "&E-Mail to us"},
          {std::nullopt, nullptr},
          {A::AboutAction, "&About program"}}},
    };
    return layout;
}

// Toolbars and context menus: a command, or a separator.
const std::vector<std::optional<TActionId>> FileToolBarLayout = {
    A::NewAction,        A::OpenAction,     A::SaveAction,           std::nullopt,
    A::PublishAction,    std::nullopt,      A::CustomizeActionBars1, std::nullopt,
    A::HelpHowUseAction, A::HomePageAction, A::EMailToUsAction,      std::nullopt,
    A::ExitAction};

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

QString Text(std::string_view utf8) {
    return Utf8ToQString(utf8);
}

bool HasFontFamily(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// The toolbar band's rows are 30 pixels; positions are kept in the band's own coordinates.
constexpr int ToolBarRowHeight = 30;
constexpr int BandLeftOffset = 11;
constexpr int BandTopOffset = 2;

// Sets the first pane of a two-pane splitter to `size` and gives the rest to the second.
void SetFirstPaneSize(QSplitter* splitter, int size) {
    const int total = (splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width()) -
                      splitter->handleWidth();
    const int first = std::max(size, 0);
    splitter->setSizes({first, std::max(total - first, 1)});
}

int FirstPaneSize(const QSplitter* splitter, int fallback) {
    const QList<int> sizes = splitter->sizes();
    return !sizes.isEmpty() && sizes.front() > 0 ? sizes.front() : fallback;
}

} // namespace

TTarvexForm::TTarvexForm(const QString& applicationFolder, QWidget* parent)
    : QMainWindow(parent), m_applicationFolder(applicationFolder) {
    TTarvexIcons::Initialise();
    setObjectName(QStringLiteral("TarvexForm"));
    setWindowTitle(QStringLiteral("Korvane Tarvex"));
    setWindowIcon(TTarvexIcons::Program());
    if (HasFontFamily(QStringLiteral("MS Sans Serif"))) {
        setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    }

    m_editor = std::make_unique<TTarvexEditor>(*this, ToPath(applicationFolder));
    m_objectsModel = std::make_unique<TTreeModel>(m_editor->Project().Objects, true);
    m_stylesModel = std::make_unique<TTreeModel>(m_editor->Project().Styles, false);
    m_menuValueRows = std::make_unique<TValueEditorRows>(*m_editor, TValueEditorId::MenuValueList);
    m_menuItemRows = std::make_unique<TValueEditorRows>(*m_editor, TValueEditorId::MenuItemValueEditor);
    m_styleRows = std::make_unique<TValueEditorRows>(*m_editor, TValueEditorId::MenuStyleValueEditor);

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateControls();
    CreateBrowsers();
    resize(702, 487);

    m_editor->AddListener(this);
    SyncActions();
    for (TValueEditorId id : {TValueEditorId::MenuValueList, TValueEditorId::MenuItemValueEditor,
                              TValueEditorId::MenuStyleValueEditor}) {
        SyncGrid(id);
    }
    // Command enabling is re-evaluated whenever the event loop runs out of work.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TTarvexForm::IdleUpdate);
}

TTarvexForm::~TTarvexForm() {
    m_editor->RemoveListener(this);
    // Pages go before the profile they were made with.
    delete m_previewWebBrowser;
    delete m_helpBrowser;
    delete m_browserProfile;
    delete m_helpProfile;
    // The views go before the models they show.
    delete m_objectsTreeView;
    delete m_menuStyleTreeView;
    m_objectsTreeView = nullptr;
    m_menuStyleTreeView = nullptr;
}

void TTarvexForm::CreateSecondaryForms() {
    if (!m_aboutForm) {
        m_aboutForm = new TAboutForm(this);
    }
    if (!m_styleTemplateForm) {
        m_styleTemplateForm = new TStyleTemplateForm(this);
    }
    if (!m_foldersScanResultForm) {
        m_foldersScanResultForm = new TFoldersScanResultForm(this);
    }
}

QMenuBar* TTarvexForm::ActionMainMenuBar1() const {
    return menuBar();
}

void TTarvexForm::CreateActions() {
    for (int i = 0; i < ActionCount; ++i) {
        const auto id = static_cast<TActionId>(i);
        const TActionInfo& info = ActionInfo(id);
        auto* action =
            new QAction(TTarvexIcons::Command(QLatin1String(ActionIcons[static_cast<std::size_t>(i)])),
                        Text(info.Caption), this);
        action->setObjectName(Text(info.Name));
        action->setProperty("category", Text(info.Category));
        action->setToolTip(Text(info.Hint));
        action->setStatusTip(Text(info.Hint));
        if (!info.Shortcut.empty()) {
            action->setShortcut(QKeySequence(Text(info.Shortcut), QKeySequence::PortableText));
        }
        // Captions such as "&Customize" carry an access key that must not clip the tooltip text.
        action->setIconText(Text(info.Caption).remove(QLatin1Char('&')));
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        addAction(action);
        m_actions[static_cast<std::size_t>(i)] = action;
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
            // The menu shows its own access keys; the entry otherwise mirrors the command.
            QAction* command = Action(*entry.Id);
            auto* item = new QAction(command->icon(), QString::fromLatin1(entry.Text), menu);
            item->setObjectName(command->objectName() + QStringLiteral("Item"));
            item->setStatusTip(command->statusTip());
            item->setShortcut(command->shortcut());
            // The command itself owns the key; the entry only shows it.
            item->setShortcutContext(Qt::WidgetShortcut);
            item->setEnabled(command->isEnabled());
            connect(command, &QAction::changed, item, [item, command] {
                item->setEnabled(command->isEnabled());
                item->setVisible(command->isVisible());
            });
            connect(item, &QAction::triggered, command, &QAction::trigger);
            menu->addAction(item);
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
    m_previewPage = new TPreviewWebPage(m_browserProfile, QDir(m_applicationFolder).filePath("help/temp"),
                                        m_previewWebBrowser);
    connect(m_previewPage, &TPreviewWebPage::LinkFollowed, this,
            [](const QUrl& url) { QDesktopServices::openUrl(url); });
    m_previewWebBrowser->setPage(m_previewPage);
    m_helpBrowser = new QWebEngineView;
    m_helpBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    m_helpBrowser->setPage(new QWebEnginePage(m_helpProfile, m_helpBrowser));
    m_pageControl1->addTab(m_previewWebBrowser, QStringLiteral("Preview"));
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
        std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
            for (int row = 0; row < model->rowCount(parent); ++row) {
                const QModelIndex child = model->index(row, 0, parent);
                if (view->isExpanded(child)) {
                    m_expandedBeforeReset.insert(TTreeModel::NodeOf(child));
                }
                walk(child);
            }
        };
        walk(QModelIndex());
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
    RunCommand([this, id] { ExecuteCommand(id); });
}

void TTarvexForm::ExecuteCommand(TActionId id) {
    TTarvexEditor& e = *m_editor;
    switch (id) {
    case A::NewAction:
        e.NewActionExecute();
        break;
    case A::OpenAction:
        e.OpenActionExecute();
        break;
    case A::SaveAction:
        e.SaveActionExecute();
        break;
    case A::SaveAsAction:
        e.SaveAsActionExecute();
        break;
    case A::PublishAction:
        e.PublishActionExecute();
        break;
    case A::ExitAction:
        e.ExitActionExecute();
        break;
    case A::NewGroupAction:
        e.NewGroupActionExecute();
        break;
    case A::DelGroupAction:
        e.DelGroupActionExecute();
        break;
    case A::acHelpGroup:
        break;
    case A::NewMenuItemAction:
        e.NewMenuItemActionExecute();
        break;
    case A::DeleteMenuItemAction:
        e.DeleteMenuItemActionExecute();
        break;
    case A::acHelpMenu:
        e.acHelpMenuExecute();
        break;
    case A::NewStyleAction:
        e.NewStyleActionExecute();
        break;
    case A::StyleTemplateAction:
        e.StyleTemplateActionExecute();
        break;
    case A::DelStyleAction:
        e.DelStyleActionExecute();
        break;
    case A::AddToFavoritesAction:
        e.AddToFavoritesActionExecute();
        break;
    case A::acHelpStyles:
        e.acHelpStylesExecute();
        break;
    case A::UpdatePreviewAction:
        e.UpdatePreviewActionExecute();
        break;
    case A::OpenPreviewAction:
        e.OpenPreviewActionExecute();
        break;
    case A::DefaultPreviewAction:
        e.DefaultPreviewActionExecute();
        break;
    case A::ImportWinFavoritAction:
        e.ImportWinFavoritActionExecute();
        break;
    case A::CustomizeActionBars1:
        ShowCustomizeDialog();
        break;
    case A::HelpHowUseAction:
        e.HelpHowUseActionExecute();
        break;
    case A::HomePageAction:
        e.HomePageActionExecute();
        break;
    case A::EMailToUsAction:
        e.EMailToUsActionExecute();
        break;
    case A::AboutAction:
        CreateSecondaryForms();
        m_aboutForm->exec();
        break;
    }
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

// ---- editor notifications ----

void TTarvexForm::ObjectSelectionChanged(TTreeNode*) {
    SyncTreeSelection(true);
}

void TTarvexForm::StyleSelectionChanged(TTreeNode*) {
    SyncTreeSelection(false);
}

void TTarvexForm::ValueEditorChanged(TValueEditorId editor) {
    SyncGrid(editor);
}

void TTarvexForm::ActionsChanged() {
    SyncActions();
}

void TTarvexForm::ActivePageChanged(TControlsPage page) {
    ++m_syncing;
    m_controlsPageControl->setCurrentIndex(page == TControlsPage::MenuCreator ? 0 : 1);
    --m_syncing;
}

void TTarvexForm::ExpandNodeRequested(TTreeNode* group) {
    if (!m_objectsModel->Changing()) {
        m_objectsTreeView->expand(m_objectsModel->IndexOf(group));
    }
}

void TTarvexForm::RecentFilesChanged() {
    RebuildRecentFiles();
}

void TTarvexForm::RebuildRecentFiles() {
    m_recentFilesMenu->clear();
    const std::vector<std::string>& paths = m_editor->RecentFiles().Paths();
    for (int i = 0; i < static_cast<int>(paths.size()); ++i) {
        // A "&" inside a path is part of the name, not an access key.
        QString path = Text(paths[static_cast<std::size_t>(i)]);
        path.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = m_recentFilesMenu->addAction(QStringLiteral("&%1: %2").arg(i).arg(path));
        entry->setObjectName(QStringLiteral("Action%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, i] {
            CommitOpenCellEditors();
            ++m_busy;
            m_editor->ReopenActionExecute(i);
            --m_busy;
            ScheduleSelectionSync();
        });
    }
}

// ---- start-up and shutdown ----

void TTarvexForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown) {
        return;
    }
    m_shown = true;
    CreateSecondaryForms();
    ++m_syncing;
    m_controlsPageControl->setCurrentIndex(0);
    m_pageControl1->setCurrentIndex(0);
    --m_syncing;
    m_commandBarLayoutFile = QDir(m_applicationFolder).filePath(QStringLiteral("Tarvex.dat"));
    LoadWindowSettings();
    // The rest waits for the message loop, so the first New's dialog appears over a shown window.
    QTimer::singleShot(0, this, &TTarvexForm::RunStartup);
}

void TTarvexForm::RunStartup() {
    ++m_busy;
    m_editor->FormShow();
    --m_busy;
    // The splitters know their real size only now.
    SetFirstPaneSize(m_objectsSplitter, m_loadedSettings.ObjectsTree);
    SetFirstPaneSize(m_stylesSplitter, m_loadedSettings.MenuStyles);
    SetFirstPaneSize(m_mainSplitter, m_loadedSettings.LeftPanel);
    RebuildRecentFiles();
    SyncActions();
    for (TValueEditorId grid : {TValueEditorId::MenuValueList, TValueEditorId::MenuItemValueEditor,
                                TValueEditorId::MenuStyleValueEditor}) {
        SyncGrid(grid);
    }
    SyncTreeSelection(true);
    SyncTreeSelection(false);
    if (!m_startupFile.isEmpty()) {
        RunCommand([this] { m_editor->OpenProjectFile(QStringToUtf8(m_startupFile), false); });
    }
    // The keyboard starts in the design, so that the arrows walk the tree at once.
    m_objectsTreeView->setFocus(Qt::OtherFocusReason);
    m_startupDone = true;
    emit Started();
}

void TTarvexForm::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    CommitOpenCellEditors();
    ++m_busy;
    const bool mayClose = m_editor->FormCloseQuery();
    --m_busy;
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_closed = true;
    m_editor->FormClose([this] { SaveWindowSettings(); });
    if (m_customizeDialog) {
        m_customizeDialog->close();
    }
    event->accept();
}

bool TTarvexForm::event(QEvent* event) {
    // Hints go to the second panel of the status bar.
    if (event->type() == QEvent::StatusTip) {
        m_hintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// ---- window settings ----

void TTarvexForm::LoadWindowSettings() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(TWindowSettingsStore::Organisation),
                       QLatin1String(TWindowSettingsStore::Application));
    ApplyWindowSettings(TWindowSettingsStore::Read(settings));
}

void TTarvexForm::SaveWindowSettings() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(TWindowSettingsStore::Organisation),
                       QLatin1String(TWindowSettingsStore::Application));
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    TWindowSettingsStore::Write(settings, CurrentWindowSettings(), normal);
}

QRect TTarvexForm::FitOnScreens(const QRect& bounds, const QMargins& frame) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return bounds;
    }
    // The screen the window overlaps most, else the one nearest to it (a monitor that is gone).
    const QRect outer = bounds.marginsAdded(frame);
    QScreen* best = nullptr;
    long long bestOverlap = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        const QRect overlap = area.intersected(outer);
        const long long size =
            overlap.isEmpty() ? 0 : static_cast<long long>(overlap.width()) * overlap.height();
        const QPoint d = area.center() - outer.center();
        const long long distance =
            static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
        if (size > bestOverlap || (bestOverlap == 0 && size == 0 && distance < bestDistance)) {
            best = screen;
            bestOverlap = size;
            bestDistance = distance;
        }
    }
    const QRect area = best->availableGeometry().marginsRemoved(frame);
    QRect fitted = bounds;
    fitted.setWidth(std::min(bounds.width(), area.width()));
    fitted.setHeight(std::min(bounds.height(), area.height()));
    fitted.moveLeft(std::clamp(bounds.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(bounds.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

QMargins TTarvexForm::FrameMargins() const {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins known(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
    // Before the window manager has framed the window, room for a usual title bar and border.
    return known.isNull() ? QMargins(4, 30, 4, 4) : known;
}

void TTarvexForm::ApplyWindowSettings(const TWindowSettings& settings) {
    m_loadedSettings = settings;
    setWindowState(Qt::WindowNoState);
    // The bounds are the client area's: what the window manager adds around it is not ours to
    // store, so a restored window sits exactly where it was left.
    const QRect stored(settings.Left, settings.Top, std::max(settings.Width, 100),
                       std::max(settings.Heigth, 100));
    setGeometry(FitOnScreens(stored, FrameMargins()));
    PlaceToolBars(settings);
    SetFirstPaneSize(m_objectsSplitter, settings.ObjectsTree);
    SetFirstPaneSize(m_stylesSplitter, settings.MenuStyles);
    SetFirstPaneSize(m_mainSplitter, settings.LeftPanel);
    // Last, so that leaving the maximised or minimised state returns to the bounds above.
    const Qt::WindowState state = settings.ValidWinState() == 1   ? Qt::WindowMinimized
                                  : settings.ValidWinState() == 2 ? Qt::WindowMaximized
                                                                  : Qt::WindowNoState;
    setWindowState(state);
    ++m_stateRequest;
    if (state != Qt::WindowNoState) {
        RequestStateWhenMapped(state, 100);
    }
}

void TTarvexForm::RequestStateWhenMapped(Qt::WindowState state, int triesLeft) {
    // Asked again once the window manager shows the window: the state set before the window was
    // mapped gives way to the stored bounds under some window managers.
    const int request = m_stateRequest;
    QTimer::singleShot(20, this, [this, state, triesLeft, request] {
        // Not when newer settings were applied since, nor when the person chose another state.
        if (request != m_stateRequest || !isVisible() ||
            (windowState() != state && windowState() != Qt::WindowNoState)) {
            return;
        }
        if (!windowHandle() || !windowHandle()->isExposed()) {
            if (triesLeft > 0) {
                RequestStateWhenMapped(state, triesLeft - 1);
            }
            return;
        }
        setWindowState(Qt::WindowNoState);
        setWindowState(state);
    });
}

void TTarvexForm::PlaceToolBars(const TWindowSettings& settings) {
    struct TBar {
        QToolBar* Bar;
        int Left;
        int Top;
        bool Visible;
    };
    std::array<TBar, 2> bars = {{
        {m_fileToolBar, settings.FileToolBarLeft, settings.FileToolBarTop, settings.FileToolBarVisible != 0},
        {m_commandsToolBar, settings.CommandsToolBarLeft, settings.CommandsToolBarTop,
         settings.CommandsToolBarVisible != 0},
    }};
    auto row = [](int top) { return std::max(top, 0) / ToolBarRowHeight; };
    std::sort(bars.begin(), bars.end(), [&](const TBar& a, const TBar& b) {
        return row(a.Top) != row(b.Top) ? row(a.Top) < row(b.Top) : a.Left < b.Left;
    });
    for (const TBar& bar : bars) {
        removeToolBar(bar.Bar);
    }
    addToolBar(Qt::TopToolBarArea, bars[0].Bar);
    if (row(bars[0].Top) != row(bars[1].Top)) {
        addToolBarBreak(Qt::TopToolBarArea);
    }
    addToolBar(Qt::TopToolBarArea, bars[1].Bar);
    for (const TBar& bar : bars) {
        bar.Bar->setVisible(bar.Visible);
    }
}

TWindowSettings TTarvexForm::CurrentWindowSettings() const {
    TWindowSettings s = m_loadedSettings;
    // The normal (restored) client area, whatever state the window is in.
    const QRect bounds = isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : geometry();
    s.Width = bounds.width();
    s.Heigth = bounds.height();
    s.Left = bounds.x();
    s.Top = bounds.y();
    const int bandTop = menuBar()->isVisible() ? menuBar()->geometry().bottom() + 1 : 0;
    s.FileToolBarLeft = m_fileToolBar->x() + BandLeftOffset;
    s.FileToolBarTop = m_fileToolBar->y() - bandTop + BandTopOffset;
    s.FileToolBarVisible = m_fileToolBar->isVisibleTo(this) ? 1 : 0;
    s.CommandsToolBarLeft = m_commandsToolBar->x() + BandLeftOffset;
    s.CommandsToolBarTop = m_commandsToolBar->y() - bandTop + BandTopOffset;
    s.CommandsToolBarVisible = m_commandsToolBar->isVisibleTo(this) ? 1 : 0;
    s.ObjectsTree = FirstPaneSize(m_objectsSplitter, m_loadedSettings.ObjectsTree);
    s.MenuStyles = FirstPaneSize(m_stylesSplitter, m_loadedSettings.MenuStyles);
    s.LeftPanel = FirstPaneSize(m_mainSplitter, m_loadedSettings.LeftPanel);
    const Qt::WindowStates state = windowState();
    s.WinState = state & Qt::WindowMinimized                            ? 1
                 : state & (Qt::WindowMaximized | Qt::WindowFullScreen) ? 2
                                                                        : 0;
    return s;
}

QString TTarvexForm::CommandBarLayoutText() const {
    // Our own format: one section per bar, one line per entry; never read back.
    QString text = QStringLiteral("[ActionMainMenuBar1]\r\n");
    std::function<void(const QMenu*, int)> menu = [&](const QMenu* m, int depth) {
        for (const QAction* a : m->actions()) {
            text += QString(depth * 2, QLatin1Char(' '));
            if (a->isSeparator()) {
                text += QStringLiteral("-\r\n");
            } else {
                text += QStringLiteral("Item=") + a->text() + QStringLiteral("\r\n");
                if (a->menu()) {
                    menu(a->menu(), depth + 1);
                }
            }
        }
    };
    for (const QAction* title : menuBar()->actions()) {
        text += QStringLiteral("Menu=") + title->text() + QStringLiteral("\r\n");
        if (title->menu()) {
            menu(title->menu(), 1);
        }
    }
    for (const QToolBar* bar : {m_fileToolBar, m_commandsToolBar}) {
        text += QStringLiteral("[") + bar->objectName() + QStringLiteral("]\r\n");
        text += QStringLiteral("Caption=") + bar->windowTitle() + QStringLiteral("\r\n");
        text += QStringLiteral("Visible=%1\r\n").arg(bar->isVisibleTo(this) ? 1 : 0);
        text += QStringLiteral("Position=%1,%2\r\n").arg(bar->x()).arg(bar->y());
        for (const QAction* a : bar->actions()) {
            text += a->isSeparator() ? QStringLiteral("-\r\n")
                                     : QStringLiteral("Item=") + a->objectName() + QStringLiteral("\r\n");
        }
    }
    return text;
}

bool TTarvexForm::SaveCommandBarLayout() {
    if (m_commandBarLayoutFile.isEmpty()) {
        m_commandBarLayoutFile = QDir(m_applicationFolder).filePath(QStringLiteral("Tarvex.dat"));
    }
    const QByteArray bytes = CommandBarLayoutText().toUtf8();
    if (WriteFileAtomically(ToPath(m_commandBarLayoutFile),
                            std::string_view(bytes.constData(), bytes.size())) == TWriteStatus::Written) {
        return true;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"),
                    QStringLiteral("Unable to save settings"), QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
    return false;
}

// ---- the editor's door ----

QWidget* TTarvexForm::DialogParent() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : this;
}

TMsgResult TTarvexForm::ShowMessageBox(const std::string& text, const std::string& caption, TMsgIcon icon,
                                       TMsgButtons buttons) {
    QMessageBox box(DialogParent());
    SetFixedDialogFrame(&box);
    box.setWindowTitle(Text(caption));
    box.setText(Text(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case TMsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case TMsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case TMsgIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case TMsgIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
    case TMsgButtons::Ok:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        box.setDefaultButton(ok);
        break;
    case TMsgButtons::OkCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        box.setDefaultButton(ok);
        break;
    case TMsgButtons::YesNoCancel:
        yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        box.setDefaultButton(yes);
        break;
    }
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes) {
        return TMsgResult::Yes;
    }
    if (clicked && clicked == no) {
        return TMsgResult::No;
    }
    if (clicked && clicked == ok) {
        return TMsgResult::Ok;
    }
    // Closed without a choice.
    return buttons == TMsgButtons::Ok ? TMsgResult::Ok : TMsgResult::Cancel;
}

std::optional<std::string> TTarvexForm::InputQuery(const std::string& caption, const std::string& prompt,
                                                   const std::string& initialText) {
    QInputDialog dialog(DialogParent());
    dialog.setObjectName(QStringLiteral("InputQuery"));
    dialog.setWindowTitle(Text(caption));
    dialog.setLabelText(Text(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(Text(initialText));
    SetFixedDialogFrame(&dialog);
    // Wide enough for its title (drawn by the window manager beside its buttons, in a font we do
    // not know, hence the room to spare) and its prompt. The dialog sizes itself from its
    // contents, so the width goes to the text field.
    const QFontMetrics metrics(dialog.font());
    const int wanted = std::max({metrics.horizontalAdvance(dialog.windowTitle()) * 3 / 2 + 120,
                                 metrics.horizontalAdvance(dialog.labelText()), 300});
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMinimumWidth(wanted);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QStringToUtf8(dialog.textValue());
}

QStringList TTarvexForm::QtFileFilters(const std::string& filter) {
    const QStringList parts = Text(filter).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            // "*.*" means every file, those without an extension too; Qt would read it literally.
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) {
        result << parts.back();
    }
    return result;
}

std::optional<std::string> TTarvexForm::RunFileDialog(const TFileDialogRequest& request, bool save) {
    QFileDialog dialog(DialogParent());
    dialog.setObjectName(Text(request.DialogName));
#ifndef _WIN32
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
#endif
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialogs do not insist on an existing file either: a name typed in is handed back,
    // and the command that reads it reports a file it cannot read.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The list shows the descriptions as given; the patterns work behind them.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(QtFileFilters(request.Filter));
    dialog.setDefaultSuffix(Text(request.DefaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
    dialog.setSizeGripEnabled(request.Resizable);
    if (!request.Title.empty()) {
        dialog.setWindowTitle(Text(request.Title));
    }
    if (!request.InitialName.empty()) {
        const QFileInfo initial(Text(request.InitialName));
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().front();
    // A folder is no file to read or write; the dialog hands one back only when no name was given.
    if (QFileInfo(chosen).isDir()) {
        return std::nullopt;
    }
    return QStringToUtf8(QDir::toNativeSeparators(chosen));
}

std::optional<std::string> TTarvexForm::OpenFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<std::string> TTarvexForm::SaveFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(request, true);
}

std::optional<uint32_t> TTarvexForm::ChooseColor() {
    const QColor initial(static_cast<int>(m_lastColor & 0xFF), static_cast<int>((m_lastColor >> 8) & 0xFF),
                         static_cast<int>((m_lastColor >> 16) & 0xFF));
    // Qt's own dialog: its custom colours are always shown.
    QColorDialog dialog(initial, DialogParent());
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QColor chosen = dialog.selectedColor();
    m_lastColor = static_cast<uint32_t>(chosen.red()) | (static_cast<uint32_t>(chosen.green()) << 8) |
                  (static_cast<uint32_t>(chosen.blue()) << 16);
    return m_lastColor;
}

uint32_t TTarvexForm::SystemColor(uint32_t index) {
    // The system colour indices mapped onto the nearest palette roles.
    const QPalette p = QApplication::palette();
    QColor c;
    switch (index) {
    case 2:  // active caption
    case 13: // highlight
    case 27: // gradient active caption
        c = p.color(QPalette::Active, QPalette::Highlight);
        break;
    case 3:  // inactive caption
    case 28: // gradient inactive caption
        c = p.color(QPalette::Inactive, QPalette::Highlight);
        break;
    case 5: // window
        c = p.color(QPalette::Base);
        break;
    case 6:  // window frame
    case 16: // button shadow
        c = p.color(QPalette::Dark);
        break;
    case 8: // window text
    case 7: // menu text
        c = p.color(QPalette::Text);
        break;
    case 9:  // caption text
    case 14: // highlight text
        c = p.color(QPalette::HighlightedText);
        break;
    case 17: // grey text
        c = p.color(QPalette::Disabled, QPalette::Text);
        break;
    case 18: // button text
        c = p.color(QPalette::ButtonText);
        break;
    case 20: // button highlight
        c = p.color(QPalette::Light);
        break;
    case 21: // dark shadow
        c = p.color(QPalette::Shadow);
        break;
    case 22: // light
        c = p.color(QPalette::Midlight);
        break;
    case 23: // info text
        c = p.color(QPalette::ToolTipText);
        break;
    case 24: // info background
        c = p.color(QPalette::ToolTipBase);
        break;
    case 26: // hot light
        c = p.color(QPalette::Link);
        break;
    default: // scroll bar, background, menu, borders, button face and the rest
        c = p.color(QPalette::Button);
        break;
    }
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

std::optional<int> TTarvexForm::ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) {
    CreateSecondaryForms();
    return m_styleTemplateForm->Execute(entries);
}

TFolderDialogResult TTarvexForm::ChooseFavoritesFolder(const TFavoriteEntry* root) {
    CreateSecondaryForms();
    m_foldersScanResultForm->Fill(root);
    TFolderDialogResult result;
    if (!m_foldersScanResultForm->Execute()) {
        return result;
    }
    result.Entry = m_foldersScanResultForm->SelectedEntry();
    result.Outcome = result.Entry ? TFolderDialogResult::TOutcome::OkSelected
                                  : TFolderDialogResult::TOutcome::OkWithoutSelection;
    return result;
}

void TTarvexForm::Navigate(QWebEngineView* view, const std::string& path) {
    const QUrl url =
        view == m_previewWebBrowser ? m_previewPage->UrlOfFile(Text(path)) : QUrl::fromLocalFile(Text(path));
    if (view->url() == url) {
        // The same page again: its scripts were rewritten, so nothing may come from a cache.
        view->page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    } else {
        view->load(url);
    }
}

void TTarvexForm::NavigatePreview(const std::string& path) {
    const QUrl url = m_previewPage->UrlOfFile(Text(path));
    m_previewPage->AllowPage(url);
    const bool samePage = m_previewWebBrowser->url() == url;
    // A refresh while the last one still loads keeps the position taken before that one: the
    // half-loaded page is at its top.
    if (!samePage) {
        m_previewScroll = QPointF();
    } else if (!m_previewLoading) {
        m_previewScroll = m_previewWebBrowser->page()->scrollPosition();
    }
    m_previewLoading = true;
    Navigate(m_previewWebBrowser, path);
}

void TTarvexForm::ShowQuickHelpPage(const std::string& path) {
    Navigate(m_helpBrowser, path);
}

void TTarvexForm::OpenWebAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(Text(address)));
}

void TTarvexForm::ShowScriptWarnings(const std::vector<std::string>& warnings) {
    QStringList texts;
    for (const std::string& warning : warnings) {
        texts << Text(warning);
    }
    m_scriptWarningsForm->SetWarnings(texts);
    m_scriptWarningsButton->setText(texts.size() == 1
                                        ? QStringLiteral("Menu script: 1 warning")
                                        : QStringLiteral("Menu script: %1 warnings").arg(texts.size()));
    m_scriptWarningsButton->setVisible(!texts.isEmpty());
    if (texts.isEmpty()) {
        m_scriptWarningsForm->hide();
    }
}

bool TTarvexForm::ConfirmReplaceFile(const std::string& path) {
    // Asked while the busy cursor is up; the question needs the ordinary pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Confirm File Replace"),
        QStringLiteral("This folder already contains a file named \"%1\".\n\nWould you like to replace "
                       "the existing file?")
            .arg(QFileInfo(Text(path)).fileName()),
        QMessageBox::NoButton, DialogParent());
    SetFixedDialogFrame(&box);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    return box.clickedButton() == yes;
}

void TTarvexForm::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else if (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

void TTarvexForm::ReportError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"), Text(text), QMessageBox::Ok,
                    DialogParent());
    SetFixedDialogFrame(&box);
    box.exec();
}

void TTarvexForm::CloseMainWindow() {
    // After the command that asked for it has returned, like any other close request.
    QTimer::singleShot(0, this, &QWidget::close);
}

} // namespace tarvex
