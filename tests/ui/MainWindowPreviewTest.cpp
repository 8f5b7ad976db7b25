// The main window's preview: its scroll position across refreshes, and a previewed design that
// neither reads the author's files nor navigates the preview away.

#include "MainWindowTestSupport.h"

using namespace tarvex;
using namespace tarvex::test;

// Stands in for the system's browser.
class TOpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Open(const QUrl& url) { Urls << url; }
};

class TMainWindowPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void PreviewKeepsItsScrollPositionAcrossRefreshes();
    void PreviewReadsNoLocalFileAndNeverNavigatesAway();

private:
    QTemporaryDir m_settingsDir;
};

void TMainWindowPreviewTest::initTestCase() {
    KeepSettingsIn(m_settingsDir);
}

void TMainWindowPreviewTest::init() {
    ClearSettings();
}

void TMainWindowPreviewTest::PreviewKeepsItsScrollPositionAcrossRefreshes() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    QWebEnginePage* page = form.Widgets().PreviewWebBrowser->page();
    QTRY_VERIFY_WITH_TIMEOUT(PageText(form.Widgets().PreviewWebBrowser).contains("Menu group name"), 20000);
    // Scrolled to its end, the page's own height whatever the pane's size.
    page->runJavaScript("window.scrollTo(0, document.documentElement.scrollHeight);");
    QTRY_VERIFY_WITH_TIMEOUT(page->scrollPosition().y() > 20, 10000);
    const int scrolled = qRound(page->scrollPosition().y());

    // Refreshes in quick succession (a person walking the tree): the second starts while the
    // first still loads.
    QSignalSpy loaded(form.Widgets().PreviewWebBrowser, &QWebEngineView::loadFinished);
    form.Widgets().Action(TActionId::UpdatePreviewAction)->trigger();
    form.Widgets().Action(TActionId::UpdatePreviewAction)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(qRound(page->scrollPosition().y()), scrolled, 10000);

    CloseAnsweringNo(form);
}

// A project sent by someone else whose style name is script that reads a file of the author's:
// the generator keeps it a name, and the preview's page could not read the file anyway, while
// still loading the engine and menu.js beside it. A link its script follows leaves the preview alone.
void TMainWindowPreviewTest::PreviewReadsNoLocalFileAndNeverNavigatesAway() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    if (!QFile::exists(s.Folder->filePath("help/temp/one.js"))) {
        QSKIP("The menu engine (help/temp/one.js) is not in the build yet");
    }
    QFile secret(s.Folder->filePath("secret.txt"));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("TOP SECRET");
    secret.close();
    const QString secretUrl = QUrl::fromLocalFile(secret.fileName()).toString();
    const std::string reader =
        "x=fetch('" + secretUrl.toStdString() + "').then(r=>r.text()).then(t=>document.title=t)//";

    TProject project;
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(project, reader, style);
    TMenuOptionsRec options;
    FillDefaultMenuOptions(project, options, nullptr);
    options.MenuStyle = reader;
    AppendOptionsNode(project, nullptr, options);
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = "Secret keeper";
    item.Address = "elsewhere.htm";
    AppendItemNode(project, nullptr, TNodeKind::MenuItem, item);
    const QString projectPath = s.Folder->filePath("sent.xml");
    QCOMPARE(SaveProjectFile(project, projectPath.toStdString()), TSaveStatus::Written);
    // The design New made at start-up is unchanged: it goes without the save question.
    QVERIFY(form.Editor().Files().LoadProject(projectPath.toStdString()));

    // The engine and menu.js beside the page loaded: the menu is drawn.
    QTRY_VERIFY_WITH_TIMEOUT(PageText(form.Widgets().PreviewWebBrowser).contains("Secret keeper"), 20000);
    QVERIFY(form.Widgets().ScriptWarningsButton->isVisible());
    QCOMPARE(form.Widgets()
                 .ScriptWarningsForm->WarningsList()
                 ->findItems(QStringLiteral("can not be used as a script variable"), Qt::MatchContains)
                 .size(),
             1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    const QString fetchFile =
        QStringLiteral("fetch('%1').then(r => r.text()).then(t => { tvxResult = 'read ' + t; },"
                       " () => { tvxResult = 'blocked'; });")
            .arg(secretUrl);
    QCOMPARE(PageResult(form.Widgets().PreviewWebBrowser, fetchFile), QString("blocked"));
    const QString xhrFile =
        QStringLiteral("try { const x = new XMLHttpRequest(); x.open('GET', '%1', false); x.send();"
                       " tvxResult = 'read ' + x.responseText; } catch (e) { tvxResult = 'blocked'; }")
            .arg(secretUrl);
    QCOMPARE(PageResult(form.Widgets().PreviewWebBrowser, xhrFile), QString("blocked"));
    QVERIFY(form.Widgets().PreviewWebBrowser->title() != QLatin1String("TOP SECRET"));

    TOpenedUrls opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    const QUrl previewUrl = form.Widgets().PreviewWebBrowser->url();
    form.Widgets().PreviewWebBrowser->page()->runJavaScript(
        "document.querySelector('a[href$=\"elsewhere.htm\"]').click()");
    // The page's own script clicked, not the author: nothing reaches the system, and a path in
    // the program's own folder never would.
    QCOMPARE(PageResult(form.Widgets().PreviewWebBrowser, QStringLiteral("tvxResult = 'still here';")),
             QString("still here"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(opened.Urls.isEmpty());
    QCOMPARE(form.Widgets().PreviewWebBrowser->url(), previewUrl);
    QVERIFY(PageText(form.Widgets().PreviewWebBrowser).contains("Secret keeper"));

    CloseAnsweringNo(form);
}

QTEST_MAIN(TMainWindowPreviewTest)
#include "MainWindowPreviewTest.moc"
