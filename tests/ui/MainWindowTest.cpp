// The main window over the real editor: commands, menus and bars, page switching, grids and preview,
// the save question, drag and drop, window settings.

#include "UiTestSupport.h"

#include "ui/EditorTreeView.h"
#include "ui/MainUnit.h"
#include "ui/PropertyGrid.h"
#include "ui/StyleTemplateUnit.h"
#include "ui/TreeModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace tarvex;

namespace {

struct TStarted {
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<TTarvexForm> Form;
};

// Starts the window as the program does; the first New's style dialog gets the first favourite.
TStarted Start(bool pickFavourite = true) {
    TStarted s;
    s.Folder = test::MakeAppFolder();
    s.Form = std::make_unique<TTarvexForm>(s.Folder->path());
    s.Form->CreateSecondaryForms();
    TStyleTemplateForm* dialog = s.Form->StyleTemplateForm();
    test::OnNextModal([dialog, pickFavourite](QWidget* w) {
        if (w == dialog && pickFavourite) {
            dialog->InsertButton()->click();
        } else {
            w->close();
        }
    });
    s.Form->show();
    return s;
}

QStringList EntryTexts(const QList<QAction*>& actions, bool names = false) {
    QStringList texts;
    for (const QAction* a : actions) {
        texts << (a->isSeparator() ? QString("-") : names ? a->objectName() : a->text());
    }
    return texts;
}

QModelIndex Find(const TTreeModel* model, const QString& text, const QModelIndex& parent = {}) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (index.data().toString() == text) {
            return index;
        }
        const QModelIndex inner = Find(model, text, index);
        if (inner.isValid()) {
            return inner;
        }
    }
    return {};
}

void ClickNode(TEditorTreeView* view, const QModelIndex& index) {
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

int RowOf(const TPropertyGrid* grid, const QString& key) {
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        if (grid->model()->index(row, 0).data().toString() == key) {
            return row;
        }
    }
    return -1;
}

// Types into the value cell of `key` as a person would: the cell editor opens, the text replaces
// what was there.
void TypeInto(TPropertyGrid* grid, const QString& key, const QString& text) {
    const int row = RowOf(grid, key);
    QVERIFY2(row >= 0, qPrintable(key));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, 1));
    QLineEdit* edit = nullptr;
    for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>()) {
        if (e->isVisible()) {
            edit = e;
        }
    }
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The text of the previewed page, with the engine's non-breaking spaces made plain.
QString PageText(QWebEngineView* view) {
    auto html = std::make_shared<QString>();
    auto done = std::make_shared<bool>(false);
    view->page()->runJavaScript("document.body ? document.body.textContent.replace(/\\u00a0/g, ' ') : ''",
                                [html, done](const QVariant& v) {
                                    *html = v.toString();
                                    *done = true;
                                });
    (void)QTest::qWaitFor([&] { return *done; }, 10000);
    return *html;
}

} // namespace

class TMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void ActionTable();
    void MenusToolbarsAndPopupsInOrder();
    void PageSwitchingEnablesTheirCommands();
    void GridEditReachesRecordAndPreviewOnSelectionChange();
    void NewGroupKeepsSelectionAndOpenGroups();
    void DragAndDropInTheObjectsTree();
    void SaveQuestionOnClose_data();
    void SaveQuestionOnClose();
    void WindowSettingsDefaultsAndRoundTrip();
    void HintsGoToTheStatusBar();
    void FileDialogListsDescriptionsAndAllFiles();

private:
    QTemporaryDir m_settingsDir;
};

void TMainWindowTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
}

