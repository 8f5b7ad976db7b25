#pragma once
// The main window: keeps the widgets and wires them, forwarding the person's input to the editor.
// What the editor asks of the person, how the views follow it, the commands' bars and the
// window's settings are objects of their own that share the widgets.

#include "CommandBarLayout.h"
#include "MainUserInterface.h"
#include "MainViewSync.h"
#include "MainWidgets.h"
#include "WindowSettingsAdapter.h"
#include "editor/TarvexEditor.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace tarvex {

class TTreeModel;
class TValueEditorRows;

class TTarvexForm : public QMainWindow {
    Q_OBJECT
public:
    // `applicationFolder` holds the data files and help/ (see TApplicationFolder).
    explicit TTarvexForm(const QString& applicationFolder, QWidget* parent = nullptr);
    ~TTarvexForm() override;

    // The About box, the insert-favourite-style dialog and the favourites-folder dialog, in this
    // order; created once, hidden, and reused.
    void CreateSecondaryForms() { m_userInterface.CreateSecondaryForms(); }

    TTarvexEditor& Editor() { return *m_editor; }
    // A project to open once the start-up sequence has run (the program's command line).
    void SetStartupFile(const QString& path) { m_startupFile = path; }
    // True once the start-up sequence (first show) has run to its end.
    bool StartupDone() const { return m_startupDone; }

    const TMainWidgets& Widgets() const { return m_widgets; }
    TMainUserInterface& UserInterface() { return m_userInterface; }
    TWindowSettingsAdapter& WindowSettings() { return m_windowSettings; }

    // The command-bar layout file, written once while the program ends; shows "Unable to save
    // settings" and returns false when it cannot be written.
    bool SaveCommandBarLayout();
    TCommandBarLayout& CommandBarLayout() { return m_commandBarLayout; }
    // The Customize options as the bars show them now.
    TCommandBarOptions CommandBarOptions() const;

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
    void CreateControls();
    QWidget* CreateObjectsPage();
    QWidget* CreateStylesPage();
    void CreateStatusBar();
    void CreateBrowsers();
    void ConnectInput();
    void ConnectTreeInput();
    // The find field and the system clipboard, which the Edit commands follow.
    void ConnectEditInput();
    void NameForAssistiveTools();
    void RunStartup();
    // The command bars as the author customised them; the note on a file that could not be used
    // waits for the end of the start-up.
    void LoadCommandBarLayout();
    void Execute(TActionId id);
    // Confirms a grid cell still being edited. The one place that does: where commands are
    // dispatched and where the person moves a selection or the page.
    void ConfirmOpenCell();
    // Runs an editor command as the busy one, then shows what it left.
    void RunCommand(const std::function<void()>& command);
    void ReopenRecentFile(int index);

    QString m_applicationFolder;
    TMainWidgets m_widgets;
    TMainUserInterface m_userInterface{*this, m_widgets};
    std::unique_ptr<TTarvexEditor> m_editor;
    std::unique_ptr<TTreeModel> m_objectsModel;
    std::unique_ptr<TTreeModel> m_stylesModel;
    std::unique_ptr<TValueEditorRows> m_menuValueRows;
    std::unique_ptr<TValueEditorRows> m_menuItemRows;
    std::unique_ptr<TValueEditorRows> m_styleRows;
    std::unique_ptr<TMainViewSync> m_views;
    TWindowSettingsAdapter m_windowSettings{*this, m_widgets};
    TCommandBarLayout m_commandBarLayout;
    QString m_commandBarNote;

    QString m_startupFile;
    int m_busy = 0;
    bool m_shown = false;
    bool m_startupDone = false;
    bool m_closed = false;
};

} // namespace tarvex
