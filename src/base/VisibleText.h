#pragma once
// Text from a project shown where a control character would act instead of being seen: a terminal,
// a JSON report, the window's boxes and lists.

#include <string>
#include <string_view>

namespace tarvex {

enum class TShownAs {
    // C0 (line breaks too), DEL and bytes that are no UTF-8 as \x1b; C1 and direction controls
    // as \u009b, \u202e. A terminal then neither runs a sequence nor reorders a line.
    Terminal,
    // The inside of a JSON string: quote, backslash and every control as \u001b, the direction
    // controls as \u202e, a byte that is no UTF-8 as \ufffd.
    Json,
    // Direction controls only, as \u202e: a caption cannot reorder the question around it, and
    // the toolkit draws the other controls harmlessly.
    Window,
};

// Whether `c` changes the order in which text around it is shown: the embeddings, overrides and
// isolates, and the three direction marks.
bool IsDirectionControl(char32_t c);

std::string VisibleText(std::string_view utf8, TShownAs shownAs);

} // namespace tarvex