void TMainWindowTest::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Korvane", "Tarvex").clear();
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
        {"ExitAction", "File", "Exit", "Exit", "Alt+F4"},
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
    QCOMPARE(int(form.Actions().size()), 26);
    QCOMPARE(int(expected.size()), 26);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QAction* a = form.Actions()[i];
        const TExpected& e = expected[i];
        QCOMPARE(a->objectName(), QString(e.Name));
        QCOMPARE(a->property("category").toString(), QString(e.Category));
        QCOMPARE(a->text(), QString(e.Caption));
        QCOMPARE(a->toolTip(), QString(e.Hint));
        QCOMPARE(a->statusTip(), QString(e.Hint));
        QCOMPARE(a->shortcut(), QKeySequence(QString(e.Shortcut)));
        QVERIFY2(!a->icon().isNull(), e.Name);
    }
    // Before the first New there is no project to save; the group help has no command at all.
    QVERIFY(!form.Action(TActionId::SaveAction)->isEnabled());
    QVERIFY(!form.Action(TActionId::acHelpGroup)->isEnabled());
}

void TMainWindowTest::MenusToolbarsAndPopupsInOrder() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QMenuBar* bar = form.ActionMainMenuBar1();
    QCOMPARE(EntryTexts(bar->actions()),
             QStringList({"&File", "&Menu", "&Styles", "&Preview", "&Tools", "&Help"}));
    const QList<QStringList> menus = {
        {"&New", "&Open", "&Save", "S&ave as ...", "-", "&Publish menu", "-", "Recent files...", "-",
         "&Exit"},
        {"&New menu group", "&Delete menu group", "H&ow to use groups", "-", "N&ew menu item",
         "De&lete menu item", "&How to use menu item"},
        {"&New style", "&Delete style", "How to use styles", "-", "&Insert favorete style",
         "&Add to favorites"},
        {"U&pdate Preview", "-", "&Open HTML to preview", "&Use default preview"},
        {"&Customize"},
        {"&How to use program", "-", "H&ome page", "&E-Mail to us", "-", "&About program"},
    };
    for (int i = 0; i < menus.size(); ++i) {
        QCOMPARE(EntryTexts(bar->actions().at(i)->menu()->actions()), menus[i]);
    }
    QAction* recent = bar->actions().at(0)->menu()->actions().at(7);
    QVERIFY(recent->menu());
    QCOMPARE(recent->menu(), form.RecentFilesMenu());
    QVERIFY(form.RecentFilesMenu()->actions().isEmpty());

    // A menu entry runs its command and follows its enabled state.
    QAction* saveEntry = bar->actions().at(0)->menu()->actions().at(2);
    QCOMPARE(saveEntry->isEnabled(), form.Action(TActionId::SaveAction)->isEnabled());
    QCOMPARE(saveEntry->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(saveEntry->statusTip(), QString("Save current project"));

    QCOMPARE(EntryTexts(form.FileToolBar()->actions(), true),
             QStringList({"NewAction", "OpenAction", "SaveAction", "-", "PublishAction", "-",
                          "CustomizeActionBars1", "-", "HelpHowUseAction", "HomePageAction",
                          "EMailToUsAction", "-", "ExitAction"}));
    QCOMPARE(
        EntryTexts(form.CommandsToolBar()->actions(), true),
        QStringList({"UpdatePreviewAction", "-", "NewGroupAction", "DelGroupAction", "-", "NewMenuItemAction",
                     "DeleteMenuItemAction", "-", "NewStyleAction", "StyleTemplateAction", "DelStyleAction",
                     "-", "AddToFavoritesAction", "-", "OpenPreviewAction", "DefaultPreviewAction"}));
    QCOMPARE(form.FileToolBar()->windowTitle(), QString("File"));
    QCOMPARE(form.CommandsToolBar()->windowTitle(), QString("Commands"));
    for (QToolBar* toolBar : {form.FileToolBar(), form.CommandsToolBar()}) {
        QVERIFY(toolBar->isMovable());
        // Moved only within the band across the top, never to another side or out of the window.
        QCOMPARE(toolBar->allowedAreas(), Qt::ToolBarAreas(Qt::TopToolBarArea));
        QVERIFY(!toolBar->isFloatable());
        QCOMPARE(form.toolBarArea(toolBar), Qt::TopToolBarArea);
    }
    auto* button = qobject_cast<QToolButton*>(
        form.CommandsToolBar()->widgetForAction(form.Action(TActionId::NewGroupAction)));
    QVERIFY(button);
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);

    QCOMPARE(EntryTexts(form.MenuCreatorPopup()->actions()),
             QStringList({"Update Preview", "-", "New menu group", "Delete menu group", "-", "New menu item",
                          "Delete menu item"}));
    QCOMPARE(EntryTexts(form.MenuStylePopup()->actions()),
             QStringList({"Update Preview", "-", "New style", "Insert favorete style", "Delete style", "-",
                          "Add to favorites"}));

    // The import command is reachable only through Customize.
    QAction* import = form.Action(TActionId::ImportWinFavoritAction);
    for (QAction* title : bar->actions()) {
        for (QAction* entry : title->menu()->actions()) {
            QVERIFY(entry->text() != "From windows favorities");
        }
    }
    QVERIFY(!form.FileToolBar()->actions().contains(import));
    QVERIFY(!form.CommandsToolBar()->actions().contains(import));
}

