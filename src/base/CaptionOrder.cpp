#include "CaptionOrder.h"

#include "RecordText.h"

#include <stdexcept>

namespace tarvex {

namespace {

std::locale EnvironmentLocale() {
    // Windows builds and systems without the named locale throw here; the fallback order serves.
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

// A locale whose categories differ is named "LC_CTYPE=...;LC_COLLATE=...;...": only the
// collation's own part counts.
std::string CollationName(const std::string& localeName) {
    const std::string lower = AsciiLower(localeName);
    const std::string tag = "lc_collate=";
    const std::size_t at = lower.find(tag);
    if (at == std::string::npos) {
        return lower;
    }
    const std::size_t from = at + tag.size();
    return lower.substr(from, lower.find(';', from) - from);
}

bool CollatesUtf8Text(const std::string& localeName) {
    const std::string name = CollationName(localeName);
    const bool utf8 = name.find("utf-8") != std::string::npos || name.find("utf8") != std::string::npos;
    // C.UTF-8 orders by code point, which is byte order: no better than the fallback.
    const bool plain = name == "c" || name == "posix" || name.rfind("c.", 0) == 0;
    return utf8 && !plain;
}

} // namespace

TCaptionOrder::TCaptionOrder() : TCaptionOrder(EnvironmentLocale()) {}

TCaptionOrder::TCaptionOrder(const std::locale& locale)
    : m_locale(locale), m_usesLocale(CollatesUtf8Text(locale.name())) {}

std::string TCaptionOrder::SortKey(std::string_view caption) const {
    if (!m_usesLocale) {
        // UTF-8 compared byte by byte is code point order.
        return FoldCase(caption);
    }
    const auto& collate = std::use_facet<std::collate<char>>(m_locale);
    return collate.transform(caption.data(), caption.data() + caption.size());
}

} // namespace tarvex
