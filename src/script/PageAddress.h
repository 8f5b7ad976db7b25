#pragma once
// PageAddressKey: what two web addresses are compared by when the menu marks the page being shown,
// the same rules as the menu engine's.

#include <string>
#include <string_view>

namespace tarvex {

// `address` resolved against the page `base` (an absolute address), without its fragment, with the
// scheme and host in lower case and a trailing "index.html", "index.htm", "default.htm" or "/" of
// its path left out. Two addresses lead to the same page when their keys are equal. Empty when
// `base` has no scheme, so nothing compares equal to it.
std::string PageAddressKey(std::string_view address, std::string_view base);

} // namespace tarvex