void TMainWindowTest::PageSwitchingEnablesTheirCommands() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    auto enabled = [&](TActionId id) { return form.Action(id)->isEnabled(); };

    QCOMPARE(form.ControlsPageControl()->tabText(0), QString("Menu creator"));
    QCOMPARE(form.ControlsPageControl()->tabText(1), QString("Menu styles"));
    QCOMPARE(form.PageControl1()->tabText(0), QString("Preview"));
    QCOMPARE(form.PageControl1()->tabText(1), QString("Quick help"));
    QCOMPARE(form.ControlsPageControl()->currentIndex(), 0);
    QCOMPARE(form.PageControl1()->currentIndex(), 0);
    QVERIFY(enabled(TActionId::SaveAction));
    QVERIFY(enabled(TActionId::NewGroupAction));
    QVERIFY(enabled(TActionId::ImportWinFavoritAction));
    // No node counts as selected right after start-up.
    QVERIFY(!enabled(TActionId::NewMenuItemAction));
    QVERIFY(!enabled(TActionId::NewStyleAction));
    QVERIFY(!enabled(TActionId::StyleTemplateAction));
    QVERIFY(!enabled(TActionId::DelStyleAction));
    QVERIFY(!enabled(TActionId::AddToFavoritesAction));
    QVERIFY(!enabled(TActionId::acHelpGroup));
    QTRY_VERIFY_WITH_TIMEOUT(form.HelpBrowser()->url().toString().endsWith("help/online/menu.htm"), 5000);

    form.ControlsPageControl()->setCurrentIndex(1);
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
    QTRY_VERIFY_WITH_TIMEOUT(form.HelpBrowser()->url().toString().endsWith("help/online/style.htm"), 5000);
    QCOMPARE(form.PageControl1()->currentIndex(), 0);

    // A style added on this page shows up in the "Menu Style" list after switching back.
    test::OnNextModal([](QWidget* w) {
        auto* input = qobject_cast<QInputDialog*>(w);
        QVERIFY(input);
        QCOMPARE(input->windowTitle(), QString("Create new style"));
        QCOMPARE(input->labelText(), QString("Type new menu style name"));
        QCOMPARE(input->textValue(), QString("New style name"));
        input->setTextValue("Extra");
        input->accept();
    });
    form.Action(TActionId::NewStyleAction)->trigger();
    QCOMPARE(form.MenuStyleTreeView()->model()->rowCount(), 2);
    QCOMPARE(form.MenuStyleTreeView()->model()->index(1, 0).data().toString(), QString("Extra"));

    form.ControlsPageControl()->setCurrentIndex(0);
    QTRY_VERIFY(enabled(TActionId::NewGroupAction));
    QVERIFY(!enabled(TActionId::NewStyleAction));
    const TValueEditor& options = form.Editor().MenuValueList();
    const TValueRow* styleRow = options.Row(options.FindRow("Menu Style"));
    QVERIFY(styleRow);
    QCOMPARE(styleRow->PickList, std::vector<std::string>({"Test Blue", "Extra"}));

    QTest::qWait(50);
    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    form.close();
}

