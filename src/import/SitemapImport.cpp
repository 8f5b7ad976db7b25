#include "WebImport.h"

#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/PercentText.h"
#include "base/RecordText.h"

#include <pugixml.hpp>

#include <cstdint>
#include <map>
#include <set>
#include <system_error>

namespace tarvex {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view SiteMapRootCaption = "Site map";
constexpr std::string_view HomeCaption = "Home";
constexpr std::uint64_t LocalPageCeiling = 4ull << 20;

// The element's name without its namespace prefix.
std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The text of each <loc> of the entries named `entry` under `root`, in order; no more than `limit`.
std::vector<std::string> Locations(const pugi::xml_node& root, std::string_view entry,
                                   std::size_t limit = SIZE_MAX) {
    std::vector<std::string> locations;
    for (const pugi::xml_node& child : root.children()) {
        if (locations.size() >= limit) {
            break;
        }
        if (LocalName(child) != entry) {
            continue;
        }
        for (const pugi::xml_node& field : child.children()) {
            if (LocalName(field) == "loc") {
                locations.push_back(ImportedText(field.child_value(), ImportedAddressCapacity));
                break;
            }
        }
    }
    return locations;
}

struct TPageAddress {
    std::string Host;
    std::vector<std::string> Segments;
};

// Web addresses only; the path without query and fragment, split at "/", a folder's index page
// standing for the folder.
std::optional<TPageAddress> SplitAddress(std::string_view address) {
    const std::string lower = AsciiLower(address.substr(0, 8));
    std::size_t at = 0;
    if (lower.starts_with("https://")) {
        at = 8;
    } else if (lower.starts_with("http://")) {
        at = 7;
    } else {
        return std::nullopt;
    }
    const std::size_t pathStart = address.find_first_of("/?#", at);
    TPageAddress page;
    page.Host =
        AsciiLower(address.substr(at, pathStart == std::string_view::npos ? address.npos : pathStart - at));
    if (page.Host.empty()) {
        return std::nullopt;
    }
    if (pathStart == std::string_view::npos || address[pathStart] != '/') {
        return page;
    }
    std::string_view path = address.substr(pathStart);
    path = path.substr(0, path.find_first_of("?#"));
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::size_t end = slash == std::string_view::npos ? path.size() : slash;
        if (end > start) {
            page.Segments.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    if (!page.Segments.empty()) {
        const std::string last = AsciiLower(page.Segments.back());
        if (last.starts_with("index.") || last.starts_with("default.")) {
            page.Segments.pop_back();
        }
    }
    return page;
}

// Titles of the local pages read so far, by file: many addresses may lead to one page.
// The outer nothing marks a file that could not be read.
using TTitleCache = std::map<fs::path, std::optional<std::optional<std::string>>>;

// The local copy of a page under `folder`, read for its title. Segments that could leave the
// folder are not followed.
std::optional<std::string> LocalTitle(const fs::path& folder, const std::vector<std::string>& segments,
                                      TTitleCache& cache) {
    if (folder.empty()) {
        return std::nullopt;
    }
    fs::path path = folder;
    for (const std::string& segment : segments) {
        const std::string decoded = PercentDecoded(segment);
        if (decoded == "." || decoded == ".." ||
            decoded.find_first_of(std::string_view("/\\:\0", 4)) != std::string::npos) {
            return std::nullopt;
        }
        path /= PathFromUtf8(decoded);
    }
    std::error_code ec;
    std::vector<fs::path> candidates;
    if (fs::is_directory(path, ec)) {
        candidates = {path / "index.html", path / "index.htm"};
    } else {
        candidates = {path, fs::path(path) += ".html"};
    }
    for (const fs::path& candidate : candidates) {
        if (!fs::is_regular_file(candidate, ec)) {
            continue;
        }
        auto known = cache.find(candidate);
        if (known == cache.end()) {
            const std::optional<std::string> bytes = ReadWholeFile(candidate, LocalPageCeiling);
            known =
                cache.emplace(candidate, bytes ? std::optional(ReadPageTitle(*bytes)) : std::nullopt).first;
        }
        if (known->second) {
            return *known->second;
        }
    }
    return std::nullopt;
}

// The pages of a site grouped by host and path, in the order the site map first names them.
class TSiteTree {
public:
    explicit TSiteTree(fs::path folder) : m_folder(std::move(folder)) { m_nodes.push_back({}); }

    // False when the path is deeper than a menu may nest: under a root of several hosts, the
    // host and every segment but the page's are groups, as many levels as a bookmark file's
    // root and folders may make.
    bool Add(const std::string& address, const TPageAddress& page) {
        std::size_t at = Child(0, page.Host);
        if (page.Segments.size() + 1 > static_cast<std::size_t>(ImportGroupDepthLimit)) {
            return false;
        }
        for (const std::string& segment : page.Segments) {
            at = Child(at, segment);
        }
        if (m_nodes[at].Address.empty()) {
            m_nodes[at].Address = address;
            m_nodes[at].Segments = page.Segments;
        }
        return true;
    }

    TImportEntry Build() const {
        const std::vector<std::size_t>& hosts = m_nodes[0].Children;
        TImportEntry root;
        if (hosts.size() == 1) {
            Fill(root, hosts.front(), true);
        } else {
            root.Caption = SiteMapRootCaption;
            root.IsGroup = true;
            for (const std::size_t host : hosts) {
                root.Children.emplace_back();
                Fill(root.Children.back(), host, true);
            }
        }
        return root;
    }

private:
    struct TNode {
        std::string Segment;
        std::string Address;
        std::vector<std::string> Segments;
        std::vector<std::size_t> Children;
        std::map<std::string, std::size_t, std::less<>> Lookup;
    };

    std::size_t Child(std::size_t parent, const std::string& segment) {
        const auto found = m_nodes[parent].Lookup.find(segment);
        if (found != m_nodes[parent].Lookup.end()) {
            return found->second;
        }
        const std::size_t index = m_nodes.size();
        m_nodes.push_back({segment, {}, {}, {}, {}});
        m_nodes[parent].Lookup.emplace(segment, index);
        m_nodes[parent].Children.push_back(index);
        return index;
    }

    std::string Caption(const TNode& node, bool isHost) const {
        if (!node.Address.empty()) {
            if (std::optional<std::string> title = LocalTitle(m_folder, node.Segments, m_titles)) {
                return *title;
            }
        }
        if (isHost) {
            return ImportedText(node.Segment);
        }
        std::string readable = ReadableSegment(node.Segment);
        return readable.empty() ? std::string(HomeCaption) : readable;
    }

    // Fills `top` from node `topIndex` and everything below it.
    void Fill(TImportEntry& top, std::size_t topIndex, bool topIsHost) const {
        // Each open entry and the next of its children to fill.
        std::vector<std::pair<TImportEntry*, std::size_t>> open;
        const auto childAt = [this](const TNode& node, std::size_t i) {
            return i < node.Children.size() ? &m_nodes[node.Children[i]] : nullptr;
        };
        WalkDepthFirst(
            &m_nodes[topIndex], childAt,
            [&](const TNode& node) {
                TImportEntry* entry =
                    open.empty() ? &top : &open.back().first->Children[open.back().second++];
                entry->Caption = Caption(node, open.empty() && topIsHost);
                entry->Address = node.Address;
                entry->IsGroup = !node.Children.empty();
                entry->Children.resize(node.Children.size());
                open.emplace_back(entry, 0);
            },
            [&](const TNode&) { open.pop_back(); });
    }

    fs::path m_folder;
    std::vector<TNode> m_nodes;
    mutable TTitleCache m_titles;
};

struct TParsed {
    pugi::xml_document Document;
    TUiText Error;
};

// Plain XML only: pugixml has no DTD processing, so no external entity is ever resolved and no
// custom entity expanded; "&name;" of an unknown entity stays text.
void ParseXml(std::string_view bytes, const TUiText& what, TParsed& parsed) {
    if (bytes.starts_with("\x1F\x8B")) {
        parsed.Error = ImportText(
            TARVEX_TRANSLATE_NOOP("Import", "%1 is compressed; unpack it (gunzip) and import the .xml file."),
            {what});
        return;
    }
    const pugi::xml_parse_result result =
        parsed.Document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    if (!result) {
        // The parser's own words stay as it gives them.
        parsed.Error =
            ImportText(TARVEX_TRANSLATE_NOOP("Import", "%1 is not well-formed XML (%2 at byte %3)."),
                       {what, TUiText::Verbatim(result.description()),
                        TUiText::Verbatim(std::to_string(result.offset))});
    }
}

// The pages of the site maps an index lists, each read from beside the index by its file name; an
// error text when one cannot be used.
TUiText ReadIndexedSitemaps(const std::vector<std::string>& maps, const fs::path& folder,
                            std::vector<std::string>& pages) {
    std::vector<std::string> missing;
    std::set<std::string> read;
    for (const std::string& map : maps) {
        if (pages.size() > SitemapPageLimit) {
            break;
        }
        // Never fetched: the site map is looked for beside the index, by its file name.
        std::string name = map.substr(0, map.find_first_of("?#"));
        name = PercentDecoded(name.substr(name.rfind('/') == std::string::npos ? 0 : name.rfind('/') + 1));
        if (!read.insert(name).second) {
            continue;
        }
        std::optional<std::string> mapBytes;
        if (!folder.empty() && !name.empty() && name != "." && name != ".." &&
            name.find_first_of(std::string_view("/\\:\0", 4)) == std::string::npos) {
            mapBytes = ReadWholeFile(folder / PathFromUtf8(name), ImportFileCeiling);
        }
        if (!mapBytes) {
            missing.push_back(name.empty() ? map : name);
            continue;
        }
        auto part = std::make_unique<TParsed>();
        ParseXml(*mapBytes,
                 ImportText(TARVEX_TRANSLATE_NOOP("Import", "The site map %1"), {TUiText::Verbatim(name)}),
                 *part);
        if (!part->Error.Empty()) {
            return part->Error;
        }
        const pugi::xml_node partRoot = part->Document.document_element();
        if (LocalName(partRoot) != "urlset") {
            return ImportText(
                TARVEX_TRANSLATE_NOOP("Import", "The site map %1 lists no pages (its root is not <urlset>)."),
                {TUiText::Verbatim(name)});
        }
        for (std::string& page : Locations(partRoot, "url", SitemapPageLimit + 1 - pages.size())) {
            pages.push_back(std::move(page));
        }
    }
    if (pages.empty() && !missing.empty()) {
        std::string list;
        for (const std::string& name : missing) {
            list += (list.empty() ? "" : ", ") + name;
        }
        return ImportText(
            TARVEX_TRANSLATE_NOOP("Import", "None of the index's site maps is in the index's folder: %1."),
            {TUiText::Verbatim(list)});
    }
    return {};
}

} // namespace

TImportResult ParseSitemap(std::string_view bytes, const fs::path& folder) {
    TParsed parsed;
    ParseXml(bytes, ImportText(TARVEX_TRANSLATE_NOOP("Import", "The site map")), parsed);
    if (!parsed.Error.Empty()) {
        return {std::nullopt, parsed.Error};
    }
    const pugi::xml_node root = parsed.Document.document_element();
    std::vector<std::string> pages;
    if (LocalName(root) == "urlset") {
        pages = Locations(root, "url", SitemapPageLimit + 1);
    } else if (LocalName(root) == "sitemapindex") {
        const std::vector<std::string> maps = Locations(root, "sitemap", SitemapIndexLimit + 1);
        if (maps.size() > SitemapIndexLimit) {
            return {std::nullopt,
                    ImportText(
                        TARVEX_TRANSLATE_NOOP("Import", "The site-map index lists more than %1 site maps."),
                        {TUiText::Verbatim(std::to_string(SitemapIndexLimit))})};
        }
        TUiText error = ReadIndexedSitemaps(maps, folder, pages);
        if (!error.Empty()) {
            return {std::nullopt, error};
        }
    } else {
        return {std::nullopt,
                ImportText(
                    TARVEX_TRANSLATE_NOOP("Import", "The file is not a site map: its root element is <%1>."),
                    {TUiText::Verbatim(root.name())})};
    }
    if (pages.size() > SitemapPageLimit) {
        return {std::nullopt,
                ImportText(TARVEX_TRANSLATE_NOOP("Import", "The site map lists more than %1 pages."),
                           {TUiText::Verbatim(std::to_string(SitemapPageLimit))})};
    }
    TSiteTree tree(folder);
    std::size_t added = 0;
    for (const std::string& page : pages) {
        const std::optional<TPageAddress> split = SplitAddress(page);
        if (!split) {
            continue;
        }
        if (!tree.Add(page, *split)) {
            return {std::nullopt,
                    ImportText(TARVEX_TRANSLATE_NOOP("Import",
                                                     "The site map's addresses nest deeper than %1 folders."),
                               {TUiText::Verbatim(std::to_string(ImportGroupDepthLimit))})};
        }
        ++added;
    }
    if (added == 0) {
        return {std::nullopt,
                ImportText(TARVEX_TRANSLATE_NOOP("Import", "The site map lists no web pages."))};
    }
    return {tree.Build(), {}};
}

TImportResult ParseSitemapFile(const fs::path& file) {
    const TImportBytes read = ReadImportFile(file);
    if (!read.Bytes) {
        return {std::nullopt, read.Error};
    }
    // A file named without a folder lies in the current one, where its maps and pages are too.
    return ParseSitemap(*read.Bytes, file.has_parent_path() ? file.parent_path() : fs::path("."));
}

} // namespace tarvex
