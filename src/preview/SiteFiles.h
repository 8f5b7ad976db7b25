#pragma once
// What a publish to a site sends: the files a build writes, as the site gets them. Shared by the
// window and the command line (which also takes the target helpers from here).

#include "base/UiText.h"
#include "model/Project.h"
#include "publish/SitePlan.h"
#include "publish/SiteTargets.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

struct TSiteFilesResult {
    std::optional<std::vector<TSiteFile>> Files;
    TUiText Error; // why there are none: no style to build from, an engine file unreadable
};

// The classic three files under their published names (the script as menu.js) or the module's
// two. The script's warnings, each a sentence, go to `warnings` when given.
TSiteFilesResult SiteFilesFor(const std::filesystem::path& appFolder, const TProject& project,
                              const std::filesystem::path& projectFolder, TPublishKind kind,
                              std::vector<std::string>* warnings = nullptr);

} // namespace tarvex