void TMainWindowTest::GridEditReachesRecordAndPreviewOnSelectionChange() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    const bool engine = QFile::exists(s.Folder->filePath("help/temp/one.js"));
    auto* model = form.ObjectsTreeView()->TreeModel();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    const QModelIndex group = Find(model, "Menu group name");
    QVERIFY(group.isValid());
    ClickNode(form.ObjectsTreeView(), group);
    QCOMPARE(form.Editor().SelectedObject(), TTreeModel::NodeOf(group));
    QTRY_VERIFY(form.MenuItemValueEditor()->isVisible());
    QVERIFY(!form.MenuValueList()->isVisible());
    QCOMPARE(form.MenuItemValueEditor()->columnWidth(1), 135);
    QCOMPARE(form.MenuValueList()->columnWidth(1), 118);
    QCOMPARE(form.MenuItemValueEditor()
                 ->model()
                 ->index(RowOf(form.MenuItemValueEditor(), "Caption"), 1)
                 .data()
                 .toString(),
             QString("Menu group name"));

    if (engine) {
        QTRY_VERIFY_WITH_TIMEOUT(PageText(form.PreviewWebBrowser()).contains("Menu group name"), 20000);
    }

    // Typed text sits in the row; the record and the tree change only at the commit.
    TypeInto(form.MenuItemValueEditor(), "Caption", "Products & more");
    QCOMPARE(form.Editor().MenuItemValueEditor().Value("Caption"), std::string("Products & more"));
    QCOMPARE(TTreeModel::NodeOf(group)->Item().Caption.str(), std::string("Menu group name"));

    const QModelIndex options = model->index(0, 0);
    ClickNode(form.ObjectsTreeView(), options);
    QCOMPARE(TTreeModel::NodeOf(group)->Item().Caption.str(), std::string("Products & more"));
    QCOMPARE(group.data().toString(), QString("Products & more"));
    QTRY_VERIFY(form.MenuValueList()->isVisible());
    QVERIFY(!form.MenuItemValueEditor()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(form.HelpBrowser()->url().toString().endsWith("help/online/webmenu.htm"), 5000);

    if (!engine) {
        QSKIP("The menu engine (help/temp/one.js) is not in the build yet");
    }
    // The preview runs the menu.js written just now, not a cached one.
    QTRY_VERIFY_WITH_TIMEOUT(PageText(form.PreviewWebBrowser()).contains("Products & more"), 20000);
    QVERIFY(!PageText(form.PreviewWebBrowser()).contains("Menu group name"));

    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    form.close();
}

void TMainWindowTest::NewGroupKeepsSelectionAndOpenGroups() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    auto* model = form.ObjectsTreeView()->TreeModel();
    const QModelIndex group = Find(model, "Menu group name");
    form.ObjectsTreeView()->expand(group);
    ClickNode(form.ObjectsTreeView(), model->index(1, 0, group));
    QVERIFY(form.Action(TActionId::NewMenuItemAction)->isEnabled());

    test::OnNextModal([](QWidget* w) {
        auto* input = qobject_cast<QInputDialog*>(w);
        QVERIFY(input);
        QCOMPARE(input->windowTitle(), QString("Create new group"));
        QCOMPARE(input->labelText(), QString("Type new group name"));
        QCOMPARE(input->textValue(), QString("New group name"));
        input->setTextValue("Inner");
        input->accept();
    });
    form.Action(TActionId::NewGroupAction)->trigger();
    QTest::qWait(20);
    const QModelIndex inner = Find(model, "Inner");
    QVERIFY(inner.isValid());
    QCOMPARE(inner.parent(), QPersistentModelIndex(group));
    QVERIFY(form.ObjectsTreeView()->isExpanded(Find(model, "Menu group name")));
    QCOMPARE(form.ObjectsTreeView()->currentIndex(), inner);
    QCOMPARE(form.Editor().SelectedObject(), TTreeModel::NodeOf(inner));

    // Cancelling the prompt changes nothing.
    const std::size_t nodes = form.Editor().Project().Objects.NodeCount();
    test::OnNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    form.Action(TActionId::NewMenuItemAction)->trigger();
    QCOMPARE(form.Editor().Project().Objects.NodeCount(), nodes);

    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    form.close();
}

