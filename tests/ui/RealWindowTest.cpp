// The main window on a real X display under a window manager, driven by real input events: what
// the offscreen platform cannot show (frames added by the window manager, typing straight after a
// click, the program killed and started again). Run by with-window-manager.sh.

#include "RealWindowDriver.h"
#include "UiTestSupport.h"

#include "ui/EditorTreeView.h"
#include "ui/MainUnit.h"
#include "ui/PropertyGrid.h"
#include "ui/StyleTemplateUnit.h"
#include "ui/TreeModel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <functional>

using namespace tarvex;
using namespace tarvex::realwindow;

class TRealWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void GeometryIsRestoredAsStored();
    void KeysTypedRightAfterAClickReachTheCell();
    void EscapeInSaveAsAfterYesKeepsTheWindow();
    void ShortcutsWorkRightAfterAMenuWasClosed();
    void ACopyInOneWindowPastesInAnotherProgram();
    void TheFirstStartLaysTheWindowOutForTheWork();
    void ACaptionTypedBeforeAKillIsRecovered();

private:
    QTemporaryDir m_settingsDir;
};

void TRealWindowTest::initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == "xcb", "needs a real X display (with-window-manager.sh)");
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
}

void TRealWindowTest::GeometryIsRestoredAsStored() {
    // Normal state: three starts in a row leave the bounds exactly as they were.
    Store({{"Left", 100}, {"Top", 120}, {"Width", 900}, {"Heigth", 600}, {"WinState", 0}});
    for (int start = 0; start < 3; ++start) {
        TRun run = Start();
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->StartupDone(), 30000);
        // Framed by the window manager: the title bar lies above the client area, on screen.
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->frameGeometry().top() < run.Form->geometry().top(), 10000);
        QCOMPARE(run.Form->geometry(), QRect(100, 120, 900, 600));
        QVERIFY(run.Form->frameGeometry().top() >= 0);
        Close(run);
        QCOMPARE(Stored("Left"), 100);
        QCOMPARE(Stored("Top"), 120);
        QCOMPARE(Stored("Width"), 900);
        QCOMPARE(Stored("Heigth"), 600);
    }

    // Maximised comes back maximised, and going back to normal gives the stored bounds.
    Store({{"Left", 100}, {"Top", 120}, {"Width", 900}, {"Heigth", 600}, {"WinState", 2}});
    {
        TRun run = Start();
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->StartupDone(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->isMaximized(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->width() > 1200, 10000);
        run.Form->showNormal();
        QTRY_COMPARE_WITH_TIMEOUT(run.Form->geometry(), QRect(100, 120, 900, 600), 10000);
        run.Form->showMaximized();
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->isMaximized(), 10000);
        Close(run);
        QCOMPARE(Stored("WinState"), 2);
        QCOMPARE(Stored("Width"), 900);
    }

    // A monitor that is gone, and a size larger than the screen: brought whole onto the screen.
    Store({{"Left", 5000}, {"Top", -3000}, {"Width", 4000}, {"Heigth", 700}, {"WinState", 0}});
    {
        TRun run = Start();
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->StartupDone(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(run.Form->frameGeometry().top() < run.Form->geometry().top(), 10000);
        const QRect screen = run.Form->screen()->availableGeometry();
        QTRY_VERIFY2_WITH_TIMEOUT(screen.contains(run.Form->frameGeometry()),
                                  qPrintable(QString("%1,%2 %3x%4")
                                                 .arg(run.Form->frameGeometry().x())
                                                 .arg(run.Form->frameGeometry().y())
                                                 .arg(run.Form->frameGeometry().width())
                                                 .arg(run.Form->frameGeometry().height())),
                                  10000);
        QCOMPARE(run.Form->height(), 700);
        Close(run);
    }
}

