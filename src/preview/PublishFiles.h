#pragma once
// Placing the engine files and the menu script into the folder the author publishes to.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tarvex {

// What became of the three files. Copies that failed carry a message text (UTF-8).
struct TPublishResult {
    std::vector<std::filesystem::path> Written;
    std::vector<std::filesystem::path> Declined; // existing files the person chose to keep
    std::vector<std::string> Errors;
};

// Copies one.js and main.js from `tempFolder` beside `target`, then the temp folder's menu.js as
// `target` itself. An existing file is replaced only when `confirmReplace` agrees; a declined
// file stays as it was. When `target` is named one.js or main.js, that engine file is not copied
// at all: the script takes its place (so the file is asked about once).
TPublishResult PublishMenuFiles(const std::filesystem::path& tempFolder, const std::filesystem::path& target,
                                const std::function<bool(const std::filesystem::path&)>& confirmReplace);

} // namespace tarvex
