// The preview's page in a real web view: the author's page with its own files, nothing outside
// its site folder, and only the person's clicks handed to the system.

#include "ui/PreviewStage.h"
#include "ui/PreviewWebPage.h"

#include <QComboBox>

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

using namespace tarvex;

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

} // namespace

class TPreviewPageTest : public QObject {
    Q_OBJECT
private slots:
    void TheAuthorsPageShowsItsOwnFilesAndNothingOutsideItsSite();
    void EachScreenSizeGivesThePageItsWidth();
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
    page->WatchInput(&view);
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

QTEST_MAIN(TPreviewPageTest)
#include "PreviewPageTest.moc"
