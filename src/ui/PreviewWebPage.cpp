#include "PreviewWebPage.h"

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

// Answers the preview's requests with the files of one folder (and its subfolders, which a
// page of the author's may refer to), nothing outside it.
class TFolderSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    TFolderSchemeHandler(const QString& folder, QObject* parent)
        : QWebEngineUrlSchemeHandler(parent), m_folder(folder) {}

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QString folder = QDir(m_folder).canonicalPath();
        const QString relative = QDir::cleanPath(job->requestUrl().path()).mid(1);
        const QString canonical = QFileInfo(QDir(folder).filePath(relative)).canonicalFilePath();
        // The canonical path also resolves symbolic links, so none leads out of the folder.
        if (folder.isEmpty() || relative.startsWith(QLatin1String("..")) || canonical.isEmpty() ||
            !canonical.startsWith(folder + QLatin1Char('/'))) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        QFile file(canonical);
        if (!QFileInfo(canonical).isFile() || !file.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* body = new QBuffer(job);
        body->setData(file.readAll());
        const QMimeType type = QMimeDatabase().mimeTypeForFile(canonical, QMimeDatabase::MatchExtension);
        job->reply(type.name().toUtf8(), body);
    }

private:
    QString m_folder;
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
            m_owner->FollowOutside(url);
            deleteLater();
        }
        return false;
    }

private:
    TPreviewWebPage* m_owner;
    bool m_done = false;
};

TPreviewWebPage::TPreviewWebPage(QWebEngineProfile* profile, const QString& folder, QObject* parent)
    : QWebEnginePage(profile, parent), m_folder(folder) {
    QWebEngineSettings* settings = profile->settings();
    // Off, a local page could read any file the author can; the engine comes through the scheme.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    if (!profile->urlSchemeHandler(SchemeName)) {
        profile->installUrlSchemeHandler(SchemeName, new TFolderSchemeHandler(folder, profile));
    }
}

QUrl TPreviewWebPage::UrlOfFile(const QString& path) const {
    const QString relative = QDir(m_folder).relativeFilePath(path);
    if (relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative)) {
        return QUrl::fromLocalFile(path);
    }
    QUrl url;
    url.setScheme(QString::fromLatin1(SchemeName));
    url.setPath(QLatin1Char('/') + relative);
    return url;
}

void TPreviewWebPage::AllowPage(const QUrl& url) {
    m_allowed = url;
}

void TPreviewWebPage::FollowOutside(const QUrl& url) {
    if (url.scheme() == QLatin1String(SchemeName)) {
        // The system's browser knows the file, not the preview's own scheme.
        emit LinkFollowed(QUrl::fromLocalFile(QDir(m_folder).filePath(QDir::cleanPath(url.path()).mid(1))));
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("ftp") || scheme == QLatin1String("mailto") ||
        scheme == QLatin1String("file")) {
        emit LinkFollowed(url);
    }
}

bool TPreviewWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // Frames inside the author's own page stay theirs; without file access they read nothing.
    if (!isMainFrame || SamePage(url, m_allowed)) {
        return true;
    }
    // Only a person's click leaves the preview; a page's script sends no one anywhere.
    if (type == NavigationTypeLinkClicked) {
        FollowOutside(url);
    }
    return false;
}

QWebEnginePage* TPreviewWebPage::createWindow(WebWindowType) {
    return new TNewWindowCatcher(profile(), this);
}

} // namespace tarvex
