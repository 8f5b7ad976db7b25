#pragma once

#include <string>
#include <string_view>

namespace tarvex {

// Text and attribute values as ASCII: markup characters and everything beyond ASCII become
// references; characters no HTML text may hold (controls, non-characters) become a space or U+FFFD.
std::string HtmlEscaped(std::string_view utf8);

} // namespace tarvex
