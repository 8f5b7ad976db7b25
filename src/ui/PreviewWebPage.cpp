#include "PreviewWebPage.h"

#include <functional>

#include "base/FileIo.h"
#include "base/PathText.h"
#include "preview/DesktopAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace tarvex {

namespace {

// Custom schemes must be known before the web engine starts, that is before main runs.
void RegisterPreviewScheme() {
    QWebEngineUrlScheme scheme(TPreviewWebPage::SchemeName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}
Q_CONSTRUCTOR_FUNCTION(RegisterPreviewScheme)

// No page, style sheet, picture or script of a site is larger; a video or a disk image in the
// site folder is not the preview's to load.
constexpr std::uint64_t PreviewFileCeiling = 256ull << 20;

// Answers the preview's requests with the files the site allows, nothing else.
class TSiteSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    TSiteSchemeHandler(const TPreviewSite& site, QObject* parent)
        : QWebEngineUrlSchemeHandler(parent), m_site(site) {}

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        // Decoded once here and never again: "%2e%2e%2f" is checked as the "../" it stands for.
        const std::optional<std::filesystem::path> file =
            m_site.FileFor(job->requestUrl().path(QUrl::FullyDecoded).toStdString());
        // The engine reads the file on its own thread as it needs it, so neither a big picture
        // nor a slow disk holds up the window, and no copy of the file sits in memory; the job
        // owns the file and closes it when it ends.
        auto* content = new QFile(file ? QString::fromStdString(PathText(*file)) : QString(), job);
        if (!file || !content->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        if (static_cast<std::uint64_t>(content->size()) > PreviewFileCeiling) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile(content->fileName(), QMimeDatabase::MatchExtension);
        job->reply(type.name().toUtf8(), content);
    }

private:
    const TPreviewSite& m_site;
};

// Notes, in a world of its own that the page's scripts can neither see nor change, the link the
// person last activated. The browser marks the events of real input as trusted: a click with the
// mouse, or Enter on a focused link; a script's click() or dispatched event is not, and clears
// the note, so a page cannot borrow the person's last click either.
constexpr const char* ActivationWatcher = R"(
(() => {
  const note = (event) => {
    const link = event.isTrusted
      ? event.composedPath().find((n) => n instanceof Element && n.matches('a[href], area[href]'))
      : undefined;
    window.tarvexActivatedLink = !link ? null
      : typeof link.href === 'string' ? link.href
      : new URL(link.href.baseVal, document.baseURI).href;
  };
  window.addEventListener('click', note, true);
  window.addEventListener('auxclick', note, true);
})();
)";

// The link noted above, taken: each activation lets one navigation out.
constexpr const char* TakeActivation =
    "(() => { const link = window.tarvexActivatedLink; window.tarvexActivatedLink = null; "
    "return link || ''; })()";

bool SamePage(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

} // namespace

// A page for a link opened in a new window (target=_blank): it passes the first address it is
// asked to show on to the preview and goes away, so no second browser window ever opens.
class TNewWindowCatcher : public QWebEnginePage {
public:
    // `follow` decides what becomes of the address, as for a navigation of the preview itself.
    TNewWindowCatcher(QWebEngineProfile* profile, QObject* owner, std::function<void(const QUrl&)> follow)
        : QWebEnginePage(profile, owner), m_follow(std::move(follow)) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (isMainFrame && !m_done) {
            m_done = true;
            m_follow(url);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void(const QUrl&)> m_follow;
    bool m_done = false;
};

TPreviewWebPage::TPreviewWebPage(QWebEngineProfile* profile, const TPreviewSite& site, QObject* parent)
    : QWebEnginePage(profile, parent), m_site(site) {
    QWebEngineSettings* settings = profile->settings();
    // Off, a local page could read any file the author can; the engine comes through the scheme.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    if (!profile->urlSchemeHandler(SchemeName)) {
        profile->installUrlSchemeHandler(SchemeName, new TSiteSchemeHandler(site, profile));
    }
    QWebEngineScript watcher;
    watcher.setName(QStringLiteral("ActivationWatcher"));
    watcher.setSourceCode(QString::fromLatin1(ActivationWatcher));
    watcher.setInjectionPoint(QWebEngineScript::DocumentCreation);
    watcher.setWorldId(QWebEngineScript::ApplicationWorld);
    watcher.setRunsOnSubFrames(false);
    scripts().insert(watcher);
}

TPreviewWebPage::~TPreviewWebPage() {
    *m_alive = false;
}

QUrl TPreviewWebPage::UrlOfFile(const QString& path) const {
    const QString relative =
        QDir(QString::fromStdString(PathText(m_site.EngineFolder()))).relativeFilePath(QDir::cleanPath(path));
    if (relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative)) {
        return QUrl::fromLocalFile(path);
    }
    QUrl url;
    url.setScheme(QString::fromLatin1(SchemeName));
    url.setPath(relative == QLatin1String("preview.htm") ? QString::fromStdString(m_site.PreviewUrlPath())
                                                         : QLatin1Char('/') + relative);
    return url;
}

void TPreviewWebPage::AllowPage(const QUrl& url) {
    m_allowed = url;
}

void TPreviewWebPage::FollowIfActivated(const QUrl& url) {
    runJavaScript(QString::fromLatin1(TakeActivation), QWebEngineScript::ApplicationWorld,
                  [this, alive = m_alive, url](const QVariant& link) {
                      if (!*alive) {
                          return;
                      }
                      if (link.toString().isEmpty() || QUrl(link.toString()) != url) {
                          emit NavigationBlocked(
                              tr("Blocked: the page itself tried to open %1.").arg(url.toDisplayString()));
                          return;
                      }
                      FollowOutside(url);
                  });
}

void TPreviewWebPage::FollowOutside(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (IsWebScheme(scheme.toStdString())) {
        emit LinkFollowed(url);
        return;
    }
    // The system knows the author's real file, not the preview's own scheme.
    std::optional<std::filesystem::path> file;
    if (scheme == QLatin1String(SchemeName)) {
        file = m_site.SiteFileFor(url.path(QUrl::FullyDecoded).toStdString());
    } else if (scheme == QLatin1String("file")) {
        const QFileInfo local(url.toLocalFile());
        if (local.isFile() && m_site.InSite(PathFromUtf8(local.absoluteFilePath().toStdString()))) {
            file = PathFromUtf8(local.canonicalFilePath().toStdString());
        }
    }
    // Named by the link and by the file it leads to: a link to a page that is really a program
    // opens neither.
    if (file && IsShownByBrowser(*file) && IsShownByBrowser(PathFromUtf8(url.path().toStdString()))) {
        emit LinkFollowed(QUrl::fromLocalFile(QString::fromStdString(PathText(*file))));
        return;
    }
    emit NavigationBlocked(tr("Not opened: %1 is no web address, page, document or picture of the site.")
                               .arg(url.toDisplayString()));
}

bool TPreviewWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // Frames inside the author's own page stay theirs; the scheme serves them only the site.
    if (!isMainFrame || SamePage(url, m_allowed)) {
        return true;
    }
    // Only a person's click leaves the preview; a page's script sends no one anywhere.
    if (type == NavigationTypeLinkClicked) {
        FollowIfActivated(url);
    } else {
        emit NavigationBlocked(tr("Blocked: the page itself tried to open %1.").arg(url.toDisplayString()));
    }
    return false;
}

QWebEnginePage* TPreviewWebPage::createWindow(WebWindowType) {
    return new TNewWindowCatcher(profile(), this, [this](const QUrl& url) { FollowIfActivated(url); });
}

} // namespace tarvex
