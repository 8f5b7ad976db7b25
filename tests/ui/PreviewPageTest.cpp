// The preview's page in a real web view: the author's page with its own files, nothing outside
// its site folder, and only the person's clicks handed to the system.

#include "MemoryTrial.h"
#include "ui/PreviewStage.h"
#include "ui/PreviewWebPage.h"

#include <QComboBox>

#include <QGuiApplication>
#include <QImage>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

using namespace tarvex;
using tarvex::test::TMemoryTrial;

namespace {

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void WritePicture(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path, "PNG"));
}

// The page's own report, written into its title once every picture has loaded or failed.
const QByteArray Page = R"(<html><head>
<link rel="stylesheet" href="css/local.css"><link rel="stylesheet" href="../shared/site.css">
</head><body>
<img src="img/here.png"><img src="../img/above.png">
<img src="..%2f..%2fsecret.png"><img src="peek.png">
<p><a id="out" href="../shared/other.htm" style="font-size:40px">other page</a></p>
<script>
window.addEventListener('load', () => {
  const style = getComputedStyle(document.body);
  const pictures = [...document.images].map(i => i.naturalWidth > 0 ? 'shown' : 'missing');
  document.title = [style.color, style.backgroundColor, ...pictures].join(' ');
  // A page's own script tries to send the person elsewhere without a click of theirs.
  document.getElementById('out').click();
  location.href = 'tarvex-preview:/..%2f..%2f..%2fetc%2fshadow';
});
</script></body></html>)";

// The author's page `index.htm` of a fresh site folder, shown in the preview as the window shows it.
class TSitePreview {
public:
    explicit TSitePreview(const QByteArray& page)
        : m_engine(m_root.filePath(QStringLiteral("temp"))),
          m_siteFolder(m_root.filePath(QStringLiteral("site"))), m_site(m_engine.toStdString()) {
        WriteText(m_engine + QStringLiteral("/preview.htm"), page);
        WriteText(SiteFile(QStringLiteral("index.htm")), page);
        m_site.UsePage(SiteFile(QStringLiteral("index.htm")).toStdString(), m_siteFolder.toStdString());
        Page = new TPreviewWebPage(&m_profile, m_site, &View);
        View.setPage(Page);
        View.resize(800, 600);
        View.show();
    }
    QString SiteFile(const QString& name) const { return m_siteFolder + QLatin1Char('/') + name; }
    void Load() {
        const QUrl url = Page->UrlOfFile(m_engine + QStringLiteral("/preview.htm"));
        Page->AllowPage(url);
        View.load(url);
    }
    QVariant Run(const QString& script) {
        QVariant result;
        bool done = false;
        Page->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        return QTest::qWaitFor([&done] { return done; }, 10000) ? result : QVariant();
    }
    // A real click of the person's, at the middle of the element `id` (none: an empty corner).
    void Click(const QString& id = {}) {
        QPoint at(790, 590);
        if (!id.isEmpty()) {
            const QVariantList box =
                Run(QStringLiteral("(() => { const r = document.getElementById('%1').getBoundingClientRect();"
                                   " return [r.x + r.width / 2, r.y + r.height / 2]; })()")
                        .arg(id))
                    .toList();
            at = QPoint(box.value(0).toInt(), box.value(1).toInt());
        }
        QTest::mouseClick(Surface(), Qt::LeftButton, {}, at);
    }
    QWidget* Surface() { return View.focusProxy() ? View.focusProxy() : &View; }

private:
    QTemporaryDir m_root;
    QString m_engine;
    QString m_siteFolder;
    TPreviewSite m_site;
    QWebEngineProfile m_profile;

public:
    QWebEngineView View;
    TPreviewWebPage* Page = nullptr;
};

// The pages below quote with ' only: moc reads a double quote inside a raw string as a string's end.
// Each hostile action runs from the page's own key handler, with the person's key press behind
// it. The person's click on the trap goes nowhere; the page's own click on it would.
const QByteArray HostilePage = R"(<html><body style='margin:0'>
<p><a id='sentinel' href='https://sentinel.example/' style='font-size:40px'>sentinel</a></p>
<p style='font-size:30px'><a id='web' href='https://elsewhere.example/'>web</a>
<a id='run' href='run.sh'>run</a> <a id='pdf' href='guide.pdf'>pdf</a>
<a id='blank' href='https://blank.example/' target='_blank'>blank</a>
<a id='trap' href='https://trap.example/'>trap</a></p>
<form id='form' action='https://form.example/'><input name='q' value='x'></form>
<script>
document.getElementById('trap').addEventListener('click', (e) => { if (e.isTrusted) e.preventDefault(); });
const byId = (id) => document.getElementById(id);
const actions = {
  none: () => {},
  click: () => byId('web').click(),
  clickFile: () => byId('run').click(),
  dispatch: () => byId('pdf').dispatchEvent(new MouseEvent('click', {bubbles: true, cancelable: true})),
  blank: () => byId('blank').click(),
  open: () => window.open('https://open.example/'),
  location: () => { location.href = 'https://location.example/'; },
  submit: () => byId('form').submit(),
  borrow: () => byId('trap').click(),
  later: () => setTimeout(() => byId('web').click(), 0),
};
document.addEventListener('keydown', () => actions[window.action]());
</script></body></html>)";

} // namespace

