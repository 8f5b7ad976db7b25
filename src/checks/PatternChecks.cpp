#include "PatternChecks.h"

#include "StyleChecks.h"
#include "base/RecordText.h"
#include "model/RecordFields.h"
#include "script/CaptionText.h"
#include "script/MenuLevels.h"
#include "script/SvgIcon.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace tarvex {

namespace {

TUiText Verbatim(std::string_view text) {
    return TUiText::Verbatim(text);
}

TUiText Number(int value) {
    return TUiText::Verbatim(std::to_string(value));
}

TUiText Checks(std::string_view source, std::vector<TUiText> args = {}) {
    return TUiText("Checks", source, std::move(args));
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string()
               : std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool Chose(std::string_view value, std::string_view word) {
    return AsciiLower(Trimmed(value)) == AsciiLower(word);
}

const TMenuStyleRec* StyleNamed(const TProject& project, std::string_view name) {
    for (const TTreeNode& style : project.Styles.Roots()) {
        if (style.Text() == name) {
            return &style.Style();
        }
    }
    return nullptr;
}

// The styles a menu is drawn in: its own (or the first, as the script falls back) and its dark one.
std::vector<const TMenuStyleRec*> DrawnStyles(const TProject& project, const TMenuOptionsRec& options) {
    std::vector<const TMenuStyleRec*> styles;
    const TMenuStyleRec* own = StyleNamed(project, options.MenuStyle.view());
    if (!own && project.Styles.FirstRoot()) {
        own = &project.Styles.FirstRoot()->Style();
    }
    if (own) {
        styles.push_back(own);
    }
    if (const TMenuStyleRec* dark = StyleNamed(project, options.DarkStyle.view())) {
        styles.push_back(dark);
    }
    return styles;
}

// What the engine trims from a caption before it falls back to its own word.
bool IsTrimmedSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000 || c == 0xFEFF;
}

// Characters a browser draws as nothing: soft hyphens, joiners, zero-width spaces, direction marks,
// variation selectors.
bool DrawsNothing(char32_t c) {
    return c == 0xAD || c == 0x34F || c == 0x61C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || (c >= 0xFE00 && c <= 0xFE0F);
}

// A caption the engine keeps (something is left after trimming) yet draws as nothing.
bool KeptButInvisible(std::string_view caption) {
    const std::string decoded = DecodeCaptionReferences(caption);
    bool kept = false;
    std::size_t i = 0;
    while (i < decoded.size()) {
        const char32_t c = DecodeUtf8At(decoded, i);
        if (!IsTrimmedSpace(c) && !DrawsNothing(c)) {
            return false;
        }
        kept = kept || DrawsNothing(c);
    }
    return kept;
}

class TPatternChecker {
public:
    TPatternChecker(const TProject& project, const TCheckSettings& settings, const TAddFinding& add)
        : m_project(project), m_settings(settings), m_add(add) {}

    void Run() {
        const TTreeNode* mainOptions = FindMenuOptionsNodeOfLevel(m_project.Objects, nullptr);
        if (mainOptions) {
            CheckMore(*mainOptions);
            m_smallWidth = mainOptions->Options().SmallScreenWidth;
        }
        ForEachMenu(m_project.Objects, [this](const TTreeNode* group) { CheckMenu(group); });
    }

private:
    void CheckMenu(const TTreeNode* group) {
        const TTreeNode* optionsNode = FindMenuOptionsNodeOfLevel(m_project.Objects, group);
        TMenuOptionsRec defaults;
        if (!optionsNode) {
            FillDefaultMenuOptions(m_project, defaults, nullptr);
        }
        const TMenuOptionsRec& options = optionsNode ? optionsNode->Options() : defaults;
        const std::vector<const TMenuStyleRec*> styles = DrawnStyles(m_project, options);
        if (group && optionsNode && !styles.empty() && Chose(options.Layout.view(), "Panel")) {
            CheckColumns(*optionsNode, *styles.front());
        }
        bool describedSeen = false;
        bool badgeSeen = false;
        for (const TTreeNode& entry : m_project.Objects.Level(group)) {
            if (entry.IsOptions()) {
                continue;
            }
            const TMenuItemRec& item = entry.Item();
            CheckIcon(entry, item.Icon.view());
            // One finding a menu for each: its entries share the colours.
            if (!describedSeen && !IsBlank(item.Description.view())) {
                describedSeen = true;
                CheckSmallText(entry, styles,
                               Checks(TARVEX_TRANSLATE_NOOP(
                                   "Checks", "Its description is drawn at %1 px in %2, a contrast of %3:1; "
                                             "text this small needs at least %4:1 to be read.")),
                               DescriptionScale, false);
            }
            if (!badgeSeen && !IsBlank(item.Badge.view())) {
                badgeSeen = true;
                CheckSmallText(entry, styles,
                               Checks(TARVEX_TRANSLATE_NOOP(
                                   "Checks", "Its badge is drawn at %1 px in %2, a contrast of %3:1; text "
                                             "this small needs at least %4:1 to be read.")),
                               BadgeScale, true);
            }
        }
    }

