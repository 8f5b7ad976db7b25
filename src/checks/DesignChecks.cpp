#include "DesignChecks.h"

#include "PatternChecks.h"
#include "StyleChecks.h"
#include "base/PathText.h"
#include "base/PercentText.h"
#include "base/RecordText.h"
#include "script/CaptionText.h"
#include "script/MenuLevels.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace tarvex {

namespace {

using TLevel = TNodeLevel<const TTreeNode>;

bool HasEntries(TLevel level) {
    return std::any_of(level.begin(), level.end(), [](const TTreeNode& node) { return !node.IsOptions(); });
}

std::string Quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// As a browser reads the scheme: leading blanks and controls skipped, tabs and line breaks dropped.
bool IsScriptAddress(std::string_view address) {
    std::string scheme;
    for (const char c : address) {
        if (static_cast<unsigned char>(c) <= ' ' && (scheme.empty() || c == '\t' || c == '\r' || c == '\n')) {
            continue;
        }
        scheme += AsciiLower(c);
        if (scheme.size() == 11) {
            break;
        }
    }
    return scheme == "javascript:";
}

// The address every new entry starts with, however the author's typing left its case or a last "/".
bool IsPlaceholderAddress(std::string_view address) {
    if (address.ends_with('/')) {
        address.remove_suffix(1);
    }
    return address.size() == KorvaneHomePage.size() &&
           std::equal(address.begin(), address.end(), KorvaneHomePage.begin(),
                      [](char a, char b) { return AsciiLower(a) == b; });
}

bool HasScheme(std::string_view address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos || colon == 0 || address.find_first_of("/?#") < colon) {
        return false;
    }
    return std::all_of(address.begin(), address.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

// The file a relative address names under the site's folder ("/x" from the site's root), or
// nothing for an address that leaves the site or names no file (a fragment only).
std::optional<std::string> SiteFile(std::string_view address) {
    address = Trim(address);
    if (address.empty() || address.front() == '#' || address.starts_with("//") || HasScheme(address)) {
        return std::nullopt;
    }
    address = address.substr(0, address.find_first_of("?#"));
    // A back-slash typed in the address is a folder step; one spelled %5C stays a character.
    std::string typed(address);
    std::replace(typed.begin(), typed.end(), '\\', '/');
    std::string decoded = PercentDecoded(typed);
    while (!decoded.empty() && decoded.front() == '/') {
        decoded.erase(decoded.begin());
    }
    return decoded;
}

class TChecker {
public:
    TChecker(const TProject& project, const TCheckSettings& settings)
        : m_project(project), m_settings(settings) {}

    std::vector<TCheckFinding> Run(const std::vector<TScriptWarning>& scriptWarnings) {
        if (m_project.Styles.Empty()) {
            m_findings.push_back(
                {TCheckLevel::Error, {true, {}, "Style list"}, std::string(NoStylesMessage) + "."});
        }
        CheckStyles();
        CheckMenu(m_project.Objects.Roots());
        m_project.Objects.Walk(
            [this](const TTreeNode& node) {
                if (!node.IsOptions()) {
                    CheckGroup(node, m_level);
                }
                ++m_level;
            },
            [this](const TTreeNode&) { --m_level; });
        CheckPatterns(m_project, m_settings,
                      [this](TCheckLevel level, const TTreeNode& node, std::string text) {
                          Add(level, node, std::move(text));
                      });
        for (const TScriptWarning& warning : scriptWarnings) {
            // The checks say these themselves, as errors.
            if (warning.Kind != TScriptWarningKind::ScriptAddress &&
                warning.Kind != TScriptWarningKind::EmptyCaption) {
                if (Room(TCheckLevel::Warning)) {
                    m_findings.push_back(
                        {TCheckLevel::Warning,
                         warning.Node ? PlaceOf(*warning.Node) : TCheckPlace{false, {}, "Design"},
                         warning.Text});
                }
            }
        }
        if (m_unlisted != 0) {
            m_findings.push_back(
                {m_unlistedError ? TCheckLevel::Error : TCheckLevel::Warning,
                 {false, {}, "Design"},
                 std::to_string(m_unlisted) + " more problems are not listed; mend the ones above first."});
        }
        std::stable_partition(m_findings.begin(), m_findings.end(),
                              [](const TCheckFinding& f) { return f.Level == TCheckLevel::Error; });
        return std::move(m_findings);
    }

private:
    void Add(TCheckLevel level, const TTreeNode& node, std::string text) {
        if (Room(level)) {
            m_findings.push_back({level, PlaceOf(node), std::move(text)});
        }
    }

    // A list nobody reads to its end is not worth building: past the limit the findings are
    // only counted, which keeps the checks linear in a design with a problem on every entry.
    bool Room(TCheckLevel level) {
        if (m_findings.size() < ListedFindingLimit) {
            return true;
        }
        ++m_unlisted;
        m_unlistedError = m_unlistedError || level == TCheckLevel::Error;
        return false;
    }

    // The styles the written menus draw with, in either colour scheme: a menu whose style is
    // gone draws with the first one.
    std::unordered_set<const TTreeNode*> StylesInUse() const {
        std::unordered_map<std::string_view, std::vector<const TTreeNode*>> byName;
        for (const TTreeNode& style : m_project.Styles.Roots()) {
            byName[style.Text()].push_back(&style);
        }
        std::unordered_set<const TTreeNode*> used;
        const auto use = [&](std::string_view name, bool fallBack) {
            const auto found = byName.find(name);
            if (found != byName.end()) {
                used.insert(found->second.begin(), found->second.end());
            } else if (fallBack && m_project.Styles.FirstRoot()) {
                used.insert(m_project.Styles.FirstRoot());
            }
        };
        ForEachMenu(m_project.Objects, [&](const TTreeNode* group) {
            const TTreeNode* options = FindMenuOptionsNodeOfLevel(m_project.Objects, group);
            if (!options) {
                use({}, true);
                return;
            }
            use(options->Options().MenuStyle.view(), true);
            if (!options->Options().DarkStyle.empty()) {
                use(options->Options().DarkStyle.view(), false);
            }
        });
        return used;
    }

    void CheckStyles() {
        const std::unordered_set<const TTreeNode*> used = StylesInUse();
        for (const TTreeNode& node : m_project.Styles.Roots()) {
            if (!used.contains(&node)) {
                Add(TCheckLevel::Warning, node, "No menu uses this style.");
                continue;
            }
            const TMenuStyleRec& style = node.Style();
            const double needed = IsLargeText(style) ? LargeTextContrast : NormalTextContrast;
            for (const TColourPair& pair : DrawnColourPairs(style)) {
                const double ratio = ContrastRatio(pair.Text, pair.Background);
                if (ratio < needed) {
                    Add(TCheckLevel::Error, node,
                        pair.Name + " has a contrast of " + OneDecimal(ratio) + ":1; text needs at least " +
                            OneDecimal(needed) + ":1 to be read.");
                }
            }
            const double height = EntryHeight(style);
            if (height < MinimumEntryHeight) {
                Add(TCheckLevel::Error, node,
                    "Its entries are " + OneDecimal(height) +
                        " px high; visitors need at least 24 px to hit them (raise \"Font Size\" or "
                        "\"Menu Item Padding\").");
            }
        }
    }

    // The entries of one level: their captions and addresses, and addresses met twice.
    void CheckMenu(TLevel level) {
        std::unordered_map<std::string_view, const TTreeNode*> addresses;
        for (const TTreeNode& node : level) {
            if (node.IsOptions()) {
                continue;
            }
            CheckCaption(node);
            const std::string_view address = Trim(node.Item().Address.view());
            if (IsScriptAddress(node.Item().Address.view())) {
                Add(TCheckLevel::Error, node,
                    "Its address is a javascript: address, which runs script on your pages and does nothing "
                    "where script is blocked.");
            } else if (address.empty()) {
                if (!node.HasChildren()) {
                    Add(TCheckLevel::Warning, node, "The item has no address, so visitors cannot follow it.");
                }
            } else if (IsPlaceholderAddress(address)) {
                Add(TCheckLevel::Error, node,
                    "Its address is still the placeholder " + Quote(address) +
                        "; give it the page it should open, or clear it.");
            } else if (const auto [first, added] = addresses.try_emplace(address, &node); !added) {
                Add(TCheckLevel::Warning, node,
                    "Its address " + Quote(address) + " is also the address of " +
                        Quote(first->second->Text()) + " in this menu.");
            }
            CheckSiteFile(node, address);
        }
    }

    void CheckCaption(const TTreeNode& node) {
        const std::string_view caption = node.Item().Caption.view();
        if (IsBlank(caption)) {
            Add(TCheckLevel::Error, node, "The entry has no caption; visitors see an empty row.");
            return;
        }
        const std::size_t length = CharacterCount(DecodeCaptionReferences(caption));
        if (length > LongCaptionCharacters) {
            Add(TCheckLevel::Warning, node,
                "Its caption is " + std::to_string(length) + " characters long; more than " +
                    std::to_string(LongCaptionCharacters) + " wrap onto further lines.");
        }
    }

    void CheckSiteFile(const TTreeNode& node, std::string_view address) {
        if (m_settings.Site.empty() || address.empty() || IsScriptAddress(address)) {
            return;
        }
        const std::optional<std::string> file = SiteFile(address);
        std::error_code error;
        if (file && !std::filesystem::exists(m_settings.Site / PathFromUtf8(*file), error)) {
            Add(TCheckLevel::Warning, node,
                "Its address " + Quote(address) + " names no file in the site's folder.");
        }
    }

    void CheckGroup(const TTreeNode& node, std::size_t level) {
        const bool entries = HasEntries(node.Children());
        if (node.IsGroup() && !entries) {
            Add(TCheckLevel::Error, node, "The group has no entries, so its submenu opens nothing.");
        } else if (entries) {
            CheckMenu(node.Children());
            // The main menu is the first level; a group at tree level 3 opens the fifth.
            if (level == static_cast<std::size_t>(DeepestComfortableMenu - 1)) {
                Add(TCheckLevel::Warning, node,
                    "Its submenu is nested " + std::to_string(DeepestComfortableMenu + 1) +
                        " levels deep; menus deeper than " + std::to_string(DeepestComfortableMenu) +
                        " levels are hard to reach.");
            }
        }
    }

    const TProject& m_project;
    const TCheckSettings& m_settings;
    std::vector<TCheckFinding> m_findings;
    std::size_t m_level = 0; // of the node the walk is at, roots 0
    std::size_t m_unlisted = 0;
    bool m_unlistedError = false;
};

} // namespace

std::vector<TCheckFinding> CheckDesign(const TProject& project,
                                       const std::vector<TScriptWarning>& scriptWarnings,
                                       const TCheckSettings& settings) {
    return TChecker(project, settings).Run(scriptWarnings);
}

std::vector<TCheckFinding> CheckDesign(const TProject& project, const TCheckSettings& settings) {
    return CheckDesign(project, GenerateMenuScript(project, settings.ProjectFolder).Warnings, settings);
}

int CountErrors(const std::vector<TCheckFinding>& findings) {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const TCheckFinding& f) {
        return f.Level == TCheckLevel::Error;
    }));
}