void TRealWindowTest::KeysTypedRightAfterAClickReachTheCell() {
    Store({{"Left", 40}, {"Top", 60}, {"Width", 1000}, {"Heigth", 700}, {"WinState", 0}});
    TRun run = Start();
    TTarvexForm& form = *run.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), 10000);
    TEditorTreeView* tree = form.Widgets().ObjectsTreeView;
    TTreeModel* model = tree->TreeModel();
    // The default design's main menu: Menu Options, then its first group.
    const QModelIndex group = model->index(1, 0);
    tree->setCurrentIndex(group);
    QTRY_COMPARE(form.Editor().SelectedObject(), TTreeModel::NodeOf(group));

    // The Caption cell is the grid's current cell, but the keyboard is back in the tree.
    TPropertyGrid* grid = form.Widgets().MenuItemValueEditor;
    const QModelIndex caption =
        grid->model()->index(form.Editor().Objects().MenuItemValueEditor().FindRow("Caption"), 1);
    grid->setFocus();
    grid->setCurrentIndex(caption);
    tree->setFocus();
    QTRY_VERIFY(tree->hasFocus());
    QTRY_VERIFY(!grid->IsEditing());

    const QPoint at = grid->viewport()->mapToGlobal(grid->visualRect(caption).center());
    XdoTool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1", "type",
             "--delay", "15", "About us"});
    // Every key reached the cell, whose typing is its own until it is confirmed.
    const auto cellText = [grid] {
        for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>()) {
            if (e->isVisible()) {
                return e->text();
            }
        }
        return QString();
    };
    QTRY_COMPARE(cellText(), QString("About us"));
    QCOMPARE(caption.data().toString(), QString("Menu group name"));

    // Escape drops the typing: nothing of it reached the design.
    XdoTool({"key", "Escape"});
    QTRY_VERIFY(!grid->IsEditing());
    QCOMPARE(caption.data().toString(), QString("Menu group name"));
    QCOMPARE(TTreeModel::NodeOf(group)->Item().Caption.str(), std::string("Menu group name"));
    Close(run);
}

void TRealWindowTest::EscapeInSaveAsAfterYesKeepsTheWindow() {
    Store({{"Left", 40}, {"Top", 60}, {"Width", 1000}, {"Heigth", 700}, {"WinState", 0}});
    TRun run = Start();
    TTarvexForm& form = *run.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), 10000);
    form.Widgets().ObjectsTreeView->setCurrentIndex(form.Widgets().ObjectsTreeView->TreeModel()->index(1, 0));
    QTRY_VERIFY(form.Editor().SelectedObject() != nullptr);
    TPropertyGrid* grid = form.Widgets().MenuItemValueEditor;
    const QModelIndex caption =
        grid->model()->index(form.Editor().Objects().MenuItemValueEditor().FindRow("Caption"), 1);
    const QPoint at = grid->viewport()->mapToGlobal(grid->visualRect(caption).center());
    XdoTool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1", "type",
             "--delay", "15", "Kept"});
    // The typed caption is the open cell's; the close confirms it, and the design has changed.
    QTRY_VERIFY([grid] {
        for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>()) {
            if (e->isVisible() && e->text() == QLatin1String("Kept")) {
                return true;
            }
        }
        return false;
    }());

    // The window manager's close, the question answered with its access key, Escape in Save as.
    bool askedToSave = false;
    bool saveAsShown = false;
    test::OnNextModal([&](QWidget* box) {
        askedToSave = qobject_cast<QMessageBox*>(box) != nullptr;
        test::OnNextModal([&](QWidget* dialog) {
            saveAsShown = qobject_cast<QFileDialog*>(dialog) != nullptr;
            QTRY_VERIFY(dialog->isActiveWindow());
            XdoTool({"key", "Escape"});
        });
        QTRY_VERIFY(box->isActiveWindow());
        XdoTool({"key", "alt+y"});
    });
    XdoTool({"key", "alt+F4"});
    QTRY_VERIFY_WITH_TIMEOUT(saveAsShown, 20000);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(askedToSave);
    QVERIFY(form.isVisible());
    QVERIFY2(form.windowTitle().startsWith("Untitled*"), qPrintable(form.windowTitle()));
    Close(run);
}

