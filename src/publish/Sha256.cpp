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
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int written =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()),
                        reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    text.resize(static_cast<std::size_t>(written));
    while (!padding && !text.empty() && text.back() == '=') {
        text.pop_back();
    }
    return text;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    // The library decodes whole groups of four and counts the padding as bytes: both are ours.
    std::size_t padding = 0;
    while (padding < text.size() && text[text.size() - 1 - padding] == '=') {
        ++padding;
    }
    std::string groups(text.substr(0, text.size() - padding));
    if (groups.find_first_not_of(Base64Alphabet) != std::string::npos || groups.size() % 4 == 1 ||
        padding > 2) {
        return std::nullopt;
    }
    const std::size_t missing = (4 - groups.size() % 4) % 4;
    groups.append(missing, '=');
    std::string bytes(groups.size() / 4 * 3, '\0');
    const int decoded = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(bytes.data()),
                                        reinterpret_cast<const unsigned char*>(groups.data()),
                                        static_cast<int>(groups.size()));
    if (decoded < 0 || static_cast<std::size_t>(decoded) < missing) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(decoded) - missing);
    return bytes;
}

} // namespace tarvex
