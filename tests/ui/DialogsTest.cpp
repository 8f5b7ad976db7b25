// The secondary windows: About box, insert-favourite-style dialog, favourites-folder dialog, Customize;
// and the commands Customize offers: each with its own icon and keys.

#include "UiTestSupport.h"
#include "editor/CommandTable.h"

#include "ui/AboutUnit.h"
#include "ui/CustomizeDialog.h"
#include "ui/FoldersScanResultUnit.h"
#include "ui/MainUnit.h"
#include "ui/StyleTemplateUnit.h"
#include "ui/TarvexIcons.h"
#include "ui/WindowLanguage.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <map>

using namespace tarvex;

class TDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void AboutBox();
    void StyleTemplateLayoutAndPreview();
    void StyleTemplateAnswers();
    void FoldersDialogListsAndReturnsTheChoice();
    void CustomizeShowsBarsAndCommandsAndTakesDrops();
    void EachCommandHasItsOwnIconAndKeys();
    void LanguageFollowsChoiceThenDesktop_data();
    void LanguageFollowsChoiceThenDesktop();
    void LanguageMenuKeepsTheChoice();
};

void TDialogsTest::AboutBox() {
    TAboutForm about;
    QCOMPARE(about.windowTitle(), QString("About Korvane Product"));
    QCOMPARE(about.size(), QSize(371, 256));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.TitleLabel()->text(), QString("Korvane Tarvex 1.3"));
    const QFont font = about.TitleLabel()->font();
    QCOMPARE(font.family(), QString("Times New Roman"));
    QCOMPARE(font.pixelSize(), 19);
    QVERIFY(font.bold() && font.italic());
    QVERIFY(about.NoteMemo()->isReadOnly());
    QVERIFY(about.NoteMemo()->toPlainText().contains("korvane.example"));
    QCOMPARE(about.OkButton()->text(), QString("OK"));
    QVERIFY(about.OkButton()->geometry().right() > 371 - 20);
    QVERIFY(about.OkButton()->geometry().top() >= 217);
    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "OK")->click(); });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
}

void TDialogsTest::StyleTemplateLayoutAndPreview() {
    TStyleTemplateForm form;
    QCOMPARE(form.windowTitle(), QString("Style template"));
    QCOMPARE(form.size(), QSize(434, 278));
    QCOMPARE(form.StylesListBox()->geometry(), QRect(8, 24, 169, 209));
    QCOMPARE(form.findChild<QFrame*>("Panel1")->geometry(), QRect(184, 24, 241, 209));
    QCOMPARE(form.findChild<QFrame*>("Bevel1")->geometry().height(), 241);
    QCOMPARE(form.findChild<QLabel*>("Label1")->text(), QString("Favorites styles"));
    QCOMPARE(form.findChild<QLabel*>("Label1")->pos(), QPoint(8, 8));
    QCOMPARE(form.findChild<QLabel*>("Label2")->text(), QString("Preview"));
    QCOMPARE(form.findChild<QLabel*>("Label2")->pos(), QPoint(184, 8));
    QCOMPARE(form.InsertButton()->geometry(), QRect(264, 248, 75, 25));
    QCOMPARE(form.InsertButton()->text(), QString("Insert"));
    QCOMPARE(form.CancelButton()->geometry(), QRect(352, 248, 75, 25));
    QCOMPARE(form.CancelButton()->text(), QString("Cancel"));

    // A bitmap larger than the panel is drawn unscaled; a missing one leaves the preview empty.
    QTemporaryDir dir;
    QImage big(400, 300, QImage::Format_RGB32);
    big.fill(Qt::red);
    const QString bmp = dir.filePath("Blue.bmp");
    QVERIFY(big.save(bmp, "BMP"));
    std::vector<TStyleTemplateEntry> entries = {{"Blue", bmp.toStdString()},
                                                {"Missing", dir.filePath("Missing.bmp").toStdString()},
                                                {"Third", bmp.toStdString()}};
    QSize shown;
    bool emptyForMissing = false;
    test::OnNextModal([&](QWidget*) {
        QCOMPARE(form.StylesListBox()->count(), 3);
        QCOMPARE(form.StylesListBox()->currentRow(), 0);
        shown = form.PreviewImage()->pixmap().size();
        form.StylesListBox()->setCurrentRow(1);
        emptyForMissing = form.PreviewImage()->pixmap().isNull();
        form.StylesListBox()->setCurrentRow(2);
        form.InsertButton()->click();
    });
    QCOMPARE(form.Execute(entries), std::optional<int>(2));
    QCOMPARE(shown, QSize(400, 300));
    QVERIFY(!form.PreviewImage()->hasScaledContents());
    QVERIFY(form.PreviewImage()->width() < 241);
    QVERIFY(emptyForMissing);
}

