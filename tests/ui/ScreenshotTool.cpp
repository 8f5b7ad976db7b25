// Takes the pictures of the window for the documentation and for looking over the layout: the main
// window with the default project and an open submenu in its preview, and each dialog.
// Usage: tarvex_screenshot <output folder>   (run under xvfb-run; see tools/screenshot.sh)

#include "UiTestSupport.h"

#include "project/ProjectWriter.h"

#include "ui/AboutUnit.h"
#include "ui/CustomizeDialog.h"
#include "ui/EditorTreeView.h"
#include "ui/FoldersScanResultUnit.h"
#include "ui/MainUnit.h"
#include "ui/PropertyGrid.h"
#include "ui/ScriptWarningsUnit.h"
#include "ui/StyleTemplateUnit.h"
#include "ui/TreeModel.h"

#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>

using namespace tarvex;

namespace {

QPixmap Picture(QWidget* widget) {
    QScreen* screen = widget->screen();
    // On a real (or virtual) X display the frame buffer holds what the browser drew.
    if (QGuiApplication::platformName() == "xcb" && screen) {
        return screen->grabWindow(widget->winId());
    }
    return widget->grab();
}

// The window with its frame and whatever popup is open over it; the frame is drawn only where a
// window manager runs (tests/ui/with-window-manager.sh).
bool SaveWithFrame(QWidget* widget, const QString& file) {
    QScreen* screen = widget->screen();
    const bool ok = QGuiApplication::platformName() == "xcb" && screen
                        ? screen->grabWindow(0).copy(widget->frameGeometry()).save(file, "PNG")
                        : widget->grab().save(file, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
    return ok;
}

bool Save(QWidget* widget, const QString& file) {
    const bool ok = Picture(widget).save(file, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
    return ok;
}

QVariant RunJs(QWebEngineView* view, const QString& script) {
    auto result = std::make_shared<QVariant>();
    auto done = std::make_shared<bool>(false);
    view->page()->runJavaScript(script, [result, done](const QVariant& v) {
        *result = v;
        *done = true;
    });
    (void)QTest::qWaitFor([&] { return *done; }, 10000);
    return *result;
}

} // namespace

// The shop sample: an entry's rows with the Icon row's pick list open, and the main menu's options.
void SaveRichRows(TTarvexForm& form, const QString& out) {
    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    form.Editor().Files().LoadProject(TARVEX_SOURCE_DIR "/data/samples/shop.xml");
    TTarvexEditor& editor = form.Editor();
    editor.SelectObjectNode(editor.Project().Objects.Root(1));
    QTest::qWait(500);
    TPropertyGrid* grid = form.Widgets().MenuItemValueEditor;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        if (grid->model()->index(row, 0).data().toString() == "Icon") {
            grid->EditRow(row);
        }
    }
    QTest::qWait(200);
    for (QComboBox* combo : grid->viewport()->findChildren<QComboBox*>()) {
        if (combo->isVisible()) {
            combo->showPopup();
        }
    }
    QTest::qWait(500);
    Save(&form, out + "/rich-rows.png");
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    editor.SelectObjectNode(editor.Project().Objects.Root(0));
    QTest::qWait(500);
    Save(&form, out + "/main-menu-options.png");
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tarvex_screenshot <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    auto folder = test::MakeAppFolder({"Ocean", "Classic grey"});
    TTarvexForm form(folder->path());
    form.CreateSecondaryForms();
    TStyleTemplateForm* styles = form.Widgets().StyleTemplateForm;
    test::OnNextModal([&](QWidget*) {
        QTest::qWait(300);
        Save(styles, out + "/style-template.png");
        styles->InsertButton()->click();
    });
    form.show();
    if (!QTest::qWaitFor([&] { return form.StartupDone(); }, 30000)) {
        std::fprintf(stderr, "the window did not start\n");
        return 1;
    }
    TWindowSettings place = TWindowSettings::Defaults();
    place.WinState = 0;
    place.Width = 980;
    place.Heigth = 600;
    place.Left = 0;
    place.Top = 0;
    place.ObjectsTree = 150;
    form.WindowSettings().Apply(place);

    TEditorTreeView* tree = form.Widgets().ObjectsTreeView;
    tree->expandAll();
    const QModelIndex group = tree->model()->index(1, 0);
    tree->setCurrentIndex(group);

    QWebEngineView* preview = form.Widgets().PreviewWebBrowser;
    (void)QTest::qWaitFor(
        [&] {
            return RunJs(preview, "document.body ? document.body.textContent : ''")
                .toString()
                .contains("Menu");
        },
        20000);
    QTest::qWait(500);
    // Hover the group's entry so that its submenu is open in the picture.
    const QVariantList rect =
        RunJs(preview, "(function(){var all=document.querySelectorAll('a,span,div,td');"
                       "for(var i=0;i<all.length;i++){var e=all[i];"
                       "if(e.textContent.replace(/\\u00a0/g,' ').trim()==='Menu group name'){"
                       "var r=e.getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];}}"
                       "return [];})()")
            .toList();
    if (rect.size() == 2) {
        QWidget* target = preview->focusProxy() ? preview->focusProxy() : preview;
        const QPoint at(static_cast<int>(rect[0].toDouble()), static_cast<int>(rect[1].toDouble()));
        QTest::mouseMove(target, at - QPoint(20, 0));
        QTest::qWait(100);
        QTest::mouseMove(target, at);
        QTest::qWait(800);
    }
    Save(&form, out + "/main-window.png");

    form.Widgets().ControlsPageControl->setCurrentIndex(1);
    form.Widgets().MenuStyleTreeView->setCurrentIndex(form.Widgets().MenuStyleTreeView->model()->index(0, 0));
    QTest::qWait(500);
    Save(&form, out + "/main-window-styles.png");
    form.Widgets().ControlsPageControl->setCurrentIndex(0);

    form.Widgets().AboutForm->show();
    QTest::qWait(300);
    Save(form.Widgets().AboutForm, out + "/about.png");
    form.Widgets().AboutForm->hide();

    TFavoriteEntry root;
    root.Text = "Favorities";
    for (const char* name : {"News", "Tools"}) {
        TFavoriteEntry f;
        f.Kind = TFavoriteEntry::TKind::Folder;
        f.Text = name;
        f.Path = folder->path().toStdString();
        TFavoriteEntry link;
        link.Kind = TFavoriteEntry::TKind::Shortcut;
        link.Text = std::string(name) + " daily";
        link.Path = folder->filePath("x.url").toStdString();
        f.Children.push_back(link);
        root.Children.push_back(f);
    }
    form.Widgets().FoldersScanResultForm->Fill(&root);
    form.Widgets().FoldersScanResultForm->show();
    QTest::qWait(300);
    Save(form.Widgets().FoldersScanResultForm, out + "/folders.png");
    form.Widgets().FoldersScanResultForm->hide();

    // A caption changed and about to be taken back: the Edit menu names the step, the title
    // marks the changed design.
    {
        TTarvexEditor& editor = form.Editor();
        editor.SelectObjectNode(editor.Project().Objects.Root(1));
        editor.SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Products");
        editor.SelectObjectNode(editor.Project().Objects.Root(0));
        QMenuBar* bar = form.menuBar();
        form.activateWindow();
        bar->setActiveAction(bar->actions().at(1));
        QTest::qWait(500);
        SaveWithFrame(&form, out + "/edit-menu.png");
        bar->actions().at(1)->menu()->hide();
        // The objects tree's context menu over the tree it works on.
        QWidget* tree = form.Widgets().ObjectsTreeView;
        form.Widgets().MenuCreatorPopup->popup(tree->mapToGlobal(QPoint(40, 30)));
        QTest::qWait(500);
        SaveWithFrame(&form, out + "/tree-context-menu.png");
        form.Widgets().MenuCreatorPopup->hide();
    }

    form.UserInterface().ShowCustomizeDialog();
    QTest::qWait(300);
    Save(form.Widgets().CustomizeDialog, out + "/customize.png");
    form.Widgets().CustomizeDialog->hide();

    // A design whose style names cannot be script names: the status bar offers the warnings.
    {
        TProject project;
        TMenuStyleRec style;
        FillDefaultStyle(style);
        AppendStyleNode(project, "3D look", style);
        AppendStyleNode(project, "location", style);
        TMenuOptionsRec options;
        FillDefaultMenuOptions(project, options, nullptr);
        options.MenuStyle = "3D look";
        options.ImagePosition = "above";
        AppendOptionsNode(project, nullptr, options);
        TMenuItemRec item;
        FillDefaultMenuItem(item);
        item.Caption = "Home";
        AppendItemNode(project, nullptr, TNodeKind::MenuItem, item);
        const QString path = folder->filePath("warnings.xml");
        SaveProjectFile(project, path.toStdString());
        test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
        form.Editor().Files().LoadProject(path.toStdString());
        QTest::qWait(500);
        form.Widgets().ScriptWarningsButton->click();
        QTest::qWait(300);
        Save(&form, out + "/main-window-warnings.png");
        Save(form.Widgets().ScriptWarningsForm, out + "/script-warnings.png");
        form.Widgets().ScriptWarningsForm->hide();
    }

    // Publish asks what the pages will load.
    const std::function<void(QWidget*)> publishOutput = [&](QWidget* w) {
        // The question about the design's errors comes first.
        if (test::ButtonWithText(w, "&Yes")) {
            test::OnNextModal(publishOutput);
            test::ButtonWithText(w, "&Yes")->click();
            return;
        }
        QTest::qWait(300);
        Save(w, out + "/publish-output.png");
        static_cast<QDialog*>(w)->reject();
    };
    test::OnNextModal(publishOutput);
    form.Widgets().Action(TActionId::PublishAction)->trigger();

    // New, and Cancel at the Style template: the preview says where a style comes from.
    test::OnNextModal([&](QWidget*) {
        test::OnNextModal([](QWidget* box) { test::ButtonWithText(box, "OK")->click(); });
        QTest::qWait(300);
        Save(styles, out + "/style-template-behind.png");
        SaveWithFrame(&form, out + "/style-template-title.png");
        styles->CancelButton()->click();
    });
    form.Widgets().Action(TActionId::NewAction)->trigger();
    QTest::qWait(1500);
    Save(&form, out + "/main-window-no-style.png");

    SaveRichRows(form, out);

    // The design just opened is unchanged: the window closes without the save question.
    form.close();
    return 0;
}
