// The main window's commands: the action table, menus, bars and pop-ups, page switching, hints and
// accessible names.

#include "MainWindowTestSupport.h"

#include "editor/CommandTable.h"

#include <algorithm>

using namespace tarvex;
using namespace tarvex::test;

class TMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void ActionTable();
    void MenusToolbarsAndPopupsInOrder();
    void PageSwitchingEnablesTheirCommands();
    void EveryControlHasAnAccessibleName();
    void HintsGoToTheStatusBar();

private:
    QTemporaryDir m_settingsDir;
};

void TMainWindowTest::initTestCase() {
    KeepSettingsIn(m_settingsDir);
}

void TMainWindowTest::init() {
    ClearSettings();
}

void TMainWindowTest::ActionTable() {
    struct TExpected {
        const char *Name, *Category, *Caption, *Hint, *Shortcut;
    };
    const std::vector<TExpected> expected = {
        {"NewAction", "File", "New", "Create new project", "Ctrl+N"},
        {"OpenAction", "File", "Open", "Open existing project", "Ctrl+O"},
        {"SaveAction", "File", "Save", "Save current project", "Ctrl+S"},
        {"SaveAsAction", "File", "Save as ...", "Save project as", ""},
        {"PublishAction", "File", "Publish menu", "Create necessary files to publish menu", "Ctrl+W"},
        {"PublishToSiteAction", "File", "Publish to site\u2026",
         "Send the menu's files straight to a web server", "Ctrl+Shift+W"},
        {"ExitAction", "File", "Exit", "Exit", "Alt+F4"},
        {"ExportHtmlAction", "File", "Export menu as HTML", "Write the menu as a plain HTML list of links",
         ""},
        {"UndoAction", "Edit", "Undo", "Undo the last change", "Ctrl+Z"},
        {"RedoAction", "Edit", "Redo", "Redo the last change undone", "Ctrl+Shift+Z"},
        {"CutAction", "Edit", "Cut", "Cut the selection to the clipboard", "Ctrl+X"},
        {"CopyAction", "Edit", "Copy", "Copy the selection to the clipboard", "Ctrl+C"},
        {"PasteAction", "Edit", "Paste", "Paste from the clipboard after the selection", "Ctrl+V"},
        {"DuplicateAction", "Edit", "Duplicate", "Duplicate the selection", "Ctrl+Shift+D"},
        {"MoveUpAction", "Edit", "Move up", "Move the selection up", "Alt+Up"},
        {"MoveDownAction", "Edit", "Move down", "Move the selection down", "Alt+Down"},
        {"MoveOutAction", "Edit", "Move out of the group", "Move the selection out of its group", "Alt+Left"},
        {"MoveInAction", "Edit", "Move into the previous group", "Move the selection into the group above it",
         "Alt+Right"},
        {"FindAction", "Edit", "Find", "Find captions, addresses and style names", "Ctrl+F"},
        {"FindNextAction", "Edit", "Find next", "Select the next match", "F3"},
        {"NewGroupAction", "Menu", "New menu group", "Create new menu group", "Ctrl+G"},
        {"DelGroupAction", "Menu", "Delete menu group", "Delete selected menu group", ""},
        {"acHelpGroup", "Menu", "How to use groups", "How to use groups", ""},
        {"NewMenuItemAction", "Menu", "New menu item", "Create new menu item", "Ctrl+I"},
        {"DeleteMenuItemAction", "Menu", "Delete menu item", "Delete selected menu item", ""},
        {"acHelpMenu", "Menu", "How to use menu item", "How to use menu options", ""},
        {"NewStyleAction", "Styles", "New style", "Create new menu item style", "Ctrl+J"},
        {"StyleTemplateAction", "Styles", "Insert favorete style", "Insert favorete style", ""},
        {"DelStyleAction", "Styles", "Delete style", "Delete selected style", ""},
        {"AddToFavoritesAction", "Styles", "Add to favorites", "Add current style to favorites", ""},
        {"acHelpStyles", "Styles", "How to use styles", "How to use styles", ""},
        {"UpdatePreviewAction", "Preview", "Update Preview", "Update preview window", "F5"},
        {"OpenPreviewAction", "Preview", "Open HTML to preview", "Open HTML to preview", ""},
        {"DefaultPreviewAction", "Preview", "Use default preview", "Use default HTML page to preview",
         "Ctrl+D"},
        {"ImportWinFavoritAction", "Import", "From windows favorities", "Import menu from windows favorities",
         ""},
        {"ImportBookmarksAction", "Import", "From bookmarks file",
         "Import menu from a browser's bookmarks file", ""},
        {"ImportSitemapAction", "Import", "From site map", "Import menu from a site map (sitemap.xml)", ""},
        {"ImportPageNavAction", "Import", "From page navigation",
         "Import menu from the navigation of an HTML page", ""},
        {"CustomizeActionBars1", "Tools", "&Customize", "Customize toolbar", ""},
        {"HelpHowUseAction", "Help", "How to use program", "How to use program", "F1"},
        {"HomePageAction", "Help", "Home page", "Korvane home page", ""},
        {"EMailToUsAction", "Help", "E-Mail to us", "E-Mail to us", ""},
        {"AboutAction", "Help", "About program", "About program", "Ctrl+F1"},
    };
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QCOMPARE(form.windowTitle(), QString("Korvane Tarvex"));
    QCOMPARE(form.objectName(), QString("TarvexForm"));
    // One action per row of the table, in its order, each as its row says.
    const auto Text = [](std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    };
    QCOMPARE(int(form.Widgets().Actions.size()), ActionCount);
    for (const TCommand& command : Commands()) {
        const QAction* a = form.Widgets().Action(command.Id);
        QCOMPARE(a->objectName(), Text(command.Name));
        QCOMPARE(a->iconText(), Text(command.Caption));
        QCOMPARE(a->toolTip(), Text(command.Hint));
        QVERIFY2(!a->icon().isNull(), command.Name.data());
    }
    // The given commands keep their given texts and their order among themselves, wherever new
    // rows go.
    int previous = -1;
    for (const TExpected& e : expected) {
        const auto found = std::find_if(form.Widgets().Actions.begin(), form.Widgets().Actions.end(),
                                        [&e](const QAction* a) { return a->objectName() == e.Name; });
        QVERIFY2(found != form.Widgets().Actions.end(), e.Name);
        const int index = int(found - form.Widgets().Actions.begin());
        QVERIFY2(index > previous, e.Name);
        previous = index;
        const QAction* a = *found;
        QCOMPARE(a->property("category").toString(), QString(e.Category));
        QCOMPARE(a->iconText(), QString(e.Caption));
        QCOMPARE(a->toolTip(), QString(e.Hint));
        QCOMPARE(a->statusTip(), QString(e.Hint));
        QCOMPARE(a->shortcut(), QKeySequence(QString(e.Shortcut)));
        QVERIFY2(!a->icon().isNull(), e.Name);
    }
    QCOMPARE(form.Widgets().Action(TActionId::RedoAction)->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    // Before the first New there is no project to save; the group help has no command at all.
    QVERIFY(!form.Widgets().Action(TActionId::SaveAction)->isEnabled());
    QVERIFY(!form.Widgets().Action(TActionId::acHelpGroup)->isEnabled());
}

void TMainWindowTest::MenusToolbarsAndPopupsInOrder() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QMenuBar* bar = form.menuBar();
    QCOMPARE(EntryTexts(bar->actions()),
             QStringList({"&File", "&Edit", "&Menu", "&Styles", "&Preview", "&Tools", "&Help"}));
    const QList<QStringList> menus = {
        {"&New", "&Open", "&Save", "S&ave as ...", "-", "&Publish menu", "E&xport menu as HTML",
         "Publish &to site\u2026", "-", "Recent files...", "-", "&Exit"},
        {"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "&Duplicate", "-", "Move u&p", "Move do&wn",
         "Move &out of the group", "Move &into the previous group", "&Sort by caption", "-", "&Find...",
         "Find &next"},
        {"&New menu group", "&Delete menu group", "H&ow to use groups", "-", "N&ew menu item",
         "De&lete menu item", "&How to use menu item"},
        {"&New style", "&Delete style", "How to use styles", "-", "&Insert favorete style",
         "&Add to favorites"},
        {"U&pdate Preview", "-", "&Open HTML to preview", "&Use default preview"},
        {"&Customize", "-", "Import from &bookmarks file...", "Import from &site map...",
         "Import from page &navigation...", "-", "&Language"},
        {"&How to use program", "-", "H&ome page", "&E-Mail to us", "-", "&About program"},
    };
    for (int i = 0; i < menus.size(); ++i) {
        QCOMPARE(EntryTexts(bar->actions().at(i)->menu()->actions()), menus[i]);
    }
    QAction* recent = bar->actions().at(0)->menu()->actions().at(9);
    QVERIFY(recent->menu());
    QCOMPARE(recent->menu(), form.Widgets().RecentFilesMenu);
    QVERIFY(form.Widgets().RecentFilesMenu->actions().isEmpty());

    // A menu entry runs its command and follows its enabled state.
    QAction* saveEntry = bar->actions().at(0)->menu()->actions().at(2);
    QCOMPARE(saveEntry->isEnabled(), form.Widgets().Action(TActionId::SaveAction)->isEnabled());
    QCOMPARE(saveEntry->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(saveEntry->statusTip(), QString("Save current project"));

    QCOMPARE(EntryTexts(form.Widgets().FileToolBar->actions(), true),
             QStringList({"NewAction", "OpenAction", "SaveAction", "-", "UndoAction", "RedoAction", "-",
                          "PublishAction", "-", "CustomizeActionBars1", "-", "HelpHowUseAction",
                          "HomePageAction", "EMailToUsAction", "-", "ExitAction"}));
    QCOMPARE(
        EntryTexts(form.Widgets().CommandsToolBar->actions(), true),
        QStringList({"UpdatePreviewAction", "-", "NewGroupAction", "DelGroupAction", "-", "NewMenuItemAction",
                     "DeleteMenuItemAction", "-", "NewStyleAction", "StyleTemplateAction", "DelStyleAction",
                     "-", "AddToFavoritesAction", "-", "OpenPreviewAction", "DefaultPreviewAction"}));
    QCOMPARE(form.Widgets().FileToolBar->windowTitle(), QString("File"));
    QCOMPARE(form.Widgets().CommandsToolBar->windowTitle(), QString("Commands"));
    for (QToolBar* toolBar : {form.Widgets().FileToolBar, form.Widgets().CommandsToolBar}) {
        QVERIFY(toolBar->isMovable());
        // Moved only within the band across the top, never to another side or out of the window.
        QCOMPARE(toolBar->allowedAreas(), Qt::ToolBarAreas(Qt::TopToolBarArea));
        QVERIFY(!toolBar->isFloatable());
        QCOMPARE(form.toolBarArea(toolBar), Qt::TopToolBarArea);
    }
    auto* button = qobject_cast<QToolButton*>(
        form.Widgets().CommandsToolBar->widgetForAction(form.Widgets().Action(TActionId::NewGroupAction)));
    QVERIFY(button);
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);

    QCOMPARE(EntryTexts(form.Widgets().MenuCreatorPopup->actions()),
             QStringList({"U&pdate Preview", "-", "&New menu group", "&Delete menu group", "-",
                          "N&ew menu item", "De&lete menu item", "-", "Cu&t", "&Copy", "&Paste", "&Duplicate",
                          "-", "Move u&p", "Move do&wn", "Move &out of the group",
                          "Move &into the previous group", "&Sort by caption"}));
    QCOMPARE(EntryTexts(form.Widgets().MenuStylePopup->actions()),
             QStringList({"U&pdate Preview", "-", "&New style", "&Insert favorete style", "&Delete style",
                          "-", "&Add to favorites", "-", "Cu&t", "&Copy", "&Paste", "&Duplicate"}));

    // The import command is reachable only through Customize.
    QAction* import = form.Widgets().Action(TActionId::ImportWinFavoritAction);
    for (QAction* title : bar->actions()) {
        for (QAction* entry : title->menu()->actions()) {
            QVERIFY(entry->text() != "From windows favorities");
        }
    }
    QVERIFY(!form.Widgets().FileToolBar->actions().contains(import));
    QVERIFY(!form.Widgets().CommandsToolBar->actions().contains(import));
}