    // The style's own contrast is judged at its own size; this is the smaller text beside it,
    // which counts as large only when it still is.
    void CheckSmallText(const TTreeNode& entry, const std::vector<const TMenuStyleRec*>& styles,
                        TUiText finding, double scale, bool keepsWeight) {
        for (const TMenuStyleRec* style : styles) {
            const double size = DrawnFontSize(*style) * scale;
            const std::string weight = AsciiLower(Trimmed(style->FontWeight.view()));
            const bool bold = keepsWeight && (weight == "bold" || weight == "bolder" || weight == "700" ||
                                              weight == "800" || weight == "900");
            const double needed =
                size >= 24 || (bold && size >= 18.66) ? LargeTextContrast : NormalTextContrast;
            const double ownNeed = IsLargeText(*style) ? LargeTextContrast : NormalTextContrast;
            for (const TColourPair& pair : DrawnColourPairs(*style)) {
                const double ratio = ContrastRatio(pair.Text, pair.Background);
                if (ratio < needed && ratio >= ownNeed) {
                    finding.Args = {Verbatim(OneDecimal(size)), pair.Name, Verbatim(OneDecimal(ratio)),
                                    Verbatim(OneDecimal(needed))};
                    m_add(TCheckLevel::Error, entry, std::move(finding));
                    return;
                }
            }
        }
    }

    void CheckIcon(const TTreeNode& entry, std::string_view icon) {
        const std::string name = Trimmed(icon);
        if (name.empty()) {
            return;
        }
        if (!IsIconFile(name)) {
            if (std::find(std::begin(IconPicks), std::end(IconPicks), AsciiLower(name)) ==
                std::end(IconPicks)) {
                m_add(TCheckLevel::Warning, entry,
                      Checks(TARVEX_TRANSLATE_NOOP("Checks", "Its icon \"%1\" is none of the drawn icons and "
                                                             "no .svg file, so no icon is drawn."),
                             {Verbatim(name)}));
            }
            return;
        }
        auto read = m_files.find(name);
        if (read == m_files.end()) {
            read = m_files.emplace(name, ReadIconFile(m_settings.ProjectFolder, name).Refusal).first;
        }
        if (!read->second.Empty()) {
            m_add(TCheckLevel::Warning, entry,
                  Checks(TARVEX_TRANSLATE_NOOP("Checks", "Its icon file \"%1\" %2, so no icon is drawn."),
                         {Verbatim(name), read->second}));
        }
    }

    void CheckColumns(const TTreeNode& optionsNode, const TMenuStyleRec& style) {
        const int columns = optionsNode.Options().Columns;
        if (columns <= 0) {
            return;
        }
        const double em = DrawnFontSize(style);
        const double edges = 2 * PanelPaddingEm * em + 2 * std::max(0, optionsNode.Options().MenuBorder);
        const double needed = columns * ColumnEm * em + (columns - 1) * ColumnGapEm * em + edges;
        const int width = m_smallWidth > 0 ? m_smallWidth : NarrowestWindow;
        if (needed <= width) {
            return;
        }
        const int fit = std::max(1, static_cast<int>(std::floor((width - edges + ColumnGapEm * em) /
                                                                ((ColumnEm + ColumnGapEm) * em))));
        const TUiText window =
            m_smallWidth > 0
                ? Checks(TARVEX_TRANSLATE_NOOP("Checks", "at the small screen width of %1 px"),
                         {Number(width)})
                : Checks(TARVEX_TRANSLATE_NOOP("Checks", "in a window %1 px wide"), {Number(width)});
        m_add(TCheckLevel::Warning, optionsNode,
              Checks(TARVEX_TRANSLATE_NOOP("Checks",
                                           "Its panel's %1 columns need about %2 px, but %3 only %4 "
                                           "fit, so the captions are squeezed (set \"Columns\" to %4 "
                                           "or 0, or raise \"Small screen width\" on the main menu)."),
                     {Number(columns), Number(static_cast<int>(std::ceil(needed))), window, Number(fit)}));
    }

    // An empty or blank caption stands for the engine's own word; one of invisible characters does not.
    void CheckMore(const TTreeNode& mainOptions) {
        const TMenuOptionsRec& options = mainOptions.Options();
        if (Chose(options.WhenNoRoom.view(), "More") && KeptButInvisible(options.MoreCaption.view())) {
            m_add(TCheckLevel::Error, mainOptions,
                  Checks(TARVEX_TRANSLATE_NOOP(
                      "Checks",
                      "\"When no room\" is More, but \"More caption\" holds only characters that draw "
                      "nothing, so the entry that gathers the rest of the bar is empty and screen readers "
                      "give it no name; type a caption or empty the field for \"More\".")));
        }
    }

    const TProject& m_project;
    const TCheckSettings& m_settings;
    const TAddFinding& m_add;
    int m_smallWidth = 0;
    std::map<std::string, TUiText> m_files; // an icon file's refusal, read once
};

} // namespace

void CheckPatterns(const TProject& project, const TCheckSettings& settings, const TAddFinding& add) {
    TPatternChecker(project, settings, add).Run();
}

} // namespace tarvex
