#include "PreviewWebPage.h"

#include "base/PathText.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWidget>

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

// Answers the preview's requests with the files the site allows, nothing else.
class TSiteSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    TSiteSchemeHandler(const TPreviewSite& site, QObject* parent)
        : QWebEngineUrlSchemeHandler(parent), m_site(site) {}

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        // Decoded once here and never again: "%2e%2e%2f" is checked as the "../" it stands for.
        const std::optional<std::filesystem::path> file =
            m_site.FileFor(job->requestUrl().path(QUrl::FullyDecoded).toStdString());
        QFile content(file ? QString::fromStdString(PathText(*file)) : QString());
        if (!file || !content.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* body = new QBuffer(job);
        body->setData(content.readAll());
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile(content.fileName(), QMimeDatabase::MatchExtension);
        job->reply(type.name().toUtf8(), body);
    }

private:
    const TPreviewSite& m_site;
};

bool SamePage(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

} // namespace

// A page for a link opened in a new window (target=_blank): it passes the first address it is
// asked to show on to the preview and goes away, so no second browser window ever opens.
class TNewWindowCatcher : public QWebEnginePage {
public:
    TNewWindowCatcher(QWebEngineProfile* profile, TPreviewWebPage* owner)
        : QWebEnginePage(profile, owner), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (isMainFrame && !m_done) {
            m_done = true;
            m_owner->FollowIfClicked(url);
            deleteLater();
        }
        return false;
    }

private:
    TPreviewWebPage* m_owner;
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

void TPreviewWebPage::WatchInput(QWidget* view) {
    m_view = view;
    qApp->installEventFilter(this);
}

bool TPreviewWebPage::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::KeyPress) &&
        m_view && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_view || m_view->isAncestorOf(widget)) {
            m_sinceInput.start();
        }
    }
    return QWebEnginePage::eventFilter(watched, event);
}

void TPreviewWebPage::FollowIfClicked(const QUrl& url) {
    // A page's script may click its own links, at once or on a timer; only a link followed
    // within a moment of the person's own click or key press counts as theirs.
    constexpr qint64 ClickMilliseconds = 1500;
    if (m_sinceInput.isValid() && m_sinceInput.elapsed() <= ClickMilliseconds) {
        FollowOutside(url);
    }
}

void TPreviewWebPage::FollowOutside(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String(SchemeName)) {
        // The system knows the author's real file, not the preview's own scheme.
        if (const auto file = m_site.SiteFileFor(url.path(QUrl::FullyDecoded).toStdString())) {
            emit LinkFollowed(QUrl::fromLocalFile(QString::fromStdString(PathText(*file))));
        }
        return;
    }
    if (scheme == QLatin1String("file")) {
        if (m_site.InSite(PathFromUtf8(url.toLocalFile().toStdString()))) {
            emit LinkFollowed(url);
        }
        return;
    }
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        emit LinkFollowed(url);
    }
}

bool TPreviewWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // Frames inside the author's own page stay theirs; the scheme serves them only the site.
    if (!isMainFrame || SamePage(url, m_allowed)) {
        return true;
    }
    // Only a person's click leaves the preview; a page's script sends no one anywhere.
    if (type == NavigationTypeLinkClicked) {
        FollowIfClicked(url);
    }
    return false;
}

QWebEnginePage* TPreviewWebPage::createWindow(WebWindowType) {
    return new TNewWindowCatcher(profile(), this);
}

} // namespace tarvex
