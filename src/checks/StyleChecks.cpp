#include "StyleChecks.h"

#include "base/RecordText.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace tarvex {

namespace {

struct TNamedColour {
    std::string_view Name;
    unsigned Value;
};

// The colour names a six-character field can hold; longer ones never reach the engine.
constexpr TNamedColour NamedColours[] = {
    {"aqua", 0x00FFFF},   {"azure", 0xF0FFFF},  {"beige", 0xF5F5DC},  {"bisque", 0xFFE4C4},
    {"black", 0x000000},  {"blue", 0x0000FF},   {"brown", 0xA52A2A},  {"coral", 0xFF7F50},
    {"cyan", 0x00FFFF},   {"gold", 0xFFD700},   {"gray", 0x808080},   {"green", 0x008000},
    {"grey", 0x808080},   {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0},  {"khaki", 0xF0E68C},
    {"lime", 0x00FF00},   {"linen", 0xFAF0E6},  {"maroon", 0x800000}, {"navy", 0x000080},
    {"olive", 0x808000},  {"orange", 0xFFA500}, {"orchid", 0xDA70D6}, {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},   {"plum", 0xDDA0DD},   {"purple", 0x800080}, {"red", 0xFF0000},
    {"salmon", 0xFA8072}, {"sienna", 0xA0522D}, {"silver", 0xC0C0C0}, {"snow", 0xFFFAFA},
    {"tan", 0xD2B48C},    {"teal", 0x008080},   {"tomato", 0xFF6347}, {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},  {"white", 0xFFFFFF},  {"yellow", 0xFFFF00},
};

// The engine trims what it reads.
std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

TRgb FromValue(unsigned value) {
    return {static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>(value & 0xFF)};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = AsciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::optional<TRgb> ParseHex(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 6) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned>(digit);
        if (digits.size() == 3) {
            value = value * 16 + static_cast<unsigned>(digit);
        }
    }
    return FromValue(value);
}

double Luminance(TRgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.Red) + 0.7152 * linear(colour.Green) + 0.0722 * linear(colour.Blue);
}

TRgb ColourOr(std::string_view value, unsigned fallback) {
    return ParseStyleColour(value).value_or(FromValue(fallback));
}

bool SameColour(TRgb a, TRgb b) {
    return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

} // namespace

std::optional<TRgb> ParseStyleColour(std::string_view value) {
    const std::string trimmed(Trim(value));
    if (std::optional<TRgb> hex = ParseHex(trimmed)) {
        return hex;
    }
    if (trimmed.size() == 4 && trimmed.front() == '#') {
        return ParseHex(std::string_view(trimmed).substr(1));
    }
    const std::string name = AsciiLower(trimmed);
    for (const TNamedColour& named : NamedColours) {
        if (named.Name == name) {
            return FromValue(named.Value);
        }
    }
    return std::nullopt;
}

double ContrastRatio(TRgb first, TRgb second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

int DrawnFontSize(const TMenuStyleRec& style) {
    // The engine leaves the size to the page when none is set; a browser's page is 16 px.
    return style.FontSize > 0 ? std::min(style.FontSize, 1000000) : 16;
}

double EntryHeight(const TMenuStyleRec& style) {
    const double padding = std::clamp(style.MenuItemPadding, 0, 1000000);
    return 1.4 * DrawnFontSize(style) + 2 * padding;
}

bool IsLargeText(const TMenuStyleRec& style) {
    const std::string weight = AsciiLower(Trim(style.FontWeight.view()));
    const bool bold =
        weight == "bold" || weight == "bolder" || weight == "700" || weight == "800" || weight == "900";
    const int size = DrawnFontSize(style);
    return size >= 24 || (bold && size >= 18.66);
}

std::vector<TColourPair> DrawnColourPairs(const TMenuStyleRec& style) {
    const TRgb offText = ColourOr(style.MouseOffFont.view(), 0x000000);
    const TRgb offBack = ColourOr(style.MouseOffBackground.view(), 0xC0C0C0);
    std::vector<TColourPair> pairs{
        {TUiText("Checks", TARVEX_TRANSLATE_NOOP("Checks", "\"Mouse Off Font\" on \"Mouse Off Background\"")),
         offText, offBack},
        {TUiText("Checks", TARVEX_TRANSLATE_NOOP("Checks", "\"Mouse On Font\" on \"Mouse On Background\"")),
         ColourOr(style.MouseOnFont.view(), 0xFFFFFF), ColourOr(style.MouseOnBackground.view(), 0x808080)},
    };
    // Header entries (no address, no submenu) take the normal colours unless the style has their own.
    const TRgb headText = ParseStyleColour(style.MenuHeaderFontColor.view()).value_or(offText);
    const TRgb headBack = ParseStyleColour(style.MenuHeaderBackground.view()).value_or(offBack);
    if (!SameColour(headText, offText) || !SameColour(headBack, offBack)) {
        pairs.push_back(
            {TUiText("Checks", TARVEX_TRANSLATE_NOOP(
                                   "Checks", "\"Menu Header Font Color\" on \"Menu Header Background\"")),
             headText, headBack});
    }
    return pairs;
}

std::string OneDecimal(double value) {
    const auto tenths = static_cast<long long>(std::floor(value * 10 + 1e-9));
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace tarvex
