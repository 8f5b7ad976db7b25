#include "DesktopAddress.h"

#include "base/PathText.h"
#include "base/RecordText.h"

#include <array>
#include <string>

namespace tarvex {

bool IsWebScheme(std::string_view scheme) {
    const std::string lower = AsciiLower(scheme);
    return lower == "http" || lower == "https" || lower == "mailto";
}

bool IsShownByBrowser(const std::filesystem::path& file) {
    static constexpr std::array<std::string_view, 12> Shown = {
        ".htm", ".html", ".pdf", ".png", ".jpg", ".jpeg", ".gif", ".bmp", ".webp", ".svg", ".ico", ".avif"};
    const std::string name = PathText(file.filename());
    if (name.empty() || name.back() == '.' || name.back() == ' ' || name.find(':') != std::string::npos) {
        return false;
    }
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return false;
    }
    const std::string extension = AsciiLower(std::string_view(name).substr(dot));
    for (const std::string_view shown : Shown) {
        if (extension == shown) {
            return true;
        }
    }
    return false;
}

} // namespace tarvex
