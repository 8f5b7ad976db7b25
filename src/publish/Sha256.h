#pragma once
// The SHA-256 digest the site manifest records for each file, and the base64 text of an SSH key's
// fingerprint. Portable: the manifest is read and compared also where no transfer library exists.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

std::array<std::uint8_t, 32> Sha256(std::string_view bytes);
// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

std::string Base64Encode(std::string_view bytes, bool padding = true);
// Nothing for text that is not base64.
std::optional<std::string> Base64Decode(std::string_view text);

} // namespace tarvex
