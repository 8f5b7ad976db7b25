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
#include <QDragEnterEvent>
#include <QDropEvent>
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
#include <QMimeData>
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
    setAcceptDrops(true);
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

void TTarvexForm::DocumentStateChanged() {
    setWindowTitle(Text(m_editor->WindowTitle()));
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
    // The recovery copy follows a change within a few seconds, between keystrokes, never inside one.
    auto* recovery = new QTimer(this);
    connect(recovery, &QTimer::timeout, this, [this] {
        if (m_busy == 0 && !m_closed && m_editor->RecoveryCopyDue()) {
            m_editor->WriteRecoveryCopy();
        }
    });
    recovery->start(2000);
    m_startupDone = true;
    emit Started();
}

namespace {

QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files << QDir::toNativeSeparators(url.toLocalFile());
        }
    }
    return files;
}

} // namespace

void TTarvexForm::dragEnterEvent(QDragEnterEvent* event) {
    if (m_startupDone && !DroppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TTarvexForm::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(event->mimeData());
    event->acceptProposedAction();
    // After the drop has ended: the save question and the review are modal dialogs.
    QTimer::singleShot(0, this, [this, files] {
        for (const QString& file : files) {
            RunCommand([this, file] { m_editor->OpenDroppedFile(QStringToUtf8(file)); });
        }
    });
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
    if (event->type() == QEvent::WindowActivate && m_startupDone && !m_closed) {
        // Asked from the message loop, not from inside the activation.
        QTimer::singleShot(0, this, [this] {
            if (m_busy == 0 && !m_closed && QApplication::activeModalWidget() == nullptr) {
                RunCommand([this] { m_editor->WindowActivated(); });
            }
        });
    }
    return QMainWindow::event(event);
}

} // namespace tarvex
