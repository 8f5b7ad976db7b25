#include "IntegerText.h"

namespace tarvex {

std::optional<int32_t> ParseInt32(std::string_view text, TPlusSign plus) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || (text.front() == '+' && plus == TPlusSign::Allowed))) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Counted in 64 bits and stopped just past the 32-bit range, so no length of digits overflows.
    int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) {
            return std::nullopt;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

} // namespace tarvex
