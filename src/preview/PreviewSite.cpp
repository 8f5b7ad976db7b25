#include "PreviewSite.h"

#include "base/FileIo.h"
#include "base/PathText.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <vector>

namespace tarvex {

namespace fs = std::filesystem;

namespace {

// The three files the preview page loads by relative name; they come from the engine's folder
// whatever the author's folder holds.
constexpr std::array<std::string_view, 3> EngineFiles = {"one.js", "menu.js", "main.js"};

std::optional<fs::path> Canonical(const fs::path& path) {
    std::error_code error;
    fs::path canonical = fs::canonical(path, error);
    if (error) {
        return std::nullopt;
    }
    return canonical;
}

// Compared component by component, so "/site2" is not taken for a folder inside "/site".
bool IsWithin(const fs::path& folder, const fs::path& path) {
    const auto [folderEnd, pathAt] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return folderEnd == folder.end();
}

std::string Utf8Generic(const fs::path& path) {
    std::string text = PathText(path);
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

} // namespace

TPreviewSite::TPreviewSite(fs::path engineFolder) : m_engineFolder(std::move(engineFolder)) {}

bool TPreviewSite::UsePage(const fs::path& page, const fs::path& siteFolder) {
    const std::optional<fs::path> realPage = Canonical(page);
    const std::optional<fs::path> realSite = Canonical(siteFolder);
    if (!realPage || !realSite || !IsWithin(*realSite, realPage->parent_path())) {
        return false;
    }
    m_page = *realPage;
    m_siteFolder = *realSite;
    return true;
}

void TPreviewSite::UseDefaultPage() {
    m_page.clear();
    m_siteFolder.clear();
}

std::string TPreviewSite::PageFolderPart() const {
    return Utf8Generic(m_page.parent_path().lexically_relative(m_siteFolder));
}

std::string TPreviewSite::PreviewUrlPath() const {
    if (!HasAuthorPage()) {
        return "/preview.htm";
    }
    const std::string folder = PageFolderPart();
    const std::string name = Utf8Generic(m_page.filename());
    return folder.empty() || folder == "." ? "/" + name : "/" + folder + "/" + name;
}

std::optional<std::string> TPreviewSite::RelativePart(std::string_view urlPath) {
    // A backslash is a separator to Windows, and a NUL ends the name early: neither is plain.
    if (urlPath.empty() || urlPath.front() != '/' ||
        urlPath.find_first_of(std::string_view("\\\0", 2)) != std::string_view::npos) {
        return std::nullopt;
    }
    std::vector<std::string_view> parts;
    size_t start = 1;
    while (start <= urlPath.size()) {
        const size_t end = std::min(urlPath.find('/', start), urlPath.size());
        const std::string_view part = urlPath.substr(start, end - start);
        if (part == "..") {
            if (parts.empty()) {
                return std::nullopt;
            }
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string relative;
    for (const std::string_view part : parts) {
        relative += (relative.empty() ? "" : "/") + std::string(part);
    }
    return relative;
}

std::optional<fs::path> TPreviewSite::FileFor(std::string_view urlPath) const {
    const std::optional<std::string> relative = RelativePart(urlPath);
    if (!relative || relative->empty()) {
        return std::nullopt;
    }
    fs::path root = m_engineFolder;
    fs::path candidate = m_engineFolder / PathFromUtf8(*relative);
    if (HasAuthorPage()) {
        const std::string pagePath = PreviewUrlPath().substr(1);
        const size_t slash = relative->rfind('/');
        const std::string folder = slash == std::string::npos ? "" : relative->substr(0, slash);
        const std::string name = relative->substr(slash + 1);
        const std::string pageFolder = PageFolderPart() == "." ? "" : PageFolderPart();
        if (*relative == pagePath) {
            candidate = m_engineFolder / "preview.htm";
        } else if (folder == pageFolder &&
                   std::find(EngineFiles.begin(), EngineFiles.end(), name) != EngineFiles.end()) {
            candidate = m_engineFolder / PathFromUtf8(name);
        } else {
            root = m_siteFolder;
            candidate = m_siteFolder / PathFromUtf8(*relative);
        }
    }
    const std::optional<fs::path> realRoot = Canonical(root);
    const std::optional<fs::path> real = Canonical(candidate);
    std::error_code error;
    if (!realRoot || !real || !IsWithin(*realRoot, *real) || !fs::is_regular_file(*real, error)) {
        return std::nullopt;
    }
    return real;
}

std::optional<fs::path> TPreviewSite::SiteFileFor(std::string_view urlPath) const {
    const std::optional<std::string> relative = RelativePart(urlPath);
    if (!HasAuthorPage() || !relative) {
        return std::nullopt;
    }
    if ("/" + *relative == PreviewUrlPath()) {
        return m_page;
    }
    const std::optional<fs::path> real = Canonical(m_siteFolder / PathFromUtf8(*relative));
    std::error_code error;
    if (!real || !IsWithin(m_siteFolder, *real) || !fs::is_regular_file(*real, error)) {
        return std::nullopt;
    }
    return real;
}

bool TPreviewSite::InSite(const fs::path& file) const {
    const std::optional<fs::path> real = Canonical(file);
    return HasAuthorPage() && real && IsWithin(m_siteFolder, *real);
}

std::string TPreviewSite::Describe() const {
    return HasAuthorPage() ? PathText(m_page) + "\n" + PathText(m_siteFolder) + "\n" : std::string();
}

void TPreviewSite::Restore(std::string_view description) {
    const std::vector<std::string> lines = SplitLines(description);
    if (lines.size() < 2 || !UsePage(PathFromUtf8(lines[0]), PathFromUtf8(lines[1]))) {
        UseDefaultPage();
    }
}

} // namespace tarvex
