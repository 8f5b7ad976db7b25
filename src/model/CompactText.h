#pragma once
// Text in the room of one pointer: a few bytes in place, anything longer in a heap block of its size.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvex {

// A design holds a record per entry and most of their fields are empty or a few words long, so
// a field must cost little more than its text: an empty text allocates nothing, one of up to
// InlineCapacity bytes stays inside the object, and a longer one takes a block of exactly its
// size. Copies are deep; a moved-from text is empty.
class TCompactText {
public:
    static constexpr std::size_t InlineCapacity = sizeof(char*) - 1;
    // The largest text a block's size prefix can hold; longer text is cut to it (byte-wise: the
    // fields cut whole characters well below it).
    static constexpr std::size_t MaxSize = 0xFFFF;

    TCompactText() noexcept { SetEmpty(); }
    explicit TCompactText(std::string_view text) : TCompactText() { Assign(text); }
    TCompactText(const TCompactText& other) : TCompactText() { Assign(other.View()); }
    TCompactText(TCompactText&& other) noexcept;
    TCompactText& operator=(const TCompactText& other);
    TCompactText& operator=(TCompactText&& other) noexcept;
    ~TCompactText() { Release(); }

    // `text` may be a view of this text itself.
    void Assign(std::string_view text);
    std::string_view View() const noexcept;
    // The bytes of the heap block, or 0 when the text needs none.
    std::size_t HeapBytes() const noexcept { return HeapBytesFor(View().size()); }
    static constexpr std::size_t HeapBytesFor(std::size_t size) {
        return size <= InlineCapacity ? 0 : sizeof(std::uint16_t) + size;
    }

    friend void swap(TCompactText& a, TCompactText& b) noexcept;

private:
    bool IsInline() const noexcept;
    void SetEmpty() noexcept;
    void Release() noexcept;
    char* Block() const noexcept;

    // Either a pointer to the block or the text in place; the byte that holds the pointer's
    // lowest bits tells which (see CompactText.cpp).
    alignas(char*) char m_bytes[sizeof(char*)] = {};
};

} // namespace tarvex