void TMainWindowTest::DragAndDropInTheObjectsTree() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    TEditorTreeView* view = form.ObjectsTreeView();
    auto* model = view->TreeModel();
    const QModelIndex group = Find(model, "Menu group name");
    view->expand(group);
    QModelIndex item = Find(model, "Menu item name");
    ClickNode(view, item);

    auto dropOn = [&](const QModelIndex& target, QMimeData* data) {
        const QPoint at =
            target.isValid() ? view->visualRect(target).center() : QPoint(5, view->viewport()->height() - 3);
        QDragEnterEvent enter(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDropEvent drop(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &drop);
        return enter.isAccepted();
    };

    // A drag from elsewhere is refused.
    QMimeData foreign;
    foreign.setText("Menu item name");
    QVERIFY(!dropOn(model->index(0, 0), &foreign));
    QCOMPARE(model->rowCount(group), 2);

    // Dropped onto the main menu's Menu Options node: the item becomes the main menu's last entry.
    std::unique_ptr<QMimeData> own(model->mimeData({item}));
    QVERIFY(dropOn(model->index(0, 0), own.get()));
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(2, 0).data().toString(), QString("Menu item name"));
    QCOMPARE(model->rowCount(Find(model, "Menu group name")), 1);
    QTest::qWait(20);
    QCOMPARE(view->currentIndex(), model->index(2, 0));
    QCOMPARE(form.Editor().SelectedObject(), TTreeModel::NodeOf(model->index(2, 0)));

    // Dropped onto the group's own Menu Options: it goes back into the submenu, which is opened.
    const QModelIndex groupNow = Find(model, "Menu group name");
    view->collapse(groupNow);
    view->expand(groupNow);
    QVERIFY(dropOn(model->index(0, 0, groupNow), own.get()));
    QCOMPARE(model->rowCount(groupNow), 2);
    QVERIFY(view->isExpanded(groupNow));

    // A Menu Options node cannot be dragged.
    ClickNode(view, model->index(0, 0));
    QString refusal;
    QString caption;
    test::OnNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        refusal = box->text();
        caption = box->windowTitle();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        test::ButtonWithText(w, "OK")->click();
    });
    dropOn(groupNow, own.get());
    QCOMPARE(refusal, QString("You can't drag&drop Menu Options"));
    QCOMPARE(caption, QString("Error"));
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(0, 0).data().toString(), QString("Menu Options"));

    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    form.close();
}

void TMainWindowTest::SaveQuestionOnClose_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes") << "&Yes";
    QTest::newRow("no") << "&No";
    QTest::newRow("cancel") << "Cancel";
}