void TRealWindowTest::ShortcutsWorkRightAfterAMenuWasClosed() {
    Store({{"Left", 40}, {"Top", 60}, {"Width", 1000}, {"Heigth", 700}, {"WinState", 0}});
    QString project;
    TRun run = StartWithProject(project);
    TTarvexForm& form = *run.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), 10000);
    QCOMPARE(QString::fromStdString(form.Editor().ProjectFileName()), project);
    TEditorTreeView* tree = form.Widgets().ObjectsTreeView;
    TTreeModel* model = tree->TreeModel();
    tree->setFocus();
    tree->setCurrentIndex(model->index(1, 0));
    QTRY_COMPARE(model->index(1, 0).data().toString(), QString("Home"));
    QTRY_COMPARE(form.Editor().SelectedObject(), TTreeModel::NodeOf(model->index(1, 0)));
    // Alt+Down moves the selected item below the next one.
    XdoTool({"key", "alt+Down"});
    QTRY_COMPARE(model->index(2, 0).data().toString(), QString("Home"));
    // After a menu opened with its access key and closed with Escape, each shortcut is its
    // command's at once: Save writes the new order, Undo takes it back, the others ask.
    auto* fileMenu = form.menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
    QVERIFY(fileMenu);
    struct TShortcut {
        const char* Key;
        std::function<bool()> Done;
        const char* Dialog;
    };
    const std::vector<TShortcut> shortcuts = {
        {"ctrl+s", [&] { return !form.Editor().Modified() && SavedBefore(project, "Products", "Home"); },
         nullptr},
        {"ctrl+z", [&] { return form.Editor().Modified() && model->index(1, 0).data() == "Home"; }, nullptr},
        {"ctrl+n", {}, "Confirm"},
        {"ctrl+g", {}, "Create new group"},
        {"ctrl+j", {}, "Create new style"},
    };
    for (const TShortcut& shortcut : shortcuts) {
        if (QByteArray(shortcut.Key) == "ctrl+j") { // New style belongs to the styles page.
            form.Widgets().ControlsPageControl->setCurrentIndex(1);
        }
        QString asked;
        std::shared_ptr<bool> shown;
        if (shortcut.Dialog) {
            shown = test::OnNextModal([&asked](QWidget* dialog) {
                asked = dialog->windowTitle();
                dialog->close();
            });
        }
        XdoTool({"key", "alt+f"});
        QTRY_VERIFY(fileMenu->isVisible());
        XdoTool({"key", "Escape"});
        QTRY_VERIFY(!fileMenu->isVisible());
        XdoTool({"key", shortcut.Key});
        if (shortcut.Dialog) {
            QTRY_VERIFY2_WITH_TIMEOUT(*shown, shortcut.Key, 10000);
            QCOMPARE(asked, QString(shortcut.Dialog));
        } else {
            QTRY_VERIFY2_WITH_TIMEOUT(shortcut.Done(), shortcut.Key, 10000);
        }
    }
    Close(run);
}

