#pragma once
// Whole decimal 32-bit integers in text: the one parser behind files, typed rows and settings.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvex {

enum class TPlusSign {
    Allowed, // project files and typed rows have always taken "+7"
    Refused, // stored window settings never held one: "+7" is no number there
};

// Digits with an optional leading sign, nothing before or after them (no blanks), within 32 bits;
// leading zeros are fine. Anything else is no number.
std::optional<int32_t> ParseInt32(std::string_view text, TPlusSign plus);

} // namespace tarvex