class TPreviewPageTest : public QObject {
    Q_OBJECT
private slots:
    void TheAuthorsPageShowsItsOwnFilesAndNothingOutsideItsSite();
    void NothingAPageStartsByItselfReachesTheDesktop();
    void BigFilesInThePageCostTheWindowNoMemory();
    void EachScreenSizeGivesThePageItsWidth();
    void ThePageKeepsItsOwnDirectionInAMirroredWindow();
};

void TPreviewPageTest::TheAuthorsPageShowsItsOwnFilesAndNothingOutsideItsSite() {
    QTemporaryDir root;
    const QString engine = root.filePath(QStringLiteral("temp"));
    const QString site = root.filePath(QStringLiteral("site"));
    WriteText(engine + QStringLiteral("/preview.htm"), Page);
    WriteText(site + QStringLiteral("/pages/page.htm"), Page);
    WriteText(site + QStringLiteral("/pages/css/local.css"), "body { color: rgb(1, 2, 3); }");
    WriteText(site + QStringLiteral("/shared/site.css"), "body { background-color: rgb(4, 5, 6); }");
    WriteText(site + QStringLiteral("/shared/other.htm"), "other");
    WritePicture(site + QStringLiteral("/pages/img/here.png"));
    WritePicture(site + QStringLiteral("/img/above.png"));
    WritePicture(root.filePath(QStringLiteral("secret.png")));
    QVERIFY(
        QFile::link(root.filePath(QStringLiteral("secret.png")), site + QStringLiteral("/pages/peek.png")));

    TPreviewSite previewSite(engine.toStdString());
    QVERIFY(
        previewSite.UsePage((site + QStringLiteral("/pages/page.htm")).toStdString(), site.toStdString()));
    QWebEngineProfile profile;
    QWebEngineView view;
    auto* page = new TPreviewWebPage(&profile, previewSite, &view);
    view.setPage(page);
    QSignalSpy followed(page, &TPreviewWebPage::LinkFollowed);
    view.resize(800, 600);
    view.show();
    const QUrl url = page->UrlOfFile(engine + QStringLiteral("/preview.htm"));
    QCOMPARE(url.path(), QStringLiteral("/pages/page.htm"));
    page->AllowPage(url);
    view.load(url);

    QTRY_COMPARE_WITH_TIMEOUT(view.title(),
                              QStringLiteral("rgb(1, 2, 3) rgb(4, 5, 6) shown shown missing missing"), 30000);
    QVERIFY2(followed.isEmpty(), "the page's own script was handed to the system");

    // The person's own click on the link opens the real file, not a path of the program's.
    QVariant box;
    page->runJavaScript(
        QStringLiteral("(() => { const r = document.getElementById('out').getBoundingClientRect();"
                       " return [r.x + r.width / 2, r.y + r.height / 2]; })()"),
        [&box](const QVariant& result) { box = result; });
    QTRY_VERIFY(box.isValid());
    const QPoint centre(box.toList().at(0).toInt(), box.toList().at(1).toInt());
    QWidget* surface = view.focusProxy() ? view.focusProxy() : &view;
    QTest::mouseClick(surface, Qt::LeftButton, {}, centre);
    QTRY_COMPARE_WITH_TIMEOUT(followed.size(), 1, 30000);
    QCOMPARE(followed.at(0).at(0).toUrl(),
             QUrl::fromLocalFile(QFileInfo(site + QStringLiteral("/shared/other.htm")).canonicalFilePath()));
}

