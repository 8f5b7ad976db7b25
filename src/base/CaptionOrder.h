#pragma once
// The order in which the author reads captions: the collation of the author's own locale where the
// system has one that reads UTF-8, else the letters compared without their case.

#include <locale>
#include <string>
#include <string_view>

namespace tarvex {

class TCaptionOrder {
public:
    // The locale the author's environment names (LC_ALL, LC_COLLATE, LANG).
    TCaptionOrder();
    // A locale of "C" or "POSIX", or one whose text is not UTF-8, falls back to the letters
    // compared without their case: its own order would put "Zoo" before "apple", or misread
    // the bytes of a caption.
    explicit TCaptionOrder(const std::locale& locale);

    // Captions sort by their keys compared byte by byte; equal keys keep their order where the
    // sort is stable.
    std::string SortKey(std::string_view caption) const;
    bool UsesLocale() const { return m_usesLocale; }

private:
    std::locale m_locale;
    bool m_usesLocale = false;
};

} // namespace tarvex
