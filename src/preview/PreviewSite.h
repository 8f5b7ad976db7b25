#pragma once
// What the preview may read and what it may hand to the system: the engine's folder always, and
// with a page of the author's, that page's site folder (the page's own folder or one above it),
// so the page's style sheets, pictures and scripts load as they do on the web server.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

// Beside the preview page: which page of the author's it was built from, and its site folder.
inline constexpr const char* PreviewSiteFileName = "preview.site";

class TPreviewSite {
public:
    // `engineFolder` holds the engine, menu.js and the preview page itself.
    explicit TPreviewSite(std::filesystem::path engineFolder);

    // Shows `page` from now on, with everything under `siteFolder` readable. False, and nothing
    // changed, unless `siteFolder` is the page's folder or a folder above it.
    bool UsePage(const std::filesystem::path& page, const std::filesystem::path& siteFolder);
    void UseDefaultPage();
    const std::filesystem::path& EngineFolder() const { return m_engineFolder; }
    bool HasAuthorPage() const { return !m_page.empty(); }
    const std::filesystem::path& AuthorPage() const { return m_page; }
    const std::filesystem::path& SiteFolder() const { return m_siteFolder; }

    // The address path ("/preview.htm", or the page's own path below the site folder) under
    // which the preview page is shown, so the page's relative references resolve as on the site.
    std::string PreviewUrlPath() const;
    // The file to answer a request for the decoded address path `urlPath` with; nothing for one
    // that leads outside the readable folders or names no regular file.
    std::optional<std::filesystem::path> FileFor(std::string_view urlPath) const;
    // The author's own file behind a preview address, the only kind of local file the system may
    // be asked to open; nothing for the engine's files or anything outside the site folder.
    std::optional<std::filesystem::path> SiteFileFor(std::string_view urlPath) const;
    // Whether `file` is inside the site folder, links resolved.
    bool InSite(const std::filesystem::path& file) const;

    // The choice as two lines (page, site folder), kept beside the preview page between runs;
    // an empty text for the default page.
    std::string Describe() const;
    // Takes back a described choice; a text that names no page or an unusable one leaves the
    // default page.
    void Restore(std::string_view description);

private:
    // The address path below the root made plain ("a/b.css"); nothing when it climbs out.
    static std::optional<std::string> RelativePart(std::string_view urlPath);
    std::string PageFolderPart() const;

    std::filesystem::path m_engineFolder;
    std::filesystem::path m_page;
    std::filesystem::path m_siteFolder;
};

} // namespace tarvex