void TDialogsTest::StyleTemplateAnswers() {
    TStyleTemplateForm form;
    const std::vector<TStyleTemplateEntry> entries = {{"One", ""}, {"Two", ""}};
    test::OnNextModal([&](QWidget*) { form.CancelButton()->click(); });
    QCOMPARE(form.Execute(entries), std::nullopt);
    test::OnNextModal([&](QWidget* w) { w->close(); });
    QCOMPARE(form.Execute(entries), std::nullopt);
    // Insert with an empty list adds nothing.
    test::OnNextModal([&](QWidget*) { form.InsertButton()->click(); });
    QCOMPARE(form.Execute({}), std::nullopt);
    // The list is rebuilt every time; the first entry is preselected.
    test::OnNextModal([&](QWidget*) { form.InsertButton()->click(); });
    QCOMPARE(form.Execute(entries), std::optional<int>(0));
    QCOMPARE(form.StylesListBox()->count(), 2);
}

void TDialogsTest::FoldersDialogListsAndReturnsTheChoice() {
    TFoldersScanResultForm form;
    QCOMPARE(form.windowTitle(), QString("Select Favorities Folder"));
    QCOMPARE(form.size(), QSize(409, 271));
    QCOMPARE(form.ResultListView()->geometry(), QRect(0, 0, 409, 233));
    QCOMPARE(form.OkButton()->geometry(), QRect(240, 240, 75, 25));
    QCOMPARE(form.CancelButton()->geometry(), QRect(328, 240, 75, 25));
    QVERIFY(form.OkButton()->isDefault());

    QTemporaryDir dir;
    TFavoriteEntry root;
    root.Text = "Favorities";
    TFavoriteEntry news;
    news.Kind = TFavoriteEntry::TKind::Folder;
    news.Text = "News";
    news.Path = dir.path().toStdString();
    TFavoriteEntry link;
    link.Kind = TFavoriteEntry::TKind::Shortcut;
    link.Text = "Daily";
    link.Path = dir.filePath("Daily.url").toStdString();
    TFavoriteEntry deeper;
    deeper.Kind = TFavoriteEntry::TKind::Folder;
    deeper.Text = "Deeper";
    news.Children = {link, deeper};
    root.Children = {news};
    form.Fill(&root);

    QTreeWidget* tree = form.ResultListView();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree->topLevelItem(0);
    QCOMPARE(top->text(0), QString("Favorities"));
    QVERIFY(top->isExpanded());
    QCOMPARE(top->child(0)->text(0), QString("News"));
    QVERIFY(!top->child(0)->isExpanded());
    QCOMPARE(top->child(0)->child(0)->text(0), QString("Daily"));
    QVERIFY(!top->child(0)->icon(0).isNull());

    const TFavoriteEntry* chosen = nullptr;
    test::OnNextModal([&](QWidget*) {
        tree->setCurrentItem(top->child(0));
        form.OkButton()->click();
    });
    QVERIFY(form.Execute());
    chosen = form.SelectedEntry();
    QCOMPARE(chosen, &root.Children[0]);

    test::OnNextModal([&](QWidget*) {
        tree->clearSelection();
        form.OkButton()->click();
    });
    QVERIFY(form.Execute());
    QCOMPARE(form.SelectedEntry(), nullptr);

    test::OnNextModal([&](QWidget*) { form.CancelButton()->click(); });
    QVERIFY(!form.Execute());

    // Nothing found: an empty tree.
    form.Fill(nullptr);
    QCOMPARE(tree->topLevelItemCount(), 0);
}

