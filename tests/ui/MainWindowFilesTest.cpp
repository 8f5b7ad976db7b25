// The main window's files: the save question, window settings, projects opened and saved, file
// dialogs and bookmarks imported.

#include "MainWindowTestSupport.h"

#include "import/WebImport.h"
#include "ui/ImportReviewUnit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

using namespace tarvex;
using namespace tarvex::test;

class TMainWindowFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void SaveQuestionOnClose_data();
    void SaveQuestionOnClose();
    void WindowSettingsDefaultsAndRoundTrip();
    void AProjectNamedAtStartOpensAfterStartup();
    void FileDialogListsDescriptionsAndAllFiles();
    void AnyScriptTypedSavedReopenedAndPreviewed();
    void BookmarksImportedThroughTheReviewDialog();

private:
    QTemporaryDir m_settingsDir;
};

void TMainWindowFilesTest::initTestCase() {
    KeepSettingsIn(m_settingsDir);
}

void TMainWindowFilesTest::init() {
    ClearSettings();
}

void TMainWindowFilesTest::SaveQuestionOnClose_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes") << "&Yes";
    QTest::newRow("no") << "&No";
    QTest::newRow("cancel") << "&Cancel";
}

void TMainWindowFilesTest::SaveQuestionOnClose() {
    QFETCH(QString, answer);
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    const QString project = s.Folder->filePath("closing.xml");
    // A cell left open with text the grid has not handed on yet: the close must still see it.
    ClickNode(form.Widgets().ObjectsTreeView,
              Find(form.Widgets().ObjectsTreeView->TreeModel(), "Menu group name"));
    TypeInto(form.Widgets().MenuItemValueEditor, "Caption", "x");
    for (QLineEdit* e : form.Widgets().MenuItemValueEditor->viewport()->findChildren<QLineEdit*>()) {
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
    QCOMPARE(buttons, QStringList({"&Cancel", "&No", "&Yes"}));

    const bool closed = !form.isVisible();
    QCOMPARE(closed, answer != "&Cancel");
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

// The first start, then settings changed by hand and kept at the close.
static void FirstStartThenChangedSettings() {
    // Nothing stored: maximised, normal bounds 600 x 400 at (10, 10), both toolbars shown.
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QVERIFY(form.windowState() & Qt::WindowMaximized);
    QVERIFY(form.Widgets().FileToolBar->isVisible());
    QVERIFY(form.Widgets().CommandsToolBar->isVisible());
    QCOMPARE(form.WindowSettings().Current().WinState, 2);
    // The toolbar band: File on the first row, Commands on the second.
    QVERIFY(form.Widgets().CommandsToolBar->y() > form.Widgets().FileToolBar->y());
    // The trees take at least half of their column.
    for (const QSplitter* splitter : {form.Widgets().ObjectsSplitter, form.Widgets().StylesSplitter}) {
        QTRY_VERIFY(splitter->sizes().at(0) >= splitter->sizes().at(1));
    }

    TWindowSettings wanted = TWindowSettings::Defaults();
    wanted.WinState = 0;
    wanted.Width = 700;
    wanted.Heigth = 450;
    wanted.Left = 30;
    wanted.Top = 40;
    wanted.FileToolBarVisible = 0;
    wanted.ObjectsTree = 150;
    wanted.LeftPanel = 320;
    form.WindowSettings().Apply(wanted);
    QTest::qWait(50);
    const TWindowSettings now = form.WindowSettings().Current();
    QCOMPARE(now.WinState, 0);
    QCOMPARE(now.Width, 700);
    QCOMPARE(now.Heigth, 450);
    QCOMPARE(now.FileToolBarVisible, 0);
    QCOMPARE(now.CommandsToolBarVisible, 1);
    QCOMPARE(now.ObjectsTree, 150);
    QCOMPARE(now.LeftPanel, 320);
    QVERIFY(form.Widgets().StyleTemplateForm->ShowAtStartup());
    form.Widgets().StyleTemplateForm->ShowAtStartupCheckBox()->click();
    CloseAnsweringNo(form);
}

void TMainWindowFilesTest::WindowSettingsDefaultsAndRoundTrip() {
    FirstStartThenChangedSettings();
    if (QTest::currentTestFailed()) {
        return;
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Korvane", "Tarvex");
    QCOMPARE(settings.value("Option/Width").toString(), QString("700"));
    QCOMPARE(settings.value("Option/Heigth").toString(), QString("450"));
    QCOMPARE(settings.value("Option/FileToolBarVisible").toString(), QString("0"));
    QCOMPARE(settings.value("Option/WinState").toString(), QString("0"));
    QCOMPARE(settings.value("Option/ObjectsTree").toString(), QString("150"));
    QCOMPARE(settings.value("Option/ShowStyleTemplate").toString(), QString("0"));
    settings.setValue("Option/WinState", "9");
    settings.sync();

    // Restarted: the hidden toolbar stays hidden, the bad state gives the normal one, and the
    // Style template stays away; the first favourite is the new design's style.
    TStarted s;
    s.Folder = test::MakeAppFolder();
    s.Form = std::make_unique<TTarvexForm>(s.Folder->path());
    TTarvexForm& form = *s.Form;
    form.CreateSecondaryForms();
    QSignalSpy styleQuestions(form.Widgets().StyleTemplateForm, &QDialog::finished);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QCOMPARE(styleQuestions.count(), 0);
    QVERIFY(!form.Widgets().StyleTemplateForm->ShowAtStartup());
    QCOMPARE(form.Editor().Project().Styles.RootCount(), 1);
    QVERIFY(!form.Widgets().FileToolBar->isVisible());
    QVERIFY(form.Widgets().CommandsToolBar->isVisible());
    QVERIFY(!(form.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)));
    QCOMPARE(form.width(), 700);
    QCOMPARE(form.WindowSettings().Current().ObjectsTree, 150);
    QCOMPARE(form.WindowSettings().Current().LeftPanel, 320);

    // The command-bar layout file is ours, written on request, and lists the bars' contents.
    QVERIFY(form.SaveCommandBarLayout());
    QFile layout(s.Folder->filePath("Tarvex.dat"));
    QVERIFY(layout.open(QIODevice::ReadOnly));
    const QByteArray bytes = layout.readAll();
    QVERIFY(bytes.contains("[FileToolBar]"));
    QVERIFY(bytes.contains("Item=UpdatePreviewAction"));
    QVERIFY(bytes.contains("Item=Recent files..."));
    CloseAnsweringNo(form);
}

void TMainWindowFilesTest::AProjectNamedAtStartOpensAfterStartup() {
    auto folder = test::MakeAppFolder();
    const QString project = QStringLiteral(TARVEX_APP_DIR) + "/samples/sample.xml";
    TTarvexForm form(folder->path());
    form.CreateSecondaryForms();
    form.SetStartupFile(project);
    // The project replaces the first New's design at once: no style question comes before it.
    QSignalSpy styleQuestions(form.Widgets().StyleTemplateForm, &QDialog::finished);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QCOMPARE(styleQuestions.count(), 0);
    QCOMPARE(QString::fromStdString(form.Editor().ProjectFileName()), project);
    QVERIFY(form.Widgets().ObjectsTreeView->TreeModel()->rowCount() > 2);
    QCOMPARE(QString::fromStdString(form.Editor().Files().RecentFiles().Paths().front()), project);
    CloseAnsweringNo(form);
}

void TMainWindowFilesTest::FileDialogListsDescriptionsAndAllFiles() {
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
    QCOMPARE(form.UserInterface().OpenFileDialog(request), std::nullopt);
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
        TypeFileNameOnceSettled(dialog, QStringLiteral("missing"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        // Should the dialog refuse the name, it must not stay open.
        QTimer::singleShot(2000, dialog, [dialog] {
            if (QWidget* refusal = QApplication::activeModalWidget(); refusal && refusal != dialog) {
                refusal->close();
            }
            dialog->reject();
        });
    });
    const std::optional<std::string> typed = form.UserInterface().OpenFileDialog(request);
    QVERIFY(typed.has_value());
    QCOMPARE(QFileInfo(QString::fromStdString(*typed)).fileName(), QString("missing.xml"));
    QCOMPARE(QFileInfo(QString::fromStdString(*typed)).absolutePath(),
             QFileInfo(files.path()).absoluteFilePath());

    // The publish dialog carries its own title and opens in the folder published to last.
    TFileDialogRequest publish;
    publish.DialogName = "PublishDialog";
    publish.Filter = "JavaScript files (js)|*.js|All files|*.*";
    publish.Title = TARVEX_TEXT("Editor", "Publish menu");
    publish.InitialName = files.filePath("site.js").toStdString();
    QString title, folderShown;
    test::OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (dialog) {
            title = dialog->windowTitle();
            folderShown = dialog->directory().absolutePath();
        }
        w->close();
    });
    QCOMPARE(form.UserInterface().SaveFileDialog(publish), std::nullopt);
    QCOMPARE(title, QString("Publish menu"));
    QCOMPARE(folderShown, QFileInfo(files.path()).absoluteFilePath());
}

