// The window in other languages: a made-up language walked through the main screens and dialogs
// (nothing left in plain English, nothing cut off), Qt's own buttons in German, and the window
// mirrored for Arabic.

#include "PseudoLanguage.h"
#include "MainWindowTestSupport.h"

#include "import/WebImport.h"
#include "ui/CustomizeDialog.h"
#include "ui/FindField.h"
#include "ui/FoldersScanResultUnit.h"
#include "ui/ImportReviewUnit.h"
#include "ui/MainWidgets.h"
#include "ui/ShownText.h"
#include "ui/WindowLanguage.h"

#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvex::test {

namespace {

const TRoles Roles{{QStringLiteral("ToolbarsList"), QStringLiteral("CategoriesList"),
                    QStringLiteral("ActionsList"), QStringLiteral("ScriptWarningsList")},
                   {QStringLiteral("AboutForm/Label1"),
                    QStringLiteral("PublishToSiteDialog/TargetAddressEdit"),
                    QStringLiteral("PublishToSiteDialog/TargetSiteAddressEdit")}};

struct TWalk {
    TTextFindings Findings;
    QStringList Screens;

    void Look(QWidget* screen, const QString& name) {
        if (screen->layout()) {
            screen->layout()->activate();
        }
        QCoreApplication::processEvents();
        TTextFindings found;
        Inspect(screen, Roles, found);
        for (const QString& text : found.Unmarked) {
            Findings.Unmarked << name + QStringLiteral(" | ") + text;
        }
        for (const QString& text : found.CutOff) {
            Findings.CutOff << name + QStringLiteral(" | ") + text;
        }
        Screens << name;
        // Beside the test program, to be looked at when a finding is not plain from its line.
        screen->grab().save(
            QCoreApplication::applicationDirPath() +
            QStringLiteral("/pseudo-language-%1.png").arg(Screens.size(), 2, 10, QLatin1Char('0')));
    }
};

// Leaves a dialog the way that changes nothing: a message box by its refusing button.
void Refuse(QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        for (const QMessageBox::ButtonRole role : {QMessageBox::RejectRole, QMessageBox::NoRole}) {
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == role) {
                    button->click();
                    return;
                }
            }
        }
    }
    if (auto* modal = qobject_cast<QDialog*>(dialog)) {
        modal->reject();
    }
}

// Looks at the modal dialog `open` brings up, then refuses it.
void LookAtModal(TWalk& walk, const QString& name, const std::function<void()>& open) {
    const auto ran = OnNextModal([&walk, name](QWidget* w) {
        walk.Look(w, name);
        Refuse(w);
    });
    open();
    QTRY_VERIFY2(*ran, qPrintable(name));
}

// The first node with children in `view`'s tree, or its first child.
void Select(TEditorTreeView* view, bool child) {
    const QAbstractItemModel* model = view->model();
    QModelIndex index = model->index(0, 0);
    while (index.isValid() && !model->hasChildren(index)) {
        index = index.siblingAtRow(index.row() + 1);
    }
    if (child) {
        index = model->index(0, 0, index);
    } else if (!index.isValid()) {
        index = model->index(0, 0);
    }
    QVERIFY(index.isValid());
    ClickNode(view, index);
    QTRY_COMPARE(view->currentIndex(), index);
}