void TDialogsTest::CustomizeShowsBarsAndCommandsAndTakesDrops() {
    QMainWindow window;
    auto* file = new QToolBar("File", &window);
    auto* commands = new QToolBar("Commands", &window);
    window.addToolBar(file);
    window.addToolBar(commands);
    QMenu* help = window.menuBar()->addMenu("&Help");
    std::vector<QAction*> actions;
    for (const auto& [name, category] :
         std::vector<std::pair<QString, QString>>{{"NewAction", "File"},
                                                  {"OpenAction", "File"},
                                                  {"ImportWinFavoritAction", "Import"},
                                                  {"AboutAction", "Help"}}) {
        auto* a = new QAction(name, &window);
        a->setObjectName(name);
        a->setProperty("category", category);
        a->setStatusTip(name + " hint");
        a->setShortcut(name == "NewAction" ? QKeySequence("Ctrl+N") : QKeySequence());
        actions.push_back(a);
    }
    file->addAction(actions[0]);
    file->addAction(actions[1]);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    TCustomizeDialog dialog(actions, {file, commands}, window.menuBar(), &window);
    QCOMPARE(dialog.ToolBarList()->count(), 2);
    QCOMPARE(dialog.ToolBarList()->item(0)->text(), QString("File"));
    QCOMPARE(dialog.ToolBarList()->item(0)->checkState(), Qt::Checked);
    dialog.ToolBarList()->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(!commands->isVisible());
    dialog.ToolBarList()->item(1)->setCheckState(Qt::Checked);
    QVERIFY(commands->isVisible());

    QStringList categories;
    for (int i = 0; i < dialog.CategoryList()->count(); ++i) {
        categories << dialog.CategoryList()->item(i)->text();
    }
    QCOMPARE(categories, QStringList({"File", "Import", "Help"}));
    dialog.CategoryList()->setCurrentRow(1);
    QCOMPARE(dialog.CommandList()->count(), 1);
    QCOMPARE(dialog.CommandList()->item(0)->text(), QString("ImportWinFavoritAction"));

    // Dropping the import command onto the File toolbar, before its second button.
    QMimeData data;
    data.setData(TCustomizeDialog::ActionMimeType, "ImportWinFavoritAction");
    const QPoint onOpen = file->widgetForAction(actions[1])->geometry().center();
    QDragEnterEvent enter(onOpen, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(file, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(onOpen, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(file, &drop);
    QCOMPARE(file->actions().size(), 3);
    QCOMPARE(file->actions().at(1), actions[2]);

    // ... and onto the Help menu's title.
    const QPoint onHelp = window.menuBar()->actionGeometry(help->menuAction()).center();
    QDragEnterEvent menuEnter(onHelp, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.menuBar(), &menuEnter);
    QVERIFY(menuEnter.isAccepted());
    QDropEvent menuDrop(onHelp, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.menuBar(), &menuDrop);
    QCOMPARE(help->actions().size(), 1);
    QCOMPARE(help->actions().front(), actions[2]);

    // Options: shortcut keys in tips, large icons.
    dialog.ShortcutsInTipsBox()->setChecked(true);
    QVERIFY(actions[0]->toolTip().startsWith("NewAction hint ("));
    dialog.ShortcutsInTipsBox()->setChecked(false);
    QCOMPARE(actions[0]->toolTip(), QString("NewAction hint"));
    dialog.LargeIconsBox()->setChecked(true);
    QCOMPARE(file->iconSize(), QSize(24, 24));
}

void TDialogsTest::EachCommandHasItsOwnIconAndKeys() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    QCOMPARE(int(form.Widgets().Actions.size()), ActionCount);
    std::map<QKeySequence, QString> owners;
    for (const QAction* action : form.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const auto [at, added] = owners.emplace(key, action->objectName());
            QVERIFY2(added,
                     qPrintable(key.toString() + " is on " + at->second + " and " + action->objectName()));
        }
    }
    QCOMPARE(owners[QKeySequence("Ctrl+S")], QString("SaveAction"));
    // Found by name, not by table order: a command inserted anywhere must not shift the pictures.
    for (const TCommand& command : Commands()) {
        const QString name = QString::fromUtf8(command.Name.data(), qsizetype(command.Name.size()));
        const QAction* action = form.findChild<QAction*>(name);
        QVERIFY2(action, qPrintable(name));
        const QImage shown = action->icon().pixmap(16).toImage();
        const QImage own =
            TTarvexIcons::Command(QString::fromUtf8(command.Icon.data(), qsizetype(command.Icon.size())))
                .pixmap(16)
                .toImage();
        QVERIFY2(!own.isNull() && shown == own, qPrintable(name));
    }
}

void TDialogsTest::LanguageFollowsChoiceThenDesktop_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("choice beats desktop") << "fr" << QStringList{"de-DE"} << "fr";
    QTest::newRow("unknown choice follows desktop") << "xx" << QStringList{"ja-JP"} << "ja";
    QTest::newRow("first shipped desktop language") << "" << QStringList{"sv-SE", "de-AT"} << "de";
    QTest::newRow("English preferred stays English") << "" << QStringList{"en-US", "de-DE"} << "en";
    QTest::newRow("any Portuguese gets Brazilian") << "" << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Simplified Chinese") << "" << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("Traditional Chinese is not Simplified") << "" << QStringList{"zh-TW"} << "en";
    QTest::newRow("nothing known") << "" << QStringList{"sv-SE", "C"} << "en";
}

