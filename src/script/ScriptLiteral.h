#pragma once
// How the author's text is written into the scripts we generate: inside string literals and comment
// lines, so that no design can break the script, an inline script block or the page's encoding.

#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

// Appends `value` (UTF-8) escaped for a double-quoted string literal; `spaces`, when given, stands in
// for every space.
void AppendEscaped(std::string& out, std::string_view value, std::optional<std::string_view> spaces = {});
// `text` as one ASCII comment line ("//..."), safe inside an inline script block.
std::string CommentLine(std::string_view text);
// `value` between double quotes, escaped, followed by `after`.
std::string Quoted(std::string_view value, std::string_view after = ",");

} // namespace tarvex
