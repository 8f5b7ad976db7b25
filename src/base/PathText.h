#pragma once
// Paths travel through the program as UTF-8 strings; these two are where they become
// std::filesystem paths and back, so a folder named in any script works on every platform.

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex {

std::string PathText(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view text);

} // namespace tarvex
