#pragma once
// Placing the engine files and the menu script into the folder the author publishes to; the
// window's Publish and tarvex-cli build both go through it.

#include "base/UiText.h"
#include "model/Project.h"
#include "script/MenuScript.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

// One file to publish: its bytes as read, or the message that says why it could not be read.
struct TPublishFile {
    std::filesystem::path Target;
    std::optional<std::string> Bytes;
    TUiText Error;
};

// What became of the three files. Copies that failed carry a message each.
struct TPublishResult {
    std::vector<std::filesystem::path> Written;
    std::vector<std::filesystem::path> Declined; // existing files the person chose to keep
    std::vector<TUiText> Errors;
};

// Reads what a publish to `target` writes: one.js and main.js from `engineFolder`, to go beside
// `target`, then the menu script to go as `target` itself: `script` when given, else
// `engineFolder`'s menu.js. When `target` is named one.js or main.js, that engine file is left out:
// the script takes its place (so the file is asked about once).
std::vector<TPublishFile> ReadPublishFiles(const std::filesystem::path& engineFolder,
                                           const std::filesystem::path& target,
                                           const std::optional<std::string>& script = std::nullopt);

// Reads what a module publish into `folder` writes: tarvex-menu.js, the engine of `engineFolder`
// with `script`'s menus in one module, and tarvex-menu.css, the design's style sheet.
std::vector<TPublishFile> ReadModulePublishFiles(const std::filesystem::path& engineFolder,
                                                 const std::filesystem::path& folder, const TProject& project,
                                                 const TMenuScript& script);

// Writes each file that was read, in order. An existing file is replaced only when
// `confirmReplace` agrees; a declined file stays as it was.
TPublishResult WritePublishFiles(const std::vector<TPublishFile>& files,
                                 const std::function<bool(const std::filesystem::path&)>& confirmReplace);

// Both of the above, with the temp folder's menu.js as the script.
TPublishResult PublishMenuFiles(const std::filesystem::path& tempFolder, const std::filesystem::path& target,
                                const std::function<bool(const std::filesystem::path&)>& confirmReplace);

// The sentences that say which files were not published to `target`'s folder and why.
TUiText PublishReport(const std::filesystem::path& target, const TPublishResult& result);

} // namespace tarvex