void TMainWindowTest::PageSwitchingEnablesTheirCommands() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    auto enabled = [&](TActionId id) { return form.Widgets().Action(id)->isEnabled(); };

    QCOMPARE(form.Widgets().ControlsPageControl->tabText(0), QString("Menu creator"));
    QCOMPARE(form.Widgets().ControlsPageControl->tabText(1), QString("Menu styles"));
    QCOMPARE(form.Widgets().PageControl1->tabText(0), QString("Preview"));
    QCOMPARE(form.Widgets().PageControl1->tabText(1), QString("Quick help"));
    QCOMPARE(form.Widgets().ControlsPageControl->currentIndex(), 0);
    QCOMPARE(form.Widgets().PageControl1->currentIndex(), 0);
    QVERIFY(enabled(TActionId::SaveAction));
    QVERIFY(enabled(TActionId::NewGroupAction));
    QVERIFY(enabled(TActionId::ImportWinFavoritAction));
    // No node counts as selected right after start-up.
    QVERIFY(!enabled(TActionId::NewMenuItemAction));
    // The commands that make a style work from this page too; they turn to the styles page.
    QVERIFY(enabled(TActionId::NewStyleAction));
    QVERIFY(enabled(TActionId::StyleTemplateAction));
    QVERIFY(!enabled(TActionId::DelStyleAction));
    QVERIFY(!enabled(TActionId::AddToFavoritesAction));
    QVERIFY(!enabled(TActionId::acHelpGroup));
    QTRY_VERIFY_WITH_TIMEOUT(form.Widgets().HelpBrowser->url().toString().endsWith("help/online/menu.htm"),
                             5000);

    form.Widgets().ControlsPageControl->setCurrentIndex(1);
    QTRY_VERIFY(enabled(TActionId::NewStyleAction));
    QVERIFY(enabled(TActionId::StyleTemplateAction));
    QVERIFY(enabled(TActionId::DelStyleAction));
    QVERIFY(enabled(TActionId::AddToFavoritesAction));
    QVERIFY(!enabled(TActionId::NewGroupAction));
    QVERIFY(!enabled(TActionId::NewMenuItemAction));
    QVERIFY(!enabled(TActionId::ImportWinFavoritAction));
    QVERIFY(!enabled(TActionId::DelGroupAction));
    QVERIFY(!enabled(TActionId::acHelpGroup));
    // The pane follows in the background: the Preview page stays in front.
    QTRY_VERIFY_WITH_TIMEOUT(form.Widgets().HelpBrowser->url().toString().endsWith("help/online/style.htm"),
                             5000);
    QCOMPARE(form.Widgets().PageControl1->currentIndex(), 0);

    // A style added on this page shows up in the "Menu Style" list after switching back.
    test::OnNextModal([&form](QWidget* w) {
        auto* input = qobject_cast<QInputDialog*>(w);
        QVERIFY(input);
        // Centred over the window, as every dialog.
        QTRY_VERIFY((input->frameGeometry().center() - form.frameGeometry().center()).manhattanLength() <= 4);
        QCOMPARE(input->windowTitle(), QString("Create new style"));
        QCOMPARE(input->labelText(), QString("Type new menu style name"));
        QCOMPARE(input->textValue(), QString("New style name"));
        input->setTextValue("Extra");
        input->accept();
    });
    form.Widgets().Action(TActionId::NewStyleAction)->trigger();
    QCOMPARE(form.Widgets().MenuStyleTreeView->model()->rowCount(), 2);
    QCOMPARE(form.Widgets().MenuStyleTreeView->model()->index(1, 0).data().toString(), QString("Extra"));
    // The new style is the one to edit next.
    QTRY_COMPARE(form.Widgets().MenuStyleTreeView->currentIndex(),
                 form.Widgets().MenuStyleTreeView->model()->index(1, 0));

    form.Widgets().ControlsPageControl->setCurrentIndex(0);
    QTRY_VERIFY(enabled(TActionId::NewGroupAction));
    QVERIFY(!enabled(TActionId::DelStyleAction));
    const TValueEditor& options = form.Editor().Objects().MenuValueList();
    const TValueRow* styleRow = options.Row(options.FindRow("Menu Style"));
    QVERIFY(styleRow);
    QCOMPARE(styleRow->PickList, std::vector<std::string>({"Test Blue", "Extra"}));

    QTest::qWait(50);
    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    form.close();
}