void TMainWindowTest::SaveQuestionOnClose() {
    QFETCH(QString, answer);
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    const QString project = s.Folder->filePath("closing.xml");
    // A cell left open with text the grid has not handed on yet: the close must still see it.
    ClickNode(form.ObjectsTreeView(), Find(form.ObjectsTreeView()->TreeModel(), "Menu group name"));
    TypeInto(form.MenuItemValueEditor(), "Caption", "x");
    for (QLineEdit* e : form.MenuItemValueEditor()->viewport()->findChildren<QLineEdit*>()) {
        if (e->isVisible()) {
            e->setText("Typed, never left");
        }
    }

    QString text, title;
    QStringList buttons;
    bool saveDialogShown = false;
    test::OnNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) {
            buttons << b->text();
        }
        if (answer == "&Yes") {
            // The project was never saved: Save as asks for the name.
            test::OnNextModal([&](QWidget* d) {
                auto* dialog = qobject_cast<QFileDialog*>(d);
                QVERIFY(dialog);
                saveDialogShown = true;
                QCOMPARE(dialog->defaultSuffix(), QString("xml"));
                QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
                // Typed as a person would: a name without extension, in the dialog's folder.
                dialog->setDirectory(QFileInfo(project).absolutePath());
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name);
                name->setText("closing");
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            });
        }
        test::ButtonWithText(w, answer)->click();
    });
    form.close();
    QCOMPARE(text, QString("Project has changed. Do you want to save changes?"));
    QCOMPARE(title, QString("Confirm"));
    buttons.sort();
    QCOMPARE(buttons, QStringList({"&No", "&Yes", "Cancel"}));

    const bool closed = !form.isVisible();
    QCOMPARE(closed, answer != "Cancel");
    QCOMPARE(saveDialogShown, answer == "&Yes");
    QCOMPARE(QFile::exists(project), answer == "&Yes");
    if (answer == "&Yes") {
        QFile saved(project);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("<Caption>Typed, never left</Caption>"));
    }
    // Closing writes the recent-files list and the favourites; a cancelled close writes nothing.
    QCOMPARE(QFile::exists(s.Folder->filePath("menutarvex.dat")), closed);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Korvane", "Tarvex");
    QCOMPARE(settings.contains("Option/WinState"), closed);
    if (!closed) {
        test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
        form.close();
        QVERIFY(!form.isVisible());
    }
}

void TMainWindowTest::WindowSettingsDefaultsAndRoundTrip() {
    {
        // Nothing stored: maximised, normal bounds 600 x 400 at (10, 10), both toolbars shown.
        TStarted s = Start();
        TTarvexForm& form = *s.Form;
        QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QVERIFY(form.FileToolBar()->isVisible());
        QVERIFY(form.CommandsToolBar()->isVisible());
        QCOMPARE(form.CurrentWindowSettings().WinState, 2);
        // The toolbar band: File on the first row, Commands on the second.
        QVERIFY(form.CommandsToolBar()->y() > form.FileToolBar()->y());

        TWindowSettings wanted = TWindowSettings::Defaults();
        wanted.WinState = 0;
        wanted.Width = 900;
        wanted.Heigth = 640;
        wanted.Left = 30;
        wanted.Top = 40;
        wanted.FileToolBarVisible = 0;
        wanted.ObjectsTree = 150;
        wanted.LeftPanel = 320;
        form.ApplyWindowSettings(wanted);
        QTest::qWait(50);
        const TWindowSettings now = form.CurrentWindowSettings();
        QCOMPARE(now.WinState, 0);
        QCOMPARE(now.Width, 900);
        QCOMPARE(now.Heigth, 640);
        QCOMPARE(now.FileToolBarVisible, 0);
        QCOMPARE(now.CommandsToolBarVisible, 1);
        QCOMPARE(now.ObjectsTree, 150);
        QCOMPARE(now.LeftPanel, 320);
        test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
        form.close();
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Korvane", "Tarvex");
    QCOMPARE(settings.value("Option/Width").toString(), QString("900"));
    QCOMPARE(settings.value("Option/Heigth").toString(), QString("640"));
    QCOMPARE(settings.value("Option/FileToolBarVisible").toString(), QString("0"));
    QCOMPARE(settings.value("Option/WinState").toString(), QString("0"));
    QCOMPARE(settings.value("Option/ObjectsTree").toString(), QString("150"));
    settings.setValue("Option/WinState", "9");
    settings.sync();

    // Restarted: the hidden toolbar stays hidden, the bad state gives the normal one.
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QVERIFY(!form.FileToolBar()->isVisible());
    QVERIFY(form.CommandsToolBar()->isVisible());
    QVERIFY(!(form.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)));
    QCOMPARE(form.width(), 900);
    QCOMPARE(form.CurrentWindowSettings().ObjectsTree, 150);
    QCOMPARE(form.CurrentWindowSettings().LeftPanel, 320);

    // The command-bar layout file is ours, written on request, and lists the bars' contents.
    QVERIFY(form.SaveCommandBarLayout());
    QFile layout(s.Folder->filePath("Tarvex.dat"));
    QVERIFY(layout.open(QIODevice::ReadOnly));
    const QByteArray bytes = layout.readAll();
    QVERIFY(bytes.contains("[FileToolBar]"));
    QVERIFY(bytes.contains("Item=UpdatePreviewAction"));
    QVERIFY(bytes.contains("Item=Recent files..."));
    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    form.close();
}

