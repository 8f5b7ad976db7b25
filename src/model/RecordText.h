#pragma once
// The one conversion between UTF-8 (what Qt and the terminal speak) and record text (Windows-1252 bytes).

#include <string>
#include <string_view>

namespace tarvex {

// Characters outside Windows-1252, and malformed UTF-8 sequences, become "?".
std::string Utf8ToRecordText(std::string_view utf8);
// Every byte has a meaning; the five bytes Windows-1252 leaves undefined map to the C1 controls.
std::string RecordTextToUtf8(std::string_view text);
// CR LF, LF and a lone CR each become one space: a record field is one line of a project file,
// and a break inside one would shift every line read after it.
std::string OneLine(std::string_view text);

} // namespace tarvex
