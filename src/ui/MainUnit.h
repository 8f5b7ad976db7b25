#pragma once
// The main window: draws the editor's state (trees, grids, commands, browsers) and forwards the
// person's input to it; it is also the editor's door to dialogs, browsers and the shell.

#include "WindowSettings.h"
#include "editor/TarvexEditor.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;
class QWebEngineProfile;
class QWebEngineView;

namespace tarvex {

class TAboutForm;
class TCustomizeDialog;
class TEditorTreeView;
class TFoldersScanResultForm;
class TPreviewStage;
class TPreviewWebPage;
class TPropertyGrid;
class TScriptWarningsForm;
class TStyleTemplateForm;
class TTreeModel;
class TValueEditorRows;

class TTarvexForm : public QMainWindow, public TUserInterface, private TEditorListener {
    Q_OBJECT
public:
    // `applicationFolder` holds the data files and help/ (see TApplicationFolder).
    explicit TTarvexForm(const QString& applicationFolder, QWidget* parent = nullptr);
    ~TTarvexForm() override;

    // The About box, the insert-favourite-style dialog and the favourites-folder dialog, in this
    // order; created once, hidden, and reused.
    void CreateSecondaryForms();

    TTarvexEditor& Editor() { return *m_editor; }
    QString ApplicationFolder() const { return m_applicationFolder; }
    // A project to open once the start-up sequence has run (the program's command line).
    void SetStartupFile(const QString& path) { m_startupFile = path; }
    // True once the start-up sequence (first show) has run to its end.
    bool StartupDone() const { return m_startupDone; }

    QAction* Action(TActionId id) const { return m_actions[static_cast<std::size_t>(id)]; }
    const std::vector<QAction*>& Actions() const { return m_actionList; }
    QMenuBar* ActionMainMenuBar1() const;
    QMenu* RecentFilesMenu() const { return m_recentFilesMenu; }
    QToolBar* FileToolBar() const { return m_fileToolBar; }
    QToolBar* CommandsToolBar() const { return m_commandsToolBar; }
    QMenu* MenuCreatorPopup() const { return m_pabMenuCreator; }
    QMenu* MenuStylePopup() const { return m_pabMenuStyle; }
    QTabWidget* ControlsPageControl() const { return m_controlsPageControl; }
    QTabWidget* PageControl1() const { return m_pageControl1; }
    TEditorTreeView* ObjectsTreeView() const { return m_objectsTreeView; }
    TEditorTreeView* MenuStyleTreeView() const { return m_menuStyleTreeView; }
    TPropertyGrid* MenuValueList() const { return m_menuValueList; }
    TPropertyGrid* MenuItemValueEditor() const { return m_menuItemValueEditor; }
    TPropertyGrid* MenuStyleValueEditor() const { return m_menuStyleValueEditor; }
    QWebEngineView* PreviewWebBrowser() const { return m_previewWebBrowser; }
    TPreviewStage* PreviewStage() const { return m_previewStage; }
    QWebEngineView* HelpBrowser() const { return m_helpBrowser; }
    QLabel* HintPanel() const { return m_hintPanel; }
    QPushButton* ScriptWarningsButton() const { return m_scriptWarningsButton; }
    TScriptWarningsForm* ScriptWarningsForm() const { return m_scriptWarningsForm; }
    TAboutForm* AboutForm() const { return m_aboutForm; }
    TStyleTemplateForm* StyleTemplateForm() const { return m_styleTemplateForm; }
    TFoldersScanResultForm* FoldersScanResultForm() const { return m_foldersScanResultForm; }
    TCustomizeDialog* CustomizeDialog() const { return m_customizeDialog; }

    // ---- window settings ----
    void LoadWindowSettings();
    void SaveWindowSettings();
    void ApplyWindowSettings(const TWindowSettings& settings);
    TWindowSettings CurrentWindowSettings() const;
    // `bounds` (a client area) moved and, if need be, shrunk onto the available screen it overlaps
    // most, or the nearest one, with room for the window frame `frame` around it.
    static QRect FitOnScreens(const QRect& bounds, const QMargins& frame);

    // The command-bar layout file, written once while the program ends; shows "Unable to save
    // settings" and returns false when it cannot be written.
    QString CommandBarLayoutFile() const { return m_commandBarLayoutFile; }
    bool SaveCommandBarLayout();
    QString CommandBarLayoutText() const;

    // ---- TUserInterface ----
    TMsgResult ShowMessageBox(const std::string& text, const std::string& caption, TMsgIcon icon,
                              TMsgButtons buttons) override;
    std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& initialText) override;
    std::optional<std::string> OpenFileDialog(const TFileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const TFileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(const std::string& caption,
                                            const std::string& initialFolder) override;
    std::optional<uint32_t> ChooseColor() override;
    uint32_t SystemColor(uint32_t index) override;
    std::optional<int> ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>& entries) override;
    TFolderDialogResult ChooseFavoritesFolder(const TFavoriteEntry* root) override;
    std::optional<int> ReviewImport(const std::string& caption, std::vector<TImportChoice>& choices) override;
    void NavigatePreview(const std::string& path) override;
    void ShowQuickHelpPage(const std::string& path) override;
    void OpenWebAddress(const std::string& address) override;
    void ShowScriptWarnings(const std::vector<std::string>& warnings) override;
    bool ConfirmReplaceFile(const std::string& path) override;
    void SetBusy(bool busy) override;
    void ReportError(const std::string& text) override;
    void CloseMainWindow() override;
    void ShowCustomizeDialog() override;
    void ShowAboutBox() override;

