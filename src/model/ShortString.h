#pragma once
// Fixed-capacity text: a record field that keeps at most N characters (code points) of the UTF-8
// stored into it.

#include "CompactText.h"
#include "base/RecordText.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvex {

template <std::size_t N> class ShortString {
public:
    static constexpr std::size_t Capacity = N;
    static_assert(N * 4 <= TCompactText::MaxSize, "a full field of four-byte characters must fit");

    ShortString() = default;
    ShortString(std::string_view text) { Assign(text); }
    ShortString(const char* text) { Assign(text ? std::string_view(text) : std::string_view()); }
    ShortString(const std::string& text) { Assign(text); }

    ShortString& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    ShortString& operator=(const char* text) { return *this = std::string_view(text ? text : ""); }
    ShortString& operator=(const std::string& text) { return *this = std::string_view(text); }

    // Longer input is cut without a word, between characters: the fields mirror fixed-size
    // records on disk.
    void Assign(std::string_view text) {
        m_text.Assign(text.size() <= N ? text : text.substr(0, Utf8PrefixSize(text, N)));
    }

    std::string str() const { return std::string(m_text.View()); }
    std::string_view view() const { return m_text.View(); }
    operator std::string_view() const { return m_text.View(); }
    std::size_t size() const { return m_text.View().size(); }
    bool empty() const { return m_text.View().empty(); }
    // What the text holds beyond the field itself.
    std::size_t HeapBytes() const { return m_text.HeapBytes(); }

    friend bool operator==(const ShortString& a, const ShortString& b) { return a.view() == b.view(); }
    friend bool operator==(const ShortString& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const ShortString& a, const char* b) { return a.view() == std::string_view(b); }

private:
    TCompactText m_text;
};

} // namespace tarvex
