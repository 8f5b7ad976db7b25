#pragma once
// DecodeCaptionReferences: a caption as the menu engine shows it, for places that write it as text.

#include <string>
#include <string_view>

namespace tarvex {

// The character references the engine decodes in a caption (&nbsp;, &amp;, &eacute;, &#233;,
// &#xE9; and the other common names) become their characters, as UTF-8; anything else, an unknown
// name or a number that is no character, stays as written.
std::string DecodeCaptionReferences(std::string_view caption);

} // namespace tarvex