    // "Desc|*.a;*.b|All|*.*" in the form Qt's file dialogs take.
    static QStringList QtFileFilters(const std::string& filter);

signals:
    void Started();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    // Files dropped anywhere on the window go to the editor, one after the other.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // TEditorListener
    void ObjectSelectionChanged(TTreeNode* node) override;
    void StyleSelectionChanged(TTreeNode* node) override;
    void ValueEditorChanged(TValueEditorId editor) override;
    void ActionsChanged() override;
    void ActivePageChanged(TControlsPage page) override;
    void ExpandNodeRequested(TTreeNode* group) override;
    void RecentFilesChanged() override;
    void DocumentStateChanged() override;

    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateControls();
    void CreateBrowsers();
    void ConnectTree(TEditorTreeView* view, TTreeModel* model, bool objects);
    void RunStartup();
    void Execute(TActionId id);
    // Pushes the text of every grid cell still being edited into the editor's rows.
    void CommitOpenCellEditors();
    // Runs an editor command as the busy one, then shows what it left.
    void RunCommand(const std::function<void()>& command);
    void IdleUpdate();
    void SyncActions();
    void SyncTreeSelection(bool objects);
    void ScheduleSelectionSync();
    void SyncGrid(TValueEditorId id);
    void RebuildRecentFiles();
    QMargins FrameMargins() const;
    void RequestStateWhenMapped(Qt::WindowState state, int triesLeft);
    void PlaceToolBars(const TWindowSettings& settings);
    void Navigate(QWebEngineView* view, const std::string& path);
    std::optional<std::string> RunFileDialog(const TFileDialogRequest& request, bool save);
    QWidget* DialogParent();

    QString m_applicationFolder;
    std::unique_ptr<TTarvexEditor> m_editor;
    std::unique_ptr<TTreeModel> m_objectsModel;
    std::unique_ptr<TTreeModel> m_stylesModel;
    std::unique_ptr<TValueEditorRows> m_menuValueRows;
    std::unique_ptr<TValueEditorRows> m_menuItemRows;
    std::unique_ptr<TValueEditorRows> m_styleRows;

    std::array<QAction*, ActionCount> m_actions{};
    std::vector<QAction*> m_actionList;
    QMenu* m_recentFilesMenu = nullptr;
    QToolBar* m_fileToolBar = nullptr;
    QToolBar* m_commandsToolBar = nullptr;
    QMenu* m_pabMenuCreator = nullptr;
    QMenu* m_pabMenuStyle = nullptr;
    QTabWidget* m_controlsPageControl = nullptr;
    QTabWidget* m_pageControl1 = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_objectsSplitter = nullptr;
    QSplitter* m_stylesSplitter = nullptr;
    TEditorTreeView* m_objectsTreeView = nullptr;
    TEditorTreeView* m_menuStyleTreeView = nullptr;
    TPropertyGrid* m_menuValueList = nullptr;
    TPropertyGrid* m_menuItemValueEditor = nullptr;
    TPropertyGrid* m_menuStyleValueEditor = nullptr;
    QWebEngineProfile* m_browserProfile = nullptr;
    QWebEngineProfile* m_helpProfile = nullptr;
    QWebEngineView* m_previewWebBrowser = nullptr;
    TPreviewStage* m_previewStage = nullptr;
    TPreviewWebPage* m_previewPage = nullptr;
    QWebEngineView* m_helpBrowser = nullptr;
    QLabel* m_hintPanel = nullptr;
    QPushButton* m_scriptWarningsButton = nullptr;
    TScriptWarningsForm* m_scriptWarningsForm = nullptr;

    TAboutForm* m_aboutForm = nullptr;
    TStyleTemplateForm* m_styleTemplateForm = nullptr;
    TFoldersScanResultForm* m_foldersScanResultForm = nullptr;
    TCustomizeDialog* m_customizeDialog = nullptr;

    QString m_commandBarLayoutFile;
    TWindowSettings m_loadedSettings = TWindowSettings::Defaults();
    std::set<const TTreeNode*> m_expandedBeforeReset;
    uint32_t m_lastColor = 0;
    QString m_startupFile;
    // Where the preview page was scrolled when it was refreshed; null when it is a new page.
    QPointF m_previewScroll;
    bool m_previewLoading = false;
    int m_syncing = 0;
    int m_stateRequest = 0;
    int m_busy = 0;
    bool m_shown = false;
    bool m_startupDone = false;
    bool m_closed = false;
    bool m_selectionSyncPending = false;
};

} // namespace tarvex