void TMainWindowTest::EveryControlHasAnAccessibleName() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QStringList unnamed;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractItemView*>(w) || qobject_cast<QWebEngineView*>(w) ||
                             qobject_cast<QToolBar*>(w) || qobject_cast<QTabWidget*>(w) ||
                             qobject_cast<QMenuBar*>(w) || qobject_cast<QSplitter*>(w);
        // Views Qt builds inside its own widgets (a combo box's list) are named by their owner.
        if (control && !qobject_cast<QAbstractItemView*>(w->parentWidget()) &&
            w->accessibleName().isEmpty() && w->window() == &form && !w->objectName().startsWith("qt_")) {
            unnamed << w->metaObject()->className() + QString(" ") + w->objectName();
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
}

void TMainWindowTest::HintsGoToTheStatusBar() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QStatusTipEvent tip("Update preview window");
    QApplication::sendEvent(&form, &tip);
    QCOMPARE(form.Widgets().HintPanel->text(), QString("Update preview window"));
    QVERIFY(form.statusBar()->currentMessage().isEmpty());
    auto* first = form.findChild<QLabel*>("StatusPanel0");
    QVERIFY(first);
    QCOMPARE(first->width(), 50);
    QVERIFY(first->text().isEmpty());
}

QTEST_MAIN(TMainWindowTest)
#include "MainWindowTest.moc"
