#pragma once
// What a visitor meets of a style: the colours the menu engine draws and the height of its entries.

#include "base/UiText.h"
#include "model/Records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

struct TRgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

// A colour value as the engine reads it: three or six hex digits (with or without "#") or a
// colour name; nothing for anything the engine would replace by its default.
std::optional<TRgb> ParseStyleColour(std::string_view value);
// The contrast of two colours by their relative luminance: 1 (equal) to 21 (black on white).
double ContrastRatio(TRgb first, TRgb second);

// The font size the engine draws a style's entries in; a style without one takes the page's.
int DrawnFontSize(const TMenuStyleRec& style);
// The height in CSS px of an entry the engine draws for the style: one line of text (the engine's
// line height is 1.4 times the font size) and the padding above and below. The menu's border and
// the lines between entries lie outside the entry and do not make it easier to hit.
double EntryHeight(const TMenuStyleRec& style);
// Text this large needs less contrast: 24 px, or 18.66 px in bold.
bool IsLargeText(const TMenuStyleRec& style);

// One text and background pair the engine draws.
struct TColourPair {
    TUiText Name; // how the author's editor names the two rows
    TRgb Text;
    TRgb Background;
};
// The pairs a visitor sees: normal entries, entries under the pointer, opened or focused, and
// header entries when the style gives them colours of their own.
std::vector<TColourPair> DrawnColourPairs(const TMenuStyleRec& style);

inline constexpr double MinimumEntryHeight = 24.0;
inline constexpr double NormalTextContrast = 4.5;
inline constexpr double LargeTextContrast = 3.0;

// "4.4" for 4.49: cut, not rounded, so a ratio below the limit never reads as the limit.
std::string OneDecimal(double value);

} // namespace tarvex