void TDialogsTest::LanguageFollowsChoiceThenDesktop() {
    QFETCH(QString, stored);
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(TWindowLanguageChoice::Resolve(stored, desktop), chosen);
}

void TDialogsTest::LanguageMenuKeepsTheChoice() {
    auto folder = test::MakeAppFolder();
    TTarvexForm form(folder->path());
    const QMenu* languages = form.findChild<QMenu*>(QStringLiteral("LanguageMenu"));
    QVERIFY(languages);
    QStringList shown;
    QAction* german = nullptr;
    for (QAction* entry : languages->actions()) {
        if (!entry->isSeparator()) {
            shown << entry->text();
        }
        german = entry->data().toString() == QLatin1String("de") ? entry : german;
    }
    QCOMPARE(shown, (QStringList{"Desktop language", "English", "Deutsch", "Fran\u00e7ais", "Espa\u00f1ol",
                                 "Portugu\u00eas (Brasil)", "\u65e5\u672c\u8a9e", "\u7b80\u4f53\u4e2d\u6587",
                                 "\u0627\u0644\u0639\u0631\u0628\u064a\u0629"}));
    QString told;
    const auto answered = test::OnNextModal([&told](QWidget* box) {
        told = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        static_cast<QDialog*>(box)->accept();
    });
    german->trigger();
    QTRY_VERIFY(*answered);
    QCOMPARE(told, QStringLiteral("The new language takes effect at the next start."));
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Korvane", "Tarvex");
    QCOMPARE(TWindowLanguageChoice::Stored(settings), QStringLiteral("de"));
    QCOMPARE(TWindowLanguageChoice::Resolve(TWindowLanguageChoice::Stored(settings), {"en-US"}),
             QStringLiteral("de"));
}

QTEST_MAIN(TDialogsTest)
#include "DialogsTest.moc"
