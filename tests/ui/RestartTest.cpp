// What the window keeps across a restart: the command bars' layout file (what Customize changed
// comes back, a file that is not ours is kept aside for the built-in layout, two windows writing it
// both keep theirs) and the output Publish offers.

#include "MainWindowTestSupport.h"

#include "ui/CustomizeDialog.h"

#include <QCheckBox>

using namespace tarvex;
using namespace tarvex::test;

namespace {

// Starts the window in `folder`; the first New's style dialog gets the first favourite, and a
// message box after it (a note) is read and closed.
std::unique_ptr<TTarvexForm> StartIn(const QString& folder, std::shared_ptr<QString> note = nullptr) {
    auto form = std::make_unique<TTarvexForm>(folder);
    form->CreateSecondaryForms();
    TStyleTemplateForm* dialog = form->Widgets().StyleTemplateForm;
    OnNextModal([dialog, note](QWidget*) {
        if (note) {
            OnNextModal([note](QWidget* box) {
                *note = static_cast<QMessageBox*>(box)->text();
                box->close();
            });
        }
        dialog->InsertButton()->click();
    });
    form->show();
    // The callers check StartupDone: a check here could not stop them.
    (void)QTest::qWaitFor([&] { return form->StartupDone(); }, 30000);
    return form;
}

QAction* Command(const TTarvexForm& form, TActionId id) {
    return form.Widgets().Action(id);
}

QAction* MenuTitle(TTarvexForm& form, const QString& text) {
    for (QAction* title : form.menuBar()->actions()) {
        if (title->text() == text) {
            return title;
        }
    }
    return nullptr;
}

struct TBars {
    QStringList File, Commands, Edit, Tools;
    QSize IconSize;
    QString SaveTip;
    bool operator==(const TBars&) const = default;
};

TBars BarsOf(TTarvexForm& form) {
    return {EntryTexts(form.Widgets().FileToolBar->actions(), true),
            EntryTexts(form.Widgets().CommandsToolBar->actions(), true),
            EntryTexts(MenuTitle(form, "&Edit")->menu()->actions(), true),
            EntryTexts(MenuTitle(form, "&Tools")->menu()->actions(), true),
            form.Widgets().FileToolBar->iconSize(),
            Command(form, TActionId::SaveAction)->toolTip()};
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TRestartTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void CustomizeComesBackAfterARestartAndADamagedFileIsKeptAside();
    void TwoWindowsWritingTheLayoutBothKeepTheirChanges();

private:
    QTemporaryDir m_settingsDir;
};

void TRestartTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
}

void TRestartTest::CustomizeComesBackAfterARestartAndADamagedFileIsKeptAside() {
    auto folder = MakeAppFolder();
    const QString layoutFile = folder->filePath("Tarvex.dat");
    TBars builtIn, customised;
    {
        auto form = StartIn(folder->path());
        QVERIFY(form->StartupDone());
        builtIn = BarsOf(*form);
        QAction* import = Command(*form, TActionId::ImportWinFavoritAction);
        TCustomizeDialog& dialog = form->UserInterface().CustomizeDialog();
        TCustomizeDialog::InsertIntoToolBar(form->Widgets().FileToolBar, import,
                                            Command(*form, TActionId::OpenAction));
        TCustomizeDialog::InsertIntoToolBar(form->Widgets().CommandsToolBar,
                                            Command(*form, TActionId::UpdatePreviewAction), nullptr);
        TCustomizeDialog::AppendToMenu(form->menuBar(), MenuTitle(*form, "&Tools"), import);
        dialog.LargeIconsBox()->setChecked(true);
        dialog.ShortcutsInTipsBox()->setChecked(true);
        // Undo shows the last step's name: its place in the menu must not depend on it.
        form->Editor().SelectObjectNode(form->Editor().Project().Objects.Root(1));
        form->Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Renamed");
        QCOMPARE(Command(*form, TActionId::UndoAction)->text(), QString("&Undo Change Caption"));
        customised = BarsOf(*form);
        QVERIFY(customised.File != builtIn.File && customised.Commands != builtIn.Commands);
        QVERIFY(customised.Tools != builtIn.Tools && customised.SaveTip != builtIn.SaveTip);
        QCOMPARE(customised.IconSize, QSize(24, 24));
        CloseAnsweringNo(*form);
        QVERIFY(form->SaveCommandBarLayout());
    }
    const QByteArray written = FileBytes(layoutFile);
    {
        auto form = StartIn(folder->path());
        QVERIFY(form->StartupDone());
        QCOMPARE(BarsOf(*form), customised);
        QVERIFY(form->UserInterface().CustomizeDialog().LargeIconsBox()->isChecked());
        CloseAnsweringNo(*form);
        QVERIFY(form->SaveCommandBarLayout());
    }
    // A second round changes nothing: the file holds what it held.
    QCOMPARE(FileBytes(layoutFile), written);

    // Damaged: cut short by a crash while another program wrote it.
    const QByteArray damaged = written.left(written.size() / 2);
    {
        QFile file(layoutFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
    }
    auto note = std::make_shared<QString>();
    auto form = StartIn(folder->path(), note);
    QVERIFY(form->StartupDone());
    QTRY_VERIFY_WITH_TIMEOUT(!note->isEmpty(), 20000);
    QVERIFY2(note->contains("Tarvex.dat.bak") && !note->contains('\n'), qPrintable(*note));
    QCOMPARE(FileBytes(folder->filePath("Tarvex.dat.bak")), damaged);
    QVERIFY(!QFile::exists(layoutFile));
    QCOMPARE(BarsOf(*form), builtIn);
    CloseAnsweringNo(*form);
}

void TRestartTest::TwoWindowsWritingTheLayoutBothKeepTheirChanges() {
    auto folder = MakeAppFolder();
    auto first = StartIn(folder->path());
    QVERIFY(first->StartupDone());
    auto second = StartIn(folder->path());
    QVERIFY(second->StartupDone());
    // The first window shows large icons; the second puts a command on its Commands toolbar.
    first->UserInterface().CustomizeDialog().LargeIconsBox()->setChecked(true);
    TCustomizeDialog::InsertIntoToolBar(second->Widgets().CommandsToolBar,
                                        Command(*second, TActionId::ImportWinFavoritAction), nullptr);
    CloseAnsweringNo(*first);
    QVERIFY(first->SaveCommandBarLayout());
    CloseAnsweringNo(*second);
    QVERIFY(second->SaveCommandBarLayout());

    auto third = StartIn(folder->path());
    QVERIFY(third->StartupDone());
    QCOMPARE(third->Widgets().CommandsToolBar->actions().back()->objectName(),
             QString("ImportWinFavoritAction"));
    QCOMPARE(third->Widgets().FileToolBar->iconSize(), QSize(24, 24));
    CloseAnsweringNo(*third);
}

QTEST_MAIN(TRestartTest)
#include "RestartTest.moc"