void TRealWindowTest::ACopyInOneWindowPastesInAnotherProgram() {
    Store({{"Left", 40}, {"Top", 60}, {"Width", 1000}, {"Heigth", 700}, {"WinState", 0}});
    TRun run = Start();
    TTarvexForm& form = *run.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), 10000);
    TEditorTreeView* tree = form.Widgets().ObjectsTreeView;
    tree->setFocus();
    tree->setCurrentIndex(tree->TreeModel()->index(1, 0));
    QTRY_COMPARE(form.Editor().SelectedObject(), TTreeModel::NodeOf(tree->TreeModel()->index(1, 0)));
    XdoTool({"key", "ctrl+c"});
    QTRY_VERIFY(QGuiApplication::clipboard()->text().contains("Menu group name"));

    // The second program runs from a folder of its own, with settings of its own, on a project
    // named on its command line.
    auto other = test::MakeAppFolder();
    const QString project = other->filePath("site.xml");
    QVERIFY(QFile::copy(QStringLiteral(TARVEX_APP_DIR) + "/samples/sample.xml", project));
    QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);
    const QString program = other->filePath("tarvex");
    QVERIFY(QFile::copy(QStringLiteral(TARVEX_APP_DIR) + "/tarvex", program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", other->filePath("config"));
    environment.insert("XDG_DATA_HOME", other->filePath("data"));
    second.setProcessEnvironment(environment);
    second.start(program, {project});
    QVERIFY(second.waitForStarted(30000));
    // Found without blocking: this program must answer the second one's request for the clipboard.
    QString window;
    QTRY_VERIFY2_WITH_TIMEOUT(
        !(window = XdoToolOutput({"search", "--onlyvisible", "--pid", QString::number(second.processId()),
                                  "--name", "site.xml"})
                       .section('\n', 0, 0))
             .isEmpty(),
        "the second window did not appear", 60000);
    XdoTool({"windowactivate", "--sync", window});
    // Its last root group selected, the paste lands after it; the save writes it.
    QTRY_COMPARE_WITH_TIMEOUT(XdoToolOutput({"getactivewindow"}), window, 10000);
    XdoTool({"key", "End", "ctrl+v", "ctrl+s"});
    QTRY_VERIFY_WITH_TIMEOUT(ReadAll(project).contains("<Caption>Menu group name</Caption>"), 20000);
    QVERIFY(ReadAll(project).contains("<Caption>Contact us</Caption>"));
    XdoTool({"key", "alt+F4"});
    if (!second.waitForFinished(30000)) {
        second.kill();
        second.waitForFinished(10000);
    }
    Close(run);
}

void TRealWindowTest::TheFirstStartLaysTheWindowOutForTheWork() {
    Store({});
    TRun run;
    run.Folder = test::MakeAppFolder();
    run.Form = std::make_unique<TTarvexForm>(run.Folder->path());
    TTarvexForm& form = *run.Form;
    form.CreateSecondaryForms();
    TStyleTemplateForm* dialog = form.Widgets().StyleTemplateForm;
    bool checked = false;
    // The window manager maximises the window only after the dialog came: it follows.
    const auto shown = test::OnNextModal([&](QWidget*) {
        QTRY_VERIFY_WITH_TIMEOUT(form.isMaximized(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(
            (dialog->frameGeometry().center() - form.frameGeometry().center()).manhattanLength() <= 8, 10000);
        checked = dialog->ShowAtStartupCheckBox()->isVisible() && dialog->ShowAtStartup();
        dialog->InsertButton()->click();
    });
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QVERIFY(*shown);
    QVERIFY(checked);
    const QSplitter* objects = form.Widgets().ObjectsSplitter;
    QTRY_VERIFY(objects->sizes().at(0) >= objects->sizes().at(1));

    // Where Tab takes the keyboard out of the grid, the control shows that it has it.
    QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), 10000);
    TPropertyGrid* grid = form.Widgets().MenuValueList;
    form.Widgets().ObjectsTreeView->setCurrentIndex(form.Widgets().ObjectsTreeView->TreeModel()->index(0, 0));
    QTRY_VERIFY(grid->isVisible());
    grid->EditRow(grid->model()->rowCount() - 1);
    QTRY_VERIFY(grid->IsEditing());
    XdoTool({"key", "Tab"});
    QTRY_VERIFY(QApplication::focusWidget() && !grid->isAncestorOf(QApplication::focusWidget()) &&
                QApplication::focusWidget() != grid);
    QWidget* focused = QApplication::focusWidget();
    const QImage withFocus = focused->grab().toImage();
    form.Widgets().ObjectsTreeView->setFocus();
    QTRY_VERIFY(!focused->hasFocus());
    QVERIFY2(focused->grab().toImage() != withFocus, qPrintable(focused->objectName()));
    // The tree's frame shows it too: its own current node is drawn alike with and without it.
    TEditorTreeView* tree = form.Widgets().ObjectsTreeView;
    const auto frame = [tree] { return tree->grab().toImage().pixel(1, tree->height() / 2); };
    const QRgb treeWithFocus = frame();
    grid->setFocus();
    QTRY_VERIFY(!tree->hasFocus());
    QVERIFY(frame() != treeWithFocus);
    Close(run);
}

void TRealWindowTest::ACaptionTypedBeforeAKillIsRecovered() {
    Store({{"Left", 40}, {"Top", 60}, {"Width", 1000}, {"Heigth", 700}, {"WinState", 0}});
    // The program itself, beside data of its own: it takes its own folder as the application folder.
    auto folder = test::MakeAppFolder();
    const QString program = folder->filePath("tarvex");
    QVERIFY(QFile::copy(QStringLiteral(TARVEX_APP_DIR "/tarvex"), program));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    const QString project = folder->filePath("site.xml");
    QVERIFY(QFile::copy(QStringLiteral(TARVEX_APP_DIR "/samples/sample.xml"), project));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The settings this test stores are the program's.
    environment.insert("XDG_CONFIG_HOME", m_settingsDir.path());
    QProcess first, second;
    for (QProcess* run : {&first, &second}) {
        run->setProcessEnvironment(environment);
        run->setStandardOutputFile(QProcess::nullDevice());
        run->setStandardErrorFile(QProcess::nullDevice());
    }
    const auto stop = qScopeGuard([&] {
        first.kill();
        second.kill();
        first.waitForFinished(10000);
        second.waitForFinished(10000);
    });

    first.start(program, {project});
    // The project is open and the keyboard in its tree: the first entry's caption, typed and confirmed.
    PressIn("^site\\.xml ", {"Home", "Down", "F2"});
    XdoTool({"type", "--delay", "20", "Kept after a crash"});
    XdoTool({"key", "Return"});
    const QDir recovery(folder->filePath("recovery"));
    QTRY_VERIFY_WITH_TIMEOUT(!recovery.entryList(QDir::Files).isEmpty(), 30000);
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(!FileBytes(project).contains("Kept after a crash"));

    // Started again: Recover is the default answer, and Save writes the project it came from.
    second.start(program, QStringList());
    PressIn("^Confirm$", {"Return"});
    PressIn("^site\\.xml\\*", {"ctrl+s"});
    QTRY_VERIFY_WITH_TIMEOUT(FileBytes(project).contains("Kept after a crash"), 30000);
    PressIn("^site\\.xml ", {"alt+F4"});
    QVERIFY(second.waitForFinished(30000));
    QVERIFY(recovery.entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(TRealWindowTest)
#include "RealWindowTest.moc"
