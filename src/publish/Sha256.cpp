#include "publish/Sha256.h"

#include <openssl/evp.h>

#include <cstddef>
#include <stdexcept>

namespace tarvex {
namespace {

constexpr std::string_view Base64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

std::array<std::uint8_t, 32> Sha256(std::string_view bytes) {
    std::array<std::uint8_t, 32> digest{};
    unsigned int length = 0;
    // Only an exhausted memory makes it fail; a digest of zeros would vouch for the wrong bytes.
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) != 1 ||
        length != digest.size()) {
        throw std::runtime_error("The SHA-256 digest could not be computed.");
    }
    return digest;
}

std::string Sha256Hex(std::string_view bytes) {
    static constexpr std::string_view Digits = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : Sha256(bytes)) {
        text += Digits[byte >> 4];
        text += Digits[byte & 15];
    }
    return text;
}

std::string Base64Encode(std::string_view bytes, bool padding) {
    std::string text;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char c : bytes) {
        buffer = (buffer << 8) | static_cast<std::uint8_t>(c);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            text += Base64Alphabet[(buffer >> bits) & 63];
        }
    }
    if (bits > 0) {
        text += Base64Alphabet[(buffer << (6 - bits)) & 63];
    }
    while (padding && text.size() % 4 != 0) {
        text += '=';
    }
    return text;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    while (!text.empty() && text.back() == '=') {
        text.remove_suffix(1);
    }
    std::string bytes;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char c : text) {
        const std::size_t value = Base64Alphabet.find(c);
        if (value == std::string_view::npos) {
            return std::nullopt;
        }
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((buffer >> bits) & 0xff);
        }
    }
    return bytes;
}

} // namespace tarvex
