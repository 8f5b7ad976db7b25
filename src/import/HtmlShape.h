#pragma once
// A quick look over an HTML page before it is parsed: how many elements it opens and how deep they
// can nest at most. The HTML5 parser's work grows with depth for every element, so pages beyond
// the limits are refused before they cost seconds.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvex {

struct THtmlShape {
    // The elements the parser makes: the start tags, and the copies of formatting elements it
    // opens again after something else closed them.
    std::size_t StartTags = 0;
    // Never below the depth the parser's tree reaches (a few implied elements aside): end tags
    // close only what is open, elements that the parser would close implicitly are closed only
    // where the rule is certain, and formatting elements left open may come back anywhere later.
    std::size_t DeepestNesting = 0;
};

// Stops early once the nesting passes `stopAbove` or the elements pass `stopAboveElements` (the
// page is refused then anyway); the search through the open elements stays that short.
THtmlShape MeasureHtml(std::string_view bytes, std::size_t stopAbove = SIZE_MAX,
                       std::size_t stopAboveElements = SIZE_MAX);

// Tree depth the parser may add on its own (html, body, a table's body, ...), allowed beyond
// DeepestNesting.
inline constexpr std::size_t HtmlImpliedDepth = 8;

} // namespace tarvex