void TMainWindowTest::HintsGoToTheStatusBar() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QStatusTipEvent tip("Update preview window");
    QApplication::sendEvent(&form, &tip);
    QCOMPARE(form.HintPanel()->text(), QString("Update preview window"));
    QVERIFY(form.statusBar()->currentMessage().isEmpty());
    auto* first = form.findChild<QLabel*>("StatusPanel0");
    QVERIFY(first);
    QCOMPARE(first->width(), 50);
    QVERIFY(first->text().isEmpty());
}

QTEST_MAIN(TMainWindowTest)
void TMainWindowTest::FileDialogListsDescriptionsAndAllFiles() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QTemporaryDir files;
    for (const char* name : {"menu.xml", "notes.txt", "README"}) {
        QFile f(files.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    TFileDialogRequest request;
    request.DialogName = "OpenProjectDialog";
    request.Filter = "Tarvex Files (xml)|*.xml|All files|*.*";
    request.DefaultExt = "xml";
    request.InitialName = files.filePath("menu.xml").toStdString();

    QStringList choices;
    auto listed = [](QFileDialog* dialog) {
        QStringList names;
        auto* view = dialog->findChild<QListView*>("listView");
        if (!view || !view->model()) {
            return names;
        }
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row) {
            names << view->model()->index(row, 0, root).data().toString();
        }
        names.sort();
        return names;
    };
    QStringList withProjectFilter, withAllFiles;
    test::OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
        for (int i = 0; combo && i < combo->count(); ++i) {
            choices << combo->itemText(i);
        }
        (void)QTest::qWaitFor([&] { return !listed(dialog).isEmpty(); }, 5000);
        withProjectFilter = listed(dialog);
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        (void)QTest::qWaitFor([&] { return listed(dialog).size() == 3; }, 5000);
        withAllFiles = listed(dialog);
        dialog->reject();
    });
    QCOMPARE(form.OpenFileDialog(request), std::nullopt);
    // The person sees the descriptions as given, and "All files" means every file.
    QCOMPARE(choices, QStringList({"Tarvex Files (xml)", "All files"}));
    QCOMPARE(withProjectFilter, QStringList({"menu.xml"}));
    QCOMPARE(withAllFiles, QStringList({"README", "menu.xml", "notes.txt"}));

    // A name typed into the open dialog comes back even when no such file exists, with the
    // default extension added; reading it is the command's business.
    test::OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (name) {
            name->setText("missing");
        }
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        // Should the dialog refuse the name, it must not stay open.
        QTimer::singleShot(2000, dialog, [dialog] {
            if (QWidget* refusal = QApplication::activeModalWidget(); refusal && refusal != dialog) {
                refusal->close();
            }
            dialog->reject();
        });
    });
    const std::optional<std::string> typed = form.OpenFileDialog(request);
    QVERIFY(typed.has_value());
    QCOMPARE(QFileInfo(QString::fromStdString(*typed)).fileName(), QString("missing.xml"));
    QCOMPARE(QFileInfo(QString::fromStdString(*typed)).absolutePath(),
             QFileInfo(files.path()).absoluteFilePath());
}

#include "MainWindowTest.moc"
