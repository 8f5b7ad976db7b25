#pragma once
// The %XX escapes of addresses: the one decoder behind site addresses, imported links and the
// links the design checks follow.

#include <string>
#include <string_view>

namespace tarvex {

// Every '%' followed by two hexadecimal digits (either case) as the byte they spell; any other
// '%' stays a plain character, as pages in the wild hold "100%" in links.
std::string PercentDecoded(std::string_view text);

// True when some '%' is not followed by two hexadecimal digits: in an address the author typed,
// a mistake to report rather than a character to keep.
bool HasStrayPercent(std::string_view text);

} // namespace tarvex
