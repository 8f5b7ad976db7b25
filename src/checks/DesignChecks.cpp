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

TUiText Verbatim(std::string_view text) {
    return TUiText::Verbatim(text);
}

TUiText Number(std::size_t value) {
    return TUiText::Verbatim(std::to_string(value));
}

TUiText Checks(std::string_view source, std::vector<TUiText> args = {}) {
    return TUiText("Checks", source, std::move(args));
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
                {TCheckLevel::Error,
                 {true, {}, Checks(TARVEX_TRANSLATE_NOOP("Checks", "Style list"))},
                 Checks(TARVEX_TRANSLATE_NOOP("Checks",
                                              "Project can not be compiled. You don't have menu styles."))});
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
        CheckPatterns(m_project, m_settings, [this](TCheckLevel level, const TTreeNode& node, TUiText text) {
            Add(level, node, std::move(text));
        });
        for (const TScriptWarning& warning : scriptWarnings) {
            // The checks say these themselves, as errors.
            if (warning.Kind != TScriptWarningKind::ScriptAddress &&
                warning.Kind != TScriptWarningKind::EmptyCaption) {
                if (Room(TCheckLevel::Warning)) {
                    m_findings.push_back(
                        {TCheckLevel::Warning,
                         warning.Node ? PlaceOf(*warning.Node) : TCheckPlace{false, {}, DesignPlace()},
                         warning.Text});
                }
            }
        }
        if (m_unlisted != 0) {
            m_findings.push_back(
                {m_unlistedError ? TCheckLevel::Error : TCheckLevel::Warning,
                 {false, {}, DesignPlace()},
                 Checks(TARVEX_TRANSLATE_NOOP("Checks",
                                              "%1 more problems are not listed; mend the ones above first."),
                        {Number(m_unlisted)})});
        }
        std::stable_partition(m_findings.begin(), m_findings.end(),
                              [](const TCheckFinding& f) { return f.Level == TCheckLevel::Error; });
        return std::move(m_findings);
    }

