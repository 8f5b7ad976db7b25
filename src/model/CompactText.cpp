#include "CompactText.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <utility>

namespace tarvex {

namespace {

// A block is never aligned to less than its two-byte size prefix, so the lowest bit of its
// address is 0. Text kept in place says so with that bit set in the same byte, whose other bits
// hold the text's length; the remaining bytes hold the text.
constexpr std::size_t TagIndex = std::endian::native == std::endian::little ? 0 : sizeof(char*) - 1;
constexpr std::size_t InlineOffset = TagIndex == 0 ? 1 : 0;
constexpr std::size_t PrefixSize = sizeof(std::uint16_t);

constexpr char InlineTag(std::size_t size) {
    return static_cast<char>((size << 1) | 1u);
}

std::size_t BlockSize(const char* block) {
    std::uint16_t size = 0;
    std::memcpy(&size, block, PrefixSize);
    return size;
}

} // namespace

TCompactText::TCompactText(TCompactText&& other) noexcept {
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    other.SetEmpty();
}

TCompactText& TCompactText::operator=(const TCompactText& other) {
    if (this != &other) {
        Assign(other.View());
    }
    return *this;
}

TCompactText& TCompactText::operator=(TCompactText&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.SetEmpty();
    }
    return *this;
}

void swap(TCompactText& a, TCompactText& b) noexcept {
    char bytes[sizeof a.m_bytes];
    std::memcpy(bytes, a.m_bytes, sizeof bytes);
    std::memcpy(a.m_bytes, b.m_bytes, sizeof bytes);
    std::memcpy(b.m_bytes, bytes, sizeof bytes);
}

void TCompactText::Assign(std::string_view text) {
    text = text.substr(0, MaxSize);
    // Built apart and swapped in: `text` may point into the text it replaces.
    TCompactText fresh;
    if (text.size() <= InlineCapacity) {
        fresh.m_bytes[TagIndex] = InlineTag(text.size());
        if (!text.empty()) {
            std::memcpy(fresh.m_bytes + InlineOffset, text.data(), text.size());
        }
    } else {
        char* block = new char[PrefixSize + text.size()];
        assert((reinterpret_cast<std::uintptr_t>(block) & 1u) == 0);
        const auto size = static_cast<std::uint16_t>(text.size());
        std::memcpy(block, &size, PrefixSize);
        std::memcpy(block + PrefixSize, text.data(), text.size());
        std::memcpy(fresh.m_bytes, &block, sizeof block);
    }
    swap(*this, fresh);
}

std::string_view TCompactText::View() const noexcept {
    if (IsInline()) {
        return {m_bytes + InlineOffset,
                static_cast<std::size_t>(static_cast<unsigned char>(m_bytes[TagIndex]) >> 1u)};
    }
    const char* block = Block();
    return {block + PrefixSize, BlockSize(block)};
}

bool TCompactText::IsInline() const noexcept {
    return (static_cast<unsigned char>(m_bytes[TagIndex]) & 1u) != 0;
}

void TCompactText::SetEmpty() noexcept {
    m_bytes[TagIndex] = InlineTag(0);
}

void TCompactText::Release() noexcept {
    if (!IsInline()) {
        delete[] Block();
        SetEmpty();
    }
}

char* TCompactText::Block() const noexcept {
    char* block = nullptr;
    std::memcpy(&block, m_bytes, sizeof block);
    return block;
}

} // namespace tarvex
