#pragma once
// The preview's web page: serves the engine's folder and the author's site folder to the preview
// without file access, shows only the page the program navigates to, and hands the links the
// person clicks inside it to the system, when they lead to the web or to the author's own pages,
// documents and pictures.

#include "preview/PreviewSite.h"

#include <QString>
#include <QUrl>
#include <QWebEnginePage>

#include <memory>

namespace tarvex {

class TPreviewWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    // The scheme under which the preview sees the folders `site` allows: the engine, menu.js and
    // the author's page with its own files, but no other local file.
    static constexpr const char* SchemeName = "tarvex-preview";

    // `profile` gets the settings and the scheme handler; it should serve no other page that
    // needs file access. `site` outlives the page and may change between navigations.
    TPreviewWebPage(QWebEngineProfile* profile, const TPreviewSite& site, QObject* parent);
    ~TPreviewWebPage() override;

    // The address under which the preview shows the preview page at `path` (a plain file URL for
    // a file elsewhere, which then runs without its scripts).
    QUrl UrlOfFile(const QString& path) const;
    // The page the program navigates to next: the one page the preview may show.
    void AllowPage(const QUrl& url);

signals:
    // A link the visitor followed, as the system's browser would open it.
    void LinkFollowed(const QUrl& url);
    // A navigation that did not leave the preview, and why, in a line for the status bar.
    void NavigationBlocked(const QString& why);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    // Emits LinkFollowed for an address the system may open: the web, mail, or a page, document
    // or picture of the author's site.
    void FollowOutside(const QUrl& url);
    // FollowOutside when `url` is the very link the person last clicked or pressed Enter on, as
    // the page's own events tell it (a script's click is no person's); the page is asked when the
    // navigation comes, so no earlier click counts for a later navigation.
    void FollowIfActivated(const QUrl& url);

    const TPreviewSite& m_site;
    QUrl m_allowed;
    // Cleared when the page goes: an answer from the web engine that comes later does nothing.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace tarvex
