#pragma once
// The reading loop both platform files share; only the platform files include this.

#include "FilePlatform.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex::platform::detail {

// Reads an open regular file of `size` bytes (as the system reported it) through `readSome`,
// which fills at most `n` bytes at `into` and returns how many, 0 at the end, or a negative
// number on failure. The file may grow while it is read: one byte past the ceiling is enough
// to tell.
template <typename ReadSome>
TReadResult ReadWithCeiling(std::uint64_t size, std::uint64_t ceiling, ReadSome readSome) {
    TReadResult result;
    if (size > ceiling) {
        result.Status = TReadStatus::TooLarge;
        return result;
    }
    // One byte to spare: the read that finds the end needs room to try, and growing a large buffer
    // only to learn that would copy the whole file once more.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t done = 0;
    while (true) {
        if (done == bytes.size()) {
            if (bytes.size() > ceiling) {
                result.Status = TReadStatus::TooLarge;
                return result;
            }
            bytes.resize(bytes.size() + 4096);
        }
        const auto n = readSome(bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            return result;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (done > ceiling) {
        result.Status = TReadStatus::TooLarge;
        return result;
    }
    bytes.resize(done);
    result.Bytes = std::move(bytes);
    result.Status = TReadStatus::Read;
    return result;
}

// The first line of a machine or boot identity as the system keeps it, when it looks like one:
// it goes into line-based files, so nothing but letters, digits, "-" and braces passes.
inline std::string CleanMachineId(std::string_view text) {
    text = text.substr(0, text.find_first_of("\r\n"));
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 64) {
        return {};
    }
    for (const char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             c == '-' || c == '{' || c == '}';
        if (!allowed) {
            return {};
        }
    }
    return std::string(text);
}

} // namespace tarvex::platform::detail
