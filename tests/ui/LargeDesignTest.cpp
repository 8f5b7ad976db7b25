// A design far deeper than any menu an author draws still opens, renews and reopens in the
// window: nothing between the file and the screen walks the tree by recursion.

#include "MainWindowTestSupport.h"
#include "MemoryTrial.h"

#include <QClipboard>
#include <QFile>

using namespace tarvex;
using namespace tarvex::test;

class TLargeDesignTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void DeepDesignOpensRenewsUndoesAndReopens();
    void AHugeClipboardIsLookedAtNotRead();

private:
    QTemporaryDir m_settingsDir;
};

void TLargeDesignTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
}

void TLargeDesignTest::DeepDesignOpensRenewsUndoesAndReopens() {
    constexpr int depth = 200000;
    QTemporaryDir work;
    const QString project = work.filePath("deep.xml");
    {
        QByteArray text = "<PROJECT>\r\n<MENU>\r\n";
        for (int i = 0; i < depth; ++i) {
            text += "<MENU_GROUP>\r\n<Caption>g</Caption>\r\n<Image></Image>\r\n<Address></"
                    "Address>\r\n<Target></Target>\r\n";
        }
        text += "<MENU_ITEM>\r\n<Caption>leaf</Caption>\r\n</MENU_ITEM>\r\n</MENU>\r\n"
                "<STYLES>\r\n<STYLE>\r\n<Name>Main style</Name>\r\n</STYLE>\r\n</STYLES>\r\n</PROJECT>\r\n";
        QFile file(project);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    auto folder = MakeAppFolder();
    TTarvexForm form(folder->path());
    form.CreateSecondaryForms();
    form.SetStartupFile(project);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 60000);
    const auto nodes = [&form] { return form.Editor().Project().Objects.NodeCount(); };
    const std::size_t opened = nodes();
    QVERIFY(opened > depth);

    // Deleting the deep group and undoing it copies the whole chain into the history and back.
    ClickNode(form.Widgets().ObjectsTreeView, Find(form.Widgets().ObjectsTreeView->TreeModel(), "g"));
    OnNextModal([](QWidget* w) { ButtonWithText(w, "OK")->click(); });
    form.Widgets().Action(TActionId::DelGroupAction)->trigger();
    QTRY_VERIFY(nodes() < 10);
    form.Widgets().Action(TActionId::UndoAction)->trigger();
    QTRY_COMPARE(nodes(), opened);

    // New gives way to the default design (its save question answered No), Open brings the deep
    // one back.
    const auto pickStyle = [&form](QWidget*) { form.Widgets().StyleTemplateForm->InsertButton()->click(); };
    OnNextModal([&form, pickStyle](QWidget* w) {
        if (w == form.Widgets().StyleTemplateForm) {
            pickStyle(w);
        } else {
            OnNextModal(pickStyle);
            ButtonWithText(w, "&No")->click();
        }
    });
    form.Widgets().Action(TActionId::NewAction)->trigger();
    QTRY_VERIFY(nodes() < 10);
    form.Editor().Files().OpenProjectFile(project.toStdString(), false);
    QCOMPARE(nodes(), opened);
    QCOMPARE(QString::fromStdString(form.Editor().ProjectFileName()), project);
    QVERIFY(!form.Editor().Modified());
    form.Widgets().ObjectsTreeView->expandToDepth(3);
    QVERIFY(Find(form.Widgets().ObjectsTreeView->TreeModel(), "g").isValid());
    CloseAnsweringNo(form);
}

void TLargeDesignTest::AHugeClipboardIsLookedAtNotRead() {
    TStarted started = Start();
    TTarvexForm& form = *started.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QAction* paste = form.Widgets().Action(TActionId::PasteAction);
    // Another program's log file, then a Tarvex window's copy of the same size.
    auto* text = new QMimeData;
    text->setText(QString(300 << 20, QLatin1Char('x')));
    auto* copy = new QMimeData;
    copy->setData(QStringLiteral("application/x-tarvex-project"), QByteArray(300 << 20, 'x'));

    TMemoryTrial trial;
    QGuiApplication::clipboard()->setMimeData(text);
    QCoreApplication::processEvents();
    QVERIFY(!paste->isEnabled());
    QGuiApplication::clipboard()->setMimeData(copy);
    QTRY_VERIFY(paste->isEnabled());
    QString refusal;
    OnNextModal([&refusal](QWidget* w) {
        refusal = w->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        ButtonWithText(w, "OK")->click();
    });
    paste->trigger();
    QTRY_VERIFY(refusal.contains("more than 64 MB"));
    qInfo("peak memory growth %lld MB, window thread blocked at most %lld ms", trial.PeakGrowthMb(),
          trial.LongestBlockMs());
    QVERIFY2(trial.PeakGrowthMb() < 200, qPrintable(QString::number(trial.PeakGrowthMb())));
    QVERIFY(!form.Editor().Modified());
    QGuiApplication::clipboard()->clear();
    CloseAnsweringNo(form);
}

QTEST_MAIN(TLargeDesignTest)
#include "LargeDesignTest.moc"
