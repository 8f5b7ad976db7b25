#pragma once
// The preview's web page: serves the engine's folder and the author's site folder to the preview
// without file access, shows only the page the program navigates to, and hands the links the
// author clicks inside it to the system, when they lead to the web or to the author's own files.

#include "preview/PreviewSite.h"

#include <QElapsedTimer>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>

class QWidget;

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

    // The address under which the preview shows the preview page at `path` (a plain file URL for
    // a file elsewhere, which then runs without its scripts).
    QUrl UrlOfFile(const QString& path) const;
    // Notes the person's own clicks and keys in `view`: only a link followed right after one
    // leaves the preview, never one a page's script follows by itself.
    void WatchInput(QWidget* view);
    // The page the program navigates to next: the one page the preview may show.
    void AllowPage(const QUrl& url);

signals:
    // A link the visitor followed, as the system's browser would open it.
    void LinkFollowed(const QUrl& url);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    friend class TNewWindowCatcher;
    // Emits LinkFollowed for an address the system may open: the web, mail, or a file of the
    // author's site.
    void FollowOutside(const QUrl& url);
    // FollowOutside, when the person clicked or pressed a key in the preview a moment ago.
    void FollowIfClicked(const QUrl& url);

    const TPreviewSite& m_site;
    QUrl m_allowed;
    QWidget* m_view = nullptr;
    QElapsedTimer m_sinceInput;
};

} // namespace tarvex
