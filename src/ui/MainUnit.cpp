#include "MainUnit.h"

#include "CommandBarLayout.h"
#include "CommandBars.h"
#include "CustomizeDialog.h"
#include "DialogPlacement.h"
#include "EditorTreeView.h"
#include "MainUnitInternal.h"
#include "PropertyGrid.h"
#include "RecordString.h"
#include "TarvexIcons.h"
#include "TreeModel.h"
#include "ValueEditorRows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <algorithm>

namespace tarvex {

using namespace mainunit_internal;

TTarvexForm::TTarvexForm(const QString& applicationFolder, QWidget* parent)
    : QMainWindow(parent), m_applicationFolder(applicationFolder),
      m_commandBarLayout(*this, m_widgets, QDir(applicationFolder).filePath(QStringLiteral("Tarvex.dat"))) {
    TTarvexIcons::Initialise();
    setObjectName(QStringLiteral("TarvexForm"));
    setWindowTitle(QStringLiteral("Korvane Tarvex"));
    setWindowIcon(TTarvexIcons::Program());
    if (HasFontFamily(QStringLiteral("MS Sans Serif"))) {
        setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    }

    m_editor = std::make_unique<TTarvexEditor>(m_userInterface, ToPath(applicationFolder));
    m_objectsModel = std::make_unique<TTreeModel>(m_editor->Project().Objects, true);
    m_stylesModel = std::make_unique<TTreeModel>(m_editor->Project().Styles, false);
    m_menuValueRows = std::make_unique<TValueEditorRows>(*m_editor, TValueEditorId::MenuValueList);
    m_menuItemRows = std::make_unique<TValueEditorRows>(*m_editor, TValueEditorId::MenuItemValueEditor);
    m_styleRows = std::make_unique<TValueEditorRows>(*m_editor, TValueEditorId::MenuStyleValueEditor);
    m_views = std::make_unique<TMainViewSync>(*this, m_widgets, *m_editor, *m_objectsModel, *m_stylesModel);
    m_views->ReopenRequested = [this](int index) { ReopenRecentFile(index); };
    m_views->SelectionMoving = [this] { ConfirmOpenCell(); };

    CreateCommandBars(*this, m_widgets, [this](TActionId id) { Execute(id); });
    CreateControls();
    setAcceptDrops(true);
    new TDialogCentring(*this);
    CreateBrowsers();
    resize(702, 487);

    m_editor->AddListener(m_views.get());
    m_views->SyncActions();
    m_views->SyncGrids();
}

TTarvexForm::~TTarvexForm() {
    m_editor->RemoveListener(m_views.get());
    // Pages go before the profile they were made with.
    delete m_widgets.PreviewWebBrowser;
    delete m_widgets.HelpBrowser;
    delete m_widgets.BrowserProfile;
    delete m_widgets.HelpProfile;
    // The views go before the models they show.
    delete m_widgets.ObjectsTreeView;
    delete m_widgets.MenuStyleTreeView;
    m_widgets.ObjectsTreeView = nullptr;
    m_widgets.MenuStyleTreeView = nullptr;
}

bool TTarvexForm::SaveCommandBarLayout() {
    return m_commandBarLayout.Save(CommandBarOptions());
}

TCommandBarOptions TTarvexForm::CommandBarOptions() const {
    return m_widgets.CustomizeDialog ? m_widgets.CustomizeDialog->Options() : TCommandBarOptions{};
}

void TTarvexForm::LoadCommandBarLayout() {
    const TCommandBarLayout::TLoaded loaded = m_commandBarLayout.Load();
    if (loaded.Options != TCommandBarOptions{}) {
        // The Customize dialog holds the options: made now, hidden, so its boxes match the bars.
        m_userInterface.CustomizeDialog().SetOptions(loaded.Options);
    }
    m_commandBarLayout.KeepBase(CommandBarOptions());
    if (!loaded.SetAsideTo.isEmpty()) {
        m_commandBarNote = tr("Tarvex.dat could not be read, so the built-in menus and toolbars are "
                              "used; the file has been kept as %1.")
                               .arg(loaded.SetAsideTo);
    } else if (loaded.SetAsideFailed) {
        m_commandBarNote = tr("Tarvex.dat could not be read, so the built-in menus and toolbars are used.");
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
    m_views->Quietly([this] {
        m_widgets.ControlsPageControl->setCurrentIndex(0);
        m_widgets.PageControl1->setCurrentIndex(0);
    });
    LoadCommandBarLayout();
    m_windowSettings.Load();
    m_editor->Preview().SetUntitledModule(m_windowSettings.PublishModule());
    m_editor->Preview().SetModuleProjects(TWindowSettingsAdapter::LoadModuleProjects());
    // The rest waits for the message loop, so the first New's dialog appears over a shown window.
    QTimer::singleShot(0, this, &TTarvexForm::RunStartup);
}

void TTarvexForm::RunStartup() {
    ++m_busy;
    m_editor->FormShow({m_windowSettings.Loaded().ShowStyleTemplate != 0, !m_startupFile.isEmpty()});
    if (!m_commandBarNote.isEmpty()) {
        // The note is in the window's language already.
        m_userInterface.ShowMessageBox(TUiText::Verbatim(QStringToUtf8(m_commandBarNote)),
                                       TARVEX_TEXT("Editor", "Warning"), TMsgIcon::Information,
                                       TMsgButtons::Ok);
        m_commandBarNote.clear();
    }
    --m_busy;
    // The splitters know their real size only now.
    m_windowSettings.RestorePaneSizes();
    m_views->RebuildRecentFiles();
    m_views->SyncActions();
    m_views->SyncGrids();
    m_views->SyncTreeSelection(true);
    m_views->SyncTreeSelection(false);
    if (!m_startupFile.isEmpty()) {
        RunCommand([this] { m_editor->Files().OpenProjectFile(QStringToUtf8(m_startupFile), false); });
    }
    // The keyboard starts in the design, so that the arrows walk the tree at once.
    m_widgets.ObjectsTreeView->setFocus(Qt::OtherFocusReason);
    // The recovery copy follows a change within a few seconds, between keystrokes, never inside one;
    // a value typed into a cell is in the design once the cell is left or confirmed.
    auto* recovery = new QTimer(this);
    connect(recovery, &QTimer::timeout, this, [this] {
        const auto grids = m_widgets.Grids();
        const bool typing = std::any_of(grids.begin(), grids.end(),
                                        [](const TPropertyGrid* grid) { return grid->IsEditing(); });
        if (m_busy == 0 && !m_closed && !typing && m_editor->Files().RecoveryCopyDue()) {
            m_editor->Files().WriteRecoveryCopy();
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
            RunCommand([this, file] { m_editor->Imports().OpenDroppedFile(QStringToUtf8(file)); });
        }
    });
}

void TTarvexForm::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    ConfirmOpenCell();
    ++m_busy;
    const bool mayClose = m_editor->FormCloseQuery();
    --m_busy;
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_closed = true;
    m_editor->FormClose([this] {
        m_windowSettings.SetPublishModule(m_editor->Preview().UntitledModule());
        m_windowSettings.Save();
        TWindowSettingsAdapter::SaveModuleProjects(m_editor->Preview().ModuleProjects());
    });
    if (m_widgets.CustomizeDialog) {
        m_widgets.CustomizeDialog->close();
    }
    event->accept();
}

bool TTarvexForm::event(QEvent* event) {
    // Hints go to the second panel of the status bar.
    if (event->type() == QEvent::StatusTip) {
        m_widgets.HintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate && m_startupDone && !m_closed) {
        // Asked from the message loop, not from inside the activation.
        QTimer::singleShot(0, this, [this] {
            if (m_busy == 0 && !m_closed && QApplication::activeModalWidget() == nullptr) {
                RunCommand([this] { m_editor->Files().WindowActivated(); });
            }
        });
    }
    return QMainWindow::event(event);
}

} // namespace tarvex