void TMainWindowFilesTest::AnyScriptTypedSavedReopenedAndPreviewed() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    auto* model = form.Widgets().ObjectsTreeView->TreeModel();
    // Cyrillic, Greek, CJK, Arabic, Hebrew, an emoji, and "e" with a combining acute accent.
    const QString typed = QString::fromUtf8("Продукты Ελληνικά 製品 عربي עברית 😀 Cafe\xCC\x81");
    const QString stored = QString::fromUtf8("Продукты Ελληνικά 製品 عربي עברית 😀 Café");
    ClickNode(form.Widgets().ObjectsTreeView, Find(model, "Menu group name"));
    TypeInto(form.Widgets().MenuItemValueEditor, "Caption", typed);
    ClickNode(form.Widgets().ObjectsTreeView, model->index(0, 0));
    const QModelIndex group = Find(model, stored);
    QVERIFY(group.isValid());
    QCOMPARE(TTreeModel::NodeOf(group)->Item().Caption.str(), stored.toStdString());

    // Saved into a folder named in another script, then reopened from the recent-files list.
    const QString folder = s.Folder->filePath(QString::fromUtf8("Проекты 製品"));
    QVERIFY(QDir().mkpath(folder));
    test::OnNextModal([&](QWidget* d) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        QVERIFY(dialog);
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromUtf8("меню"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    form.Editor().Files().SaveAsActionExecute();
    QFile saved(folder + QString::fromUtf8("/меню.xml"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.startsWith(R"(<?xml version="1.0" encoding="utf-8"?>)"));
    QVERIFY(bytes.contains("<Caption>" + stored.toUtf8() + "</Caption>"));

    ClickNode(form.Widgets().ObjectsTreeView, Find(model, stored));
    TypeInto(form.Widgets().MenuItemValueEditor, "Caption", "Changed");
    ClickNode(form.Widgets().ObjectsTreeView, model->index(0, 0));
    QVERIFY(Find(model, "Changed").isValid());
    QAction* recent = form.findChild<QAction*>("Action1");
    QVERIFY(recent);
    test::OnNextModal([](QWidget* w) { test::ButtonWithText(w, "&No")->click(); });
    recent->trigger();
    QTRY_VERIFY(Find(model, stored).isValid());
    QVERIFY(!Find(model, "Changed").isValid());

    if (!QFile::exists(s.Folder->filePath("help/temp/one.js"))) {
        QSKIP("The menu engine (help/temp/one.js) is not in the build yet");
    }
    QTRY_VERIFY_WITH_TIMEOUT(PageText(form.Widgets().PreviewWebBrowser).contains(stored), 20000);
    CloseAnsweringNo(form);
}

void TMainWindowFilesTest::BookmarksImportedThroughTheReviewDialog() {
    if (!WebImportAvailable()) {
        QSKIP("built without the HTML and XML parsers");
    }
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    const QString bookmarks = QStringLiteral(TARVEX_TEST_DATA "/import/bookmarks-chromium.html");
    bool reviewed = false;
    test::OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        test::OnNextModal([&](QWidget* r) {
            // A failed check must not leave the dialog open.
            const auto closeAnyway = qScopeGuard([r] { r->close(); });
            auto* review = qobject_cast<TImportReviewForm*>(r);
            QVERIFY(review);
            QCOMPARE(review->windowTitle(), QString("Import bookmarks"));
            QVERIFY(!review->ChoiceBox()->isVisible());
            QTreeWidgetItem* root = review->Tree()->topLevelItem(0);
            QCOMPARE(root->text(0), QString("Bookmarks"));
            QCOMPARE(root->childCount(), 2);
            // "Other bookmarks" is left out; the bar's branch comes whole.
            root->child(1)->setCheckState(0, Qt::Unchecked);
            QCOMPARE(root->checkState(0), Qt::PartiallyChecked);
            reviewed = true;
            review->Buttons()->button(QDialogButtonBox::Ok)->click();
        });
        dialog->setDirectory(QFileInfo(bookmarks).absolutePath());
        TypeFileNameOnceSettled(dialog, QFileInfo(bookmarks).fileName());
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    form.Widgets().Action(TActionId::ImportBookmarksAction)->trigger();
    QVERIFY(reviewed);
    const TTreeModel* model = form.Widgets().ObjectsTreeView->TreeModel();
    const QModelIndex group = Find(model, "Bookmarks");
    QVERIFY(group.isValid());
    QCOMPARE(form.Widgets().ObjectsTreeView->currentIndex(), group);
    QVERIFY(Find(model, "Bookmarks bar", group).isValid());
    QVERIFY(!Find(model, "Other bookmarks", group).isValid());
    CloseAnsweringNo(form);
}

QTEST_MAIN(TMainWindowFilesTest)
#include "MainWindowFilesTest.moc"