void TPreviewPageTest::NothingAPageStartsByItselfReachesTheDesktop() {
    TSitePreview preview(HostilePage);
    WriteText(preview.SiteFile(QStringLiteral("run.sh")), "#!/bin/sh\n");
    QFile::setPermissions(preview.SiteFile(QStringLiteral("run.sh")), QFile::ReadOwner | QFile::ExeOwner);
    WriteText(preview.SiteFile(QStringLiteral("guide.pdf")), "%PDF-1.4\n");
    // What the desktop's opener would be given.
    QSignalSpy followed(preview.Page, &TPreviewWebPage::LinkFollowed);
    QSignalSpy blocked(preview.Page, &TPreviewWebPage::NavigationBlocked);
    preview.Load();
    QTRY_VERIFY_WITH_TIMEOUT(preview.Run(QStringLiteral("typeof actions")).toString() == "object", 30000);
    preview.Click();

    const struct {
        const char* Action;
        const char* PersonClicks; // before the key press; "" for nothing
        QUrl PersonOpens;         // what the person's own click hands to the desktop
    } cases[] = {
        {"click", "", {}},
        {"clickFile", "", {}},
        {"dispatch", "", {}},
        {"blank", "", {}},
        {"open", "", {}},
        {"location", "", {}},
        {"submit", "", {}},
        {"later", "", {}},
        {"borrow", "trap", {}},
        {"none", "run", {}},
        {"dispatch", "pdf",
         QUrl::fromLocalFile(QFileInfo(preview.SiteFile("guide.pdf")).canonicalFilePath())},
    };
    for (const auto& c : cases) {
        preview.Run(QStringLiteral("window.action = '%1'").arg(c.Action));
        const QByteArray person(c.PersonClicks);
        if (!person.isEmpty()) {
            const qsizetype seen = followed.size() + blocked.size();
            preview.Click(QString::fromLatin1(person));
            // The trap keeps the person's click in the page; any other link leaves or is refused.
            if (person != "trap") {
                QTRY_VERIFY_WITH_TIMEOUT(followed.size() + blocked.size() > seen, 10000);
            }
        }
        const qsizetype reported = blocked.size();
        QTest::keyClick(preview.Surface(), Qt::Key_A);
        // Each is kept in with a line in the status bar; the person's own click after it still leaves.
        if (QByteArray(c.Action) != "none") {
            QTRY_VERIFY2_WITH_TIMEOUT(blocked.size() > reported, c.Action, 10000);
        }
        preview.Click(QStringLiteral("sentinel"));
        QList<QUrl> expected{c.PersonOpens, QUrl(QStringLiteral("https://sentinel.example/"))};
        expected.removeAll(QUrl());
        QTRY_COMPARE_WITH_TIMEOUT(followed.size(), expected.size(), 10000);
        QList<QUrl> opened;
        for (const QList<QVariant>& signal : followed) {
            opened << signal.at(0).toUrl();
        }
        QVERIFY2(opened == expected, c.Action);
        followed.clear();
    }
    QVERIFY(blocked.at(0).at(0).toString().contains("elsewhere.example"));
}

void TPreviewPageTest::BigFilesInThePageCostTheWindowNoMemory() {
    TSitePreview preview(R"(<html><body><img src='big.bin'><img src='mid.bin'><script>
const images = [...document.images];
setInterval(() => { if (images.every((i) => i.complete)) document.title = 'settled'; }, 50);
</script></body></html>)");
    // Sparse: the disk holds nothing, the reader gets every byte.
    for (const auto& [name, size] :
         {std::pair("big.bin", qint64(1) << 30), std::pair("mid.bin", qint64(200) << 20)}) {
        QFile file(preview.SiteFile(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }
    TMemoryTrial trial;
    preview.Load();
    QTRY_COMPARE_WITH_TIMEOUT(preview.View.title(), QStringLiteral("settled"), 120000);
    qInfo("peak memory growth %lld MB, window thread blocked at most %lld ms", trial.PeakGrowthMb(),
          trial.LongestBlockMs());
    QVERIFY2(trial.PeakGrowthMb() < 200, qPrintable(QString::number(trial.PeakGrowthMb())));
}

void TPreviewPageTest::EachScreenSizeGivesThePageItsWidth() {
    QWebEngineView* view = new QWebEngineView;
    TPreviewStage stage(view);
    stage.resize(1000, 700);
    stage.show();
    view->setHtml(QStringLiteral("<html><body>width</body></html>"));
    auto pageWidth = [view] {
        auto width = std::make_shared<int>(-1);
        view->page()->runJavaScript(QStringLiteral("window.innerWidth"),
                                    [width](const QVariant& result) { *width = result.toInt(); });
        return QTest::qWaitFor([width] { return *width >= 0; }, 10000) ? *width : -1;
    };
    QTRY_VERIFY(view->width() > 900);
    struct TCase {
        int Screen;
        int StageWidth;
        int PageWidth; // 0: the pane's
    };
    for (const TCase c : {TCase{1, 1000, 768}, TCase{2, 1000, 375}, TCase{2, 300, 375}, TCase{1, 500, 768},
                          TCase{0, 500, 0}}) {
        stage.resize(c.StageWidth, 700);
        stage.SetScreen(c.Screen);
        QCOMPARE(stage.ScreenChoice()->currentIndex(), c.Screen);
        const int expected = c.PageWidth == 0 ? view->width() : c.PageWidth;
        // Scaling rounds to whole device pixels.
        QTRY_VERIFY2(std::abs(pageWidth() - expected) <= 2,
                     qPrintable(QStringLiteral("screen %1 in %2 px").arg(c.Screen).arg(c.StageWidth)));
        QVERIFY(view->width() <= c.StageWidth);
    }
}

void TPreviewPageTest::ThePageKeepsItsOwnDirectionInAMirroredWindow() {
    // A right-to-left window (Arabic) must not turn the author's page around, nor keep a
    // right-to-left page from being one.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    const QByteArray report = "<script>window.addEventListener('load', () => "
                              "{ document.title = 'page ' + getComputedStyle(document.body).direction; });"
                              "</script>";
    for (const auto& [html, direction] :
         {std::pair{QByteArray("<html><body>"), QStringLiteral("page ltr")},
          std::pair{QByteArray("<html dir='rtl'><body>"), QStringLiteral("page rtl")}}) {
        TSitePreview preview(html + "text" + report + "</body></html>");
        preview.Load();
        QTRY_COMPARE_WITH_TIMEOUT(preview.View.title(), direction, 30000);
    }
}

QTEST_MAIN(TPreviewPageTest)
#include "PreviewPageTest.moc"