void LookAtImportReview(TWalk& walk, TTarvexForm& form) {
    const QString bookmarks = QStringLiteral(TARVEX_TEST_DATA "/import/bookmarks-chromium.html");
    auto reviewed = std::make_shared<bool>(false);
    OnNextModal([&walk, bookmarks, reviewed](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        OnNextModal([&walk, reviewed](QWidget* r) {
            walk.Look(r, QStringLiteral("Import review"));
            *reviewed = true;
            Refuse(r);
        });
        dialog->setDirectory(QFileInfo(bookmarks).absolutePath());
        TypeFileNameOnceSettled(dialog, QFileInfo(bookmarks).fileName());
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    form.Widgets().Action(TActionId::ImportBookmarksAction)->trigger();
    QTRY_VERIFY(*reviewed);
}

// The new design has findings: publishing asks first, and is told to go on.
void LookAtPublish(TWalk& walk, const QString& name, QAction* publish) {
    auto looked = std::make_shared<bool>(false);
    OnNextModal([&walk, name, looked](QWidget* question) {
        walk.Look(question, name + QStringLiteral(", the findings' question"));
        auto* box = qobject_cast<QMessageBox*>(question);
        QAbstractButton* yes = nullptr;
        for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>()) {
            yes = box->buttonRole(button) == QMessageBox::YesRole ? button : yes;
        }
        yes ? yes->click() : Refuse(question);
        // Armed once the box is gone: the dialog may take the box's very address.
        OnNextModal([&walk, name, looked](QWidget* w) {
            walk.Look(w, name);
            *looked = true;
            Refuse(w);
        });
    });
    publish->trigger();
    QTRY_VERIFY2(*looked, qPrintable(name));
}

// One finding: an entry without a caption.
void MakeAFinding(TTarvexForm& form) {
    TTreeNode* item = form.Editor().Project().Objects.Root(1)->Child(1);
    form.Editor().EditDesign("Blank", [item] {
        item->EditItem().Caption = "";
        item->SetText("");
    });
    QTRY_VERIFY(form.Widgets().ScriptWarningsButton->isVisible());
}

void WalkMainScreens(TWalk& walk, TTarvexForm& form) {
    const TMainWidgets& w = form.Widgets();
    Select(w.ObjectsTreeView, false);
    walk.Look(&form, QStringLiteral("Main window, menu group"));
    Select(w.ObjectsTreeView, true);
    walk.Look(&form, QStringLiteral("Main window, menu item"));
    w.ControlsPageControl->setCurrentIndex(1);
    Select(w.MenuStyleTreeView, false);
    walk.Look(&form, QStringLiteral("Main window, style"));
    w.ControlsPageControl->setCurrentIndex(0);
    w.Action(TActionId::FindAction)->trigger();
    QTRY_VERIFY(w.FindField->isVisible());
    walk.Look(&form, QStringLiteral("Main window, find field"));
}

void WalkDialogs(TWalk& walk, TTarvexForm& form) {
    const TMainWidgets& w = form.Widgets();
    LookAtModal(walk, QStringLiteral("About"), [&] { w.Action(TActionId::AboutAction)->trigger(); });
    w.Action(TActionId::CustomizeActionBars1)->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(w.CustomizeDialog));
    walk.Look(w.CustomizeDialog, QStringLiteral("Customize"));
    w.CustomizeDialog->close();
    LookAtPublish(walk, QStringLiteral("Publish output"), w.Action(TActionId::PublishAction));
    LookAtPublish(walk, QStringLiteral("Publish to site"), w.Action(TActionId::PublishToSiteAction));
    w.FoldersScanResultForm->Fill(nullptr);
    LookAtModal(walk, QStringLiteral("Select Favorities Folder"),
                [&] { w.FoldersScanResultForm->Execute(); });
    if (WebImportAvailable()) {
        LookAtImportReview(walk, form);
    }
    MakeAFinding(form);
    walk.Look(&form, QStringLiteral("Main window, with a finding"));
    w.ScriptWarningsButton->click();
    QVERIFY(QTest::qWaitForWindowExposed(w.ScriptWarningsForm));
    walk.Look(w.ScriptWarningsForm, QStringLiteral("Checks"));
    w.ScriptWarningsForm->hide();
    // The design has changed: New asks first.
    LookAtModal(walk, QStringLiteral("New, unsaved changes"),
                [&] { w.Action(TActionId::NewAction)->trigger(); });
}

// The window's own geometry: where the design column and the first menu sit, as fractions of
// its width.
struct TSides {
    int ControlsLeft;
    int PagesLeft;
    int FirstMenuCentre;
    int MenuBarWidth;
};