private:
    static TUiText DesignPlace() { return Checks(TARVEX_TRANSLATE_NOOP("Checks", "Design")); }

    void Add(TCheckLevel level, const TTreeNode& node, TUiText text) {
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
                Add(TCheckLevel::Warning, node,
                    Checks(TARVEX_TRANSLATE_NOOP("Checks", "No menu uses this style.")));
                continue;
            }
            const TMenuStyleRec& style = node.Style();
            const double needed = IsLargeText(style) ? LargeTextContrast : NormalTextContrast;
            for (const TColourPair& pair : DrawnColourPairs(style)) {
                const double ratio = ContrastRatio(pair.Text, pair.Background);
                if (ratio < needed) {
                    Add(TCheckLevel::Error, node,
                        Checks(
                            TARVEX_TRANSLATE_NOOP(
                                "Checks", "%1 has a contrast of %2:1; text needs at least %3:1 to be read."),
                            {pair.Name, Verbatim(OneDecimal(ratio)), Verbatim(OneDecimal(needed))}));
                }
            }
            const double height = EntryHeight(style);
            if (height < MinimumEntryHeight) {
                Add(TCheckLevel::Error, node,
                    Checks(TARVEX_TRANSLATE_NOOP(
                               "Checks", "Its entries are %1 px high; visitors need at least 24 px to hit "
                                         "them (raise \"Font Size\" or \"Menu Item Padding\")."),
                           {Verbatim(OneDecimal(height))}));
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
                    Checks(TARVEX_TRANSLATE_NOOP("Checks",
                                                 "Its address is a javascript: address, which runs script on "
                                                 "your pages and does nothing where script is blocked.")));
            } else if (address.empty()) {
                if (!node.HasChildren()) {
                    Add(TCheckLevel::Warning, node,
                        Checks(TARVEX_TRANSLATE_NOOP(
                            "Checks", "The item has no address, so visitors cannot follow it.")));
                }
            } else if (IsPlaceholderAddress(address)) {
                Add(TCheckLevel::Error, node,
                    Checks(TARVEX_TRANSLATE_NOOP("Checks", "Its address is still the placeholder \"%1\"; "
                                                           "give it the page it should open, or clear it."),
                           {Verbatim(address)}));
            } else if (const auto [first, added] = addresses.try_emplace(address, &node); !added) {
                Add(TCheckLevel::Warning, node,
                    Checks(TARVEX_TRANSLATE_NOOP(
                               "Checks", "Its address \"%1\" is also the address of \"%2\" in this menu."),
                           {Verbatim(address), Verbatim(first->second->Text())}));
            }
            CheckSiteFile(node, address);
        }
    }

    void CheckCaption(const TTreeNode& node) {
        const std::string_view caption = node.Item().Caption.view();
        if (IsBlank(caption)) {
            Add(TCheckLevel::Error, node,
                Checks(
                    TARVEX_TRANSLATE_NOOP("Checks", "The entry has no caption; visitors see an empty row.")));
            return;
        }
        const std::size_t length = CharacterCount(DecodeCaptionReferences(caption));
        if (length > LongCaptionCharacters) {
            Add(TCheckLevel::Warning, node,
                Checks(
                    TARVEX_TRANSLATE_NOOP(
                        "Checks", "Its caption is %1 characters long; more than %2 wrap onto further lines."),
                    {Number(length), Number(LongCaptionCharacters)}));
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
                Checks(
                    TARVEX_TRANSLATE_NOOP("Checks", "Its address \"%1\" names no file in the site's folder."),
                    {Verbatim(address)}));
        }
    }

    void CheckGroup(const TTreeNode& node, std::size_t level) {
        const bool entries = HasEntries(node.Children());
        if (node.IsGroup() && !entries) {
            Add(TCheckLevel::Error, node,
                Checks(TARVEX_TRANSLATE_NOOP("Checks",
                                             "The group has no entries, so its submenu opens nothing.")));
        } else if (entries) {
            CheckMenu(node.Children());
            // The main menu is the first level; a group at tree level 3 opens the fifth.
            if (level == static_cast<std::size_t>(DeepestComfortableMenu - 1)) {
                Add(TCheckLevel::Warning, node,
                    Checks(TARVEX_TRANSLATE_NOOP("Checks", "Its submenu is nested %1 levels deep; menus "
                                                           "deeper than %2 levels are hard to reach."),
                           {Number(DeepestComfortableMenu + 1), Number(DeepestComfortableMenu)}));
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
    return std::string(LevelText(finding.Level)) + ": " + finding.Place.Text.English() + ": " +
           finding.Text.English();
}

TCheckPlace PlaceOf(const TTreeNode& node) {
    TCheckPlace place;
    place.InStyles = node.IsStyle();
    for (const TTreeNode* at = &node; at; at = at->Parent()) {
        place.Path.push_back(at->Index());
    }
    std::reverse(place.Path.begin(), place.Path.end());
    if (node.IsStyle()) {
        place.Text = Checks(TARVEX_TRANSLATE_NOOP("Checks", "Style \"%1\""), {Verbatim(node.Text())});
        return place;
    }
    if (node.IsOptions() && !node.Parent()) {
        place.Text = Checks(TARVEX_TRANSLATE_NOOP("Checks", "Main menu options"));
        return place;
    }
    // The nearest groups name the place; past a few levels the rest is elided, so a deep
    // design's findings stay short to read and cheap to make.
    constexpr int namedLevels = 6;
    std::vector<TUiText> names;
    const TTreeNode* at = &node;
    for (; at && names.size() < namedLevels; at = at->Parent()) {
        // An entry without a caption is still found by where it stands.
        names.push_back(IsBlank(at->Text()) ? Checks(TARVEX_TRANSLATE_NOOP("Checks", "(no caption)"))
                                            : Verbatim(at->Text()));
    }
    // The path is a pattern of its captions, so a caption is shown as typed and only the words
    // this program adds are translated.
    std::string pattern = at ? "\u2026 > " : "";
    for (std::size_t i = 0; i < names.size(); ++i) {
        pattern += (i == 0 ? "%" : " > %") + std::to_string(i + 1);
    }
    std::reverse(names.begin(), names.end());
    place.Text = Checks(pattern, std::move(names));
    return place;
}

} // namespace tarvex
