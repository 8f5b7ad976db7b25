#include "PathText.h"

#include "FilePlatform.h"

namespace tarvex {

std::string PathText(const std::filesystem::path& path) {
    return platform::PathToUtf8(path);
}

std::filesystem::path PathFromUtf8(std::string_view text) {
    return platform::PathFromUtf8(text);
}

} // namespace tarvex