TSides SidesOf(TTarvexForm& form) {
    const TMainWidgets& w = form.Widgets();
    QMenuBar* bar = form.menuBar();
    return {w.ControlsPageControl->mapTo(&form, QPoint()).x(), w.PageControl1->mapTo(&form, QPoint()).x(),
            bar->actionGeometry(bar->actions().constFirst()).center().x(), bar->width()};
}

void CloseDiscarding(TTarvexForm& form) {
    if (form.Editor().Modified()) {
        OnNextModal([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>()) {
                if (box->buttonRole(button) == QMessageBox::NoRole) {
                    button->click();
                    return;
                }
            }
            Refuse(w);
        });
    }
    form.close();
}

} // namespace

class TPseudoLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void PseudoTextKeepsWhatTheProgramReads_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("arguments") << "Publish sends %1 of the %2 files (%3)."
                                   << QStringList{"%1", "%2", "%3"};
        QTest::newRow("access keys") << "Save && &Close" << QStringList{"&&", "&Ç"};
        QTest::newRow("markup") << "<b>Bold</b> &amp; &#169; plain"
                                << QStringList{"<b>", "</b>", "&amp;", "&#169;"};
        QTest::newRow("lines and plurals") << "%n entries\nleft out" << QStringList{"%n", "\n"};
    }

    void PseudoTextKeepsWhatTheProgramReads() {
        QFETCH(QString, source);
        QFETCH(QStringList, kept);
        const QString pseudo = PseudoText(source);
        QVERIFY(HasPseudoMark(pseudo));
        QVERIFY2(pseudo.size() * 10 >= source.size() * 13, qPrintable(pseudo));
        QString rest = pseudo;
        for (const QString& part : kept) {
            QVERIFY2(rest.contains(part), qPrintable(pseudo));
            rest.remove(part);
        }
        // Nothing of the English spelling is left outside what must stay.
        QVERIFY2(!rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(pseudo));
        QCOMPARE(pseudo.count(QLatin1Char('&')), source.count(QLatin1Char('&')));
    }

    void InspectionFindsPlainAndCutTexts() {
        QDialog dialog;
        dialog.setWindowTitle(PseudoText(QStringLiteral("Title")));
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(PseudoText(QStringLiteral("Translated"))));
        layout->addWidget(new QLabel(QStringLiteral("Forgotten")));
        layout->addWidget(new QLineEdit(QStringLiteral("Typed by the author")));
        auto* cut = new QPushButton(PseudoText(QStringLiteral("A caption far too long")), &dialog);
        cut->setObjectName(QStringLiteral("Cut"));
        cut->setGeometry(0, 0, 30, 20);
        for (const char* name : {"ActionsList", "DesignList"}) {
            auto* list = new QListWidget;
            list->setObjectName(QLatin1String(name));
            list->addItem(QStringLiteral("Blue"));
            layout->addWidget(list);
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        TTextFindings findings;
        Inspect(&dialog, Roles, findings);
        QCOMPARE(findings.Unmarked, QStringList({"QLabel : Forgotten", "QListWidget ActionsList: Blue"}));
        QCOMPARE(findings.CutOff, QStringList{"QPushButton Cut: " + cut->text()});
    }

    void WindowSpeaksThePseudoLanguage() {
        TPseudoTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        const auto removed = qScopeGuard([&pseudo] { QCoreApplication::removeTranslator(&pseudo); });
        TWalk walk;
        TStarted s;
        s.Folder = MakeAppFolder();
        s.Form = std::make_unique<TTarvexForm>(s.Folder->path());
        s.Form->CreateSecondaryForms();
        TStyleTemplateForm* styles = s.Form->Widgets().StyleTemplateForm;
        OnNextModal([&walk, styles](QWidget* w) {
            walk.Look(w, QStringLiteral("Style template at the start"));
            w == styles ? styles->InsertButton()->click() : Refuse(w);
        });
        s.Form->show();
        QTRY_VERIFY_WITH_TIMEOUT(s.Form->StartupDone(), 30000);
        WalkMainScreens(walk, *s.Form);
        WalkDialogs(walk, *s.Form);
        CloseDiscarding(*s.Form);
        // The whole list, one line each: a failure's own message would be cut short.
        for (const QString& text : walk.Findings.Unmarked) {
            qInfo("Plain English: %s", qPrintable(text));
        }
        for (const QString& text : walk.Findings.CutOff) {
            qInfo("Cut off: %s", qPrintable(text));
        }
        qInfo("Walked: %s", qPrintable(walk.Screens.join(QStringLiteral("; "))));
        QCOMPARE(walk.Screens.size(), WebImportAvailable() ? 16 : 15);
        QVERIFY2(walk.Findings.Unmarked.isEmpty() && walk.Findings.CutOff.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts in plain English, %2 cut off")
                                .arg(walk.Findings.Unmarked.size())
                                .arg(walk.Findings.CutOff.size())));
    }

    void QtButtonsAndCountsFollowTheLanguage() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_de.qm"))) {
            QSKIP("Qt's German catalogue (qtbase_de.qm, Debian's qt6-translations-l10n) is not installed");
        }
        const auto english = [] {
            QDialogButtonBox box(QDialogButtonBox::Cancel);
            return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
        };
        TWindowLanguageChoice::Apply(*qApp, QStringLiteral("de"));
        auto reset = qScopeGuard([] { TWindowLanguageChoice::Reset(*qApp); });
        QCOMPARE(english(), QStringLiteral("Abbrechen"));
        QMessageBox message(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
        QCOMPARE(message.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Abbrechen"));
        // Counts in the window follow the language; English keeps the plain digits it always showed.
        QCOMPARE(ShownCount(1234), QStringLiteral("1.234"));
        reset.dismiss();
        TWindowLanguageChoice::Reset(*qApp);
        QCOMPARE(english(), QStringLiteral("Cancel"));
        QCOMPARE(ShownCount(1234), QStringLiteral("1234"));
    }

    void ArabicMirrorsTheWindow() {
        TStarted english = Start();
        QTRY_VERIFY_WITH_TIMEOUT(english.Form->StartupDone(), 30000);
        const TSides left = SidesOf(*english.Form);
        CloseDiscarding(*english.Form);
        QVERIFY(left.ControlsLeft < left.PagesLeft && left.FirstMenuCentre < left.MenuBarWidth / 2);

        TWindowLanguageChoice::Apply(*qApp, QStringLiteral("ar"));
        if (QGuiApplication::layoutDirection() != Qt::RightToLeft) {
            // Without Qt's Arabic catalogue, as Apply would have it from there.
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        }
        const auto reset = qScopeGuard([] {
            TWindowLanguageChoice::Reset(*qApp);
            QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
        });
        TStarted arabic = Start();
        QTRY_VERIFY_WITH_TIMEOUT(arabic.Form->StartupDone(), 30000);
        const TSides right = SidesOf(*arabic.Form);
        const QString shot =
            QCoreApplication::applicationDirPath() + QStringLiteral("/arabic-main-window.png");
        QVERIFY(arabic.Form->grab().save(shot));
        qInfo("Arabic window: %s", qPrintable(shot));
        CloseDiscarding(*arabic.Form);
        QVERIFY(right.ControlsLeft > right.PagesLeft);
        QVERIFY(right.FirstMenuCentre > right.MenuBarWidth / 2);
        // The date's own direction marks work; a caption's are shown, not obeyed.
        const QString recovered = ShownVisible(
            TUiText("", "%1, %2", {TUiText::Verbatim("\u202Esite.xml"), TUiText::Moment(0, "then")}));
        QVERIFY2(recovered.contains(QChar(0x200F)) && !recovered.contains(QChar(0x202E)),
                 qPrintable(recovered));
    }
};

} // namespace tarvex::test

QTEST_MAIN(tarvex::test::TPseudoLanguageTest)
#include "PseudoLanguageTest.moc"
