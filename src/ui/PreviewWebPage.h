#pragma once
// The preview's web page: serves the temp folder to the preview without file access, shows only
// the page the program navigates to, and hands every link followed inside it to the system's
// browser.

#include <QString>
#include <QUrl>
#include <QWebEnginePage>

namespace tarvex {

class TPreviewWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    // The scheme under which the preview sees the temp folder. Pages under it load the engine,
    // menu.js and anything else of that folder, but no other local file.
    static constexpr const char* SchemeName = "tarvex-preview";

    // `profile` gets the settings and the scheme handler; it should serve no other page that
    // needs file access. `folder` is the temp folder.
    TPreviewWebPage(QWebEngineProfile* profile, const QString& folder, QObject* parent);

    // The address under which the preview shows a file of the temp folder (a plain file URL for
    // one elsewhere, which then runs without its scripts).
    QUrl UrlOfFile(const QString& path) const;
    // The page the program navigates to next: the one page the preview may show.
    void AllowPage(const QUrl& url);

signals:
    // A link the visitor followed, as the system's browser would open it.
    void LinkFollowed(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    friend class TNewWindowCatcher;
    // Emits LinkFollowed for an address worth opening elsewhere.
    void FollowOutside(const QUrl& url);

    QString m_folder;
    QUrl m_allowed;
};

} // namespace tarvex