std::string_view LevelText(TCheckLevel level) {
    return level == TCheckLevel::Error ? "error" : "warning";
}

std::string FindingLine(const TCheckFinding& finding) {
    return std::string(LevelText(finding.Level)) + ": " + finding.Place.Text + ": " + finding.Text;
}

TCheckPlace PlaceOf(const TTreeNode& node) {
    TCheckPlace place;
    place.InStyles = node.IsStyle();
    for (const TTreeNode* at = &node; at; at = at->Parent()) {
        place.Path.push_back(at->Index());
    }
    std::reverse(place.Path.begin(), place.Path.end());
    if (node.IsStyle()) {
        place.Text = "Style " + Quote(node.Text());
        return place;
    }
    if (node.IsOptions() && !node.Parent()) {
        place.Text = "Main menu options";
        return place;
    }
    // The nearest groups name the place; past a few levels the rest is elided, so a deep
    // design's findings stay short to read and cheap to make.
    constexpr int namedLevels = 6;
    std::vector<std::string_view> names;
    const TTreeNode* at = &node;
    for (; at && names.size() < namedLevels; at = at->Parent()) {
        // An entry without a caption is still found by where it stands.
        names.push_back(IsBlank(at->Text()) ? std::string_view("(no caption)")
                                            : std::string_view(at->Text()));
    }
    if (at) {
        place.Text = "\u2026 > ";
    }
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        place.Text += std::string(*name) + (name + 1 == names.rend() ? "" : " > ");
    }
    return place;
}

} // namespace tarvex
